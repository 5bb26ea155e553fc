#include "print/LinesView.h"

#include "base/Cp932.h"
#include "ui/Printing.h"

#include <QApplication>
#include <QClipboard>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

#include <gtest/gtest.h>

using namespace qor;

namespace {

std::vector<std::string> sjLines(std::initializer_list<const char*> lines) {
    std::vector<std::string> out;
    for (const char* line : lines)
        out.push_back(sj(line));
    return out;
}

class LinesViewTest : public ::testing::Test {
protected:
    LinesView view{QStringLiteral("一覧"), QFont(QStringLiteral("IPAGothic"), 10), nullptr};
    void SetUp() override {
        view.resize(300, 200);
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    }
};

TEST_F(LinesViewTest, CtrlCCopiesTheChosenLinesInTheirOrder) {
    view.showLines(sjLines({"1：\tone\t一", "2：\ttwo\t二", "3：\tthree\t三"}), {30, 100});
    QApplication::clipboard()->clear();
    view.selectionModel()->select(view.model()->index(2, 0), QItemSelectionModel::Select);
    view.selectionModel()->select(view.model()->index(0, 0), QItemSelectionModel::Select);
    view.setFocus();
    QTest::keyClick(&view, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QString::fromUtf8("1：\tone\t一\n3：\tthree\t三"));
}

TEST_F(LinesViewTest, TheWidestLineCanBeScrolledIntoView) {
    // The widest line is neither the first nor the longest in characters: full-width
    // characters take two columns.
    std::vector<std::string> lines = sjLines({"a\tb", "abcdefghijklmnopqrstuvwx"});
    lines.push_back(sj("あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほ"));
    for (int i = 0; i < 2000; ++i)
        lines.push_back("x");
    view.showLines(lines, {40});
    QApplication::processEvents();
    QFontMetrics metrics(view.font());
    const int widest = metrics.horizontalAdvance(QString::fromUtf8(
        "あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほ"));
    EXPECT_GE(view.horizontalScrollBar()->maximum() + view.viewport()->width(), widest);
    EXPECT_GT(view.horizontalScrollBar()->maximum(), 0);
    EXPECT_GT(view.verticalScrollBar()->maximum(), 0);
}

TEST_F(LinesViewTest, PartsStartAtTheTabStopsOnScreenAndOnPaper) {
    view.showLines(sjLines({"1：\tcat\t猫", "200：\tdog\t犬"}), {40, 120});
    const QList<QTextOption::Tab> pixels = ui::tabPositions({40, 120});
    for (int line : {0, 1}) {
        const QString text = view.lineText(line);
        const int first = static_cast<int>(text.indexOf(QLatin1Char('\t'))) + 1;
        const int second = static_cast<int>(text.indexOf(QLatin1Char('\t'), first)) + 1;
        EXPECT_NEAR(view.characterX(line, first) - view.characterX(line, 0), pixels[0].position, 0.5);
        EXPECT_NEAR(view.characterX(line, second) - view.characterX(line, 0), pixels[1].position, 0.5);
    }
    const QTextDocument& paper = view.document();
    EXPECT_EQ(paper.toPlainText(), view.text());
    EXPECT_EQ(ui::tabStopsInPoints(paper), (std::vector<double>{40, 120}));
}

TEST_F(LinesViewTest, ThePrintedDocumentFollowsNewLinesAndANewFont) {
    view.showLines(sjLines({"cat\t猫"}), {50});
    EXPECT_EQ(view.document().toPlainText(), QString::fromUtf8("cat\t猫"));
    view.setFont(QFont(QStringLiteral("IPAMincho"), 16));
    EXPECT_EQ(view.document().defaultFont().pointSize(), 16);
    view.showLines(sjLines({"dog\t犬", "fox\t狐"}), {50}, {1, 1});
    EXPECT_EQ(view.document().toPlainText(), QString::fromUtf8("dog\t犬\nfox\t狐"));
    EXPECT_EQ(view.document().begin().blockFormat().property(ui::kKeepTogetherProperty).toInt(), 1);
    view.clear();
    EXPECT_EQ(view.lineCount(), 0);
    EXPECT_TRUE(view.document().toPlainText().isEmpty());
}

TEST_F(LinesViewTest, ALineLongerThanAnyEntryIsCutOnScreenAndOnPaper) {
    view.showLines({std::string(5000, 'a')}, {});
    EXPECT_LT(view.lineText(0).size(), 2000);
    EXPECT_EQ(view.document().toPlainText(), view.lineText(0));
}

} // namespace
