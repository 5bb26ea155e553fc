#include "records/DailyRecord.h"
#include "records/TfrmShowError.h"
#include "tests/records/WindowFixture.h"
#include "tests/support/Controls.h"

#include <QAccessible>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

using namespace qor;
using namespace qor::test;

namespace {

class ShowErrorWindowTest : public WindowFixture {
protected:
    const std::string run = sj("run,dash=走る,急ぐ*よく使う");
    const std::string see = sj("see=見る*目で");

    ErrorReviewInput review(int direction = 0) {
        ErrorReviewInput in;
        in.missedLines = {run, see, sj("go=行く*not missed in this drill")};
        in.wrongCount = 2;
        in.direction = direction;
        in.dictionaryName = "verbs";
        in.today = DateTexts::of(programClock().now());
        return in;
    }

    // Misses `key` in the daily record of verbs.txt at the given day of August 1999.
    void miss(int day, const std::string& key, int number) {
        clock.set(DateTime{1999, 8, day, 10, 0, 0});
        DailyRecord record(settings.userFolder());
        ASSERT_TRUE(record.SaveData({"verbs.txt", "verbs"}, {number, key, {}},
                                    DateTexts::of(programClock().now())));
    }

    static QStringList column(const QTreeWidget* list, int c) {
        QStringList out;
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            out << list->topLevelItem(i)->text(c);
        return out;
    }

