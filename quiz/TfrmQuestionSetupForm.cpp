#include "quiz/TfrmQuestionSetupForm.h"

#include "quiz/DrillState.h"
#include "quiz/QuestionSetupRules.h"
#include "quiz/TfrmQuestionSetupFields.h"
#include "ui/Switch.h"
#include "ui/Text.h"
#include "ui/UpDown.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace qor {

// ---------------------------------------------------------------- memorizing only

SetupMemorizeRow::SetupMemorizeRow(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("memorizeRow"));
    chkOnlyMemorize_ = new QCheckBox(
        QStringLiteral(
            "暗記のみ行う  『これをチェックすると正解・不正解関係なく暗記を行います』 ： "),
        this);
    chkOnlyMemorize_->setObjectName(QStringLiteral("chkOnlyMemorize"));
    txtOnlyMemorizeTime_ = new QLineEdit(QStringLiteral("5"), this);
    txtOnlyMemorizeTime_->setObjectName(QStringLiteral("txtOnlyMemorizeTime"));
    txtOnlyMemorizeTime_->setValidator(new QIntValidator(1, 20, txtOnlyMemorizeTime_));
    txtOnlyMemorizeTime_->setFixedWidth(36);
    txtOnlyMemorizeTime_->setAlignment(Qt::AlignRight);
    txtOnlyMemorizeTime_->setAccessibleName(QStringLiteral("正解を表示するまでの秒数"));
    udOnlyMemorizeTime_ = new ui::UpDown(txtOnlyMemorizeTime_, this);
    udOnlyMemorizeTime_->setObjectName(QStringLiteral("udOnlyMemorizeTime"));
    udOnlyMemorizeTime_->setRange(1, 20);
    lblOnlyMemorizeTime_ = new QLabel(QStringLiteral("秒後に正解を表示する"), this);
    lblOnlyMemorizeTime_->setObjectName(QStringLiteral("lblOnlyMemorizeTime"));
    lblOnlyMemorizeTime_->setBuddy(txtOnlyMemorizeTime_);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    row->addWidget(chkOnlyMemorize_);
    row->addWidget(txtOnlyMemorizeTime_);
    row->addWidget(udOnlyMemorizeTime_);
    row->addWidget(lblOnlyMemorizeTime_);
    row->addStretch(1);

    for (QWidget* w : std::initializer_list<QWidget*>{txtOnlyMemorizeTime_, udOnlyMemorizeTime_,
                                                      lblOnlyMemorizeTime_}) {
        setup::keepPlaceWhenHidden(w);
        w->hide();
    }
    ui::onToggled(chkOnlyMemorize_, this, &SetupMemorizeRow::chkOnlyMemorizeClick);
}

void SetupMemorizeRow::setOn(bool on) {
    ui::setSwitch(chkOnlyMemorize_, on);
}

int SetupMemorizeRow::seconds() const {
    return setup::numberIn(txtOnlyMemorizeTime_, 0);
}

void SetupMemorizeRow::chkOnlyMemorizeClick() {
    const bool on = chkOnlyMemorize_->isChecked();
    txtOnlyMemorizeTime_->setVisible(on);
    udOnlyMemorizeTime_->setVisible(on);
    lblOnlyMemorizeTime_->setVisible(on);
    emit switched(on);
}

// ---------------------------------------------------------------- answer form

SetupAnswerForm::SetupAnswerForm(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("answerForm"));
    chkSelectOn_ = new QCheckBox(QStringLiteral("選択形式で解答する (&S)"), this);
    chkSelectOn_->setObjectName(QStringLiteral("chkSelectOn"));
    rgSelectNum_ = new QGroupBox(this);
    rgSelectNum_->setObjectName(QStringLiteral("rgSelectNum"));
    rgSelectNum_->setAccessibleName(QStringLiteral("選択肢の数"));
    grpSelectNum_ = new QButtonGroup(this);
    grpSelectNum_->setObjectName(QStringLiteral("grpSelectNum"));
    auto* selectLayout = new QHBoxLayout(rgSelectNum_);
    selectLayout->setContentsMargins(8, 4, 8, 4);
    const char* choiceTexts[] = {"３択", "４択", "５択"};
    for (int i = 0; i < 3; ++i) {
        auto* b = new QRadioButton(QString::fromUtf8(choiceTexts[i]), rgSelectNum_);
        grpSelectNum_->addButton(b, i);
        selectLayout->addWidget(b);
    }
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(setup::kRowSpacing);
    layout->addWidget(chkSelectOn_);
    layout->addWidget(rgSelectNum_);

    rgSelectNum_->setEnabled(false);
    ui::onToggled(chkSelectOn_, this, &SetupAnswerForm::chkSelectOnClick);
    ui::onChosen(grpSelectNum_, this, &SetupAnswerForm::rgSelectNumClick);
}

