#include "quiz/TfrmFinish.h"

#include "settings/TUserSettings.h"
#include "ui/DialogFrame.h"
#include "ui/Fonts.h"
#include "ui/Panels.h"
#include "ui/Platform.h"
#include "ui/WindowOpen.h"

#include <QColor>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace qor {

QColor finishPerfectColor() {
    return QColor(0x3d, 0x8b, 0xff);
}

TfrmFinish::TfrmFinish(const DrillSummary& summary, ErrorReviewInput review,
                       ErrorReviewSettings settings, QWidget* parent)
    : QDialog(parent), review_(std::move(review)), settings_(std::move(settings)) {
    setWindowTitle(QStringLiteral("全問終了"));
    ui::setDialogFrame(this);
    // One Japanese face for the whole window keeps digits between kana in one font.
    setFont(ui::fontFor(TUserSettings::ordinaryFace(), font().pointSize()));

    const bool perfect = summary.correctCount == summary.questionCount;

    auto* pnlTop = ui::blackPanel(this);
    lblResult = new QLabel(perfect ? QStringLiteral("CONGRATULATION !!") : QStringLiteral("全問終了"),
                           pnlTop);
    lblResult->setObjectName(QStringLiteral("lblResult"));
    lblResult->setAlignment(Qt::AlignCenter);
    ui::setLabelLook(lblResult, perfect ? finishPerfectColor() : QColor(Qt::white), 20);
    pnlTop->setMinimumWidth(330);
    auto* topLayout = new QVBoxLayout(pnlTop);
    topLayout->setContentsMargins(12, 14, 12, 14);
    topLayout->addWidget(lblResult);

    lblData = new QLabel(QStringLiteral("出題数 ： %1問 、 正解率 ： %2％")
                             .arg(summary.questionCount)
                             .arg(summary.percentage),
                         this);
    lblData->setObjectName(QStringLiteral("lblData"));
    lblData->setAlignment(Qt::AlignCenter);
    lblQuestionNum = new QLabel(QStringLiteral("あなたは、%1問中").arg(summary.questionCount), this);
    lblQuestionNum->setObjectName(QStringLiteral("lblQuestionNum"));
    lblAtariNum = new QLabel(QStringLiteral("%1問、正解しました").arg(summary.correctCount), this);
    lblAtariNum->setObjectName(QStringLiteral("lblAtariNum"));

    cmdShowError = new QPushButton(QStringLiteral("間違えの表示 (&E)"), this);
    cmdShowError->setObjectName(QStringLiteral("cmdShowError"));
    cmdShowError->setAutoDefault(false);
    cmdShowError->setEnabled(summary.wrongCount > 0);
    cmdClose = new QPushButton(QStringLiteral("閉じる (&C)"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setDefault(true);
    cmdClose->setAutoDefault(true);

    auto* countRow = ui::buttonRow({lblQuestionNum, lblAtariNum});
    countRow->addStretch(1);

    auto* commandRow = ui::buttonRow({cmdShowError, cmdClose});

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pnlTop);
    layout->addSpacing(4);
    layout->addWidget(lblData);
    layout->addLayout(countRow);
    layout->addSpacing(8);
    layout->addLayout(commandRow);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(cmdShowError, &QPushButton::clicked, this, &TfrmFinish::cmdShowErrorClick);
    connect(cmdClose, &QPushButton::clicked, this, &TfrmFinish::cmdCloseClick);
}

void TfrmFinish::cmdShowErrorClick() {
    ui::openWindow(this, QStringLiteral("間違えの表示"), [&] {
        TfrmShowError window(review_, settings_, this);
        ui::platform().showModal(window);
    });
}

void TfrmFinish::cmdCloseClick() {
    accept();
}

} // namespace qor
