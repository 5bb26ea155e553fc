#include "records/GraphView.h"
#include "records/TfrmShowGraph.h"
#include "tests/records/WindowFixture.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "ui/RadioGroup.h"

using namespace qor;
using namespace qor::test;

namespace {

const std::array<int, 12> kDrills{57, 100, 5, 0, 45, 30, 65, 80, 20, 90, 10, 50};
const std::array<int, 12> kMonths{0, 0, 75, 0, 0, 0, 0, 0, 0, 0, 0, 0};

class ShowGraphWindowTest : public WindowFixture {
protected:
    ShowGraphWindowTest() {
        clock.set(DateTime{2001, 3, 14, 10, 0, 0});
        settings.files.DicInUse = dir.file("verbs.txt");
        std::vector<std::string> temp{"[verbs.txt]", "Check=1", "Count=2"};
        for (int i = 0; i < 12; ++i)
            temp.push_back(std::to_string(i + 1) + "=" + std::to_string(kDrills[static_cast<std::size_t>(i)]));
        temp.insert(temp.end(), {"[nouns.txt]", "1=100", "2=100"});
        writeLines(userFile("Temp.dat"), temp);
        writeLines(userFile("2001.dat"), {"[verbs.txt]", "Check=1", "3=4,3,75"});
    }

    static QImage picture(TfrmShowGraph& frm) {
        return frm.findChild<GraphView*>("imgGraph")->picture();
    }

    static QString legend(TfrmShowGraph& frm, const char* name) {
        return frm.findChild<QLabel*>(QString::fromLatin1(name))->text();
    }

    static void view(TfrmShowGraph& frm, const char* dictionary) {
        frm.findChild<QComboBox*>("cboDicFile")->setEditText(QString::fromLatin1(dictionary));
        frm.findChild<QPushButton*>("cmdView")->click();
    }

    // The colour at a point of the graph's own coordinates.
    static QColor at(const QImage& image, GraphPoint p) {
        const qreal dpr = image.devicePixelRatio();
        return image.pixelColor(static_cast<int>(p.x * dpr), static_cast<int>(p.y * dpr));
    }

