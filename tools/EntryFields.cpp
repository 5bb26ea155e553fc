#include "tools/EntryFields.h"

#include "ui/Fonts.h"
#include "ui/ShownText.h"
#include "ui/Text.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace qor {

namespace {

QLineEdit* field(QWidget* window, const char* name) {
    auto* f = new QLineEdit(window);
    f->setObjectName(QString::fromLatin1(name));
    // An entry of any length goes back to the file whole when it is changed.
    ui::keepWholeText(f);
    return f;
}

} // namespace

EntryFields::EntryFields(QWidget* window)
    : window_(window), english_(field(window, "txtEnglish")),
      japanese_(field(window, "txtJapanese")), comment_(field(window, "txtComment")) {}

int EntryFields::addTo(QGridLayout* grid, int row) {
    const std::pair<const char*, QLineEdit*> rows[] = {
        {"単語 ： ", english_}, {"意味 ： ", japanese_}, {"コメント ： ", comment_}};
    for (const auto& [caption, edit] : rows) {
        auto* label = new QLabel(QString::fromUtf8(caption), window_);
        label->setBuddy(edit);
        grid->addWidget(label, row, 0, Qt::AlignRight);
        grid->addWidget(edit, row, 1);
        ++row;
    }
    return row;
}

void EntryFields::show(const WordEntry& entry) {
    english_->setText(ui::toQ(entry.english));
    japanese_->setText(ui::toQ(entry.japanese));
    comment_->setText(ui::toQ(entry.comment));
}

void EntryFields::clear() {
    english_->clear();
    japanese_->clear();
    comment_->clear();
}

void EntryFields::applyLook(const LookSettings& look) {
    ui::setTextLook(english_, look.FontEnglish, 0, look.FontEnglishColor);
    ui::setTextLook(japanese_, look.FontJapanese, 0, look.FontJapaneseColor);
    ui::setTextLook(comment_, look.FontMessage, 0, look.FontMessageColor);
}

std::optional<WordEntry> EntryFields::typed() const {
    auto english = ui::fromQOrWarn(window_, english_->text());
    auto japanese = english ? ui::fromQOrWarn(window_, japanese_->text()) : std::nullopt;
    auto comment = japanese ? ui::fromQOrWarn(window_, comment_->text()) : std::nullopt;
    if (!comment) return std::nullopt;
    return WordEntry{std::move(*english), std::move(*japanese), std::move(*comment)};
}

} // namespace qor
