#include "records/VerdictDialog.h"

#include "ui/DialogFrame.h"
#include "ui/Fonts.h"
#include "ui/Panels.h"
#include "ui/ShownText.h"
#include "ui/Text.h"
#include "words/ImportanceButtons.h"
#include "words/ImportanceFile.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace qor {

namespace {

QPlainTextEdit* readOnlyMemo(QWidget* parent) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setReadOnly(true);
    memo->setTabChangesFocus(true);
    return memo;
}

// Heights follow the box's font, so this comes after the font is set.
void showLines(QPlainTextEdit* memo, int lines) {
    memo->setFixedHeight(QFontMetrics(memo->font()).lineSpacing() * lines + 12);
}

} // namespace

VerdictDialog::VerdictDialog(const QString& caption, const QString& title,
                             const QColor& titleColour, const VerdictWord& word,
                             const UserFiles& files, const DrillOptions& drill,
                             const LookSettings& look, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(caption);
    ui::setDialogFrame(this);
    // One Japanese face for the whole window keeps digits between kana in one font.
    setFont(ui::fontFor(TUserSettings::ordinaryFace(), font().pointSize()));

    ui::VerdictPanel top = ui::verdictPanel(this, title, titleColour);
    titlePanel_ = top.panel;
    lblResult = top.title;
    lblResult->setObjectName(QStringLiteral("lblResult"));
    lblData = top.data;
    lblData->setObjectName(QStringLiteral("lblData"));

    moComment = readOnlyMemo(this);
    moComment->setObjectName(QStringLiteral("moComment"));
    moComment->setAccessibleName(QStringLiteral("コメント"));

    lblPhoneticSign = new QLabel(QStringLiteral("発音記号 ： "), this);
    lblPhoneticSign->setObjectName(QStringLiteral("lblPhoneticSign"));
    moPhoneticSign = readOnlyMemo(this);
    moPhoneticSign->setObjectName(QStringLiteral("moPhoneticSign"));
    moPhoneticSign->setLineWrapMode(QPlainTextEdit::NoWrap);
    moPhoneticSign->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    moPhoneticSign->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lblPhoneticSign->setBuddy(moPhoneticSign);
    phoneticRow_ = new QHBoxLayout;
    phoneticRow_->addWidget(lblPhoneticSign);
    phoneticRow_->addWidget(moPhoneticSign, 1);

    importance_ = new ImportanceButtons(files.file(importanceFileName(word.dictionaryName)),
                                        word.lineText, drill.ImportantOn, this);

    // Fonts first: the boxes' heights follow them.
    ui::setTextLook(moComment, look.FontComment, look.FontCommentSize,
                    look.FontCommentColor);
    ui::setTextLook(moPhoneticSign, look.FontPhoneticSign, 0, look.FontPhoneticSignColor);
    showLines(moComment, 4);
    showLines(moPhoneticSign, 1);

    lblData->setText(QStringLiteral("出題数 ： %1問 、 正解率 ： %2％")
                         .arg(word.wordAsked)
                         .arg(ui::toQ(word.wordPercentage)));
    ui::showText(moComment, ui::toQ(word.comment));
    ui::showText(moPhoneticSign, ui::toQ(word.pronunciation));
}

void VerdictDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    closed_ = false;
    if (focusButton_)
        focusButton_->setFocus();
}

void VerdictDialog::done(int result) {
    FormClose();
    QDialog::done(result);
}

void VerdictDialog::FormClose() {
    // Every way of closing ends here once.
    if (closed_)
        return;
    closed_ = true;
    importance_->store();
}

} // namespace qor
