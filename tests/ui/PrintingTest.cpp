#include "ui/PagePlan.h"
#include "ui/PdfCharacters.h"
#include "ui/Printing.h"

#include "tests/support/PdfText.h"
#include "tests/support/TempDir.h"

#include <QPrinter>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>
#include <gtest/gtest.h>

using namespace qor::test;
using ui::PrintBlock;

namespace {

// Lines of height 10, from the top: each entry is a group number, -1 for a blank line.
std::vector<PrintBlock> lines(std::initializer_list<int> groups) {
    std::vector<PrintBlock> out;
    double top = 0;
    for (int g : groups) {
        out.push_back({top, top + 10, g < 0 ? 0 : g, g < 0});
        top += 10;
    }
    return out;
}

TEST(PagePlanTest, AGroupThatDoesNotFitStartsTheNextPage) {
    // Three groups of three lines with a blank line after each; a page holds ten lines.
    auto blocks = lines({1, 1, 1, -1, 2, 2, 2, -1, 3, 3, 3, -1});
    EXPECT_EQ(ui::pageTops(blocks, 100), (std::vector<double>{0, 80}));
    EXPECT_EQ(ui::pageTops(blocks, 120), (std::vector<double>{0}));
    EXPECT_EQ(ui::pageTops({}, 100), (std::vector<double>{0}));
}

TEST(PagePlanTest, UngroupedLinesBreakBetweenLinesAndBlankLinesNeverStartAPage) {
    EXPECT_EQ(ui::pageTops(lines({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}), 95),
              (std::vector<double>{0, 90}));
    // Blank lines past the bottom of the first page: the second page begins with text.
    EXPECT_EQ(ui::pageTops(lines({1, 1, 1, 1, 1, 1, 1, 1, 1, -1, -1, 2, 2}), 100),
              (std::vector<double>{0, 110}));
}

TEST(PagePlanTest, AGroupTallerThanAPageBreaksAtItsLines) {
    auto blocks = lines({0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1});
    EXPECT_EQ(ui::pageTops(blocks, 100), (std::vector<double>{0, 100}));
    // One block taller than two pages is cut at the page height.
    EXPECT_EQ(ui::pageTops({{0, 250, 0, false}}, 100), (std::vector<double>{0, 100, 200}));
}

TEST(PrintingTest, LinesAndTheirGroupsBecomeBlocks) {
    QTextDocument doc;
    ui::setPlainLines(doc, {"Q1", "a", "", "Q2", "b", "", "end"}, {30, 160}, {1, 1, 0, 2, 2});
    ASSERT_EQ(doc.blockCount(), 7);
    std::vector<int> marks;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        marks.push_back(b.blockFormat().intProperty(ui::kKeepTogetherProperty));
    // Neighbouring groups differ, ungrouped lines have no mark.
    EXPECT_EQ(marks, (std::vector<int>{1, 1, 0, 2, 2, 0, 0}));
    EXPECT_EQ(doc.toPlainText(), QStringLiteral("Q1\na\n\nQ2\nb\n\nend"));

    std::vector<double> back = ui::tabStopsInPoints(doc);
    ASSERT_EQ(back.size(), 2u);
    EXPECT_NEAR(back[0], 30, 1e-9);
    EXPECT_NEAR(back[1], 160, 1e-9);
}

class PdfPrintTest : public ::testing::Test {
protected:
    TempDir dir;
    QTextDocument doc;

    // n questions of three lines and a blank line, in Japanese.
    void questions(int n) {
        QStringList text;
        std::vector<int> groups;
        for (int k = 1; k <= n; ++k) {
            text << QStringLiteral("問題 %1： りんご").arg(k) << QStringLiteral("\tア%1\tイ").arg(k)
                 << QStringLiteral("\tウ%1\tエ").arg(k) << QString();
            groups.insert(groups.end(), {k, k, k, 0});
        }
        ui::setPlainLines(doc, text, {30, 160}, groups);
        doc.setDefaultFont(QFont(QStringLiteral("IPAMincho"), 11));
    }

