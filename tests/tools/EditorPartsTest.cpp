// The parts the two editors share: the list and its chosen row, the entry fields, and the
// frame with its status line.

#include "tests/support/ScriptedPlatform.h"
#include "tests/tools/ToolWindowFixture.h"
#include "tools/EditorFrame.h"
#include "tools/EntryFields.h"
#include "tools/EntryRowsList.h"
#include "tools/EntryRowsTable.h"

#include <QDialog>
#include <QGridLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QTreeView>
#include <gtest/gtest.h>

#include <memory>

using namespace qor;
using qor::test::child;
using qor::test::ScriptedPlatform;

namespace {

constexpr std::array<int, 4> kWidths = {35, 100, 100, 100};

class EditorPartsTest : public ::testing::Test {
protected:
    ScriptedPlatform platform;
    QDialog window;
    EntryRows rows;
    std::vector<int> calls; // the rows the list said were chosen

    EditorPartsTest() { rows.assign({sj("run=走る*x"), sj("eat=食べる*y"), sj("go=行く*z")}); }

    std::unique_ptr<EntryRowsList> list(EntryRowsList::KeyChoice keys) {
        return std::make_unique<EntryRowsList>(
            &window, rows, kWidths, QStringLiteral("単語"), keys,
            [this](const QModelIndex& index) { calls.push_back(index.row()); });
    }
    static void makeCurrent(EntryRowsList& l, int row, QItemSelectionModel::SelectionFlags how) {
        l.view()->selectionModel()->setCurrentIndex(l.table()->index(row, 0), how);
    }
};

} // namespace

TEST_F(EditorPartsTest, ANewCurrentRowIsChosenUnderTheCurrentRowRule) {
    auto l = list(EntryRowsList::KeyChoice::CurrentRow);
    EXPECT_EQ(l->view()->objectName(), QStringLiteral("lstData"));
    EXPECT_EQ(l->chosen(), -1);
    makeCurrent(*l, 2, QItemSelectionModel::NoUpdate);
    EXPECT_EQ(calls, std::vector<int>{2});
}

TEST_F(EditorPartsTest, OnlyASelectionOfOneRowIsChosenUnderTheSelectionRule) {
    auto l = list(EntryRowsList::KeyChoice::OneSelectedRow);
    makeCurrent(*l, 1, QItemSelectionModel::NoUpdate);
    EXPECT_TRUE(calls.empty());
    makeCurrent(*l, 1, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    EXPECT_EQ(calls, std::vector<int>{1});
}

TEST_F(EditorPartsTest, TheWindowsOwnSelectionChangesChooseWithoutACall) {
    for (auto keys :
         {EntryRowsList::KeyChoice::CurrentRow, EntryRowsList::KeyChoice::OneSelectedRow}) {
        calls.clear();
        auto l = list(keys);
        l->select(2);
        EXPECT_EQ(l->chosen(), 2);
        EXPECT_EQ(l->view()->currentIndex().row(), 2);
        EXPECT_EQ(l->view()->selectionModel()->selectedRows().size(), 1);

        std::vector<int> removed;
        l->removeChosen([&](int row) {
            removed.push_back(row);
            rows.remove(row);
        });
        EXPECT_EQ(removed, std::vector<int>{2});
        EXPECT_EQ(l->table()->rowCount(), 2);
        EXPECT_EQ(l->chosen(), -1);
        EXPECT_FALSE(l->hasChosen());

        l->select(1);
        l->clearChoice();
        EXPECT_EQ(l->chosen(), -1);
        EXPECT_TRUE(l->view()->selectionModel()->selectedRows().isEmpty());
        EXPECT_TRUE(calls.empty()) << static_cast<int>(keys);
        l->table()->reset([&] {
            rows.assign({sj("run=走る*x"), sj("eat=食べる*y"), sj("go=行く*z")});
        });
    }
}

TEST_F(EditorPartsTest, ChoosingGivesTheRowsPartsAndIgnoresARowThatIsNotThere) {
    auto l = list(EntryRowsList::KeyChoice::CurrentRow);
    std::optional<WordEntry> parts = l->choose(l->table()->index(1, 0));
    ASSERT_TRUE(parts);
    EXPECT_EQ(parts->english, "eat");
    EXPECT_EQ(parts->comment, "y");
    EXPECT_EQ(l->chosen(), 1);
    EXPECT_FALSE(l->choose(QModelIndex()));
    EXPECT_EQ(l->chosen(), 1);
}

TEST_F(EditorPartsTest, TheListLetsGoOfTheRowsWhenItGoes) {
    auto l = list(EntryRowsList::KeyChoice::CurrentRow);
    QTreeView* view = l->view();
    ASSERT_EQ(view->model(), l->table());
    l.reset();
    // The view belongs to the window and outlives the part; it no longer reads the rows.
    EXPECT_EQ(view->model(), nullptr);
}

TEST_F(EditorPartsTest, TheEntryFieldsShowClearAndGiveBackTheTypedEntry) {
    EntryFields fields(&window);
    auto* grid = new QGridLayout;
    EXPECT_EQ(fields.addTo(grid, 2), 5);
    auto* caption = qobject_cast<QLabel*>(grid->itemAtPosition(3, 0)->widget());
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(caption->text(), QStringLiteral("意味 ： "));
    EXPECT_EQ(caption->buddy(), child<QLineEdit>(window, "txtJapanese"));

    fields.show({"see", sj("見る"), "w"});
    EXPECT_EQ(child<QLineEdit>(window, "txtJapanese")->text(), QStringLiteral("見る"));
    std::optional<WordEntry> typed = fields.typed();
    ASSERT_TRUE(typed);
    EXPECT_EQ(typed->japanese, sj("見る"));
    EXPECT_EQ(typed->comment, "w");

    // A character Shift-JIS cannot hold: one box, no entry.
    child<QLineEdit>(window, "txtComment")->setText(QString::fromUtf8("😀"));
    platform.answerNotice();
    EXPECT_FALSE(fields.typed());
    EXPECT_EQ(platform.boxTexts().size(), 1);

    fields.clear();
    for (const char* name : {"txtEnglish", "txtJapanese", "txtComment"})
        EXPECT_TRUE(child<QLineEdit>(window, name)->text().isEmpty()) << name;
    delete grid;
}

TEST_F(EditorPartsTest, TheFrameShowsTheStepsAndThePathOnItsStatusLine) {
    EditorFrame frame(&window, ui::WindowSize::Fixed);
    frame.layOut(QStringLiteral("ここでは"));
    auto* status = child<QLabel>(window, "sbStatus");
    frame.showStatus(QStringLiteral(" >> 保存中・・・"));
    EXPECT_EQ(status->text(), QStringLiteral(" >> 保存中・・・"));
    frame.showPath(sj("/x/単語.txt"));
    EXPECT_EQ(frame.status(), QStringLiteral(" >> /x/単語.txt"));
    EXPECT_FALSE(window.findChild<QStatusBar*>()->isSizeGripEnabled());

    QDialog resizable;
    EditorFrame grip(&resizable, ui::WindowSize::Resizable);
    EXPECT_TRUE(resizable.findChild<QStatusBar*>()->isSizeGripEnabled());
}
