// The question setup dialog: its controls, options and their rules, OK and Cancel.

#include "ui/Text.h"
#include "base/IniFile.h"
#include "quiz/QuestionSetupRules.h"
#include "records/RecordFiles.h"
#include "tests/quiz/QuestionSetupFixture.h"
#include "tools/TfrmCustomQuestion.h"
#include "ui/UpDown.h"

#include <QAbstractItemModel>
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableView>
#include <QToolButton>
#include <QUrl>
#include <QtTest/QTest>

using namespace qor;
using qor::test::crlf;
using qor::test::PlatformCall;
using qor::test::slurp;
using qor::test::spit;

namespace {

class QuestionSetupTest : public test::QuestionSetupFixture {
protected:
    QString range() const { return ctl<QLabel>(*setup, "lblQuestionNum")->text(); }
    QString countText() const { return ctl<QLineEdit>(*setup, "txtQuestionNum")->text(); }

    bool countLocked() const {
        return ctl<QLineEdit>(*setup, "txtQuestionNum")->isReadOnly() &&
               !ctl<ui::UpDown>(*setup, "udQuestionNum")->isEnabled();
    }
    bool dictionaryLocked() const {
        return !ctl<QGroupBox>(*setup, "rgDicType")->isEnabled() &&
               !ctl<QComboBox>(*setup, "cboDicFile")->isEnabled() &&
               !ctl<QPushButton>(*setup, "cmdSelectDicFile")->isEnabled();
    }

    void yesterdayMisses(const char* count) {
        IniFile::writeOne(dailyRecordPath(settings.userFolder(), "20013", "verbs"), "Error",
                          "YesterdayNum", count);
    }

    // Ticks the given rows of the custom list and presses OK (or Cancel with no rows).
    void customDialogTicks(std::vector<int> rows, bool cancel = false) {
        platform.answerModal([rows, cancel](QDialog& d) {
            auto& w = dynamic_cast<TfrmCustomQuestion&>(d);
            QAbstractItemModel* model = w.findChild<QTableView*>(QStringLiteral("lstData"))->model();
            for (int r : rows)
                model->setData(model->index(r, 0), Qt::Checked, Qt::CheckStateRole);
            if (cancel)
                w.findChild<QPushButton*>(QStringLiteral("Button14"))->click();
            else
                w.findChild<QPushButton*>(QStringLiteral("cmdOk"))->click();
            return w.result();
        });
    }
};

} // namespace

TEST_F(QuestionSetupTest, TheFormAsCreated) {
    EXPECT_EQ(setup->windowTitle(), QStringLiteral("出題の設定"));
    EXPECT_EQ(ctl<QLabel>(*setup, "lblBanner")->text(),
              QStringLiteral("ここでは、出題させる問題の設定を行います"));
    EXPECT_FALSE(ctl<QGroupBox>(*setup, "gbOption")->isEnabled());
    EXPECT_FALSE(ctl<QGroupBox>(*setup, "rgSelectNum")->isEnabled());
    EXPECT_FALSE(ctl<QCheckBox>(*setup, "chkImportantQuestion")->isEnabled());
    EXPECT_FALSE(ctl<QCheckBox>(*setup, "chkNormalImportant")->isEnabled());
    for (QToolButton* b : levelButtons()) {
        EXPECT_FALSE(b->isEnabled());
        EXPECT_FALSE(b->autoRaise());  // greyed, still drawn as a button
    }
    // The gauge says what it measures and is tall enough for its text.
    EXPECT_EQ(ctl<QProgressBar>(*setup, "cgProgress")->accessibleName(),
              QStringLiteral("出題する単語の一覧の読み込み"));
    EXPECT_TRUE(ctl<QProgressBar>(*setup, "cgProgress")->isTextVisible());
    EXPECT_GE(ctl<QProgressBar>(*setup, "cgProgress")->minimumHeight(),
              ctl<QProgressBar>(*setup, "cgProgress")->fontMetrics().height());
    EXPECT_TRUE(ctl<QLineEdit>(*setup, "txtOnlyMemorizeTime")->isHidden());
    EXPECT_TRUE(ctl<QLabel>(*setup, "lblOnlyMemorizeTime")->isHidden());
    EXPECT_EQ(ctl<QLineEdit>(*setup, "txtOnlyMemorizeTime")->text(), QStringLiteral("5"));
    EXPECT_EQ(ctl<ui::UpDown>(*setup, "udOnlyMemorizeTime")->maximum(), 20);
    EXPECT_EQ(range(), QStringLiteral("出題数の設定範囲 ： 1～1000問"));
    EXPECT_EQ(ctl<QPushButton>(*setup, "cmdSelectDicFile")->text(), QStringLiteral("O&PEN"));
    EXPECT_EQ(ctl<QPushButton>(*setup, "cmdOk")->toolTip(),
              QStringLiteral("出題開始 （時間がかかる場合があります）"));
    EXPECT_EQ(ctl<QRadioButton>(*setup, "rbNotSameQuestion")->toolTip(),
              QStringLiteral("これをチェックすると、１問目の出題に少し時間がかかります"));
    EXPECT_EQ(ctl<QButtonGroup>(*setup, "grpSelectNum")->button(2)->text(), QStringLiteral("５択"));
    EXPECT_EQ(ctl<QGroupBox>(*setup, "rgQuestionType")->title(), QStringLiteral("出題形式の設定"));
}