    ui::PrintOutcome print(const QString& path, int copies, std::vector<int>* announced = nullptr) {
        QPrinter printer(QPrinter::HighResolution);
        ui::setUpPrinter(printer, QStringLiteral("【Qor Helper】"));
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        return ui::printDocumentOn(printer, doc, copies, [&](int copy) {
            if (announced)
                announced->push_back(copy);
        });
    }
};

TEST_F(PdfPrintTest, ALongSheetFillsSeveralA4PagesWithoutSplittingAQuestion) {
    questions(200);
    const QString path = QString::fromStdString(dir.file("sheet.pdf"));
    ui::PrintOutcome outcome = print(path, 1);
    ASSERT_EQ(outcome.result, ui::PrintOutcome::Printed);
    EXPECT_EQ(outcome.target, path);
    EXPECT_EQ(outcome.copies, 1);

    const QStringList pages = pdfPages(path);
    ASSERT_GT(pages.size(), 1);
    EXPECT_TRUE(pdfInfo(path, QStringLiteral("Page size")).contains(QStringLiteral("A4")));
    EXPECT_EQ(pdfInfo(path, QStringLiteral("Title")), QStringLiteral("【Qor Helper】"));
    int seen = 0;
    for (const QString& page : pages) {
        // Every question that starts on a page ends there: its choice lines are on it.
        const auto starts = QRegularExpression(QStringLiteral("問題 (\\d+)：")).globalMatch(page);
        auto it = starts;
        while (it.hasNext()) {
            const QString k = it.next().captured(1);
            EXPECT_TRUE(page.contains(QStringLiteral("ア%1").arg(k))) << "question " << k.toStdString();
            EXPECT_TRUE(page.contains(QStringLiteral("ウ%1").arg(k))) << "question " << k.toStdString();
            ++seen;
        }
        // And nothing of a question stands before its number on the page.
        const QString first = page.trimmed().section(QLatin1Char('\n'), 0, 0);
        EXPECT_TRUE(first.startsWith(QStringLiteral("問題"))) << first.toStdString();
    }
    EXPECT_EQ(seen, 200);

    // The tab stops stand where the document set them: 30 and 160 points from the text's
    // left edge (the 20 mm margin).
    const double margin = 20 / 25.4 * 72;
    bool first = true, second = true;
    for (const PdfWord& w : pdfWords(path)) {
        if (w.text.startsWith(QStringLiteral("問題"))) {
            EXPECT_NEAR(w.left, margin, 0.5);
        }
        if (w.text.startsWith(QStringLiteral("ア")) || w.text.startsWith(QStringLiteral("ウ"))) {
            EXPECT_NEAR(w.left - margin, 30, 0.5) << w.text.toStdString();
            first = false;
        }
        if (w.text == QStringLiteral("イ") || w.text == QStringLiteral("エ")) {
            EXPECT_NEAR(w.left - margin, 160, 0.5);
            second = false;
        }
    }
    EXPECT_FALSE(first || second) << "no choice found";
}

TEST_F(PdfPrintTest, CopiesIntoAFileFollowOneAnotherAndAreAnnounced) {
    questions(3);
    const QString path = QString::fromStdString(dir.file("two.pdf"));
    std::vector<int> announced;
    ui::PrintOutcome outcome = print(path, 2, &announced);
    ASSERT_EQ(outcome.result, ui::PrintOutcome::Printed);
    EXPECT_EQ(outcome.copies, 2);
    EXPECT_EQ(announced, (std::vector<int>{1, 2}));
    const QStringList pages = pdfPages(path);
    ASSERT_EQ(pages.size(), 2);
    EXPECT_TRUE(pages[1].contains(QStringLiteral("問題 3： りんご")));
}

TEST_F(PdfPrintTest, AFileThatCannotBeWrittenIsAFailureWithItsReason) {
    questions(1);
    const QString path = QString::fromStdString(dir.file("no such folder/sheet.pdf"));
    ui::PrintOutcome outcome = print(path, 1);
    EXPECT_EQ(outcome.result, ui::PrintOutcome::Failed);
    EXPECT_EQ(outcome.target, path);
    EXPECT_FALSE(outcome.reason.isEmpty());
    EXPECT_EQ(outcome.copies, 0);
}

} // namespace

