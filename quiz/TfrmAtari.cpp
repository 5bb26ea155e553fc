#include "quiz/TfrmAtari.h"

#include "ui/ShownText.h"
#include "ui/Text.h"
#include "words/ImportanceButtons.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qor {

TfrmAtari::TfrmAtari(const Verdict& verdict, const UserFiles& files, const DrillOptions& drill,
                     const LookSettings& look, QWidget* parent)
    : VerdictDialog(QStringLiteral("結果発表！！"), QStringLiteral("★ 正解 ★"),
                    QColor(0xff, 0xd8, 0x4a), verdictWordOf(verdict), files, drill, look,
                    parent) {
    lblAnswer = new QLabel(this);
    lblAnswer->setObjectName(QStringLiteral("lblAnswer"));
    lblAnswer->setWordWrap(true);
    lblAnswer->setTextInteractionFlags(Qt::TextSelectableByMouse);

    cmdOk = new QPushButton(QStringLiteral("&OK"), this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setDefault(true);
    cmdOk->setAutoDefault(true);
    setFocusButton(cmdOk);

    auto* bottomRow = new QHBoxLayout;
    bottomRow->setSpacing(2);
    bottomRow->addWidget(importance());
    bottomRow->addStretch(1);
    bottomRow->addWidget(cmdOk);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(titlePanel());
    layout->addWidget(lblAnswer);
    layout->addWidget(commentBox());
    layout->addLayout(phoneticRow());
    layout->addSpacing(4);
    layout->addLayout(bottomRow);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    ui::showText(lblAnswer, QStringLiteral("他の正解 ： ") + ui::toQ(verdict.answerSide));

    connect(cmdOk, &QPushButton::clicked, this, &TfrmAtari::cmdOkClick);
}

void TfrmAtari::cmdOkClick() {
    accept();
}

} // namespace qor