TEST_F(QuestionSetupTest, AVeryLongCaptionCannotWidenTheDialog) {
    numberedDictionary("nouns.txt", 3, "n");
    show();
    const int usualWidth = setup->sizeHint().width();
    // Thousands of bytes typed into Setup.ini as the caption of a word type.
    const QString caption = QString(QStringLiteral("とても長いキャプション")).repeated(300);
    settings.dicTypes.defDicCaption_2 = *ui::fromQ(caption);
    show();
    QAbstractButton* item = ctl<QButtonGroup>(*setup, "grpDicType")->button(2);
    EXPECT_LE(setup->sizeHint().width(), usualWidth + 40);
    EXPECT_LT(item->text().size(), 20);
    EXPECT_EQ(item->toolTip(), caption);
    // A caption that fits is shown whole, without a tooltip.
    settings.dicTypes.defDicCaption_2 = sj("形容詞・副詞");
    show();
    EXPECT_EQ(item->text(), QStringLiteral("形容詞・副詞"));
    EXPECT_TRUE(item->toolTip().isEmpty());
}

TEST_F(QuestionSetupTest, ShowingTakesTheDictionaryAndTheToolbarsChoices) {
    numberedDictionary("nouns.txt", 3, "n");
    addListedDictionary(settings.setupIniPath(), "nouns.txt");
    addListedDictionary(settings.setupIniPath(), "verbs.txt");
    settings.dicTypes.defDicCaption_1 = sj("動詞たち");
    settings.dicTypes.defDicType_1 = dir.file("verbs.txt");
    host.questionType = 1;
    host.answerType = 3;
    host.countText = "25";
    show();
    EXPECT_EQ(ctl<QComboBox>(*setup, "cboDicFile")->count(), 2);
    EXPECT_EQ(ctl<QComboBox>(*setup, "cboDicFile")->itemText(0), QStringLiteral("nouns.txt"));
    EXPECT_EQ(ctl<QComboBox>(*setup, "cboDicFile")->currentText(), QStringLiteral("verbs.txt"));
    EXPECT_EQ(ctl<QButtonGroup>(*setup, "grpDicType")->button(1)->text(),
              QStringLiteral("動詞たち"));
    EXPECT_EQ(ctl<QButtonGroup>(*setup, "grpDicType")->checkedId(), 1);
    EXPECT_EQ(ctl<QLineEdit>(*setup, "txtVocNum")->text(), QStringLiteral("10"));
    EXPECT_EQ(ctl<QButtonGroup>(*setup, "grpQuestionType")->checkedId(), 1);
    EXPECT_TRUE(ctl<QCheckBox>(*setup, "chkSelectOn")->isChecked());
    EXPECT_EQ(ctl<QButtonGroup>(*setup, "grpSelectNum")->checkedId(), 2);
    EXPECT_EQ(host.choices, choicePlaceholders(5));
    EXPECT_EQ(countText(), QStringLiteral("25"));

    // A dictionary that is none of the four selects no word type.
    settings.dicTypes.defDicType_1 = dir.file("other/verb.txt");
    show();
    EXPECT_EQ(ctl<QButtonGroup>(*setup, "grpDicType")->checkedId(), -1);
    EXPECT_EQ(ctl<QComboBox>(*setup, "cboDicFile")->currentText(), QStringLiteral("verbs.txt"));
}

TEST_F(QuestionSetupTest, HistoryOptionsWaitForACompletedDrillAndAStopTakesTwoAway) {
    show();
    ctl<QCheckBox>(*setup, "chkOption")->click();
    ASSERT_TRUE(ctl<QGroupBox>(*setup, "gbOption")->isEnabled());
    for (QRadioButton* b :
         {ctl<QRadioButton>(*setup, "rbSameQuestion"), ctl<QRadioButton>(*setup, "rbErrorOnly"),
          ctl<QRadioButton>(*setup, "rbPrevQuestionOn"),
          ctl<QRadioButton>(*setup, "rbPrevErrorOn")})
        EXPECT_FALSE(b->isEnabled()) << b->text().toStdString();
    EXPECT_TRUE(ctl<QRadioButton>(*setup, "rbYesterdayOn")->isEnabled());
    EXPECT_TRUE(ctl<QRadioButton>(*setup, "rbNotRandom")->isEnabled());
    ctl<QRadioButton>(*setup, "rbSameQuestion")->click(); // cannot be chosen
    EXPECT_FALSE(setup->plan().modes.sameQuestions);

    ctl<QCheckBox>(*setup, "chkOption")->click();
    completeDrill(2);
    EXPECT_EQ(view.completed, 1);
    show();
    ctl<QCheckBox>(*setup, "chkOption")->click();
    for (QRadioButton* b :
         {ctl<QRadioButton>(*setup, "rbSameQuestion"), ctl<QRadioButton>(*setup, "rbErrorOnly"),
          ctl<QRadioButton>(*setup, "rbPrevQuestionOn"),
          ctl<QRadioButton>(*setup, "rbPrevErrorOn")})
        EXPECT_TRUE(b->isEnabled()) << b->text().toStdString();

    // A stopped drill: the option group is switched off, the last drill cannot be replayed.
    ctl<QRadioButton>(*setup, "rbNotRandom")->click();
    ASSERT_TRUE(ok());
    answerRight();
    drill->stop();
    EXPECT_FALSE(ctl<QCheckBox>(*setup, "chkOption")->isChecked());
    EXPECT_FALSE(ctl<QGroupBox>(*setup, "gbOption")->isEnabled());
    EXPECT_FALSE(drill->state().modes.notRandom);
    show();
    ctl<QCheckBox>(*setup, "chkOption")->click();
    EXPECT_FALSE(ctl<QRadioButton>(*setup, "rbSameQuestion")->isEnabled());
    EXPECT_FALSE(ctl<QRadioButton>(*setup, "rbErrorOnly")->isEnabled());
    EXPECT_TRUE(ctl<QRadioButton>(*setup, "rbPrevQuestionOn")->isEnabled());
    EXPECT_TRUE(ctl<QRadioButton>(*setup, "rbPrevErrorOn")->isEnabled());

    // The next completed drill offers them again.
    ctl<QCheckBox>(*setup, "chkOption")->click();
    completeDrill(1);
    show();
    ctl<QCheckBox>(*setup, "chkOption")->click();
    EXPECT_TRUE(ctl<QRadioButton>(*setup, "rbSameQuestion")->isEnabled());
    EXPECT_TRUE(ctl<QRadioButton>(*setup, "rbErrorOnly")->isEnabled());
}

