#include "quiz/TfrmQuestionSetup.h"

#include "base/Clock.h"
#include "quiz/QuestionSetupRules.h"
#include "quiz/TfrmQuestionSetupDictionary.h"
#include "quiz/TfrmQuestionSetupFields.h"
#include "quiz/TfrmQuestionSetupForm.h"
#include "quiz/TfrmQuestionSetupSources.h"
#include "ui/DialogFrame.h"
#include "ui/FileDrops.h"
#include "ui/Panels.h"
#include "ui/Platform.h"
#include "ui/Text.h"
#include "words/Dictionary.h"
#include "words/DictionaryList.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

namespace qor {

TfrmQuestionSetup::TfrmQuestionSetup(Drill& drill, CurrentUserFiles user, PathSettings& files,
                                     const DrillOptions& options,
                                     const DefaultDictionaryTypes& dicTypes,
                                     QuestionSetupHost& host, QWidget* parent)
    : QDialog(parent), drill_(drill), user_(std::move(user)), files_(files), drillOptions_(options),
      host_(host), plan_(drill.plan()) {
    setWindowTitle(QStringLiteral("出題の設定"));
    ui::setDialogFrame(this);
    ui::acceptFileDrops(this, [this](const QList<QUrl>& urls) { FormDropFiles(urls); });

    // Created in the order of the tab chain: the sources on the left, then the form and
    // the dictionary on the right.
    lblBanner_ = ui::banner(QStringLiteral("ここでは、出題させる問題の設定を行います"), this);
    memorize_ = new SetupMemorizeRow(this);
    options_ = new SetupOptionGroup(plan_.modes, this);
    customList_ = new SetupCustomListPart(
        plan_.modes, plan_.customLines, user_, files_, [this] { return dictionary_->wordCount(); },
        this);
    importance_ = new SetupImportancePart(plan_.modes, user_, files_, this);
    answerForm_ = new SetupAnswerForm(this);
    dictionary_ = new SetupDictionaryPart(user_, files_, dicTypes, host_, this);
    count_ = new SetupCountPart(this);
    cmdOk_ = ui::defaultButton(this, QStringLiteral("&OK"), "cmdOk");
    cmdOk_->setToolTip(QStringLiteral("出題開始 （時間がかかる場合があります）"));
    cmdCancel_ = ui::commandButton(this, QStringLiteral("キャンセル"), "cmdCancel",
                                   QStringLiteral("止める"));
    layOut();
    connectParts();
}

void TfrmQuestionSetup::layOut() {
    auto* left = new QVBoxLayout;
    left->addWidget(options_);
    left->addSpacing(6);
    left->addWidget(customList_);
    left->addSpacing(6);
    left->addWidget(importance_);
    left->addStretch(1);

    auto* right = new QVBoxLayout;
    right->addWidget(answerForm_);
    right->addSpacing(4);
    right->addWidget(dictionary_);
    right->addSpacing(4);
    right->addWidget(count_);
    right->addStretch(1);

    auto* columns = new QHBoxLayout;
    columns->setSpacing(setup::kRowSpacing);
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);

    auto* body = new QVBoxLayout;
    body->setContentsMargins(12, 8, 12, 10);
    body->addWidget(memorize_);
    body->addSpacing(4);
    body->addLayout(columns);
    body->addSpacing(6);
    body->addLayout(ui::buttonRow({cmdOk_, cmdCancel_}));

    ui::layOutUnderHeading(this, lblBanner_, body, nullptr, ui::WindowSize::Fixed);
}

