#include "quiz/TfrmQuestionSetupOptions.h"

#include "quiz/TfrmQuestionSetupFields.h"
#include "ui/Switch.h"
#include "ui/UpDown.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace qor {

bool isEarlierOption(SetupOption option) {
    return option == SetupOption::EarlierDrill || option == SetupOption::EarlierErrors;
}

SetupOptionGroup::SetupOptionGroup(DrillModes& modes, QWidget* parent)
    : QWidget(parent), modes_(modes) {
    setObjectName(QStringLiteral("optionGroup"));
    chkOption_ = new QCheckBox(QStringLiteral("出題オプションを設定する (&Q)"), this);
    chkOption_->setObjectName(QStringLiteral("chkOption"));
    gbOption_ = new QGroupBox(this);
    gbOption_->setObjectName(QStringLiteral("gbOption"));
    gbOption_->setAccessibleName(QStringLiteral("出題オプション"));
    // One option at most; none is chosen when the group is off or an option refused.
    grpOption_ = new QButtonGroup(this);
    grpOption_->setObjectName(QStringLiteral("grpOption"));
    auto radio = [this](const char* text, const char* name) {
        auto* b = new QRadioButton(QString::fromUtf8(text), gbOption_);
        b->setObjectName(QString::fromLatin1(name));
        grpOption_->addButton(b);
        return b;
    };
    rbSameQuestion_ = radio("前回と同じ問題をする (&U)", "rbSameQuestion");
    rbErrorOnly_ = radio("前回に間違えた問題のみをする (&E)", "rbErrorOnly");
    rbPrevQuestionOn_ = radio("過去の問題を復習する (&P)", "rbPrevQuestionOn");
    rbPrevErrorOn_ = radio("過去の間違えを復習する (&M)", "rbPrevErrorOn");
    lblOptionNum_ = new QLabel(QStringLiteral("↓何回前の？"), gbOption_);
    lblOptionNum_->setObjectName(QStringLiteral("lblOptionNum"));
    txtOptionNum_ = new QLineEdit(QStringLiteral("1"), gbOption_);
    txtOptionNum_->setObjectName(QStringLiteral("txtOptionNum"));
    txtOptionNum_->setReadOnly(true);
    txtOptionNum_->setFixedWidth(36);
    txtOptionNum_->setAlignment(Qt::AlignRight);
    txtOptionNum_->setAccessibleName(QStringLiteral("何回前の？"));
    udOptionNum_ = new ui::UpDown(txtOptionNum_, gbOption_);
    udOptionNum_->setObjectName(QStringLiteral("udOptionNum"));
    udOptionNum_->setRange(1, 10);
    lblOptionUnit_ = new QLabel(QStringLiteral("回目"), gbOption_);
    lblOptionUnit_->setObjectName(QStringLiteral("lblOptionUnit"));
    rbYesterdayOn_ = radio("昨日、間違えた問題を復習する (&Y)", "rbYesterdayOn");
    rbNotSameQuestion_ = radio("同じ問題を繰り返し出題しない (&N)", "rbNotSameQuestion");
    rbNotSameQuestion_->setToolTip(
        QStringLiteral("これをチェックすると、１問目の出題に少し時間がかかります"));
    rbNotRandom_ = radio("ランダムに出題しない (&R)", "rbNotRandom");
    chkNotRandomContinue_ = new QCheckBox(QStringLiteral("前回の続きから始める (&C)"), gbOption_);
    chkNotRandomContinue_->setObjectName(QStringLiteral("chkNotRandomContinue"));
    rbDailyReview_ = radio("今日の復習", "rbDailyReview");
    options_ = {
        {SetupOption::SameQuestions, rbSameQuestion_, &DrillModes::sameQuestions},
        {SetupOption::LastErrors, rbErrorOnly_, &DrillModes::lastErrors},
        {SetupOption::EarlierDrill, rbPrevQuestionOn_, &DrillModes::earlierDrill},
        {SetupOption::EarlierErrors, rbPrevErrorOn_, &DrillModes::earlierErrors},
        {SetupOption::Yesterday, rbYesterdayOn_, &DrillModes::yesterday},
        {SetupOption::NotSameQuestion, rbNotSameQuestion_, &DrillModes::notSameQuestion},
        {SetupOption::NotRandom, rbNotRandom_, &DrillModes::notRandom},
        {SetupOption::DailyReview, rbDailyReview_, &DrillModes::dailyReview},
    };

    auto* optionNumRow = new QHBoxLayout;
    optionNumRow->setContentsMargins(24, 0, 0, 0);
    optionNumRow->addWidget(lblOptionNum_);
    optionNumRow->addWidget(txtOptionNum_);
    optionNumRow->addWidget(udOptionNum_);
    optionNumRow->addWidget(lblOptionUnit_);
    optionNumRow->addStretch(1);
    auto* continueRow = new QHBoxLayout;
    continueRow->setContentsMargins(24, 0, 0, 0);
    continueRow->addWidget(chkNotRandomContinue_);
    auto* optionLayout = new QVBoxLayout(gbOption_);
    optionLayout->setSpacing(3);
    optionLayout->addWidget(rbSameQuestion_);
    optionLayout->addWidget(rbErrorOnly_);
    optionLayout->addWidget(rbPrevQuestionOn_);
    optionLayout->addWidget(rbPrevErrorOn_);
    optionLayout->addLayout(optionNumRow);
    optionLayout->addWidget(rbYesterdayOn_);
    optionLayout->addWidget(rbNotSameQuestion_);
    optionLayout->addWidget(rbNotRandom_);
    optionLayout->addLayout(continueRow);
    optionLayout->addWidget(rbDailyReview_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(setup::kRowSpacing);
    layout->addWidget(chkOption_);
    layout->addWidget(gbOption_);

    setup::keepPlaceWhenHidden(lblOptionNum_);
    gbOption_->setEnabled(false);
    for (QRadioButton* b : {rbSameQuestion_, rbErrorOnly_, rbPrevQuestionOn_, rbPrevErrorOn_})
        b->setEnabled(false);
    chkNotRandomContinue_->setEnabled(false);
    showDrillNumber(false);

    ui::onToggled(chkOption_, this, &SetupOptionGroup::chkOptionClick);
    for (const Option& o : options_)
        ui::onToggled(o.button, [this, o] { optionClick(o); });
    ui::onToggled(chkNotRandomContinue_, [this] {
        modes_.notRandomContinue = chkNotRandomContinue_->isChecked();
    });
    connect(txtOptionNum_, &QLineEdit::textChanged, this, &SetupOptionGroup::drillNumberChanged);
}

QRadioButton* SetupOptionGroup::button(SetupOption option) const {
    for (const Option& o : options_) {
        if (o.kind == option)
            return o.button;
    }
    return nullptr;
}

bool SetupOptionGroup::isOn() const {
    return chkOption_->isChecked();
}

void SetupOptionGroup::setOn(bool on) {
    if (chkOption_->isChecked() != on)
        ui::setSwitch(chkOption_, on);
}

void SetupOptionGroup::setHistoryEnabled(bool lastDrill, bool earlierDrills) {
    rbSameQuestion_->setEnabled(lastDrill);
    rbErrorOnly_->setEnabled(lastDrill);
    rbPrevQuestionOn_->setEnabled(earlierDrills);
    rbPrevErrorOn_->setEnabled(earlierDrills);
}

void SetupOptionGroup::showDrillNumber(bool shown) {
    lblOptionNum_->setVisible(shown);
    txtOptionNum_->setEnabled(shown);
    udOptionNum_->setEnabled(shown);
}

void SetupOptionGroup::chkOptionClick() {
    if (chkOption_->isChecked()) {
        gbOption_->setEnabled(true);
        emit switched(true);
        return;
    }
    clear();
    showDrillNumber(false);
    txtOptionNum_->setToolTip(QString());
    chkNotRandomContinue_->setEnabled(false);
    gbOption_->setEnabled(false);
    emit switched(false);
}

void SetupOptionGroup::optionClick(const Option& option) {
    for (const Option& o : options_) {
        if (o.button != option.button)
            modes_.*o.flag = false;
    }
    showDrillNumber(isEarlierOption(option.kind));
    if (option.kind != SetupOption::NotRandom) {
        chkNotRandomContinue_->setChecked(false);
        chkNotRandomContinue_->setEnabled(false);
        modes_.notRandomContinue = false;
    }
    if (!option.button->isChecked())
        return;
    modes_.*option.flag = true;
    if (option.kind == SetupOption::NotRandom)
        chkNotRandomContinue_->setEnabled(true);
    emit chosen(option.kind);
}

void SetupOptionGroup::restore(SetupOption option, int drillNumber, bool continueOrder) {
    if (isEarlierOption(option))
        txtOptionNum_->setText(QString::number(drillNumber));
    ui::setSwitch(button(option), true);
    if (option == SetupOption::NotRandom && continueOrder)
        ui::setSwitch(chkNotRandomContinue_, true);
}

void SetupOptionGroup::clear() {
    setup::chooseNone(grpOption_);
    for (const Option& o : options_)
        modes_.*o.flag = false;
    chkNotRandomContinue_->setChecked(false);
    modes_.notRandomContinue = false;
}

void SetupOptionGroup::resetControls() {
    showDrillNumber(false);
    txtOptionNum_->setToolTip(QString());
    chkNotRandomContinue_->setEnabled(rbNotRandom_->isChecked());
}

void SetupOptionGroup::refuse(SetupOption option) {
    setup::chooseNone(grpOption_);
    for (const Option& o : options_) {
        if (o.kind == option)
            modes_.*o.flag = false;
    }
}

bool SetupOptionGroup::earlierChosen() const {
    return rbPrevQuestionOn_->isChecked() || rbPrevErrorOn_->isChecked();
}

bool SetupOptionGroup::earlierErrorsChosen() const {
    return rbPrevErrorOn_->isChecked();
}

int SetupOptionGroup::drillNumber() const {
    return setup::numberIn(txtOptionNum_, 1);
}

void SetupOptionGroup::setDrillNumberHint(const QString& hint) {
    txtOptionNum_->setToolTip(hint);
}

} // namespace qor