TEST_F(QuestionSetupTest, ErrorsOfLastTimeLockACountOfThreeAndTheirDictionary) {
    useRandom({4, 1, 7, 2, 9});
    completeDrill(5, {1, 3, 5});
    ASSERT_EQ(drill->state().wrongCount, 3);
    // Meanwhile another dictionary was chosen.
    std::string nouns = numberedDictionary("nouns.txt", 4, "n");
    settings.files.DicInUse = nouns;
    show();
    ctl<QCheckBox>(*setup, "chkOption")->click();
    ctl<QRadioButton>(*setup, "rbErrorOnly")->click();
    EXPECT_TRUE(setup->plan().modes.lastErrors);
    EXPECT_EQ(countText(), QStringLiteral("3"));
    EXPECT_TRUE(countLocked());
    EXPECT_TRUE(dictionaryLocked());
    EXPECT_EQ(range(), QStringLiteral("出題数の設定範囲 ： 1～1000問"));
    // The misses are words of the last drill's dictionary, which comes back with them.
    EXPECT_EQ(settings.files.DicInUse, verbs);
    EXPECT_EQ(ctl<QComboBox>(*setup, "cboDicFile")->currentText(), QStringLiteral("verbs.txt"));
    EXPECT_EQ(host.dictionaryText, "verbs.txt");

    ctl<QRadioButton>(*setup, "rbSameQuestion")->click();
    EXPECT_FALSE(setup->plan().modes.lastErrors);
    EXPECT_TRUE(setup->plan().modes.sameQuestions);
    EXPECT_EQ(countText(), QStringLiteral("5"));
    EXPECT_TRUE(countLocked());

    // Another option frees the count and the dictionary again.
    ctl<QRadioButton>(*setup, "rbNotSameQuestion")->click();
    EXPECT_FALSE(countLocked());
    EXPECT_FALSE(dictionaryLocked());
}

TEST_F(QuestionSetupTest, YesterdaysMissesSetTheRangeAndTheCount) {
    show();
    count("7");
    ctl<QCheckBox>(*setup, "chkOption")->click();
    yesterdayMisses("25");
    ctl<QRadioButton>(*setup, "rbYesterdayOn")->click();
    EXPECT_TRUE(setup->plan().modes.yesterday);
    EXPECT_EQ(range(), QStringLiteral("出題数の設定範囲 ： 1～25問"));
    EXPECT_EQ(countText(), QStringLiteral("25"));
    EXPECT_EQ(setup->questionMaximum(), 25);
    EXPECT_EQ(ctl<ui::UpDown>(*setup, "udQuestionNum")->maximum(), 25);
    // The arrows and the arrow keys keep within the range.
    ctl<ui::UpDown>(*setup, "udQuestionNum")->stepUp();
    EXPECT_EQ(countText(), QStringLiteral("25"));
    QTest::keyClick(ctl<QLineEdit>(*setup, "txtQuestionNum"), Qt::Key_Down);
    EXPECT_EQ(countText(), QStringLiteral("24"));

    ctl<QRadioButton>(*setup, "rbNotSameQuestion")->click();
    EXPECT_EQ(range(), QStringLiteral("出題数の設定範囲 ： 1～1000問"));
    count("7");
    yesterdayMisses("1500");
    ctl<QRadioButton>(*setup, "rbYesterdayOn")->click();
    EXPECT_TRUE(setup->plan().modes.yesterday);
    EXPECT_EQ(range(), QStringLiteral("出題数の設定範囲 ： 1～1000問"));
    EXPECT_EQ(countText(), QStringLiteral("7"));

    yesterdayMisses("0");
    platform.answerNotice();
    ctl<QRadioButton>(*setup, "rbNotRandom")->click();
    ctl<QRadioButton>(*setup, "rbYesterdayOn")->click();
    auto notices = platform.callsOf(PlatformCall::Notice);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].text, QStringLiteral("昨日間違えた単語のデータがありません"));
    EXPECT_EQ(notices[0].caption, QStringLiteral("選択不可能"));
    EXPECT_EQ(notices[0].noticeKind, ui::kNoticeInformation);
    EXPECT_FALSE(ctl<QRadioButton>(*setup, "rbYesterdayOn")->isChecked());
    EXPECT_FALSE(setup->plan().modes.yesterday);
    EXPECT_FALSE(ctl<QRadioButton>(*setup, "rbNotRandom")->isChecked());
    EXPECT_FALSE(setup->plan().modes.notRandom);
}