void SetupAnswerForm::showToolbarForm(int answerType) {
    ui::setSwitch(chkSelectOn_, answerType >= 1 && answerType <= 3);
    if (chkSelectOn_->isChecked())
        ui::setSwitch(grpSelectNum_->button(answerType - 1), true);
}

void SetupAnswerForm::setAllowed(bool allowed) {
    if (!allowed && chkSelectOn_->isChecked())
        ui::setSwitch(chkSelectOn_, false);
    chkSelectOn_->setEnabled(allowed);
}

int SetupAnswerForm::answerType() const {
    return chkSelectOn_->isChecked() ? answerTypeOfChoiceKind(choiceKind_) : 0;
}

void SetupAnswerForm::chkSelectOnClick() {
    if (chkSelectOn_->isChecked()) {
        rgSelectNum_->setEnabled(true);
        ui::setSwitch(grpSelectNum_->button(0), true);
    } else {
        choiceKind_ = -1;
        setup::chooseNone(grpSelectNum_);
        rgSelectNum_->setEnabled(false);
        emit choicesChanged(0);
    }
}

void SetupAnswerForm::rgSelectNumClick(int id) {
    if (id < 0 || id > 2) {
        choiceKind_ = -1;
        return;
    }
    choiceKind_ = id;
    emit choicesChanged(id + 3);
}

// ---------------------------------------------------------------- direction and count

SetupCountPart::SetupCountPart(QWidget* parent) : QWidget(parent), maximum_(kMaxQuestions) {
    setObjectName(QStringLiteral("countPart"));
    rgQuestionType_ = new QGroupBox(QStringLiteral("出題形式の設定"), this);
    rgQuestionType_->setObjectName(QStringLiteral("rgQuestionType"));
    grpQuestionType_ = new QButtonGroup(this);
    grpQuestionType_->setObjectName(QStringLiteral("grpQuestionType"));
    auto* typeLayout = new QVBoxLayout(rgQuestionType_);
    typeLayout->setContentsMargins(8, 4, 8, 4);
    const char* typeTexts[] = {"英語から日本語へ", "日本語から英語へ"};
    for (int i = 0; i < 2; ++i) {
        auto* b = new QRadioButton(QString::fromUtf8(typeTexts[i]), rgQuestionType_);
        grpQuestionType_->addButton(b, i);
        typeLayout->addWidget(b);
    }
    grpQuestionType_->button(0)->setChecked(true);

    auto* countBox = new QGroupBox(QStringLiteral("出題数の設定"), this);
    countBox->setObjectName(QStringLiteral("countBox"));
    lblQuestionNum_ = new QLabel(ui::toQ(questionRangeLabel(kMaxQuestions)), countBox);
    lblQuestionNum_->setObjectName(QStringLiteral("lblQuestionNum"));
    auto* countLabel = new QLabel(QStringLiteral("出題数 ： "), countBox);
    txtQuestionNum_ = new QLineEdit(QStringLiteral("10"), countBox);
    txtQuestionNum_->setObjectName(QStringLiteral("txtQuestionNum"));
    txtQuestionNum_->setFixedWidth(60);
    txtQuestionNum_->setAlignment(Qt::AlignRight);
    countLabel->setBuddy(txtQuestionNum_);
    udQuestionNum_ = new ui::UpDown(txtQuestionNum_, countBox);
    udQuestionNum_->setObjectName(QStringLiteral("udQuestionNum"));
    udQuestionNum_->setRange(1, kMaxQuestions);
    auto* countRow = new QHBoxLayout;
    countRow->addWidget(countLabel);
    countRow->addWidget(txtQuestionNum_);
    countRow->addWidget(udQuestionNum_);
    countRow->addStretch(1);
    auto* countLayout = new QVBoxLayout(countBox);
    countLayout->setContentsMargins(8, 4, 8, 6);
    countLayout->addWidget(lblQuestionNum_);
    countLayout->addLayout(countRow);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(setup::kRowSpacing);
    layout->addWidget(rgQuestionType_);
    layout->addWidget(countBox);
}

int SetupCountPart::direction() const {
    return grpQuestionType_->checkedId() == 1 ? 1 : 0;
}

void SetupCountPart::setDirection(int direction) {
    grpQuestionType_->button(direction == 0 ? 0 : 1)->setChecked(true);
}

QString SetupCountPart::countText() const {
    return txtQuestionNum_->text();
}

void SetupCountPart::setCountText(const QString& text) {
    txtQuestionNum_->setText(text);
}

void SetupCountPart::setLocked(bool locked) {
    txtQuestionNum_->setReadOnly(locked);
    udQuestionNum_->setEnabled(!locked);
}

void SetupCountPart::focusCount() {
    txtQuestionNum_->setFocus();
}

void SetupCountPart::setMaximum(int maximum) {
    maximum_ = maximum;
    udQuestionNum_->setMaximum(maximum);
    lblQuestionNum_->setText(ui::toQ(questionRangeLabel(maximum_)));
}

} // namespace qor
