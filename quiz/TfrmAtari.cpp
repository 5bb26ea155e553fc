#include "quiz/TfrmAtari.h"

#include "words/ImportanceFile.h"
#include "ui/Fonts.h"
#include "ui/Panels.h"
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
    : QDialog(parent), lineText_(verdict.lineText),
      importancePath_(settings.userFile(importanceFileName(dictionaryName))),
      importantOn_(settings.ImportantOn == 1), levels_(this) {
    setWindowTitle(QStringLiteral("結果発表！！"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint);
    // One Japanese face for the whole window keeps digits between kana in one font.
    setFont(ui::fontFor(TUserSettings::ordinaryFace(), font().pointSize()));

    // The black verdict panel.
    auto* pnlTop = ui::blackPanel(this);
    lblResult = new QLabel(QStringLiteral("★ 正解 ★"), pnlTop);
    lblResult->setAlignment(Qt::AlignCenter);
    ui::setLabelLook(lblResult, QColor(0xff, 0xd8, 0x4a), 20);
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
    bottomRow->addWidget(lblImportant);
    for (QPushButton* b : {cmd1, cmd2, cmd3, cmd4, cmd5})
        bottomRow->addWidget(b);
    bottomRow->addStretch(1);
    bottomRow->addWidget(cmdOk);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pnlTop);
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
    lblAnswer->setText(QStringLiteral("他の正解 ： ") + ui::toQ(verdict.answerSide));
    moComment->setPlainText(ui::toQ(verdict.comment));
    moPhoneticSign->setPlainText(ui::toQ(verdict.pronunciation));

    if (importantOn_) {
        ImportanceLevel level = ImportanceFile(importancePath_).levelOf(lineText_);
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
    if (!importantOn_)
        return;
    FileStatus status = ImportanceFile(importancePath_).setLevel(lineText_, levels_.pressed());
    if (!status)
        ui::showFileError(this, status.path(), status.reason());
}

} // namespace qor