namespace {

// A ToUnicode map as the PDF writer makes it, in a file of two objects.
QByteArray pdfWithMap(const QByteArray& ranges) {
    return "%PDF-1.4\n7 0 obj\n<< /Type /Font /ToUnicode 15 0 R>>\nendobj\n"
           "15 0 obj\n<< /Length 99 >>\nstream\n"
           "begincmap\n3 beginbfrange\n" +
           ranges + "endbfrange\nendcmap\n\nendstream\nendobj\ntrailer\n";
}

} // namespace

TEST(PrintedCharactersTest, AGlyphSharedByAPairStandsForTheMemberTheTextHolds) {
    const QByteArray pdf = pdfWithMap("<0000> <0000> <0000>\n"
                                      "<0001> <0004> [<0061> <301C> <2014> <00A2> ]\n"
                                      "<0005> <0005> <301C>\n");
    const QString text = QString::fromUtf8("a～―￠");
    const QByteArray mended = ui::keepPrintedCharacters(pdf, text);
    EXPECT_EQ(mended.size(), pdf.size());
    EXPECT_TRUE(mended.contains("<0001> <0004> [<0061> <FF5E> <2015> <FFE0> ]\n"));
    EXPECT_TRUE(mended.contains("<0005> <0005> <FF5E>\n"));

    // Text that holds the JIS member itself, or neither, leaves the map alone.
    EXPECT_EQ(ui::keepPrintedCharacters(pdf, QString::fromUtf8("a〜～―￠¢—")), pdf);
    EXPECT_EQ(ui::keepPrintedCharacters(pdf, QStringLiteral("abc")), pdf);
}

TEST(PrintedCharactersTest, ARangeCountingUpAndACompressedMapStayAsTheyAre) {
    // <0001> to <000B> stand for U+3015 to U+301F, counted up: one of them cannot change.
    const QByteArray counted = pdfWithMap("<0001> <000B> <3015>\n");
    EXPECT_EQ(ui::keepPrintedCharacters(counted, QString::fromUtf8("～")), counted);
    QByteArray packed = pdfWithMap("<0005> <0005> <301C>\n");
    packed.replace("<< /Length 99 >>", "<< /Length 99 /Filter /FlateDecode >>");
    EXPECT_EQ(ui::keepPrintedCharacters(packed, QString::fromUtf8("～")), packed);
}

TEST(PrintedCharactersTest, APrintedPdfReadsBackAsItWasWritten) {
    TempDir dir;
    const QString path = QString::fromStdString(dir.file("wave.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    ui::setUpPrinter(printer, QStringLiteral("wave"));
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    QTextDocument doc;
    doc.setDefaultFont(QFont(QStringLiteral("IPAGothic"), 12));
    ui::setPlainLines(doc, {QString::fromUtf8("10時～12時"), QString::fromUtf8("￢A ￡3")}, {});
    ASSERT_EQ(ui::printDocumentOn(printer, doc, 1).result, ui::PrintOutcome::Printed);
    const QStringList pages = pdfPages(path);
    ASSERT_EQ(pages.size(), 1);
    EXPECT_TRUE(pages[0].contains(QString::fromUtf8("10時～12時"))) << pages[0].toStdString();
    EXPECT_TRUE(pages[0].contains(QString::fromUtf8("￢A ￡3"))) << pages[0].toStdString();
}