TEST_F(QuestionSetupTest, UncheckingTheOptionGroupClearsEverySourceFlag) {
    DrillModes m = drill->modes();
    m.notRandom = true;
    m.notRandomContinue = true;
    drill->setModes(m);
    show();
    EXPECT_TRUE(ctl<QCheckBox>(*setup, "chkOption")->isChecked());
    EXPECT_TRUE(ctl<QRadioButton>(*setup, "rbNotRandom")->isChecked());
    EXPECT_TRUE(ctl<QCheckBox>(*setup, "chkNotRandomContinue")->isChecked());
    EXPECT_TRUE(ctl<QCheckBox>(*setup, "chkNotRandomContinue")->isEnabled());
    EXPECT_FALSE(ctl<QCheckBox>(*setup, "chkCustomQuestion")->isEnabled());

    ctl<QCheckBox>(*setup, "chkOption")->click();
    const DrillModes& chosen = setup->plan().modes;
    EXPECT_FALSE(chosen.notRandom);
    EXPECT_FALSE(chosen.notRandomContinue);
    EXPECT_FALSE(chosen.notSameQuestion || chosen.sameQuestions || chosen.lastErrors ||
                 chosen.earlierDrill || chosen.earlierErrors || chosen.yesterday || chosen.custom ||
                 chosen.importance);
    EXPECT_EQ(activeSource(chosen), QuestionSource::Random);
    EXPECT_FALSE(ctl<QRadioButton>(*setup, "rbNotRandom")->isChecked());
    EXPECT_FALSE(ctl<QCheckBox>(*setup, "chkNotRandomContinue")->isChecked());
    EXPECT_FALSE(ctl<QGroupBox>(*setup, "gbOption")->isEnabled());
    EXPECT_TRUE(ctl<QCheckBox>(*setup, "chkCustomQuestion")->isEnabled());
    EXPECT_FALSE(ctl<QCheckBox>(*setup, "chkImportantQuestion")->isEnabled()); // ImportantOn is 0

    // NotRandomContinue goes with any other option too.
    ctl<QCheckBox>(*setup, "chkOption")->click();
    ctl<QRadioButton>(*setup, "rbNotRandom")->click();
    ctl<QCheckBox>(*setup, "chkNotRandomContinue")->click();
    EXPECT_TRUE(chosen.notRandomContinue);
    ctl<QRadioButton>(*setup, "rbNotSameQuestion")->click();
    EXPECT_FALSE(chosen.notRandomContinue);
    EXPECT_FALSE(ctl<QCheckBox>(*setup, "chkNotRandomContinue")->isEnabled());
}

TEST_F(QuestionSetupTest, FourChoicesFillTheMainWindowsChoiceGroup) {
    show();
    EXPECT_TRUE(host.choices.empty());
    ctl<QCheckBox>(*setup, "chkSelectOn")->click();
    EXPECT_TRUE(ctl<QGroupBox>(*setup, "rgSelectNum")->isEnabled());
    EXPECT_EQ(ctl<QButtonGroup>(*setup, "grpSelectNum")->checkedId(), 0);
    EXPECT_EQ(host.choices, choicePlaceholders(3));
    ctl<QButtonGroup>(*setup, "grpSelectNum")->button(1)->click();
    EXPECT_EQ(host.choices,
              (std::vector<std::string>{sj("正解 １"), sj("正解 ２"), sj("正解 ３"), sj("正解 ４")}));

    count("3");
    ASSERT_TRUE(ok());
    EXPECT_TRUE(drill->state().choiceMode);
    EXPECT_EQ(drill->state().choiceKind, 1);
    EXPECT_EQ(host.answerType, 2);
    EXPECT_EQ(host.countText, "3");
    EXPECT_EQ(view.choices.size(), 4u);
    drill->stop();

    show();
    ctl<QCheckBox>(*setup, "chkSelectOn")->click();
    EXPECT_TRUE(host.choices.empty());
    EXPECT_FALSE(ctl<QGroupBox>(*setup, "rgSelectNum")->isEnabled());
    EXPECT_EQ(ctl<QButtonGroup>(*setup, "grpSelectNum")->checkedId(), -1);
}

TEST_F(QuestionSetupTest, MemorizeOnlyUnchecksAndDisablesTheChoices) {
    host.answerType = 1;
    show();
    ASSERT_TRUE(ctl<QCheckBox>(*setup, "chkSelectOn")->isChecked());
    ctl<QCheckBox>(*setup, "chkOnlyMemorize")->click();
    EXPECT_TRUE(setup->plan().modes.memorizeOnly);
    EXPECT_FALSE(ctl<QCheckBox>(*setup, "chkSelectOn")->isChecked());
    EXPECT_FALSE(ctl<QCheckBox>(*setup, "chkSelectOn")->isEnabled());
    EXPECT_TRUE(host.choices.empty());
    EXPECT_FALSE(ctl<QLineEdit>(*setup, "txtOnlyMemorizeTime")->isHidden());
    EXPECT_FALSE(ctl<QLabel>(*setup, "lblOnlyMemorizeTime")->isHidden());

    ctl<ui::UpDown>(*setup, "udOnlyMemorizeTime")->stepUp();
    EXPECT_EQ(ctl<QLineEdit>(*setup, "txtOnlyMemorizeTime")->text(), QStringLiteral("6"));
    count("2");
    ASSERT_TRUE(ok());
    EXPECT_EQ(drill->state().phase, DrillPhase::MemorizeAsking);
    EXPECT_EQ(drill->state().modes.memorizeSeconds, 6);
    EXPECT_FALSE(drill->state().choiceMode);
    EXPECT_EQ(host.answerType, 0);
    drill->stop();

    // Showing again starts without memorizing.
    show();
    EXPECT_FALSE(ctl<QCheckBox>(*setup, "chkOnlyMemorize")->isChecked());
    EXPECT_FALSE(setup->plan().modes.memorizeOnly);
    EXPECT_TRUE(ctl<QCheckBox>(*setup, "chkSelectOn")->isEnabled());
    EXPECT_TRUE(ctl<QLineEdit>(*setup, "txtOnlyMemorizeTime")->isHidden());
}

