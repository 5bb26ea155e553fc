#include "quiz/TfrmQuestionSetup.h"

#include "base/Clock.h"
#include "base/Cp932.h"
#include "base/TextFile.h"
#include "quiz/QuestionSetupRules.h"
#include "settings/DefaultDictionaries.h"
#include "tools/TfrmCustomQuestion.h"
#include "ui/GaugeProgress.h"
#include "ui/Platform.h"
#include "ui/Switch.h"
#include "ui/Text.h"
#include "ui/UpDown.h"
#include "ui/WindowOpen.h"
#include "words/Dictionary.h"
#include "words/DictionaryList.h"
#include "words/ImportanceFile.h"
#include "words/WordEntry.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QToolButton>
#include <algorithm>

namespace qor {

namespace {

const QString kUnavailable = QStringLiteral("選択不可能");
const QString kError = QStringLiteral("エラー");

QString firstUseMessage() {
    return QStringLiteral("初めて使用する辞書ファイルのようです。\n\n"
                          "初めての辞書ファイルを使用する場合は、\n"
                          "１）\"OPEN\"ボタン\n"
                          "２）ドラッグ＆ドロップ\n"
                          "で指定しなおしてください。");
}

// The number in a field; `otherwise` when it holds none.
int numberIn(const QLineEdit* field, int otherwise) {
    bool ok = false;
    int n = field->text().toInt(&ok);
    return ok ? n : otherwise;
}

void setNone(QButtonGroup* group) {
    group->setExclusive(false);
    for (QAbstractButton* b : group->buttons())
        b->setChecked(false);
    group->setExclusive(true);
}

} // namespace

// ---------------------------------------------------------------- helpers

bool TfrmQuestionSetup::isEarlierOption(QRadioButton* option) const {
    return option == rbPrevQuestionOn || option == rbPrevErrorOn;
}

bool TfrmQuestionSetup::importanceAvailable() const {
    return settings_.drill.ImportantOn;
}

void TfrmQuestionSetup::setMaximum(int maximum) {
    maximum_ = maximum;
    udQuestionNum->setMaximum(maximum);
    updateRangeLabel();
}

void TfrmQuestionSetup::updateRangeLabel() {
    lblQuestionNum->setText(ui::toQ(questionRangeLabel(maximum_)));
}

void TfrmQuestionSetup::setDictionaryControlsEnabled(bool enabled) {
    rgDicType->setEnabled(enabled);
    cboDicFile->setEnabled(enabled);
    cmdSelectDicFile->setEnabled(enabled);
}

void TfrmQuestionSetup::lockQuestionCount(bool locked) {
    txtQuestionNum->setReadOnly(locked);
    udQuestionNum->setEnabled(!locked);
}

void TfrmQuestionSetup::showOptionNumber(bool shown) {
    lblOptionNum->setVisible(shown);
    txtOptionNum->setEnabled(shown);
    udOptionNum->setEnabled(shown);
}

void TfrmQuestionSetup::applyHistoryEnabled() {
    // Nothing of this run can be asked again before a drill has been completed.
    const bool completed = state().historyOptionsEnabled;
    rbSameQuestion->setEnabled(lastTwoEnabled_ && completed);
    rbErrorOnly->setEnabled(lastTwoEnabled_ && completed);
    rbPrevQuestionOn->setEnabled(earlierEnabled_ && completed);
    rbPrevErrorOn->setEnabled(earlierEnabled_ && completed);
}

void TfrmQuestionSetup::setDicTypeNone() {
    setNone(grpDicType);
}

void TfrmQuestionSetup::selectDicTypeOf(const std::string& fileName) {
    int index = defaultDictionaryWithFileName(settings_, fileName);
    if (index < 0)
        setDicTypeNone();
    else
        ui::showSwitchState(grpDicType->button(index), true);
}

void TfrmQuestionSetup::showWordCount() {
    txtVocNum->setText(QString::number(wordCount_));
}

void TfrmQuestionSetup::useDictionary(const std::string& path) {
    settings_.files.DicInUse = path;
    const std::string fileName = fileNameOf(path);
    DictionaryCount count = countLines(path);
    if (!count.status)
        ui::showFileError(this, count.status.path(), count.status.reason());
    wordCount_ = static_cast<int>(count.count);
    showWordCount();
    selectDicTypeOf(fileName);
    appliedDicText_ = ui::toQ(fileName);
    cboDicFile->setEditText(appliedDicText_);
    host_.setDictionaryText(fileName);
    dictionaryChanged();
}

void TfrmQuestionSetup::dictionaryChanged() {
    // The importance file was read for the dictionary before.
    if (chkImportantQuestion->isChecked()) {
        ui::setSwitch(chkImportantQuestion, false);
    }
    // The custom lines were picked from the dictionary before; another dictionary would be
    // asked words it does not hold, and their misses recorded under wrong line numbers.
    if (chkCustomQuestion->isChecked() && !customList_.builtFor(settings_.files.DicInUse)) {
        ui::setSwitch(chkCustomQuestion, false);
    }
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
    // 1. The dictionaries used so far.
    cboDicFile->showListed(settings_.files.DicInUse);
    // 2. The four default dictionaries under their captions.
    const DefaultDictionarySet defaults = defaultDictionaries(settings_);
    for (int i = 0; i < kDefaultDictionaries; ++i)
        ui::setUserCaption(grpDicType->button(i), ui::toQ(defaults[static_cast<std::size_t>(i)].caption));
    const std::string fileName = fileNameOf(settings_.files.DicInUse);
    selectDicTypeOf(fileName);
    appliedDicText_ = ui::toQ(fileName);
    cboDicFile->setEditText(appliedDicText_);
    // 3. Its words. A dictionary that cannot be read counts 0 here; OK says why.
    wordCount_ = static_cast<int>(countLines(settings_.files.DicInUse).count);
    showWordCount();

    // 4. Direction and answer form from the question toolbar.
    grpQuestionType->button(host_.questionTypeIndex() == 0 ? 0 : 1)->setChecked(true);
    const int answerType = host_.answerTypeIndex();
    ui::setSwitch(chkSelectOn, answerType >= 1 && answerType <= 3);
    if (chkSelectOn->isChecked()) {
        ui::setSwitch(grpSelectNum->button(answerType - 1), true);
    }

    // 5. The count of the toolbar; memorizing is chosen anew each time.
    txtQuestionNum->setText(ui::toQ(host_.questionCountText()));
    ui::setSwitch(chkOnlyMemorize, false);

    // 6. The options from the drill's flags. Yesterday's misses are chosen anew each
    // time (the list may have changed since).
    modes().yesterday = false;
    applyHistoryEnabled();
    const DrillModes& m = modes();
    const bool anyOption = m.notSameQuestion || m.notRandom || m.sameQuestions || m.lastErrors ||
                           m.earlierDrill || m.earlierErrors;
    if (anyOption && !chkOption->isChecked()) {
        ui::setSwitch(chkOption, true);
    }
    QRadioButton* restored = nullptr;
    switch (activeSource(m)) {
    case QuestionSource::SameQuestions:
        restored = rbSameQuestion;
        break;
    case QuestionSource::LastErrors:
        restored = rbErrorOnly;
        break;
    case QuestionSource::EarlierDrill:
        restored = rbPrevQuestionOn;
        break;
    case QuestionSource::EarlierErrors:
        restored = rbPrevErrorOn;
        break;
    case QuestionSource::NotSameQuestion:
        restored = rbNotSameQuestion;
        break;
    case QuestionSource::NotRandom:
        restored = rbNotRandom;
        break;
    default:
        break;
    }
    if (restored) {
        const bool keepContinue = m.notRandomContinue;
        const int drillNumber = m.historySlot + 1;
        if (isEarlierOption(restored))
            txtOptionNum->setText(QString::number(drillNumber));
        ui::setSwitch(restored, true);
        if (restored == rbNotRandom && keepContinue) {
            ui::setSwitch(chkNotRandomContinue, true);
        }
    } else {
        clearOptions();
        resetOptionControls();
    }

    // 7. The importance source only with importance levels kept, and not beside the
    // option group or the custom list.
    if (!importanceAvailable()) {
        if (chkImportantQuestion->isChecked()) {
            ui::setSwitch(chkImportantQuestion, false);
        }
        chkImportantQuestion->setEnabled(false);
    } else {
        chkImportantQuestion->setEnabled(!chkOption->isChecked() && !chkCustomQuestion->isChecked());
    }
    cgProgress->setValue(0);
    updateRangeLabel();
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
    if (chkOption->isChecked()) {
        ui::setSwitch(chkOption, false);
    }
    drill_.setPlan(plan_);
    lastTwoEnabled_ = false;
    applyHistoryEnabled();
}

// ---------------------------------------------------------------- options

void TfrmQuestionSetup::clearOptions() {
    setNone(grpOption);
    for (const Option& o : options_)
        modes().*o.flag = false;
    chkNotRandomContinue->setChecked(false);
    modes().notRandomContinue = false;
}

void TfrmQuestionSetup::resetOptionControls() {
    showOptionNumber(false);
    txtOptionNum->setToolTip(QString());
    chkNotRandomContinue->setEnabled(rbNotRandom->isChecked());
    setDictionaryControlsEnabled(true);
    lockQuestionCount(false);
    // A custom list chosen keeps its own maximum.
    setMaximum(chkCustomQuestion->isChecked() && modes().custom ? maximum_ : kMaxQuestions);
}

void TfrmQuestionSetup::optionClick(QRadioButton* option) {
    // 1. The others off (the group has unticked them).
    for (const Option& o : options_) {
        if (o.button != option)
            modes().*o.flag = false;
    }
    showOptionNumber(isEarlierOption(option));
    if (option != rbNotRandom) {
        chkNotRandomContinue->setChecked(false);
        chkNotRandomContinue->setEnabled(false);
        modes().notRandomContinue = false;
    }
    // 2. Dictionary and count free again, in the whole range.
    setDictionaryControlsEnabled(!isEarlierOption(option));
    lockQuestionCount(false);
    setMaximum(kMaxQuestions);
    // 3. Its own rule.
    if (option->isChecked()) {
        for (const Option& o : options_) {
            if (o.button == option)
                modes().*o.flag = true;
        }
        applyOwnRule(option);
    }
    // 4.
    updateRangeLabel();
}

void TfrmQuestionSetup::applyOwnRule(QRadioButton* option) {
    const DrillState& s = state();
    if (option == rbSameQuestion || option == rbErrorOnly) {
        // The lists replayed are those of the last drill, so its dictionary goes with them.
        if (!s.dictionaryPath.empty() && s.dictionaryPath != settings_.files.DicInUse)
            useDictionary(s.dictionaryPath);
        const int count = option == rbSameQuestion ? s.questionCount : s.wrongCount;
        txtQuestionNum->setText(QString::number(count));
        lockQuestionCount(true);
        setDictionaryControlsEnabled(false);
    } else if (isEarlierOption(option)) {
        showOptionNumber(true);
        lockQuestionCount(true);
        txtOptionNumChange();
    } else if (option == rbYesterdayOn) {
        const int misses = yesterdayMissCount(settings_.userFolder(),
                                              dictionaryName(settings_.files.DicInUse),
                                              DateTexts::of(programClock().now()));
        YesterdayLimit limit = yesterdayLimit(misses);
        if (!limit.available) {
            ui::platform().showNotice(this, QStringLiteral("昨日間違えた単語のデータがありません"),
                                      kUnavailable, ui::kNoticeInformation);
            setNone(grpOption);
            modes().yesterday = false;
            return;
        }
        setMaximum(limit.maximum);
        if (limit.count)
            txtQuestionNum->setText(QString::number(*limit.count));
    } else if (option == rbNotRandom) {
        chkNotRandomContinue->setEnabled(true);
    }
}

void TfrmQuestionSetup::rbSameQuestionClick() {
    optionClick(rbSameQuestion);
}

void TfrmQuestionSetup::rbErrorOnlyClick() {
    optionClick(rbErrorOnly);
}

void TfrmQuestionSetup::rbPrevQuestionOnClick() {
    optionClick(rbPrevQuestionOn);
}

void TfrmQuestionSetup::rbPrevErrorOnClick() {
    optionClick(rbPrevErrorOn);
}

void TfrmQuestionSetup::rbYesterdayOnClick() {
    optionClick(rbYesterdayOn);
}

void TfrmQuestionSetup::rbNotSameQuestionClick() {
    optionClick(rbNotSameQuestion);
}

void TfrmQuestionSetup::rbNotRandomClick() {
    optionClick(rbNotRandom);
}

void TfrmQuestionSetup::chkNotRandomContinueClick() {
    modes().notRandomContinue = chkNotRandomContinue->isChecked();
}

void TfrmQuestionSetup::txtOptionNumChange() {
    const bool errorsOnly = rbPrevErrorOn->isChecked();
    if (!errorsOnly && !rbPrevQuestionOn->isChecked())
        return;
    const int number = std::clamp(numberIn(txtOptionNum, 1), 1, kHistorySlots - 1);
    EarlierDrillPlan plan = earlierDrillPlan(drill_.history(), number, errorsOnly);
    if (plan.recorded && plan.dictionaryPath != settings_.files.DicInUse)
        useDictionary(plan.dictionaryPath);
    modes().historySlot = plan.historySlot;
    txtOptionNum->setToolTip(ui::toQ(plan.hint));
    txtQuestionNum->setText(QString::number(plan.questionCount));
}

void TfrmQuestionSetup::chkOptionClick() {
    if (chkOption->isChecked()) {
        if (chkImportantQuestion->isChecked()) {
            ui::setSwitch(chkImportantQuestion, false);
        }
        if (chkCustomQuestion->isChecked()) {
            ui::setSwitch(chkCustomQuestion, false);
        }
        chkCustomQuestion->setEnabled(false);
        chkImportantQuestion->setEnabled(false);
        gbOption->setEnabled(true);
    } else {
        clearOptions();
        showOptionNumber(false);
        txtOptionNum->setToolTip(QString());
        chkNotRandomContinue->setEnabled(false);
        setDictionaryControlsEnabled(true);
        chkCustomQuestion->setEnabled(true);
        lockQuestionCount(false);
        setMaximum(kMaxQuestions);
        chkImportantQuestion->setEnabled(importanceAvailable());
        gbOption->setEnabled(false);
    }
    updateRangeLabel();
}

// ---------------------------------------------------------------- answer form

void TfrmQuestionSetup::chkSelectOnClick() {
    if (chkSelectOn->isChecked()) {
        rgSelectNum->setEnabled(true);
        ui::setSwitch(grpSelectNum->button(0), true);
    } else {
        choiceKind_ = -1;
        setNone(grpSelectNum);
        rgSelectNum->setEnabled(false);
        host_.setAnswerChoices({});
    }
}

void TfrmQuestionSetup::rgSelectNumClick() {
    const int index = grpSelectNum->checkedId();
    if (index < 0 || index > 2) {
        choiceKind_ = -1;
        return;
    }
    choiceKind_ = index;
    host_.setAnswerChoices(choicePlaceholders(index + 3));
}

void TfrmQuestionSetup::chkOnlyMemorizeClick() {
    const bool on = chkOnlyMemorize->isChecked();
    modes().memorizeOnly = on;
    txtOnlyMemorizeTime->setVisible(on);
    udOnlyMemorizeTime->setVisible(on);
    lblOnlyMemorizeTime->setVisible(on);
    if (on) {
        if (chkSelectOn->isChecked()) {
            ui::setSwitch(chkSelectOn, false);
        }
        chkSelectOn->setEnabled(false);
    } else {
        chkSelectOn->setEnabled(true);
    }
}

// ---------------------------------------------------------------- dictionary

void TfrmQuestionSetup::rgDicTypeClick() {
    const int index = grpDicType->checkedId();
    if (index < 0 || index >= kDefaultDictionaries)
        return;
    const std::string path = defaultDictionaries(settings_)[static_cast<std::size_t>(index)].path;
    if (FileStatus written = rememberDictionaryPath(settings_.setupIniPath(), path); !written)
        ui::showFileError(this, written.path(), written.reason());
    useDictionary(path);
}

void TfrmQuestionSetup::cboDicFileChange() {
    const QString text = cboDicFile->currentText();
    if (text == appliedDicText_)
        return;
    appliedDicText_ = text;
    if (chkImportantQuestion->isChecked()) {
        ui::setSwitch(chkImportantQuestion, false);
    }
    if (!text.contains(QStringLiteral(".txt")))
        return;
    txtVocNum->setText(QStringLiteral("0"));
    auto fileName = ui::fromQOrWarn(this, text);
    if (!fileName)
        return;
    selectDicTypeOf(*fileName);
    const std::string path = rememberedDictionaryPath(settings_.setupIniPath(), *fileName);
    if (path.empty()) {
        // The dictionary is unknown until it is chosen with OPEN or dropped; the word count
        // of the one before stays.
        settings_.files.DicInUse.clear();
        host_.setDictionaryText(*fileName);
        dictionaryChanged();
        ui::platform().showNotice(this, firstUseMessage(), QStringLiteral("辞書の指定失敗"),
                                  ui::kNoticeInformation);
        return;
    }
    useDictionary(path);
}

void TfrmQuestionSetup::cmdSelectDicFileClick() {
    DictionaryChange change = cboDicFile->selectWithDialog();
    if (change.changed)
        useDictionary(settings_.files.DicInUse);
}

void TfrmQuestionSetup::FormDropFiles(const QList<QUrl>& urls) {
    // Not while the dictionary is fixed by the option chosen.
    if (!rgDicType->isEnabled())
        return;
    DictionaryChange change = cboDicFile->acceptDroppedFiles(urls);
    if (change.changed)
        useDictionary(settings_.files.DicInUse);
}

// ---------------------------------------------------------------- custom list, importance

void TfrmQuestionSetup::chkCustomQuestionClick() {
    if (chkCustomQuestion->isChecked()) {
        if (chkImportantQuestion->isChecked()) {
            ui::setSwitch(chkImportantQuestion, false);
        }
        chkImportantQuestion->setEnabled(false);
        ui::GaugeProgress gauge(cgProgress);
        gauge.start(wordCount_);
        modes().custom = true;

        bool chosen = false;
        int count = 0;
        ui::openWindow(this, QStringLiteral("出題設定"), [&] {
            TfrmCustomQuestion dialog(customList_, plan_.customLines, settings_.files.DicInUse,
                                      settings_.userFolder(), this);
            auto progress = [this, &gauge](int done) {
                done > 0 ? gauge.step(std::min(done, cgProgress->maximum())) : gauge.end();
            };
            if (dialog.FormShow(progress))
                chosen = ui::platform().showModal(dialog) == QDialog::Accepted;
            count = dialog.chosenCount();
        });
        gauge.end();
        if (chosen) {
            setMaximum(count);
            if (count < 10)
                txtQuestionNum->setText(QString::number(count));
        } else {
            ui::setSwitch(chkCustomQuestion, false);
            return;
        }
    } else {
        chkImportantQuestion->setEnabled(importanceAvailable() && !chkOption->isChecked());
        modes().custom = false;
        setMaximum(kMaxQuestions);
    }
    updateRangeLabel();
}

void TfrmQuestionSetup::chkImportantQuestionClick() {
    auto levelButtons = [this](bool on) {
        for (QToolButton* b : cmdLevel)
            b->setEnabled(on);
    };
    if (chkImportantQuestion->isChecked()) {
        if (chkCustomQuestion->isChecked()) {
            ui::setSwitch(chkCustomQuestion, false);
        }
        chkCustomQuestion->setEnabled(false);
        chkNormalImportant->setEnabled(true);
        ImportanceFile file(settings_.userFile(importanceFileName(dictionaryName(settings_.files.DicInUse))));
        if (!file.readAll().status) {
            ui::platform().showNotice(
                this, QStringLiteral("指定された辞書の単語には重要度が設定されていません"),
                kUnavailable, ui::kNoticeWarning);
            ui::setSwitch(chkImportantQuestion, false);
            return;
        }
        modes().importance = true;
        levelButtons(true);
    } else {
        chkCustomQuestion->setEnabled(!chkOption->isChecked());
        chkNormalImportant->setChecked(false);
        chkNormalImportant->setEnabled(false);
        modes().importanceFollowOn = false;
        modes().importance = false;
        levelButtons(false);
    }
}

void TfrmQuestionSetup::chkNormalImportantClick() {
    modes().importanceFollowOn = chkNormalImportant->isChecked();
}

// ---------------------------------------------------------------- OK, Cancel

void TfrmQuestionSetup::cmdOkClick() {
    // The count: the question sources rely on it staying within the range shown.
    const QString countText = txtQuestionNum->text();
    auto count = ui::fromQ(countText);
    CountProblem problem = checkQuestionCount(count.value_or("?"), maximum_);
    if (problem != CountProblem::None) {
        ui::platform().showMessage(this, ui::toQ(countProblemMessage(problem, maximum_)));
        txtQuestionNum->setFocus();
        return;
    }
    // The dictionary, as it is now on disk.
    if (settings_.files.DicInUse.empty()) {
        ui::platform().showNotice(this, firstUseMessage(), QStringLiteral("辞書の指定失敗"),
                                  ui::kNoticeInformation);
        return;
    }
    DictionaryCount words = countLines(settings_.files.DicInUse);
    if (!words.status) {
        ui::showFileError(this, words.status.path(), words.status.reason());
        return;
    }
    wordCount_ = static_cast<int>(words.count);
    showWordCount();
    if (wordCount_ == 0) {
        ui::platform().showNotice(this,
                                  QStringLiteral("指定された辞書には、単語が登録されていません"),
                                  kError, ui::kNoticeWarning);
        return;
    }
    DrillModes& m = modes();
    if (m.memorizeOnly) {
        const int seconds = numberIn(txtOnlyMemorizeTime, 0);
        if (seconds < 1 || seconds > 20) {
            ui::platform().showMessage(
                this, QStringLiteral("正解を表示するまでの秒数は、1～20秒の範囲で指定してください"));
            return;
        }
        m.memorizeSeconds = seconds;
    }
    if (m.importance) {
        for (std::size_t i = 0; i < cmdLevel.size(); ++i)
            m.levels[i] = cmdLevel[i]->isChecked();
    }
    const int direction = grpQuestionType->checkedId() == 1 ? 1 : 0;
    const int answerType = chkSelectOn->isChecked() ? answerTypeOfChoiceKind(choiceKind_) : 0;
    // A drill that did not start (the learner was told why) leaves the dialog open to
    // choose again. The start may drop a source that does not fit (a custom list of
    // another dictionary): the dialog goes on from what the drill kept.
    drill_.setPlan(plan_);
    const bool started = drill_.start(DrillStart{settings_.files.DicInUse, direction, answerType, *count, false});
    plan_ = drill_.plan();
    if (!started)
        return;

    host_.setQuestionCountText(*count);
    host_.setAnswerTypeIndex(answerType);
    host_.setQuestionTypeIndex(direction);
    if (FileStatus stored = storeQuestionOrder(settings_.setupIniPath(), plan_.modes); !stored)
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