    // Every point of the line and the middle of every segment carry its colour.
    static void expectLine(const QImage& image, const std::array<int, 12>& values,
                           const QColor& colour) {
        const auto points = GraphLine{0, values}.points();
        for (std::size_t i = 1; i < points.size(); ++i) {
            const GraphPoint end = points[i];
            const GraphPoint middle{(points[i - 1].x + end.x) / 2, (points[i - 1].y + end.y) / 2};
            EXPECT_EQ(at(image, end), colour) << "point " << i << " at " << end.x << "," << end.y;
            EXPECT_EQ(at(image, middle), colour) << "segment " << i << " at " << middle.x << "," << middle.y;
        }
    }
};

TEST_F(ShowGraphWindowTest, OpensOnThePerDrillGraphWithTheMarkerUnderTheLatestDrill) {
    TfrmShowGraph frm(UserFiles(settings), settings.files, 3);
    frm.FormShow();
    EXPECT_EQ(frm.windowTitle(), q("正解率のグラフ表示"));
    EXPECT_EQ(frm.findChild<QComboBox*>("cboDicFile")->currentText(), q("verbs.txt"));
    EXPECT_EQ(frm.findChild<QComboBox*>("cboYear")->currentText(), q("2001"));
    auto* type = frm.findChild<ui::RadioGroup*>("rgGraphType");
    EXPECT_EQ(type->items(), (QStringList{q("学習ごとの正解率"), q("毎月ごとの正解率")}));
    EXPECT_EQ(type->itemIndex(), 0);
    for (const char* name : {"lblOne", "lblTwo", "lblThree", "lblFour", "lblFive", "lblSix"})
        EXPECT_EQ(legend(frm, name), q(" ： ")) << name;

    const QImage image = picture(frm);
    EXPECT_EQ(image.size(), QSize(326, 199));
    const MarkerSpan marker = markerSpan(3);
    EXPECT_EQ(at(image, {marker.left, 179}), QColor(255, 0, 0));
    EXPECT_EQ(at(image, {marker.right, 179}), QColor(255, 0, 0));
    EXPECT_EQ(at(image, {(marker.left + marker.right) / 2, 179}), QColor(255, 0, 0));
    EXPECT_NE(at(image, {marker.left - 1, 179}), QColor(255, 0, 0));
    EXPECT_NE(at(image, {marker.right + 1, 179}), QColor(255, 0, 0));
    EXPECT_NE(at(image, {markerSpan(2).left, 179}), QColor(255, 0, 0));
    // Nothing drawn yet where a line would be.
    EXPECT_EQ(at(image, graphPoint(1, 57)), QColor(Qt::white));

    // No drill in this run: nothing marked.
    TfrmShowGraph none(UserFiles(settings), settings.files, 0);
    none.FormShow();
    const QImage plain = picture(none);
    for (int position = 1; position <= 12; ++position)
        EXPECT_NE(at(plain, {markerSpan(position).left, 179}), QColor(255, 0, 0)) << position;
}

TEST_F(ShowGraphWindowTest, AViewDrawsTwelveSegmentsFromTheOriginInTheViewsColour) {
    TfrmShowGraph frm(UserFiles(settings), settings.files, 2);
    frm.FormShow();
    view(frm, "verbs.txt");
    EXPECT_EQ(legend(frm, "lblOne"), q(" : verbs"));
    EXPECT_EQ(legend(frm, "lblTwo"), q(" ： "));
    QImage image = picture(frm);
    EXPECT_EQ(at(image, kGraphOrigin), graphColour(0));
    expectLine(image, kDrills, graphColour(0));

    // The second view is blue and leaves the first line where it does not cross it.
    view(frm, "nouns.txt");
    EXPECT_EQ(legend(frm, "lblTwo"), q(" : nouns"));
    image = picture(frm);
    EXPECT_EQ(at(image, graphPoint(1, 100)), graphColour(1));
    EXPECT_EQ(at(image, graphPoint(3, 0)), graphColour(1));
    EXPECT_EQ(at(image, graphPoint(8, 80)), graphColour(0));
    EXPECT_EQ(at(image, graphPoint(10, 90)), graphColour(0));
}

TEST_F(ShowGraphWindowTest, ThePerMonthGraphMarksThisMonthAndNamesTheYear) {
    TfrmShowGraph frm(UserFiles(settings), settings.files, 2);
    frm.FormShow();
    view(frm, "verbs.txt");
    auto* type = frm.findChild<ui::RadioGroup*>("rgGraphType");
    type->button(1)->click();
    // The lines and labels are gone; March is marked.
    QImage image = picture(frm);
    EXPECT_EQ(at(image, graphPoint(1, 57)), QColor(Qt::white));
    EXPECT_EQ(legend(frm, "lblOne"), q(" ： "));
    EXPECT_EQ(at(image, {markerSpan(3).left, 179}), QColor(255, 0, 0));
    EXPECT_NE(at(image, {markerSpan(2).left, 179}), QColor(255, 0, 0));

    view(frm, "verbs.txt");
    EXPECT_EQ(legend(frm, "lblOne"), q(" : verbs-2001"));
    expectLine(picture(frm), kMonths, graphColour(0));

    // A click on the type already shown keeps the lines.
    type->button(1)->click();
    EXPECT_EQ(legend(frm, "lblOne"), q(" : verbs-2001"));
}

TEST_F(ShowGraphWindowTest, SevenViewsUseTheSixColoursAndTheSeventhReplacesTheFirstLabel) {
    TfrmShowGraph frm(UserFiles(settings), settings.files, 2);
    frm.FormShow();
    const char* labels[] = {"lblOne", "lblTwo", "lblThree", "lblFour", "lblFive", "lblSix"};
    for (int i = 0; i < 6; ++i) {
        view(frm, "verbs.txt");
        // Each view paints the whole line over the one before in its own colour.
        expectLine(picture(frm), kDrills, graphColour(i));
        EXPECT_EQ(legend(frm, labels[i]), q(" : verbs"));
    }
    EXPECT_EQ(graphColour(0), QColor(Qt::black));
    EXPECT_EQ(graphColour(1), QColor(Qt::blue));
    EXPECT_EQ(graphColour(2), QColor(Qt::red));
    EXPECT_EQ(graphColour(5), QColor(128, 0, 128));
    view(frm, "nouns.txt");
    EXPECT_EQ(legend(frm, "lblOne"), q(" : nouns"));
    EXPECT_EQ(legend(frm, "lblTwo"), q(" : verbs"));
    EXPECT_EQ(at(picture(frm), graphPoint(1, 100)), graphColour(0));
}

TEST_F(ShowGraphWindowTest, OnAHighDensityScreenTheSameCoordinatesGetTwiceThePixels) {
    TfrmShowGraph frm(UserFiles(settings), settings.files, 3);
    frm.FormShow();
    view(frm, "verbs.txt");
    const QImage image = renderGraph(frm.graph(), 2.0);
    EXPECT_EQ(image.size(), QSize(652, 398));
    EXPECT_EQ(image.deviceIndependentSize(), QSizeF(326, 199));
    expectLine(image, kDrills, graphColour(0));
    EXPECT_EQ(at(image, {markerSpan(3).left, 179}), QColor(255, 0, 0));
}

TEST_F(ShowGraphWindowTest, ARecordFileThatCannotBeReadIsReportedAndDrawsNothing) {
    TfrmShowGraph frm(UserFiles(settings), settings.files, 2);
    frm.FormShow();
    frm.findChild<ui::RadioGroup*>("rgGraphType")->button(1)->click();
    ASSERT_TRUE(makeFolder(userFile("2000.dat")));
    frm.findChild<QComboBox*>("cboYear")->setCurrentText(q("2000"));
    platform.answerNotice();
    view(frm, "verbs.txt");
    ASSERT_EQ(platform.boxTexts().size(), 1);
    EXPECT_TRUE(platform.boxTexts()[0].startsWith(QString::fromStdString(userFile("2000.dat"))));
    EXPECT_EQ(legend(frm, "lblOne"), q(" ： "));
    EXPECT_EQ(at(picture(frm), graphPoint(3, 75)), QColor(Qt::white));
}

} // namespace

TEST_F(ShowGraphWindowTest, AScreenReaderReadsTheLegendsLines) {
    TfrmShowGraph frm(UserFiles(settings), settings.files, 2);
    frm.FormShow();
    view(frm, "verbs.txt");
    auto* one = frm.findChild<QLabel*>("lblOne");
    ASSERT_NE(one, nullptr);
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(one);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->text(QAccessible::Name), q(" : verbs"));
    EXPECT_EQ(a->text(QAccessible::Description), q("凡例 1"));
}