TEST_F(QuestionSetupTest, NotRandomIsStoredByOkAndRestoredAfterARestart) {
    show();
    ctl<QCheckBox>(*setup, "chkOption")->click();
    ctl<QRadioButton>(*setup, "rbNotRandom")->click();
    count("2");
    ASSERT_TRUE(ok());
    IniFile stored(settings.setupIniPath());
    EXPECT_EQ(stored.read("QuestionSetup", "NotRandom", ""), "1");
    EXPECT_EQ(stored.read("QuestionSetup", "NotSameQuestion", ""), "0");
    EXPECT_EQ(stored.read("QuestionSetup", "NotRandomContinue", ""), "0");

    // The next program start: a new record, drill and dialog.
    TUserSettings again;
    again.ProgramFolder = settings.ProgramFolder;
    again.UserName = settings.UserName;
    LoadedSettings loaded = SettingsStore::load(again);
    quiet(again);
    again.files.DicInUse = verbs;
    test::RecordingDrillView otherView;
    Drill otherDrill(again, otherView);
    DrillModes order = otherDrill.modes();
    applyQuestionOrder(order, loaded.questionSetup);
    otherDrill.setModes(order);
    test::RecordingHost otherHost;
    TfrmQuestionSetup otherSetup(otherDrill, currentUserFiles(again), again.files, again.drill,
                                 again.dicTypes, otherHost);
    otherSetup.FormShow();
    EXPECT_TRUE(ctl<QCheckBox>(otherSetup, "chkOption")->isChecked());
    EXPECT_TRUE(ctl<QRadioButton>(otherSetup, "rbNotRandom")->isChecked());
    EXPECT_FALSE(ctl<QCheckBox>(otherSetup, "chkNotRandomContinue")->isChecked());
    EXPECT_TRUE(ctl<QCheckBox>(otherSetup, "chkNotRandomContinue")->isEnabled());
    EXPECT_TRUE(otherDrill.modes().notRandom);
}

TEST_F(QuestionSetupTest, DrillNumberThreeAfterTwoDrillsHasNoRecord) {
    useRandom({2, 5, 8});
    completeDrill(3, {2});
    std::string nouns = numberedDictionary("nouns.txt", 4, "n");
    settings.files.DicInUse = nouns;
    completeDrill(2);
    show();
    ctl<QCheckBox>(*setup, "chkOption")->click();
    ctl<QRadioButton>(*setup, "rbPrevQuestionOn")->click();
    EXPECT_TRUE(setup->plan().modes.earlierDrill);
    EXPECT_TRUE(ctl<QLabel>(*setup, "lblOptionNum")->isVisibleTo(setup.get()));
    EXPECT_TRUE(ctl<ui::UpDown>(*setup, "udOptionNum")->isEnabled());
    EXPECT_TRUE(dictionaryLocked());
    EXPECT_TRUE(countLocked());
    // Drill 1: three words of verbs.txt.
    EXPECT_EQ(ctl<QLineEdit>(*setup, "txtOptionNum")->text(), QStringLiteral("1"));
    EXPECT_EQ(ctl<QLineEdit>(*setup, "txtOptionNum")->toolTip(),
              QStringLiteral("★出題予定★\nw2\nw5\nw8"));
    EXPECT_EQ(countText(), QStringLiteral("3"));
    EXPECT_EQ(settings.files.DicInUse, verbs);
    EXPECT_EQ(setup->plan().modes.historySlot, 0);

    ctl<ui::UpDown>(*setup, "udOptionNum")->stepUp();
    EXPECT_EQ(countText(), QStringLiteral("2"));
    EXPECT_EQ(settings.files.DicInUse, nouns);
    EXPECT_EQ(setup->plan().modes.historySlot, 1);
    ctl<ui::UpDown>(*setup, "udOptionNum")->stepUp();
    EXPECT_EQ(ctl<QLineEdit>(*setup, "txtOptionNum")->text(), QStringLiteral("3"));
    EXPECT_EQ(ctl<QLineEdit>(*setup, "txtOptionNum")->toolTip(),
              QStringLiteral("▼記録データなし▼"));
    EXPECT_EQ(countText(), QStringLiteral("0"));
    EXPECT_EQ(settings.files.DicInUse, nouns);  // nothing to go back to

    platform.answerMessage();
    EXPECT_FALSE(ok());
    EXPECT_EQ(platform.boxTexts(), QStringList{QStringLiteral("出題数が未設定です")});
    EXPECT_FALSE(drill->running());

    // The errors of drill 1: one word.
    ctl<ui::UpDown>(*setup, "udOptionNum")->stepDown();
    ctl<ui::UpDown>(*setup, "udOptionNum")->stepDown();
    ctl<QRadioButton>(*setup, "rbPrevErrorOn")->click();
    EXPECT_EQ(ctl<QLineEdit>(*setup, "txtOptionNum")->toolTip(), QStringLiteral("★出題予定★\nw5"));
    EXPECT_EQ(countText(), QStringLiteral("1"));
    EXPECT_TRUE(setup->plan().modes.earlierErrors);
    EXPECT_FALSE(setup->plan().modes.earlierDrill);
}

