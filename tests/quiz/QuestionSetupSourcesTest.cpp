// Every question source started from the question setup dialog: the first three
// questions asked.

#include "base/IniFile.h"
#include "records/RecordFiles.h"
#include "tests/quiz/QuestionSetupFixture.h"
#include "tools/TfrmCustomQuestion.h"
#include "ui/UpDown.h"

#include <QAbstractItemModel>
#include <QRadioButton>
#include <QTableView>
#include <QToolButton>

using namespace qor;
using qor::test::crlf;
using qor::test::spit;

namespace {

class QuestionSetupSourcesTest : public test::QuestionSetupFixture {};

using Words = std::vector<std::string>;

} // namespace

TEST_F(QuestionSetupSourcesTest, PlainRandom) {
    useRandom({4, 9, 2});
    show();
    count("5");
    ASSERT_TRUE(ok());
    EXPECT_EQ(firstThree(), (Words{"w4", "w9", "w2"}));
}

TEST_F(QuestionSetupSourcesTest, TheLastDrillAgainItsErrorsAndAnEarlierDrill) {
    useRandom({6, 1, 8, 3});
    completeDrill(4, {2, 4});  // asks w6 w1 w8 w3, misses w1 and w3
    useRandom({5, 2, 7});
    completeDrill(3);          // asks w5 w2 w7

    // The last drill again.
    show();
    ctl<QCheckBox>(*setup, "chkOption")->click();
    ctl<QRadioButton>(*setup, "rbSameQuestion")->click();
    ASSERT_TRUE(ok());
    EXPECT_EQ(firstThree(), (Words{"w5", "w2", "w7"}));
    drill->stop();

    // Drill number 1 of this run and its errors.
    completeDrill(3);
    show();
    ctl<QCheckBox>(*setup, "chkOption")->click();
    ctl<QRadioButton>(*setup, "rbPrevQuestionOn")->click();
    ASSERT_EQ(ctl<QLineEdit>(*setup, "txtOptionNum")->text(), QStringLiteral("1"));
    ASSERT_TRUE(ok());
    EXPECT_EQ(firstThree(), (Words{"w6", "w1", "w8"}));
    drill->stop();

    show();
    ctl<QCheckBox>(*setup, "chkOption")->click();
    ctl<QRadioButton>(*setup, "rbPrevErrorOn")->click();
    EXPECT_EQ(ctl<QLineEdit>(*setup, "txtQuestionNum")->text(), QStringLiteral("2"));
    ASSERT_TRUE(ok());
    EXPECT_EQ(drill->state().entry.english, "w1");
    answerRight();
    EXPECT_EQ(drill->state().entry.english, "w3");
}

TEST_F(QuestionSetupSourcesTest, TheErrorsOfTheLastDrill) {
    useRandom({6, 1, 8, 3, 5});
    completeDrill(5, {1, 2, 4});  // misses w6, w1, w3
    show();
    ctl<QCheckBox>(*setup, "chkOption")->click();
    ctl<QRadioButton>(*setup, "rbErrorOnly")->click();
    ASSERT_TRUE(ok());
    EXPECT_EQ(firstThree(), (Words{"w6", "w1", "w3"}));
}

TEST_F(QuestionSetupSourcesTest, YesterdaysMisses) {
    IniFile daily(dailyRecordPath(settings.userFolder(), "20013", "verbs"));
    daily.write("Error", "YesterdayNum", "3");
    daily.write("Error", "Yesterday", "7,2,5");
    ASSERT_TRUE(daily.save());
    show();
    ctl<QCheckBox>(*setup, "chkOption")->click();
    ctl<QRadioButton>(*setup, "rbYesterdayOn")->click();
    ASSERT_EQ(ctl<QLineEdit>(*setup, "txtQuestionNum")->text(), QStringLiteral("3"));
    ASSERT_TRUE(ok());
    EXPECT_EQ(firstThree(), (Words{"w7", "w2", "w5"}));
}

TEST_F(QuestionSetupSourcesTest, NoRepeats) {
    // The shuffle draws 3 of 10, 0 of 9, 7 of 8, ...
    useRandom({3, 0, 7});
    show();
    ctl<QCheckBox>(*setup, "chkOption")->click();
    ctl<QRadioButton>(*setup, "rbNotSameQuestion")->click();
    count("10");
    ASSERT_TRUE(ok());
    EXPECT_EQ(firstThree(), (Words{"w3", "w0", "w9"}));
}

TEST_F(QuestionSetupSourcesTest, DictionaryOrderFromWhereTheLastDrillStopped) {
    IniFile::writeOne(settings.setupIniPath(), "NotRandomCount", "verbs.txt", "8");
    show();
    ctl<QCheckBox>(*setup, "chkOption")->click();
    ctl<QRadioButton>(*setup, "rbNotRandom")->click();
    ctl<QCheckBox>(*setup, "chkNotRandomContinue")->click();
    count("4");
    ASSERT_TRUE(ok());
    EXPECT_EQ(firstThree(), (Words{"w8", "w9", "w0"}));
    IniFile stored(settings.setupIniPath());
    EXPECT_EQ(stored.read("QuestionSetup", "NotRandomContinue", ""), "1");
}

TEST_F(QuestionSetupSourcesTest, TheCustomList) {
    platform.answerModal([](QDialog& d) {
        auto& w = dynamic_cast<TfrmCustomQuestion&>(d);
        QAbstractItemModel* model = w.findChild<QTableView*>(QStringLiteral("lstData"))->model();
        for (int r : {6, 1, 4})
            model->setData(model->index(r, 0), Qt::Checked, Qt::CheckStateRole);
        w.findChild<QPushButton*>(QStringLiteral("cmdOk"))->click();
        return w.result();
    });
    show();
    ctl<QCheckBox>(*setup, "chkCustomQuestion")->click();
    ASSERT_EQ(ctl<QLineEdit>(*setup, "txtQuestionNum")->text(), QStringLiteral("3"));
    // After the first line, a random line other than the last one.
    useRandom({2, 0});
    ASSERT_TRUE(ok());
    EXPECT_EQ(firstThree(), (Words{"w1", "w6", "w1"}));
}

TEST_F(QuestionSetupSourcesTest, ChosenImportanceLevels) {
    settings.drill.ImportantOn = true;
    spit(settings.userFile("verbs_imp.dat"),
         crlf({"1_" + line(1), "2_" + line(3), "2_" + line(5), "3_" + line(7)}));
    show();
    ctl<QCheckBox>(*setup, "chkImportantQuestion")->click();
    ctl<QToolButton>(*setup, "cmd2")->click();
    count("3");
    useRandom({1});  // the two words of level 2 in the order w5, w3
    ASSERT_TRUE(ok());
    EXPECT_EQ(drill->state().modes.levels, (std::array<bool, 5>{false, true, false, false, false}));
    // Without the follow-on option the list starts again.
    EXPECT_EQ(firstThree(), (Words{"w5", "w3", "w5"}));
}

TEST_F(QuestionSetupSourcesTest, NoWordOfTheChosenLevelsKeepsTheDialogOpen) {
    settings.drill.ImportantOn = true;
    spit(settings.userFile("verbs_imp.dat"), crlf({"1_" + line(1)}));
    show();
    ctl<QCheckBox>(*setup, "chkImportantQuestion")->click();
    ctl<QToolButton>(*setup, "cmd5")->click();
    EXPECT_FALSE(ok());
    ASSERT_EQ(view.boxes.size(), 1u);
    EXPECT_EQ(view.boxes[0].text, sj("指定された重要度の単語がありません"));
    EXPECT_FALSE(drill->running());
}
