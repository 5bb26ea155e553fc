// The rows of the dictionary editor and the vocabulary book editor: loading, numbering,
// rewriting, finding, saving byte for byte and the CSV export.

#include "base/Cp932.h"
#include "base/IniFile.h"
#include "base/TextFile.h"
#include "tests/support/FullDisk.h"
#include "tests/support/TempDir.h"
#include "tools/DictionaryEdit.h"
#include "tools/VocabularyBookEdit.h"

#include <cerrno>
#include <filesystem>
#include <gtest/gtest.h>

using namespace qor;
using qor::test::crlf;
using qor::test::FullDisk;
using qor::test::slurp;
using qor::test::spit;

namespace {

std::vector<int> numbers(const EntryRows& rows) {
    std::vector<int> out;
    for (int i = 0; i < rows.size(); ++i)
        out.push_back(rows.at(i).number);
    return out;
}

std::vector<std::string> englishColumn(const EntryRows& rows) {
    std::vector<std::string> out;
    for (int i = 0; i < rows.size(); ++i)
        out.push_back(rows.parts(i).english);
    return out;
}

int filesIn(const std::string& folder) {
    int n = 0;
    for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(folder))
        ++n;
    return n;
}

class DictionaryEditTest : public ::testing::Test {
protected:
    test::TempDir dir;
    std::string dic = dir.file("verbs.txt");
    DictionaryEdit edit;

    void fiveWords() {
        spit(dic, crlf({sj("run=走る*x"), sj("eat=食べる*y"), sj("go=行く*z"), sj("see=見る*w"),
                        sj("swim=泳ぐ*v")}));
        ASSERT_TRUE(edit.load(dic));
    }
};

} // namespace

TEST_F(DictionaryEditTest, UnchangedLinesAreWrittenBackByteForByte) {
    // A line without "=", one without "*", broken CP932 (a lone lead byte, 0xFF), a
    // blank line and an ordinary entry.
    const std::string bytes = sj("りんご*果物") + "\r\n" + "apple=" + sj("りんご") + "\r\n" +
                              "bad=\x82*\xFF\xFE" + "\r\n" + "\r\n" + sj("run,dash=走る,急ぐ*x") +
                              "\r\n";
    spit(dic, bytes);
    ASSERT_TRUE(edit.load(dic));
    ASSERT_EQ(edit.rows().size(), 5);
    EXPECT_EQ(numbers(edit.rows()), (std::vector<int>{1, 2, 3, 4, 5}));
    WordEntry noEquals = edit.rows().parts(0);
    EXPECT_EQ(noEquals.english, "");
    EXPECT_EQ(noEquals.japanese, sj("りんご"));
    EXPECT_EQ(noEquals.comment, sj("果物"));
    EXPECT_EQ(edit.rows().parts(1).comment, sj("りんご"));
    EXPECT_EQ(edit.rows().parts(2).japanese, "\x82");

    ASSERT_TRUE(edit.save());
    EXPECT_EQ(slurp(dic), bytes);
}

TEST_F(DictionaryEditTest, DeletingRowsTwoAndThreeOfFiveKeepsTheNumbersAndSavesThree) {
    fiveWords();
    edit.remove(1);
    edit.remove(1);
    EXPECT_EQ(numbers(edit.rows()), (std::vector<int>{1, 4, 5}));
    edit.rows().rewrite(1, sj("look"), sj("見る"), "");
    EXPECT_EQ(edit.rows().at(1).number, 4);
    ASSERT_TRUE(edit.save());
    EXPECT_EQ(slurp(dic), crlf({sj("run=走る*x"), sj("look=見る*"), sj("swim=泳ぐ*v")}));
}

TEST_F(DictionaryEditTest, FindSearchesTheEditedRowsAndFindNextKeepsItsPlace) {
    std::vector<std::string> lines;
    for (int i = 1; i <= 9; ++i)
        lines.push_back("w" + std::to_string(i) + sj("=語*") +
                        (i == 7 ? sj("珍しい") : sj("普通")));
    writeLines(dic, lines);
    ASSERT_TRUE(edit.load(dic));
    EXPECT_EQ(edit.findFirst(sj("珍しい")), 6); // only in the comment of line 7

    EXPECT_EQ(edit.findFirst(sj("普通")), 0);
    EXPECT_EQ(edit.findNext(sj("普通")), 1);
    // A row removed before the last found one: find next goes on with the row after it.
    edit.remove(0);
    EXPECT_EQ(edit.findNext(sj("普通")), 1);
    EXPECT_EQ(edit.rows().at(1).line, "w3" + sj("=語*普通"));
    // After the last hit: nothing found, the place stays.
    edit.findFirst("w9");
    EXPECT_EQ(edit.findNext("w9"), std::nullopt);
    EXPECT_EQ(edit.lastFound(), 7);
    // A search never matches inside a double-byte character: the trail byte of "表"
    // is "\".
    edit.rows().rewrite(0, sj("表"), "", "");
    EXPECT_EQ(edit.findFirst("\\"), std::nullopt);
}