TEST_F(QuestionSetupTest, ACountPastTheRangeOrNotANumberIsRefusedAtOk) {
    show();
    for (const char* bad : {"1001", "abc", "-2", "１０"}) {
        count(bad);
        platform.answerMessage();
        EXPECT_FALSE(ok()) << bad;
    }
    QStringList boxes = platform.boxTexts();
    ASSERT_EQ(boxes.size(), 4);
    EXPECT_EQ(boxes[0], QStringLiteral("出題数は、設定範囲 （1～1000問） の中で指定してください"));
    EXPECT_EQ(boxes[1], QStringLiteral("出題数は、半角の数字で指定してください （1～1000問）"));
    EXPECT_EQ(boxes[3], QStringLiteral("出題数は、半角の数字で指定してください （1～1000問）"));
    count("0");
    platform.answerMessage();
    EXPECT_FALSE(ok());
    EXPECT_EQ(platform.boxTexts().last(), QStringLiteral("出題数が未設定です"));
    EXPECT_FALSE(drill->running());

    // Within a smaller range: yesterday's 25 misses.
    ctl<QCheckBox>(*setup, "chkOption")->click();
    yesterdayMisses("25");
    ctl<QRadioButton>(*setup, "rbYesterdayOn")->click();
    count("26");
    platform.answerMessage();
    EXPECT_FALSE(ok());
    EXPECT_EQ(platform.boxTexts().last(),
              QStringLiteral("出題数は、設定範囲 （1～25問） の中で指定してください"));
    count("25");
    EXPECT_TRUE(ok());
    EXPECT_TRUE(drill->running());
}

TEST_F(QuestionSetupTest, ADictionaryWithoutWordsIsRefused) {
    std::string empty = dir.file("empty.txt");
    spit(empty, "");
    rememberDictionaryPath(settings.setupIniPath(), empty);
    settings.files.DicInUse = empty;
    show();
    EXPECT_EQ(ctl<QLineEdit>(*setup, "txtVocNum")->text(), QStringLiteral("0"));
    platform.answerNotice();
    EXPECT_FALSE(ok());
    auto notices = platform.callsOf(PlatformCall::Notice);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].text, QStringLiteral("指定された辞書には、単語が登録されていません"));
    EXPECT_EQ(notices[0].caption, QStringLiteral("エラー"));
    EXPECT_EQ(notices[0].noticeKind, ui::kNoticeWarning);
}

TEST_F(QuestionSetupTest, WordTypesComboOpenAndDroppedFilesChooseTheDictionary) {
    makeFolder(dir.file("dictionary"));
    writeLines(dir.file("dictionary/noun.txt"), {"a=b*c", "d=e*f", "g=h*i"});
    show();
    ctl<QButtonGroup>(*setup, "grpDicType")->button(0)->click();
    EXPECT_EQ(settings.files.DicInUse, dir.file("dictionary/noun.txt"));
    EXPECT_EQ(ctl<QLineEdit>(*setup, "txtVocNum")->text(), QStringLiteral("3"));
    EXPECT_EQ(ctl<QComboBox>(*setup, "cboDicFile")->currentText(), QStringLiteral("noun.txt"));
    EXPECT_EQ(host.dictionaryText, "noun.txt");
    EXPECT_EQ(rememberedDictionaryPath(settings.setupIniPath(), "noun.txt"),
              dir.file("dictionary/noun.txt"));

    // A name typed that was never used.
    ctl<QComboBox>(*setup, "cboDicFile")->setEditText(QStringLiteral("new.txt"));
    platform.answerNotice();
    takeTypedDictionaryName();
    auto notices = platform.callsOf(PlatformCall::Notice);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].text,
              QStringLiteral("初めて使用する辞書ファイルのようです。\n\n初めての辞書ファイルを使用する場合は、\n"
                             "１）\"OPEN\"ボタン\n２）ドラッグ＆ドロップ\nで指定しなおしてください。"));
    EXPECT_EQ(notices[0].caption, QStringLiteral("辞書の指定失敗"));
    EXPECT_EQ(notices[0].noticeKind, ui::kNoticeInformation);
    EXPECT_EQ(ctl<QLineEdit>(*setup, "txtVocNum")->text(), QStringLiteral("0"));
    EXPECT_EQ(ctl<QButtonGroup>(*setup, "grpDicType")->checkedId(), -1);
    EXPECT_EQ(settings.files.DicInUse, "");
    // OK cannot start on a dictionary that is not known.
    platform.answerNotice();
    EXPECT_FALSE(ok());
    EXPECT_EQ(platform.callsOf(PlatformCall::Notice).back().caption, QStringLiteral("辞書の指定失敗"));

    // A known name.
    ctl<QComboBox>(*setup, "cboDicFile")->setEditText(QStringLiteral("verbs.txt"));
    takeTypedDictionaryName();
    EXPECT_EQ(settings.files.DicInUse, verbs);
    EXPECT_EQ(ctl<QLineEdit>(*setup, "txtVocNum")->text(), QStringLiteral("10"));

    // O&PEN tests the file.
    std::string notes = dir.file("notes.txt");
    spit(notes, crlf({"no asterisk here"}));
    platform.answerOpenFile(QString::fromStdString(notes)).answerNotice();
    ctl<QPushButton>(*setup, "cmdSelectDicFile")->click();
    EXPECT_EQ(platform.callsOf(PlatformCall::Notice).back().text,
              QStringLiteral("選択されたファイルは、Qor Helper用辞書ファイルではありません"));
    EXPECT_EQ(settings.files.DicInUse, verbs);
    std::string picked = dir.file("picked.txt");
    writeLines(picked, {"x=y*z", "p=q*r"});
    platform.answerOpenFile(QString::fromStdString(picked));
    ctl<QPushButton>(*setup, "cmdSelectDicFile")->click();
    EXPECT_EQ(settings.files.DicInUse, picked);
    EXPECT_EQ(ctl<QLineEdit>(*setup, "txtVocNum")->text(), QStringLiteral("2"));
    EXPECT_EQ(ctl<QComboBox>(*setup, "cboDicFile")->currentText(), QStringLiteral("picked.txt"));
    EXPECT_EQ(rememberedDictionaryPath(settings.setupIniPath(), "picked.txt"), picked);

    // A dropped file: only the first one counts.
    setup->FormDropFiles({QUrl::fromLocalFile(QString::fromStdString(dir.file("dictionary/noun.txt"))),
                          QUrl::fromLocalFile(QString::fromStdString(picked))});
    EXPECT_EQ(settings.files.DicInUse, dir.file("dictionary/noun.txt"));
    EXPECT_EQ(ctl<QButtonGroup>(*setup, "grpDicType")->checkedId(), 0);
    EXPECT_EQ(ctl<QLineEdit>(*setup, "txtVocNum")->text(), QStringLiteral("3"));
}

