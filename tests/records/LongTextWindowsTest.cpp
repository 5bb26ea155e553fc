// Words of a million letters in the windows of the records: each box and list cell gets at
// most the display cap, and the whole word stays in reach.

#include "records/TfrmShowError.h"
#include "records/TfrmShowErrorNum.h"
#include "records/TfrmShowPercent.h"
#include "tests/records/WindowFixture.h"
#include "tests/support/Controls.h"
#include "ui/ShownText.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeView>
#include <QTreeWidget>

using namespace qor;
using namespace qor::test;

namespace {

class LongTextWindowsTest : public WindowFixture {
protected:
    const std::string word = std::string(1000000, 'w');
    const std::string meaning = [] {
        std::string s;
        for (int i = 0; i < 1000000; ++i) s += sj("意");
        return s;
    }();
};

qsizetype drawn(const QLabel* label) {
    return label->text().size() - label->text().count(QChar(0x200B));
}

} // namespace

TEST_F(LongTextWindowsTest, TheReviewOfMissesCutsItsCellsAndItsComment) {
    ErrorReviewInput in;
    in.missedLines = {word + "=" + meaning + "*" + word};
    in.wrongCount = 1;
    in.dictionaryName = "verbs";
    in.today = DateTexts::of(programClock().now());
    TfrmShowError frm(in, ErrorReviewSettings(settings));
    QTreeWidgetItem* row = ctl<QTreeWidget>(frm, "lstError")->topLevelItem(0);
    ASSERT_NE(row, nullptr);
    EXPECT_LE(row->text(0).size(), ui::kShownTextMax);
    EXPECT_LE(row->text(1).size(), ui::kShownTextMax);
    EXPECT_TRUE(row->toolTip(0).contains(QStringLiteral("1000000")));
    ctl<QTreeWidget>(frm, "lstError")->setCurrentItem(row);
    EXPECT_LE(ctl<QPlainTextEdit>(frm, "moComment")->toPlainText().size(), ui::kShownTextMax);
    EXPECT_EQ(ui::wholeText(ctl<QPlainTextEdit>(frm, "moComment")).size(), 1000000);
}

TEST_F(LongTextWindowsTest, TheMostMissedWordsShowAShortLineEach) {
    settings.files.DicInUse = dir.file("verbs.txt");
    spit(settings.setupIniPath(), crlf({"[Dictionary]", "DicNum=1", "1=verbs.txt"}));
    spit(userFile("error5.cun"),
         crlf({"[verbs.txt]", "Error1=" + word + "_" + meaning, "Num1=3"}));
    TfrmShowErrorNum frm(UserFiles(settings), settings.files, settings.look);
    frm.show();
    auto* english = frm.findChild<QLabel*>(QStringLiteral("lblEnglish_1"));
    auto* japanese = frm.findChild<QLabel*>(QStringLiteral("lblJapanese_1"));
    ASSERT_TRUE(english && japanese);
    EXPECT_LE(drawn(english), ui::kShownLineMax);
    EXPECT_LE(drawn(japanese), ui::kShownLineMax);
    EXPECT_EQ(ui::wholeText(english).size(), 1000000);
    EXPECT_LT(frm.width(), 1200);
    EXPECT_LT(frm.height(), 1200);
}

TEST_F(LongTextWindowsTest, ThePercentListCutsItsWordCells) {
    clock.set(DateTime{2001, 3, 14, 10, 0, 0});
    const std::string dictionary = dir.file("verbs.txt");
    writeLines(dictionary, {word + "=" + meaning + "*x", sj("see=見る*y")});
    spit(settings.setupIniPath(), crlf({"[Dictionary]", "DicNum=1", "1=verbs.txt", "",
                                        "[Dictionary Path]", "verbs.txt=" + dictionary}));
    settings.files.DicInUse = dictionary;
    spit(userFile("2001_verbs.dat"),
         crlf({"[" + sj("問題=出題総数,正解総数,正解率％") + "]", "COUNT=2",
               word + "_" + meaning + "=5,4,80", sj("see_見る=2,2,100")}));
    TfrmShowPercent frm(UserFiles(settings), settings.files);
    frm.FormShow();
    frm.findChild<QRadioButton*>(QStringLiteral("rbByPercent"))->click();
    frm.findChild<QLineEdit*>(QStringLiteral("txtValue"))->setText(QStringLiteral("80"));
    frm.findChild<QPushButton*>(QStringLiteral("cmdView"))->click();
    auto* list = frm.findChild<QTreeView*>(QStringLiteral("lstData"));
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->model()->rowCount(), 2);
    for (int c = 0; c < 2; ++c) {
        const QModelIndex cell = list->model()->index(0, c);
        EXPECT_LE(cell.data().toString().size(), ui::kShownTextMax) << c;
        EXPECT_LE(cell.data(Qt::ToolTipRole).toString().size(), 200) << c;
    }
}
