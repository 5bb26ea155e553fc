#include "tools/EditorFrame.h"

#include "tools/ToolDialogs.h"
#include "ui/Text.h"

#include <QLabel>
#include <QStatusBar>
#include <QVBoxLayout>

namespace qor {

EditorFrame::EditorFrame(QWidget* window, ui::WindowSize size)
    : window_(window), size_(size), bar_(new QStatusBar(window)), text_(new QLabel(window)),
      body_(new QVBoxLayout) {
    bar_->setSizeGripEnabled(size == ui::WindowSize::Resizable);
    text_->setObjectName(QStringLiteral("sbStatus"));
    bar_->addWidget(text_, 1);
    body_->setContentsMargins(10, 8, 10, 6);
    body_->setSpacing(8);
}

void EditorFrame::layOut(const QString& what) {
    ui::layOutUnderHeading(window_, ui::banner(what, window_), body_, bar_, size_);
}

QString EditorFrame::status() const {
    return text_->text();
}

void EditorFrame::showStatus(const QString& text) {
    text_->setText(text);
    text_->repaint();
}

void EditorFrame::showPath(const std::string& path) {
    showStatus(QStringLiteral(" >> ") + ui::toQ(path));
}

void saveRowsAsCsv(QWidget* window, const EntryRows& rows, const QString& folder,
                   EditorFrame& frame, const std::string& editedPath) {
    std::optional<CsvTarget> target = askCsvTarget(window, folder);
    if (!target) return;
    frame.showStatus(QStringLiteral(" >> 保存中・・・"));
    tellSaveResult(window, appendCsv(target->path, rows, target->separator));
    frame.showPath(editedPath);
}

} // namespace qor