// The dialog is kept for the whole run: after the learner changed user in the settings,
// it reads and writes the new user's files.
TEST_F(QuestionSetupTest, AfterAChangeOfUserTheNewUsersFilesAreReadAndWritten) {
    settings.drill.ImportantOn = true;
    show();
    const std::string taroIni = settings.setupIniPath();
    spit(settings.userFile("verbs_imp.dat"), crlf({"1_" + line(2)}));

    // Hanako has rated no word of verbs.txt: Taro's ratings are not hers.
    settings.UserName = "Hanako";
    makeFolder(settings.userFolder());
    show();
    platform.answerNotice();
    ctl<QCheckBox>(*setup, "chkImportantQuestion")->click();
    auto notices = platform.callsOf(PlatformCall::Notice);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].text,
              QStringLiteral("指定された辞書の単語には重要度が設定されていません"));
    EXPECT_FALSE(setup->plan().modes.importance);

    ctl<QCheckBox>(*setup, "chkOption")->click();
    ctl<QRadioButton>(*setup, "rbNotRandom")->click();
    count("2");
    ASSERT_TRUE(ok());
    EXPECT_EQ(IniFile(settings.setupIniPath()).read("QuestionSetup", "NotRandom", ""), "1");
    EXPECT_EQ(IniFile(taroIni).read("QuestionSetup", "NotRandom", "none"), "none");
}

TEST_F(QuestionSetupTest, ImportanceNeedsTheSettingAndARatingFile) {
    show();
    EXPECT_FALSE(ctl<QCheckBox>(*setup, "chkImportantQuestion")->isEnabled());
    settings.drill.ImportantOn = 1;
    show();
    ASSERT_TRUE(ctl<QCheckBox>(*setup, "chkImportantQuestion")->isEnabled());

    platform.answerNotice();
    ctl<QCheckBox>(*setup, "chkImportantQuestion")->click();
    auto notices = platform.callsOf(PlatformCall::Notice);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].text, QStringLiteral("指定された辞書の単語には重要度が設定されていません"));
    EXPECT_EQ(notices[0].caption, QStringLiteral("選択不可能"));
    EXPECT_EQ(notices[0].noticeKind, ui::kNoticeWarning);
    EXPECT_FALSE(ctl<QCheckBox>(*setup, "chkImportantQuestion")->isChecked());
    EXPECT_FALSE(setup->plan().modes.importance);
    EXPECT_TRUE(ctl<QCheckBox>(*setup, "chkCustomQuestion")->isEnabled());
    EXPECT_FALSE(ctl<QToolButton>(*setup, "cmd1")->isEnabled());

    spit(settings.userFile("verbs_imp.dat"), crlf({"2_" + line(3)}));
    ctl<QCheckBox>(*setup, "chkImportantQuestion")->click();
    EXPECT_TRUE(setup->plan().modes.importance);
    EXPECT_FALSE(ctl<QCheckBox>(*setup, "chkCustomQuestion")->isEnabled());
    EXPECT_TRUE(ctl<QCheckBox>(*setup, "chkNormalImportant")->isEnabled());
    for (QToolButton* b : levelButtons()) {
        EXPECT_TRUE(b->isEnabled());
        EXPECT_FALSE(b->autoRaise());  // a button frame, not a bare digit
    }
    ctl<QCheckBox>(*setup, "chkNormalImportant")->click();
    EXPECT_TRUE(setup->plan().modes.importanceFollowOn);

    // The option group excludes it; turning the group off offers it again.
    ctl<QCheckBox>(*setup, "chkOption")->click();
    EXPECT_FALSE(ctl<QCheckBox>(*setup, "chkImportantQuestion")->isChecked());
    EXPECT_FALSE(ctl<QCheckBox>(*setup, "chkImportantQuestion")->isEnabled());
    EXPECT_FALSE(setup->plan().modes.importance);
    EXPECT_FALSE(setup->plan().modes.importanceFollowOn);
    EXPECT_FALSE(ctl<QToolButton>(*setup, "cmd3")->isEnabled());
    EXPECT_FALSE(ctl<QToolButton>(*setup, "cmd3")->autoRaise());
    ctl<QCheckBox>(*setup, "chkOption")->click();
    EXPECT_TRUE(ctl<QCheckBox>(*setup, "chkImportantQuestion")->isEnabled());
}

