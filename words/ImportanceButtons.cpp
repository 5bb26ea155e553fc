#include "words/ImportanceButtons.h"

#include "ui/Text.h"
#include "ui/ToggleGroup.h"
#include "words/ImportanceFile.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace qor {

ImportanceButtons::ImportanceButtons(std::string importancePath, std::string lineText,
                                     bool importantOn, QWidget* parent)
    : QWidget(parent), path_(std::move(importancePath)), lineText_(std::move(lineText)),
      inUse_(importantOn), levels_(new ui::ToggleGroup(this)) {
    lblImportant = new QLabel(QStringLiteral("重要度の設定 >> "), this);
    cmd1 = new QPushButton(QStringLiteral("1"), this);
    cmd2 = new QPushButton(QStringLiteral("2"), this);
    cmd3 = new QPushButton(QStringLiteral("3"), this);
    cmd4 = new QPushButton(QStringLiteral("4"), this);
    cmd5 = new QPushButton(QStringLiteral("5"), this);
    lblImportant->setObjectName(QStringLiteral("lblImportant"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    row->addWidget(lblImportant);
    int number = 1;
    for (QPushButton* b : {cmd1, cmd2, cmd3, cmd4, cmd5}) {
        b->setAutoDefault(false);
        b->setFixedWidth(30);
        b->setObjectName(QStringLiteral("cmd%1").arg(number));
        b->setAccessibleName(QStringLiteral("重要度 %1").arg(number++));
        levels_->addButton(b);
        row->addWidget(b);
    }

    if (inUse_) {
        ImportanceLevel level = ImportanceFile(path_).levelOf(lineText_);
        if (!level.status) {
            ui::showFileError(parent, level.status.path(), level.status.reason());
            inUse_ = false;
        } else {
            levels_->setPressed(level.level);
        }
    }
    lblImportant->setEnabled(inUse_);
    levels_->setUsable(inUse_);
}

void ImportanceButtons::store() {
    if (!inUse_)
        return;
    FileStatus status = ImportanceFile(path_).setLevel(lineText_, levels_->pressed());
    if (!status)
        ui::showFileError(this, status.path(), status.reason());
}

} // namespace qor