void TfrmQuestionSetup::connectParts() {
    connect(memorize_, &SetupMemorizeRow::switched, this, &TfrmQuestionSetup::memorizeSwitched);
    connect(options_, &SetupOptionGroup::switched, this, &TfrmQuestionSetup::optionsSwitched);
    connect(options_, &SetupOptionGroup::chosen, this, &TfrmQuestionSetup::optionChosen);
    connect(options_, &SetupOptionGroup::drillNumberChanged, this,
            &TfrmQuestionSetup::drillNumberChanged);
    connect(customList_, &SetupCustomListPart::switched, this,
            &TfrmQuestionSetup::customListSwitched);
    connect(customList_, &SetupCustomListPart::chosen, this, &TfrmQuestionSetup::customListChosen);
    connect(importance_, &SetupImportancePart::switched, this,
            &TfrmQuestionSetup::importanceSwitched);
    connect(answerForm_, &SetupAnswerForm::choicesChanged, this, [this](int count) {
        host_.setAnswerChoices(count > 0 ? choicePlaceholders(count) : std::vector<std::string>{});
    });
    connect(dictionary_, &SetupDictionaryPart::changed, this, &TfrmQuestionSetup::dictionaryChanged);
    // A name typed is another dictionary, whose importance file has not been read.
    connect(dictionary_, &SetupDictionaryPart::nameEdited, this,
            [this] { importance_->switchOff(); });
    connect(cmdOk_, &QPushButton::clicked, this, &TfrmQuestionSetup::cmdOkClick);
    connect(cmdCancel_, &QPushButton::clicked, this, &TfrmQuestionSetup::cmdCancelClick);
}

int TfrmQuestionSetup::questionMaximum() const {
    return count_->maximum();
}

int TfrmQuestionSetup::wordCount() const {
    return dictionary_->wordCount();
}

const CustomQuestionList& TfrmQuestionSetup::customList() const {
    return customList_->list();
}

bool TfrmQuestionSetup::importanceAvailable() const {
    return drillOptions_.ImportantOn;
}

void TfrmQuestionSetup::applyHistoryEnabled() {
    // Nothing of this run can be asked again before a drill has been completed.
    const bool completed = state().historyOptionsEnabled;
    options_->setHistoryEnabled(lastTwoEnabled_ && completed, earlierEnabled_ && completed);
}

// ---------------------------------------------------------------- showing

void TfrmQuestionSetup::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmQuestionSetup::FormShow() {
    // The toolbar starts and the saved question order may have changed the drill's plan.
    plan_ = drill_.plan();
    // The dictionaries used so far, the four defaults, the one in use and its words.
    dictionary_->showInUse();
    // Direction and answer form from the question toolbar.
    count_->setDirection(host_.questionTypeIndex());
    answerForm_->showToolbarForm(host_.answerTypeIndex());
    // The count of the toolbar; memorizing is chosen anew each time.
    count_->setCountText(ui::toQ(host_.questionCountText()));
    memorize_->setOn(false);

    // The options from the drill's flags. Yesterday's misses are chosen anew each time
    // (the list may have changed since).
    modes().yesterday = false;
    applyHistoryEnabled();
    const DrillModes& m = modes();
    const bool anyOption = m.notSameQuestion || m.notRandom || m.sameQuestions || m.lastErrors ||
                           m.earlierDrill || m.earlierErrors || m.dailyReview;
    if (anyOption)
        options_->setOn(true);
    restoreOption(m);

    // The importance source only with importance levels kept, and not beside the option
    // group or the custom list.
    if (!importanceAvailable()) {
        importance_->switchOff();
        importance_->setSwitchEnabled(false);
    } else {
        importance_->setSwitchEnabled(!options_->isOn() && !customList_->isOn());
    }
    customList_->resetGauge();
}

void TfrmQuestionSetup::restoreOption(const DrillModes& m) {
    std::optional<SetupOption> restored;
    switch (activeSource(m)) {
    case QuestionSource::SameQuestions:
        restored = SetupOption::SameQuestions;
        break;
    case QuestionSource::LastErrors:
        restored = SetupOption::LastErrors;
        break;
    case QuestionSource::EarlierDrill:
        restored = SetupOption::EarlierDrill;
        break;
    case QuestionSource::EarlierErrors:
        restored = SetupOption::EarlierErrors;
        break;
    case QuestionSource::NotSameQuestion:
        restored = SetupOption::NotSameQuestion;
        break;
    case QuestionSource::NotRandom:
        restored = SetupOption::NotRandom;
        break;
    default:
        // The daily review is kept by toolbar starts like the order options.
        if (m.dailyReview)
            restored = SetupOption::DailyReview;
        break;
    }
    if (restored) {
        options_->restore(*restored, m.historySlot + 1, m.notRandomContinue);
        return;
    }
    options_->clear();
    options_->resetControls();
    dictionary_->setChangeable(true);
    count_->setLocked(false);
    // A custom list chosen keeps its own maximum.
    count_->setMaximum(customList_->isOn() && modes().custom ? count_->maximum() : kMaxQuestions);
}

