#include "records/TfrmResultError.h"

#include "base/Cp932.h"
#include "words/AnswerFile.h"
#include "words/ImportanceFile.h"
#include "ui/Fonts.h"
#include "ui/Panels.h"
#include "ui/Platform.h"
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
      dictionaryName_(dictionaryName),
      importancePath_(settings.userFile(importanceFileName(dictionaryName))),
      importantOn_(settings.ImportantOn == 1), levels_(this) {
    setWindowTitle(QStringLiteral("不正解"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
    // One Japanese face for the whole window keeps digits between kana in one font.
    setFont(ui::fontFor(TUserSettings::ordinaryFace(), font().pointSize()));

    // The black verdict panel.
    auto* pnlTop = ui::blackPanel(this);
    lblResult = new QLabel(QStringLiteral("不・正・解"), pnlTop);
    lblResult->setAlignment(Qt::AlignCenter);
    ui::setLabelLook(lblResult, QColor(0xff, 0x5a, 0x5a), 20);
    lblData = new QLabel(pnlTop);
    lblData->setAlignment(Qt::AlignCenter);
    pnlTop->setMinimumWidth(330);
    auto* topLayout = new QVBoxLayout(pnlTop);
    topLayout->setContentsMargins(12, 10, 12, 10);
    topLayout->addWidget(lblResult);
    topLayout->addWidget(lblData);

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

    lblImportant = new QLabel(QStringLiteral("重要度の設定 >> "), this);
    cmd1 = new QPushButton(QStringLiteral("1"), this);
    cmd2 = new QPushButton(QStringLiteral("2"), this);
    cmd3 = new QPushButton(QStringLiteral("3"), this);
    cmd4 = new QPushButton(QStringLiteral("4"), this);
    cmd5 = new QPushButton(QStringLiteral("5"), this);
    int number = 1;
    for (QPushButton* b : {cmd1, cmd2, cmd3, cmd4, cmd5}) {
        b->setAutoDefault(false);
        b->setFixedWidth(30);
        b->setAccessibleName(QStringLiteral("重要度 %1").arg(number++));
        levels_.addButton(b);
    }

    ui::setTextLook(moComment, settings.FontComment, settings.FontCommentSize,
                    settings.FontCommentColor);
    ui::setTextLook(moPhoneticSign, settings.FontPhoneticSign, 0, settings.FontPhoneticSignColor);
    showLines(moComment, 4);
    showLines(moPhoneticSign, 1);

    // Layout.
    auto* phoneticRow = new QHBoxLayout;
    phoneticRow->addWidget(lblPhoneticSign);
    phoneticRow->addWidget(moPhoneticSign, 1);

    auto* commandRow = new QHBoxLayout;
    commandRow->addStretch(1);
    commandRow->addWidget(cmdAdd);
    commandRow->addWidget(cmdClose);

    auto* importanceRow = new QHBoxLayout;
    importanceRow->setSpacing(2);
    importanceRow->addWidget(lblImportant);
    for (QPushButton* b : {cmd1, cmd2, cmd3, cmd4, cmd5})
        importanceRow->addWidget(b);
    importanceRow->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pnlTop);
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
    moComment->setPlainText(ui::toQ(answer_.comment));
    moPhoneticSign->setPlainText(ui::toQ(answer_.pronunciation));
    lblData->setText(QStringLiteral("出題数 ： %1問 、 正解率 ： %2％")
                         .arg(answer_.wordAsked)
                         .arg(ui::toQ(answer_.wordPercentage)));
    lblAnswer->setText(QStringLiteral("正解 ： ") + ui::toQ(answer_.answerSide));
    lblKaitou->setText(QStringLiteral("解答 ： ") + ui::toQ(answer_.typedAnswer));

    if (answer_.typedAnswer.empty() || !answer_.canAccept) {
        cmdAdd->setEnabled(false);
        cmdAdd->setToolTip(QString());
    } else {
        cmdAdd->setEnabled(true);
        cmdAdd->setToolTip(QStringLiteral("『") + ui::toQ(answer_.typedAnswer) +
                           QStringLiteral("』 を正解にする"));
    }

    if (importantOn_) {
        ImportanceLevel level = ImportanceFile(importancePath_).levelOf(answer_.lineText);
        if (!level.status) {
            // A level that cannot be read must not be overwritten by the buttons' state.
            ui::showFileError(parent, level.status.path(), level.status.reason());
            importantOn_ = false;
        } else {
            levels_.setPressed(level.level);
        }
    }
    lblImportant->setEnabled(importantOn_);
    levels_.setUsable(importantOn_);

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
    if (!importantOn_)
        return;
    FileStatus status = ImportanceFile(importancePath_).setLevel(answer_.lineText, levels_.pressed());
    if (!status)
        ui::showFileError(this, status.path(), status.reason());
}

} // namespace qor
