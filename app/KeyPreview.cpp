#include "app/KeyPreview.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace qor {

KeyPreview::KeyPreview(QWidget* window, Handler handler)
    : QObject(window), window_(window), handler_(std::move(handler)) {
    qApp->installEventFilter(this);
}

bool KeyPreview::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    auto* receiver = static_cast<QWidget*>(watched);
    if (receiver->window() != window_)
        return false;  // a dialog's, a menu's or another window's key
    // A key the focused control left goes on to its parents: it is still that control's,
    // so that a toolbar's field keeps its Enter also when the window sees it.
    QWidget* focus = QApplication::focusWidget();
    QWidget* control =
        focus && (focus == receiver || receiver->isAncestorOf(focus)) ? focus : receiver;
    return handler_(control, static_cast<QKeyEvent*>(event));
}

} // namespace qor