// ---------------------------------------------------------------- the drill tells

void TfrmQuestionSetup::drillCompleted() {
    lastTwoEnabled_ = true;
    earlierEnabled_ = true;
    applyHistoryEnabled();
}

void TfrmQuestionSetup::drillStopped() {
    // The dialog is closed: switching the group off clears the drill's sources, so the
    // copy is taken from the drill and handed back.
    plan_ = drill_.plan();
    options_->setOn(false);
    drill_.setPlan(plan_);
    lastTwoEnabled_ = false;
    applyHistoryEnabled();
}

// ---------------------------------------------------------------- rules between the parts

void TfrmQuestionSetup::optionsSwitched(bool on) {
    if (on) {
        importance_->switchOff();
        customList_->switchOff();
        customList_->setSwitchEnabled(false);
        importance_->setSwitchEnabled(false);
        return;
    }
    dictionary_->setChangeable(true);
    customList_->setSwitchEnabled(true);
    count_->setLocked(false);
    count_->setMaximum(kMaxQuestions);
    importance_->setSwitchEnabled(importanceAvailable());
}

void TfrmQuestionSetup::optionChosen(SetupOption option) {
    // Dictionary and count free again, in the whole range, before the option's own rule.
    dictionary_->setChangeable(!isEarlierOption(option));
    count_->setLocked(false);
    count_->setMaximum(kMaxQuestions);
    applyOwnRule(option);
}

void TfrmQuestionSetup::applyOwnRule(SetupOption option) {
    const DrillState& s = state();
    switch (option) {
    case SetupOption::SameQuestions:
    case SetupOption::LastErrors:
        // The lists replayed are those of the last drill, so its dictionary goes with them.
        if (!s.dictionaryPath.empty() && s.dictionaryPath != files_.DicInUse)
            dictionary_->use(s.dictionaryPath);
        count_->setCount(option == SetupOption::SameQuestions ? s.questionCount : s.wrongCount);
        count_->setLocked(true);
        dictionary_->setChangeable(false);
        break;
    case SetupOption::EarlierDrill:
    case SetupOption::EarlierErrors:
        count_->setLocked(true);
        drillNumberChanged();
        break;
    case SetupOption::Yesterday: {
        const int misses = yesterdayMissCount(user_().folder(), dictionaryName(files_.DicInUse),
                                              DateTexts::of(programClock().now()));
        YesterdayLimit limit = yesterdayLimit(misses);
        if (!limit.available) {
            ui::platform().showNotice(this, QStringLiteral("昨日間違えた単語のデータがありません"),
                                      QStringLiteral("選択不可能"), ui::kNoticeInformation);
            options_->refuse(option);
            return;
        }
        count_->setMaximum(limit.maximum);
        if (limit.count)
            count_->setCount(*limit.count);
        break;
    }
    default:
        break;
    }
}

void TfrmQuestionSetup::drillNumberChanged() {
    if (!options_->earlierChosen())
        return;
    const int number = std::clamp(options_->drillNumber(), 1, kHistorySlots - 1);
    EarlierDrillPlan plan = earlierDrillPlan(drill_.history(), number, options_->earlierErrorsChosen());
    if (plan.recorded && plan.dictionaryPath != files_.DicInUse)
        dictionary_->use(plan.dictionaryPath);
    modes().historySlot = plan.historySlot;
    options_->setDrillNumberHint(ui::toQ(plan.hint));
    count_->setCount(plan.questionCount);
}