TEST_F(QuestionSetupTest, CustomListOkWithNineAndWithTwelveTickedWords) {
    std::string big = numberedDictionary("big.txt", 15);
    settings.files.DicInUse = big;
    show();
    customDialogTicks({0, 1, 2, 3, 4, 5, 6, 7, 8});
    ctl<QCheckBox>(*setup, "chkCustomQuestion")->click();
    EXPECT_TRUE(ctl<QCheckBox>(*setup, "chkCustomQuestion")->isChecked());
    EXPECT_TRUE(setup->plan().modes.custom);
    EXPECT_EQ(setup->plan().customLines.size(), 9u);
    EXPECT_EQ(countText(), QStringLiteral("9"));
    EXPECT_EQ(range(), QStringLiteral("出題数の設定範囲 ： 1～9問"));
    EXPECT_EQ(ctl<QProgressBar>(*setup, "cgProgress")->value(), 0);

    ctl<QCheckBox>(*setup, "chkCustomQuestion")->click(); // off
    EXPECT_FALSE(setup->plan().modes.custom);
    EXPECT_EQ(range(), QStringLiteral("出題数の設定範囲 ： 1～1000問"));
    count("10");
    // Nine still ticked from before, three more.
    customDialogTicks({9, 10, 11});
    ctl<QCheckBox>(*setup, "chkCustomQuestion")->click();
    EXPECT_EQ(setup->plan().customLines.size(), 12u);
    EXPECT_EQ(countText(), QStringLiteral("10"));
    EXPECT_EQ(range(), QStringLiteral("出題数の設定範囲 ： 1～12問"));
    count("13");
    platform.answerMessage();
    EXPECT_FALSE(ok());
    count("12");
    EXPECT_TRUE(ok());
}

TEST_F(QuestionSetupTest, CustomListCancelKeepsTheDrillsListButUnticksTheOption) {
    show();
    customDialogTicks({2, 4});
    ctl<QCheckBox>(*setup, "chkCustomQuestion")->click();
    ASSERT_EQ(setup->plan().customLines, (std::vector<std::string>{line(2), line(4)}));
    ctl<QCheckBox>(*setup, "chkCustomQuestion")->click();

    customDialogTicks({6}, true);
    ctl<QCheckBox>(*setup, "chkCustomQuestion")->click();
    EXPECT_FALSE(ctl<QCheckBox>(*setup, "chkCustomQuestion")->isChecked());
    EXPECT_FALSE(setup->plan().modes.custom);
    EXPECT_EQ(setup->plan().customLines, (std::vector<std::string>{line(2), line(4)}));
    EXPECT_EQ(range(), QStringLiteral("出題数の設定範囲 ： 1～1000問"));

    // Reopening keeps the ticks of every opening, also the cancelled one.
    platform.answerModal([](QDialog& d) {
        auto& w = dynamic_cast<TfrmCustomQuestion&>(d);
        QAbstractItemModel* model = w.findChild<QTableView*>(QStringLiteral("lstData"))->model();
        std::vector<int> ticked;
        for (int r = 0; r < model->rowCount(); ++r) {
            if (model->data(model->index(r, 0), Qt::CheckStateRole).toInt() == Qt::Checked)
                ticked.push_back(r);
        }
        EXPECT_EQ(ticked, (std::vector<int>{2, 4, 6}));
        w.findChild<QPushButton*>(QStringLiteral("cmdOk"))->click();
        return w.result();
    });
    ctl<QCheckBox>(*setup, "chkCustomQuestion")->click();
    EXPECT_EQ(setup->plan().customLines.size(), 3u);
}

TEST_F(QuestionSetupTest, AnotherDictionaryDropsTheCustomListOfTheOldOne) {
    show();
    customDialogTicks({1});
    ctl<QCheckBox>(*setup, "chkCustomQuestion")->click();
    ASSERT_TRUE(setup->plan().modes.custom);
    numberedDictionary("nouns.txt", 3, "n");
    ctl<QComboBox>(*setup, "cboDicFile")->setEditText(QStringLiteral("nouns.txt"));
    takeTypedDictionaryName();
    EXPECT_FALSE(ctl<QCheckBox>(*setup, "chkCustomQuestion")->isChecked());
    EXPECT_FALSE(setup->plan().modes.custom);
    EXPECT_EQ(range(), QStringLiteral("出題数の設定範囲 ： 1～1000問"));
}

TEST_F(QuestionSetupTest, CancelClosesWithTheFlagsSetSoFar) {
    show();
    ctl<QCheckBox>(*setup, "chkOption")->click();
    ctl<QRadioButton>(*setup, "rbNotSameQuestion")->click();
    ctl<QPushButton>(*setup, "cmdCancel")->click();
    EXPECT_EQ(setup->result(), QDialog::Rejected);
    EXPECT_TRUE(drill->state().modes.notSameQuestion);
    EXPECT_FALSE(drill->running());
    EXPECT_FALSE(test::exists(settings.setupIniPath()) &&
                 IniFile(settings.setupIniPath()).hasSection("QuestionSetup"));
}

TEST_F(QuestionSetupTest, LoadingALongCustomListMovesTheGaugeOncePerPercentUpToTheLastLine) {
    settings.files.DicInUse = numberedDictionary("big.txt", 20000);
    show();
    QSignalSpy changes(ctl<QProgressBar>(*setup, "cgProgress"), &QProgressBar::valueChanged);
    customDialogTicks({0});
    ctl<QCheckBox>(*setup, "chkCustomQuestion")->click();
    EXPECT_EQ(setup->plan().customLines.size(), 1u);
    ASSERT_GE(changes.count(), 2);
    EXPECT_LE(changes.count(), 103);
    EXPECT_EQ(changes.at(changes.count() - 2).at(0).toInt(), 20000);
    EXPECT_EQ(changes.last().at(0).toInt(), 0);
}
