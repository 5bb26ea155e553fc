#include "settings/SetupReviewPage.h"

#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

namespace qor {

namespace {

QSpinBox* spinBox(const QString& name, const NumberRange& range, QWidget* parent) {
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(name);
    spin->setRange(range.lo, range.hi);
    spin->setAlignment(Qt::AlignRight);
    return spin;
}

} // namespace

SetupReviewPage::SetupReviewPage(TUserSettings& settings, QWidget* parent)
    : SetupPage(settings, parent) {
    auto* about = new QLabel(
        // Broken into lines by hand: a wrapping label would make the dialog's height
        // depend on the tab shown.
        QStringLiteral("毎日の復習で出題する単語を決める設定です。\n"
                       "単語を思い出せる見込みが目標の記憶率まで下がると、その単語を復習します。"),
        this);
    spnTargetRetention =
        spinBox(QStringLiteral("spnTargetRetention"), kTargetRetentionRange, this);
    spnTargetRetention->setSuffix(QStringLiteral(" %"));
    spnNewWordsPerDay = spinBox(QStringLiteral("spnNewWordsPerDay"), kNewWordsPerDayRange, this);
    auto* retentionHint = new QLabel(
        QStringLiteral("高くすると復習の回数が増え、低くすると減ります（%1～%2 %）")
            .arg(kTargetRetentionRange.lo)
            .arg(kTargetRetentionRange.hi),
        this);
    auto* freshHint = new QLabel(
        QStringLiteral("まだ一度も出題していない単語を、1日にいくつまで加えるか（%1～%2）")
            .arg(kNewWordsPerDayRange.lo)
            .arg(kNewWordsPerDayRange.hi),
        this);

    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->addRow(QStringLiteral("目標の記憶率 (&T) ： "), spnTargetRetention);
    form->addRow(QString(), retentionHint);
    form->addRow(QStringLiteral("1日に加える新しい単語 (&N) ： "), spnNewWordsPerDay);
    form->addRow(QString(), freshHint);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(about);
    layout->addSpacing(8);
    layout->addLayout(form);
    layout->addStretch(1);

    bind(spnTargetRetention, "TargetRetention");
    bind(spnNewWordsPerDay, "NewWordsPerDay");
}

void SetupReviewPage::FormShow() {
    showBound();
}

bool SetupReviewPage::store(TUserSettings& next) {
    storeBound(next);
    return true;
}

} // namespace qor