TEST_F(DictionaryEditTest, CsvWithATwoCharacterSeparatorIsAppendedAfterTheOldLines) {
    fiveWords();
    const std::string csv = dir.file("out.txt");
    spit(csv, "old line\r\n");
    ASSERT_TRUE(appendCsv(csv, edit.rows(), "; "));
    EXPECT_EQ(slurp(csv), crlf({"old line", sj("run; 走る; x"), sj("eat; 食べる; y"),
                                sj("go; 行く; z"), sj("see; 見る; w"), sj("swim; 泳ぐ; v")}));
    EXPECT_EQ(csvLine(sj("りんご*果物"), ","), sj(",りんご,果物"));
    EXPECT_EQ(csvLine("a=b", ""), "ab");
}

TEST_F(DictionaryEditTest, AFailedSaveKeepsTheOldFileWhole) {
    fiveWords();
    const std::string before = slurp(dic);
    edit.remove(0);
    {
        FullDisk disk(10);
        FileStatus status = edit.save();
        EXPECT_FALSE(status);
        EXPECT_EQ(status.path(), dic);
    }
    EXPECT_EQ(slurp(dic), before);
    EXPECT_EQ(filesIn(dir.path()), 1); // no temporary file left

    // A file that cannot be read leaves nothing loaded.
    FileStatus read = edit.load(dir.path());
    EXPECT_FALSE(read);
    EXPECT_FALSE(edit.loaded());
    EXPECT_TRUE(edit.rows().empty());
    EXPECT_FALSE(edit.save());
}

TEST_F(DictionaryEditTest, TheLoadedFileIsTheRememberedPathOrTheDictionaryInUse) {
    const std::string setup = dir.file("Setup.ini");
    ASSERT_TRUE(IniFile::writeOne(setup, "Dictionary Path", "verbs.txt", "/d/verbs.txt"));
    EXPECT_EQ(editorDictionaryPath(setup, "verbs.txt", "/other/verbs.txt"), "/d/verbs.txt");
    // The default dictionary in use is known by its path before it was ever chosen.
    EXPECT_EQ(editorDictionaryPath(setup, "noun.txt", "/data/dictionary/noun.txt"),
              "/data/dictionary/noun.txt");
    EXPECT_EQ(editorDictionaryPath(setup, "adj.txt", "/data/dictionary/noun.txt"), "");
    EXPECT_EQ(editorDictionaryPath(setup, "", ""), "");
}

namespace {

class VocabularyBookEditTest : public ::testing::Test {
protected:
    test::TempDir dir;
    std::string bookPath = dir.file("book.txt");
    VocabularyBookEdit book{bookPath};

    void fiveWords() {
        spit(bookPath, crlf({sj("run=走る*x"), sj("eat=食べる*y"), sj("go=行く*z"),
                             sj("see=見る*w"), sj("swim=泳ぐ*v")}));
        ASSERT_TRUE(book.open());
    }
};

} // namespace

TEST_F(VocabularyBookEditTest, DeletingRowTwoOfFiveThenAddingShowsOneThreeFourFiveFive) {
    fiveWords();
    EXPECT_FALSE(book.modified());
    book.remove(1);
    book.add("fly", sj("飛ぶ"), "");
    EXPECT_EQ(numbers(book.rows()), (std::vector<int>{1, 3, 4, 5, 5}));
    EXPECT_TRUE(book.modified());
    ASSERT_TRUE(book.save());
    EXPECT_FALSE(book.modified());
    EXPECT_EQ(slurp(bookPath), crlf({sj("run=走る*x"), sj("go=行く*z"), sj("see=見る*w"),
                                     sj("swim=泳ぐ*v"), sj("fly=飛ぶ*")}));
}

