#include "records/TfrmResultError.h"

#include "base/Cp932.h"
#include "words/AnswerFile.h"
#include "words/ImportanceButtons.h"
#include "words/ImportanceFile.h"
#include "ui/DialogFrame.h"
#include "ui/Fonts.h"
#include "ui/Panels.h"
#include "ui/Platform.h"
#include "ui/ShownText.h"
#include "ui/Text.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

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

TfrmResultError::TfrmResultError(const MissedAnswer& answer, const TUserSettings& settings,
                                 const std::string& dictionaryName, QWidget* parent)
    : QDialog(parent), answer_(answer), userFolder_(settings.userFolder()),
      dictionaryName_(dictionaryName) {
    setWindowTitle(QStringLiteral("不正解"));
    ui::setDialogFrame(this);
    // One Japanese face for the whole window keeps digits between kana in one font.
    setFont(ui::fontFor(TUserSettings::ordinaryFace(), font().pointSize()));

    ui::VerdictPanel top = ui::verdictPanel(this, QStringLiteral("不・正・解"), QColor(0xff, 0x5a, 0x5a));
    lblResult = top.title;
    lblData = top.data;

    lblAnswer = new QLabel(this);
    lblAnswer->setWordWrap(true);
    lblAnswer->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblKaitou = new QLabel(this);
    lblKaitou->setWordWrap(true);
    lblKaitou->setTextInteractionFlags(Qt::TextSelectableByMouse);

    lblPhoneticSign = new QLabel(QStringLiteral("発音記号 ： "), this);
    moPhoneticSign = readOnlyMemo(this);
    moPhoneticSign->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    moPhoneticSign->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    moPhoneticSign->setLineWrapMode(QPlainTextEdit::NoWrap);
    lblPhoneticSign->setBuddy(moPhoneticSign);
    moComment = readOnlyMemo(this);
    moComment->setAccessibleName(QStringLiteral("コメント"));

    lblQuestion = new QLabel(QStringLiteral("あなたの解答も正解にしますか？"), this);
    pnlCaution = new QLabel(QStringLiteral("良く考えてから決めてください"), this);
    pnlCaution->setAlignment(Qt::AlignCenter);
    pnlCaution->setFrameShape(QFrame::Panel);
    pnlCaution->setFrameShadow(QFrame::Sunken);
    pnlCaution->setMargin(4);

    cmdAdd = new QPushButton(QStringLiteral("正解にする (&A)"), this);
    cmdAdd->setAutoDefault(false);
    cmdClose = new QPushButton(QStringLiteral("閉じる (&O)"), this);
    cmdClose->setDefault(true);
    cmdClose->setAutoDefault(true);

    importance_ = new ImportanceButtons(settings.userFile(importanceFileName(dictionaryName)),
                                        answer.lineText, settings.ImportantOn == 1, this);
    lblImportant = importance_->lblImportant;
    cmd1 = importance_->cmd1;
    cmd2 = importance_->cmd2;
    cmd3 = importance_->cmd3;
    cmd4 = importance_->cmd4;
    cmd5 = importance_->cmd5;

    ui::setTextLook(moComment, settings.FontComment, settings.FontCommentSize,
                    settings.FontCommentColor);
    ui::setTextLook(moPhoneticSign, settings.FontPhoneticSign, 0, settings.FontPhoneticSignColor);
    showLines(moComment, 4);
    showLines(moPhoneticSign, 1);

    // Layout.
    auto* phoneticRow = new QHBoxLayout;
    phoneticRow->addWidget(lblPhoneticSign);
    phoneticRow->addWidget(moPhoneticSign, 1);

    auto* commandRow = ui::buttonRow({cmdAdd, cmdClose});

    auto* importanceRow = new QHBoxLayout;
    importanceRow->addWidget(importance_);
    importanceRow->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(top.panel);
    layout->addWidget(lblAnswer);
    layout->addWidget(lblKaitou);
    layout->addLayout(phoneticRow);
    layout->addWidget(moComment);
    layout->addSpacing(6);
    layout->addWidget(lblQuestion);
    layout->addWidget(pnlCaution);
    layout->addLayout(commandRow);
    layout->addSpacing(4);
    layout->addLayout(importanceRow);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // What the dialog shows.
    ui::showText(moComment, ui::toQ(answer_.comment));
    ui::showText(moPhoneticSign, ui::toQ(answer_.pronunciation));
    lblData->setText(QStringLiteral("出題数 ： %1問 、 正解率 ： %2％")
                         .arg(answer_.wordAsked)
                         .arg(ui::toQ(answer_.wordPercentage)));
    ui::showText(lblAnswer, QStringLiteral("正解 ： ") + ui::toQ(answer_.answerSide));
    ui::showText(lblKaitou, QStringLiteral("解答 ： ") + ui::toQ(answer_.typedAnswer));

    if (answer_.typedAnswer.empty() || !answer_.canAccept) {
        cmdAdd->setEnabled(false);
        cmdAdd->setToolTip(QString());
    } else {
        cmdAdd->setEnabled(true);
        cmdAdd->setToolTip(QStringLiteral("『") +
                           ui::shownText(ui::toQ(answer_.typedAnswer), ui::kShownLineMax) +
                           QStringLiteral("』 を正解にする"));
    }

    connect(cmdAdd, &QPushButton::clicked, this, &TfrmResultError::cmdAddClick);
    connect(cmdClose, &QPushButton::clicked, this, &TfrmResultError::cmdCloseClick);
}

void TfrmResultError::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    closed_ = false;
    cmdClose->setFocus();
}

void TfrmResultError::cmdAddClick() {
    if (!cmdAdd->isEnabled())
        return;
    const std::string path = userFolder_ + "/" + answerFileName(dictionaryName_);
    if (FileStatus status = appendAnswer(path, answer_.shown, answer_.typedAnswer); !status) {
        ui::platform().showMessage(
            this, QStringLiteral("ファイルを開く事ができませんでした\n\n") + ui::toQ(userFolder_) +
                      QStringLiteral("/に") + ui::toQ(dictionaryName_) +
                      QStringLiteral(".ansが存在するか確かめてください\n無い場合は、新規作成してください"));
    }
    // The learner's decision stands for this question even when it could not be kept.
    accepted_ = true;
    cmdAdd->setEnabled(false);
}

void TfrmResultError::cmdCloseClick() {
    accept();
}

void TfrmResultError::done(int result) {
    FormClose();
    QDialog::done(result);
}

void TfrmResultError::FormClose() {
    // Every way of closing (the button, Esc, the title bar) ends here once.
    if (closed_)
        return;
    closed_ = true;
    importance_->store();
}

} // namespace qor