    static void clickRow(TfrmShowError& frm, int row) {
        ctl<QTreeWidget>(frm, "lstError")
            ->setCurrentItem(ctl<QTreeWidget>(frm, "lstError")->topLevelItem(row));
    }
};

TEST_F(ShowErrorWindowTest, ListsTheMissesOfTheDrillByDirection) {
    TfrmShowError frm(review(), ErrorReviewSettings(settings));
    EXPECT_EQ(frm.windowTitle(), q("あなたの間違えは、、、"));
    EXPECT_EQ(ctl<QLabel>(frm, "pnlHazureNum")->text(), q("あなたは、2問間違えました"));
    EXPECT_EQ(ctl<QTreeWidget>(frm, "lstError")->headerItem()->text(0), q("問題"));
    EXPECT_EQ(ctl<QTreeWidget>(frm, "lstError")->headerItem()->text(1), q("正解"));
    EXPECT_EQ(column(ctl<QTreeWidget>(frm, "lstError"), 0), (QStringList{q("run,dash"), q("see")}));
    EXPECT_EQ(column(ctl<QTreeWidget>(frm, "lstError"), 1),
              (QStringList{q("走る,急ぐ"), q("見る")}));
    EXPECT_TRUE(ctl<QPlainTextEdit>(frm, "moComment")->toPlainText().isEmpty());
    EXPECT_TRUE(ctl<QLabel>(frm, "pnlDayNum")->text().isEmpty());
    EXPECT_TRUE(ctl<QLabel>(frm, "pnlMonthNum")->text().isEmpty());
    EXPECT_EQ(ctl<QPushButton>(frm, "cmdClose")->text(), q("閉じる (&C)"));
    EXPECT_TRUE(ctl<QPushButton>(frm, "cmdClose")->isDefault());
    // The defaults: no vocabulary book, no voice.
    EXPECT_EQ(ctl<QPushButton>(frm, "cmdVocBook")->text(), q("単語帳に追加 (&A)"));
    EXPECT_FALSE(ctl<QPushButton>(frm, "cmdVocBook")->isEnabled());
    EXPECT_EQ(ctl<QPushButton>(frm, "cmdVoicePlay")->text(), q("再生 (&V)"));
    EXPECT_FALSE(ctl<QPushButton>(frm, "cmdVoicePlay")->isEnabled());

    TfrmShowError reversed(review(1), ErrorReviewSettings(settings));
    EXPECT_EQ(column(ctl<QTreeWidget>(reversed, "lstError"), 0),
              (QStringList{q("走る,急ぐ"), q("見る")}));
    EXPECT_EQ(column(ctl<QTreeWidget>(reversed, "lstError"), 1),
              (QStringList{q("run,dash"), q("see")}));
}

TEST_F(ShowErrorWindowTest, TenQuestionsWithTwoMissesShowTwoRows) {
    ErrorReviewInput in = review();
    in.missedLines.resize(10);  // the missed list keeps older lines behind the drill's
    TfrmShowError frm(in, ErrorReviewSettings(settings));
    EXPECT_EQ(ctl<QLabel>(frm, "pnlHazureNum")->text(), q("あなたは、2問間違えました"));
    EXPECT_EQ(ctl<QTreeWidget>(frm, "lstError")->topLevelItemCount(), 2);

    in.wrongCount = 0;
    TfrmShowError none(in, ErrorReviewSettings(settings));
    EXPECT_EQ(ctl<QLabel>(none, "pnlHazureNum")->text(), q("あなたは、0問間違えました"));
    EXPECT_EQ(ctl<QTreeWidget>(none, "lstError")->topLevelItemCount(), 0);
}

TEST_F(ShowErrorWindowTest, ARowShowsItsCommentAndTheWordsMissesTodayAndThisMonth) {
    const std::string runKey = sj("run,dash_走る,急ぐ");
    miss(8, runKey, 3);
    miss(9, runKey, 3);
    miss(9, runKey, 3);
    miss(9, sj("see_見る"), 7);
    clock.set(DateTime{1999, 8, 9, 18, 0, 0});

    // Japanese to English: the records still name the word English first.
    TfrmShowError frm(review(1), ErrorReviewSettings(settings));
    emit ctl<QTreeWidget>(frm, "lstError")
        ->itemSelectionChanged(); // nothing selected: nothing shown
    EXPECT_TRUE(ctl<QLabel>(frm, "pnlDayNum")->text().isEmpty());

    clickRow(frm, 0);
    EXPECT_EQ(ctl<QPlainTextEdit>(frm, "moComment")->toPlainText(), q("よく使う"));
    EXPECT_EQ(ctl<QLabel>(frm, "pnlDayNum")->text(), q("今日間違えた回数 ： 2回"));
    EXPECT_EQ(ctl<QLabel>(frm, "pnlMonthNum")->text(), q("今月間違えた回数 ： 3回"));

    clickRow(frm, 1);
    EXPECT_EQ(ctl<QPlainTextEdit>(frm, "moComment")->toPlainText(), q("目で"));
    EXPECT_EQ(ctl<QLabel>(frm, "pnlDayNum")->text(), q("今日間違えた回数 ： 1回"));
    EXPECT_EQ(ctl<QLabel>(frm, "pnlMonthNum")->text(), q("今月間違えた回数 ： 1回"));
}

TEST_F(ShowErrorWindowTest, AWordWithoutRecordsCountsZero) {
    TfrmShowError frm(review(), ErrorReviewSettings(settings));
    clickRow(frm, 1);
    EXPECT_EQ(ctl<QLabel>(frm, "pnlDayNum")->text(), q("今日間違えた回数 ： 0回"));
    EXPECT_EQ(ctl<QLabel>(frm, "pnlMonthNum")->text(), q("今月間違えた回数 ： 0回"));
}

TEST_F(ShowErrorWindowTest, TheVocabularyBookGetsEveryRowInDictionaryFormatOnce) {
    settings.files.VocBookOn = true;
    settings.files.VocBook = userFile("book.txt");
    spit(settings.files.VocBook, crlf({sj("old=古い*x")}));
    TfrmShowError frm(review(1), ErrorReviewSettings(settings));
    ASSERT_TRUE(ctl<QPushButton>(frm, "cmdVocBook")->isEnabled());
    ctl<QPushButton>(frm, "cmdVocBook")->click();
    EXPECT_FALSE(ctl<QPushButton>(frm, "cmdVocBook")->isEnabled());
    EXPECT_EQ(slurp(settings.files.VocBook), crlf({sj("old=古い*x"), run, see}));
    EXPECT_TRUE(platform.calls().empty());
}

TEST_F(ShowErrorWindowTest, AVocabularyBookThatCannotBeWrittenKeepsTheCommand) {
    settings.files.VocBookOn = true;
    settings.files.VocBook = userFile("book.txt");
    ASSERT_TRUE(makeFolder(settings.files.VocBook));
    platform.answerNotice();
    TfrmShowError frm(review(), ErrorReviewSettings(settings));
    ctl<QPushButton>(frm, "cmdVocBook")->click();
    ASSERT_EQ(platform.callsOf(PlatformCall::Notice).size(), 1u);
    EXPECT_TRUE(platform.callsOf(PlatformCall::Notice)[0].text.startsWith(
        QString::fromStdString(settings.files.VocBook)));
    EXPECT_TRUE(ctl<QPushButton>(frm, "cmdVocBook")->isEnabled());
}

TEST_F(ShowErrorWindowTest, VoicePlaysTheSelectedWordsEnglishPart) {
    settings.sound.VoiceOn = true;
    settings.sound.VoiceType = 0;
    settings.sound.HatsuonDir = dir.file("voice/");
    TfrmShowError frm(review(1), ErrorReviewSettings(settings));
    ASSERT_TRUE(ctl<QPushButton>(frm, "cmdVoicePlay")->isEnabled());
    ctl<QPushButton>(frm, "cmdVoicePlay")->click(); // no row selected
    EXPECT_TRUE(platform.calls().empty());
    clickRow(frm, 1);
    ctl<QPushButton>(frm, "cmdVoicePlay")->click();
    ASSERT_EQ(platform.callsOf(PlatformCall::Wave).size(), 1u);
    EXPECT_EQ(platform.callsOf(PlatformCall::Wave)[0].text,
              QString::fromStdString(dir.file("voice/see.wav")));

    settings.sound.VoiceType = 1;
    TfrmShowError companion(review(1), ErrorReviewSettings(settings));
    clickRow(companion, 0);
    ctl<QPushButton>(companion, "cmdVoicePlay")->click();
    EXPECT_EQ(platform.companionTexts(), QStringList{q("VEXA;run,dash")});
    EXPECT_EQ(platform.callsOf(PlatformCall::Wave).size(), 1u);
}

} // namespace

TEST_F(ShowErrorWindowTest, AScreenReaderReadsTheCountsOfTheWordChosen) {
    TfrmShowError frm(review(), ErrorReviewSettings(settings));
    clickRow(frm, 1);
    for (QLabel* panel : {ctl<QLabel>(frm, "pnlDayNum"), ctl<QLabel>(frm, "pnlMonthNum")}) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(panel);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->text(QAccessible::Name), panel->text());
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(ctl<QLabel>(frm, "pnlDayNum"))
                  ->text(QAccessible::Name),
              q("今日間違えた回数 ： 0回"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(ctl<QLabel>(frm, "pnlMonthNum"))
                  ->text(QAccessible::Description),
              q("今月間違えた回数"));
}
