#include "ui/FileDrops.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QWidget>

namespace ui {

namespace {

bool firstIsLocalFile(const QMimeData* data) {
    return data && data->hasUrls() && !data->urls().isEmpty() && data->urls().constFirst().isLocalFile();
}

// Watches the window's drag and drop events; a child of the window, gone with it.
class FileDropFilter final : public QObject {
public:
    FileDropFilter(QWidget* window, std::function<void(const QList<QUrl>&)> handler)
        : QObject(window), handler_(std::move(handler)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            if (firstIsLocalFile(drag->mimeData()))
                drag->acceptProposedAction();
            else
                drag->ignore();
            return true;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            if (!firstIsLocalFile(drop->mimeData()))
                return true;
            drop->acceptProposedAction();
            handler_(drop->mimeData()->urls());
            return true;
        }
        default:
            return QObject::eventFilter(watched, event);
        }
    }

private:
    std::function<void(const QList<QUrl>&)> handler_;
};

} // namespace

void acceptFileDrops(QWidget* window, std::function<void(const QList<QUrl>&)> handler) {
    window->setAcceptDrops(true);
    window->installEventFilter(new FileDropFilter(window, std::move(handler)));
}

} // namespace ui
