#include "records/TfrmResultError.h"

#include "base/Cp932.h"
#include "ui/Panels.h"
#include "ui/Platform.h"
#include "ui/ShownText.h"
#include "ui/Text.h"
#include "words/AnswerFile.h"
#include "words/ImportanceButtons.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qor {

TfrmResultError::TfrmResultError(const MissedAnswer& answer, const UserFiles& files,
                                 const DrillOptions& drill, const LookSettings& look,
                                 QWidget* parent)
    : VerdictDialog(QStringLiteral("不正解"), QStringLiteral("不・正・解"),
                    QColor(0xff, 0x5a, 0x5a), verdictWordOf(answer), files, drill, look,
                    parent),
      answer_(answer), userFolder_(files.folder()) {
    lblAnswer = new QLabel(this);
    lblAnswer->setObjectName(QStringLiteral("lblAnswer"));
    lblAnswer->setWordWrap(true);
    lblAnswer->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblKaitou = new QLabel(this);
    lblKaitou->setObjectName(QStringLiteral("lblKaitou"));
    lblKaitou->setWordWrap(true);
    lblKaitou->setTextInteractionFlags(Qt::TextSelectableByMouse);

    lblQuestion = new QLabel(QStringLiteral("あなたの解答も正解にしますか？"), this);
    lblQuestion->setObjectName(QStringLiteral("lblQuestion"));
    pnlCaution = new QLabel(QStringLiteral("良く考えてから決めてください"), this);
    pnlCaution->setObjectName(QStringLiteral("pnlCaution"));
    pnlCaution->setAlignment(Qt::AlignCenter);
    pnlCaution->setFrameShape(QFrame::Panel);
    pnlCaution->setFrameShadow(QFrame::Sunken);
    pnlCaution->setMargin(4);

    cmdAdd = new QPushButton(QStringLiteral("正解にする (&A)"), this);
    cmdAdd->setObjectName(QStringLiteral("cmdAdd"));
    cmdAdd->setAutoDefault(false);
    cmdClose = new QPushButton(QStringLiteral("閉じる (&O)"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setDefault(true);
    cmdClose->setAutoDefault(true);
    setFocusButton(cmdClose);

    // Tab goes from the pronunciation down the window, the importance buttons last.
    QList<QWidget*> order = {pronunciationBox(), commentBox(), cmdAdd, cmdClose};
    for (QPushButton* level : importance()->levelButtons())
        order.append(level);
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    auto* commandRow = ui::buttonRow({cmdAdd, cmdClose});

    auto* importanceRow = new QHBoxLayout;
    importanceRow->addWidget(importance());
    importanceRow->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(titlePanel());
    layout->addWidget(lblAnswer);
    layout->addWidget(lblKaitou);
    layout->addLayout(phoneticRow());
    layout->addWidget(commentBox());
    layout->addSpacing(6);
    layout->addWidget(lblQuestion);
    layout->addWidget(pnlCaution);
    layout->addLayout(commandRow);
    layout->addSpacing(4);
    layout->addLayout(importanceRow);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // What the dialog shows besides the word's figures, comment and pronunciation.
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

void TfrmResultError::cmdAddClick() {
    if (!cmdAdd->isEnabled())
        return;
    const std::string& dictionaryName = answer_.dictionaryName;
    const std::string path = userFolder_ + "/" + answerFileName(dictionaryName);
    if (FileStatus status = appendAnswer(path, answer_.shown, answer_.typedAnswer); !status) {
        ui::platform().showMessage(
            this, QStringLiteral("ファイルを開く事ができませんでした\n\n") + ui::toQ(userFolder_) +
                      QStringLiteral("/に") + ui::toQ(dictionaryName) +
                      QStringLiteral(".ansが存在するか確かめてください\n無い場合は、新規作成してください"));
    }
    // The learner's decision stands for this question even when it could not be kept.
    accepted_ = true;
    cmdAdd->setEnabled(false);
}

void TfrmResultError::cmdCloseClick() {
    accept();
}

} // namespace qor