TEST_F(VocabularyBookEditTest, MovingSwapsTheWordsAndKeepsTheNumbersInPlace) {
    fiveWords();
    EXPECT_FALSE(book.moveUp(0));
    EXPECT_FALSE(book.modified());
    EXPECT_FALSE(book.moveDown(4));
    EXPECT_TRUE(book.moveDown(0));
    EXPECT_TRUE(book.modified());
    EXPECT_EQ(englishColumn(book.rows()),
              (std::vector<std::string>{"eat", "run", "go", "see", "swim"}));
    EXPECT_EQ(numbers(book.rows()), (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_TRUE(book.moveUp(1));
    EXPECT_EQ(englishColumn(book.rows())[0], "run");
}

TEST_F(VocabularyBookEditTest, UndoReturnsToTheOpeningStateAndStaysModified) {
    fiveWords();
    book.change(0, "sprint", sj("走る"), "");
    book.remove(2);
    book.add("a", "b", "c");
    book.undo();
    EXPECT_EQ(numbers(book.rows()), (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(book.rows().lines(),
              (std::vector<std::string>{sj("run=走る*x"), sj("eat=食べる*y"), sj("go=行く*z"),
                                        sj("see=見る*w"), sj("swim=泳ぐ*v")}));
    EXPECT_TRUE(book.modified());
    EXPECT_EQ(book.closeQuestion(), sj("book.txtの内容は変更されています。\n保存しますか？"));
}

TEST_F(VocabularyBookEditTest, SavingAnEmptiedListEmptiesTheFile) {
    fiveWords();
    book.clear();
    ASSERT_TRUE(book.save());
    EXPECT_TRUE(test::exists(bookPath));
    EXPECT_EQ(slurp(bookPath), "");
}

TEST_F(VocabularyBookEditTest, SaveAsAppendsAfterTheOldLinesAndCsvKeepsSeparatorsInFields) {
    fiveWords();
    book.change(0, "run", sj("走る;駆ける"), "x");
    const std::string other = dir.file("other.txt");
    spit(other, crlf({"old=1*2"}));
    ASSERT_TRUE(book.saveAs(other));
    EXPECT_EQ(slurp(other), crlf({"old=1*2", sj("run=走る;駆ける*x"), sj("eat=食べる*y"),
                                  sj("go=行く*z"), sj("see=見る*w"), sj("swim=泳ぐ*v")}));
    EXPECT_TRUE(book.modified());
    EXPECT_EQ(book.path(), bookPath);

    const std::string csv = dir.file("book.csv.txt");
    ASSERT_TRUE(appendCsv(csv, book.rows(), ";"));
    EXPECT_EQ(slurp(csv), crlf({sj("run;走る;駆ける;x"), sj("eat;食べる;y"), sj("go;行く;z"),
                                sj("see;見る;w"), sj("swim;泳ぐ;v")}));

    // Save as with no rows writes nothing, and makes no file.
    book.clear();
    ASSERT_TRUE(book.saveAs(dir.file("none.txt")));
    EXPECT_FALSE(test::exists(dir.file("none.txt")));
}

TEST_F(VocabularyBookEditTest, ABookNotMadeYetOpensEmptyAndTheFirstSaveMakesIt) {
    ASSERT_TRUE(book.open());
    EXPECT_TRUE(book.rows().empty());
    book.add("run", sj("走る"), "x");
    ASSERT_TRUE(book.save());
    EXPECT_EQ(slurp(bookPath), crlf({sj("run=走る*x")}));

    VocabularyBookEdit unset{""};
    EXPECT_FALSE(unset.open());
    VocabularyBookEdit folder{dir.path()};
    EXPECT_FALSE(folder.open());
}

TEST_F(VocabularyBookEditTest, AFailedSaveKeepsTheOldBookAndTheModifiedFlag) {
    fiveWords();
    const std::string before = slurp(bookPath);
    book.remove(0);
    {
        FullDisk disk(3);
        EXPECT_FALSE(book.save());
    }
    EXPECT_EQ(slurp(bookPath), before);
    EXPECT_TRUE(book.modified());
    EXPECT_EQ(filesIn(dir.path()), 1);

    // Emptying the book in a folder that refuses new files fails the same way.
    book.clear();
    test::ReadOnlyFolder readOnly(dir.path());
    if (!readOnly.active()) GTEST_SKIP() << "no way to make a folder read-only here";
    EXPECT_FALSE(book.save());
    readOnly.release();
    EXPECT_EQ(slurp(bookPath), before);
    EXPECT_TRUE(book.modified());
}
