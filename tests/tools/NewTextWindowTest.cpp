// "テキストファイルの新規作成": the name gets ".txt" in the folder chosen in the tree; an
// existing file is left untouched; a file that cannot be made is reported.

#include "tests/tools/ToolWindowFixture.h"
#include "tools/TfrmNewText.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

using namespace qor;
using namespace qor::test;

namespace {

class NewTextWindowTest : public ToolWindowFixture {
protected:
    std::string words = dir.file("words");
    std::unique_ptr<TfrmNewText> frm;

    void SetUp() override {
        makeFolder(words);
        makeFolder(dir.file("dictionary"));
        frm = std::make_unique<TfrmNewText>(native(words), native(dir.file("dictionary")));
        frm->FormShow();
    }

    void make(const QString& name) {
        child<QLineEdit>(*frm, "txtFileName")->setText(name);
        child<QPushButton>(*frm, "cmdMake")->click();
    }
};

} // namespace

TEST_F(NewTextWindowTest, VerbsInTheChosenFolderGivesVerbsTxt) {
    EXPECT_EQ(frm->windowTitle(), q("テキストファイルの新規作成"));
    EXPECT_EQ(frm->currentFolder(), native(words));
    EXPECT_TRUE(child<QPushButton>(*frm, "cmdMake")->isDefault());
    platform.answerMessage();
    make(QStringLiteral("verbs"));
    EXPECT_TRUE(test::exists(words + "/verbs.txt"));
    EXPECT_EQ(slurp(words + "/verbs.txt"), "");
    EXPECT_EQ(platform.boxTexts(), QStringList{q("verbs.txt は作成されました")});
    EXPECT_TRUE(child<QLineEdit>(*frm, "txtFileName")->text().isEmpty());
    EXPECT_EQ(frm->createdPath(), words + "/verbs.txt");

    platform.answerMessage();
    make(QStringLiteral("x.txt"));
    EXPECT_TRUE(test::exists(words + "/x.txt.txt"));
    EXPECT_EQ(platform.boxTexts().last(), q("x.txt.txt は作成されました"));
}

TEST_F(NewTextWindowTest, AnExistingFileIsLeftUntouched) {
    spit(words + "/verbs.txt", crlf({sj("run=走る*x")}));
    platform.answerMessage();
    make(QStringLiteral("verbs"));
    EXPECT_EQ(slurp(words + "/verbs.txt"), crlf({sj("run=走る*x")}));
    ASSERT_EQ(platform.boxTexts().size(), 1);
    EXPECT_TRUE(platform.boxTexts()[0].startsWith(q("verbs.txt はすでにあります。")));
    EXPECT_TRUE(frm->createdPath().empty());
    // The name stays for the learner to change.
    EXPECT_EQ(child<QLineEdit>(*frm, "txtFileName")->text(), QStringLiteral("verbs"));
}

TEST_F(NewTextWindowTest, AnEmptyNameOrOneThatCannotBeAFileIsToldWithoutSuccess) {
    platform.answerMessage();
    make(QString());
    EXPECT_EQ(platform.boxTexts(), QStringList{q("ファイル名が記入されていません")});

    platform.answerMessage();
    make(QStringLiteral("a/b"));
    EXPECT_TRUE(platform.boxTexts().last().startsWith(q("ファイル名に「/」は使えません。")));

    platform.answerNotice();
    make(QString::fromUtf8("単語😀"));
    EXPECT_EQ(platform.calls().back().caption, q("エラー"));
    EXPECT_EQ(QDir(native(words)).entryList(QDir::Files).size(), 0);

    ReadOnlyFolder readOnly(words);
    if (!readOnly.active()) GTEST_SKIP() << "no way to make a folder read-only here";
    platform.answerNotice();
    make(QStringLiteral("verbs"));
    readOnly.release();
    EXPECT_TRUE(platform.boxTexts().last().startsWith(q("verbs.txt を作成できませんでした。")));
    EXPECT_FALSE(test::exists(words + "/verbs.txt"));
}

TEST_F(NewTextWindowTest, ThePlacesBeginWithTheDictionaryFolderAndTheHomeFolder) {
    const auto& places = frm->places();
    ASSERT_GE(places.size(), 2u);
    EXPECT_EQ(places[0].path, native(dir.file("dictionary")));
    EXPECT_TRUE(places[0].caption.startsWith(q("辞書フォルダ")));
    EXPECT_EQ(places[1].path, QDir::homePath());
    auto* drives = child<QComboBox>(*frm, "cboDrive");
    EXPECT_EQ(drives->count(), static_cast<int>(places.size()));

    // Choosing the dictionary folder makes the file there.
    drives->setCurrentIndex(0);
    EXPECT_EQ(frm->currentFolder(), native(dir.file("dictionary")));
    platform.answerMessage();
    make(QStringLiteral("verbs"));
    EXPECT_TRUE(test::exists(dir.file("dictionary/verbs.txt")));

    // A folder below a place is chosen in the tree under it.
    makeFolder(dir.file("dictionary/mine"));
    frm->setFolder(native(dir.file("dictionary/mine")));
    EXPECT_EQ(drives->currentIndex(), 0);
    EXPECT_EQ(frm->currentFolder(), native(dir.file("dictionary/mine")));
}

TEST_F(NewTextWindowTest, TheTreeShowsThePlaceItOpensInAlsoWithoutFoldersInIt) {
    // The dictionary folder holds files only; the data root beside it holds other folders.
    const std::string dictionary = dir.file("dictionary");
    spit(dictionary + "/noun.txt", "");
    makeFolder(dir.file("Taro"));
    TfrmNewText fresh(native(dictionary), native(dictionary));
    fresh.show();
    auto* tree = child<QTreeView>(fresh, "dlbFolder");
    QAbstractItemModel* shown = tree->model();
    // Its one top folder is the place itself, chosen: where the file goes.
    ASSERT_EQ(shown->rowCount(tree->rootIndex()), 1);
    const QModelIndex place = shown->index(0, 0, tree->rootIndex());
    EXPECT_EQ(place.data().toString(), QStringLiteral("dictionary"));
    EXPECT_EQ(tree->currentIndex(), place);
    EXPECT_TRUE(tree->isExpanded(place));
    EXPECT_EQ(fresh.currentFolder(), native(dictionary));

    // A folder made in it shows below it.
    makeFolder(dictionary + "/mine");
    TfrmNewText again(native(dictionary), native(dictionary));
    again.show();
    auto* tree2 = child<QTreeView>(again, "dlbFolder");
    QAbstractItemModel* model = tree2->model();
    // The folders below are read in the background; the model's indexes change meanwhile,
    // so the place is looked up anew each time.
    auto top = [&] { return model->index(0, 0, tree2->rootIndex()); };
    for (int i = 0; i < 500 && model->rowCount(top()) == 0; ++i) QTest::qWait(10);
    ASSERT_EQ(model->rowCount(tree2->rootIndex()), 1);
    EXPECT_EQ(top().data().toString(), QStringLiteral("dictionary"));
    ASSERT_EQ(model->rowCount(top()), 1);
    EXPECT_EQ(model->index(0, 0, top()).data().toString(), QStringLiteral("mine"));
    tree2->setCurrentIndex(model->index(0, 0, top()));
    EXPECT_EQ(again.currentFolder(), native(dictionary + "/mine"));
}
