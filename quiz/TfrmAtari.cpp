#include "quiz/TfrmAtari.h"

#include "words/ImportanceButtons.h"
#include "words/ImportanceFile.h"
#include "ui/DialogFrame.h"
#include "ui/Fonts.h"
#include "ui/Panels.h"
#include "ui/ShownText.h"
#include "ui/Text.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qor {

TfrmAtari::TfrmAtari(const Verdict& verdict, const TUserSettings& settings,
                     const std::string& dictionaryName, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("結果発表！！"));
    ui::setDialogFrame(this);
    // One Japanese face for the whole window keeps digits between kana in one font.
    setFont(ui::fontFor(TUserSettings::ordinaryFace(), font().pointSize()));

    ui::VerdictPanel top = ui::verdictPanel(this, QStringLiteral("★ 正解 ★"), QColor(0xff, 0xd8, 0x4a));
    lblResult = top.title;
    lblData = top.data;

    lblAnswer = new QLabel(this);
    lblAnswer->setWordWrap(true);
    lblAnswer->setTextInteractionFlags(Qt::TextSelectableByMouse);

    moComment = new QPlainTextEdit(this);
    moComment->setReadOnly(true);
    moComment->setTabChangesFocus(true);
    moComment->setAccessibleName(QStringLiteral("コメント"));

    lblPhoneticSign = new QLabel(QStringLiteral("発音記号 ： "), this);
    moPhoneticSign = new QPlainTextEdit(this);
    moPhoneticSign->setReadOnly(true);
    moPhoneticSign->setTabChangesFocus(true);
    moPhoneticSign->setLineWrapMode(QPlainTextEdit::NoWrap);
    moPhoneticSign->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    moPhoneticSign->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lblPhoneticSign->setBuddy(moPhoneticSign);

    importance_ = new ImportanceButtons(settings.userFile(importanceFileName(dictionaryName)),
                                        verdict.lineText, settings.ImportantOn == 1, this);
    lblImportant = importance_->lblImportant;
    cmd1 = importance_->cmd1;
    cmd2 = importance_->cmd2;
    cmd3 = importance_->cmd3;
    cmd4 = importance_->cmd4;
    cmd5 = importance_->cmd5;

    cmdOk = new QPushButton(QStringLiteral("&OK"), this);
    cmdOk->setDefault(true);
    cmdOk->setAutoDefault(true);

    // Fonts first: the boxes' heights follow them.
    ui::setTextLook(moComment, settings.FontComment, settings.FontCommentSize,
                    settings.FontCommentColor);
    ui::setTextLook(moPhoneticSign, settings.FontPhoneticSign, 0, settings.FontPhoneticSignColor);
    moComment->setFixedHeight(QFontMetrics(moComment->font()).lineSpacing() * 4 + 12);
    moPhoneticSign->setFixedHeight(QFontMetrics(moPhoneticSign->font()).lineSpacing() + 12);

    auto* phoneticRow = new QHBoxLayout;
    phoneticRow->addWidget(lblPhoneticSign);
    phoneticRow->addWidget(moPhoneticSign, 1);

    auto* bottomRow = new QHBoxLayout;
    bottomRow->setSpacing(2);
    bottomRow->addWidget(importance_);
    bottomRow->addStretch(1);
    bottomRow->addWidget(cmdOk);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(top.panel);
    layout->addWidget(lblAnswer);
    layout->addWidget(moComment);
    layout->addLayout(phoneticRow);
    layout->addSpacing(4);
    layout->addLayout(bottomRow);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // What the window shows.
    lblData->setText(QStringLiteral("出題数 ： %1問 、 正解率 ： %2％")
                         .arg(verdict.wordAsked)
                         .arg(ui::toQ(verdict.wordPercentage)));
    ui::showText(lblAnswer, QStringLiteral("他の正解 ： ") + ui::toQ(verdict.answerSide));
    ui::showText(moComment, ui::toQ(verdict.comment));
    ui::showText(moPhoneticSign, ui::toQ(verdict.pronunciation));

    connect(cmdOk, &QPushButton::clicked, this, &TfrmAtari::cmdOkClick);
}

void TfrmAtari::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    closed_ = false;
    cmdOk->setFocus();
}

void TfrmAtari::cmdOkClick() {
    accept();
}

void TfrmAtari::done(int result) {
    FormClose();
    QDialog::done(result);
}

void TfrmAtari::FormClose() {
    // Every way of closing (OK, Esc, the title bar) ends here once.
    if (closed_)
        return;
    closed_ = true;
    importance_->store();
}

} // namespace qor