void TfrmQuestionSetup::customListSwitched(bool on) {
    if (on) {
        importance_->switchOff();
        importance_->setSwitchEnabled(false);
    } else {
        importance_->setSwitchEnabled(importanceAvailable() && !options_->isOn());
        count_->setMaximum(kMaxQuestions);
    }
}

void TfrmQuestionSetup::customListChosen(int count) {
    count_->setMaximum(count);
    if (count < 10)
        count_->setCount(count);
}

void TfrmQuestionSetup::importanceSwitched(bool on) {
    if (on) {
        customList_->switchOff();
        customList_->setSwitchEnabled(false);
    } else {
        customList_->setSwitchEnabled(!options_->isOn());
    }
}

void TfrmQuestionSetup::memorizeSwitched(bool on) {
    modes().memorizeOnly = on;
    answerForm_->setAllowed(!on);
}

void TfrmQuestionSetup::dictionaryChanged() {
    // The importance file was read for the dictionary before.
    importance_->switchOff();
    // The custom lines were picked from the dictionary before; another dictionary would be
    // asked words it does not hold, and their misses recorded under wrong line numbers.
    if (customList_->isOn() && !customList_->list().builtFor(files_.DicInUse))
        customList_->switchOff();
}

void TfrmQuestionSetup::FormDropFiles(const QList<QUrl>& urls) {
    dictionary_->acceptDrops(urls);
}

// ---------------------------------------------------------------- OK, Cancel

void TfrmQuestionSetup::cmdOkClick() {
    // The count: the question sources rely on it staying within the range shown.
    auto count = ui::fromQ(count_->countText());
    CountProblem problem = checkQuestionCount(count.value_or("?"), count_->maximum());
    if (problem != CountProblem::None) {
        ui::platform().showMessage(this, ui::toQ(countProblemMessage(problem, count_->maximum())));
        count_->focusCount();
        return;
    }
    // The dictionary, as it is now on disk.
    if (files_.DicInUse.empty()) {
        ui::platform().showNotice(this, SetupDictionaryPart::firstUseMessage(),
                                  QStringLiteral("辞書の指定失敗"), ui::kNoticeInformation);
        return;
    }
    DictionaryCount words = countLines(files_.DicInUse);
    if (!words.status) {
        ui::showFileError(this, words.status.path(), words.status.reason());
        return;
    }
    dictionary_->setWordCount(static_cast<int>(words.count));
    if (words.count == 0) {
        ui::platform().showNotice(this,
                                  QStringLiteral("指定された辞書には、単語が登録されていません"),
                                  QStringLiteral("エラー"), ui::kNoticeWarning);
        return;
    }
    DrillModes& m = modes();
    if (m.memorizeOnly) {
        const int seconds = memorize_->seconds();
        if (seconds < 1 || seconds > 20) {
            ui::platform().showMessage(
                this, QStringLiteral("正解を表示するまでの秒数は、1～20秒の範囲で指定してください"));
            return;
        }
        m.memorizeSeconds = seconds;
    }
    if (m.importance)
        m.levels = importance_->chosenLevels();
    const int direction = count_->direction();
    const int answerType = answerForm_->answerType();
    // A drill that did not start (the learner was told why) leaves the dialog open to
    // choose again. The start may drop a source that does not fit (a custom list of
    // another dictionary): the dialog goes on from what the drill kept.
    drill_.setPlan(plan_);
    const bool started =
        drill_.start(DrillStart{files_.DicInUse, direction, answerType, *count, false});
    plan_ = drill_.plan();
    if (!started)
        return;

    host_.setQuestionCountText(*count);
    host_.setAnswerTypeIndex(answerType);
    host_.setQuestionTypeIndex(direction);
    if (FileStatus stored = storeQuestionOrder(user_().setupIni(), plan_.modes); !stored)
        ui::showFileError(this, stored.path(), stored.reason());
    accept();
}

void TfrmQuestionSetup::cmdCancelClick() {
    reject();
}

void TfrmQuestionSetup::done(int result) {
    // Cancel keeps the options chosen for the next toolbar start, as OK does.
    drill_.setPlan(plan_);
    QDialog::done(result);
}

} // namespace qor
