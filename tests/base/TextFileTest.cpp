#include "base/Cp932.h"
#include "base/TextFile.h"
#include "tests/support/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace qor;
using qor::test::slurp;
using qor::test::spit;

TEST(TextFile, ReadsCrLfAndLfLinesAndALastLineWithoutBreak) {
    test::TempDir dir;
    spit(dir.file("a.txt"), "one\r\ntwo\nthree\r\n\r\nlast");
    Lines read = readLines(dir.file("a.txt"));
    ASSERT_TRUE(read.status);
    EXPECT_EQ(read.lines, (std::vector<std::string>{"one", "two", "three", "", "last"}));
    spit(dir.file("b.txt"), "only\r\n");
    EXPECT_EQ(readLines(dir.file("b.txt")).lines, std::vector<std::string>{"only"});
    spit(dir.file("empty.txt"), "");
    EXPECT_TRUE(readLines(dir.file("empty.txt")).lines.empty());
}

TEST(TextFile, InvalidBytesSurviveAReadAndWrite) {
    test::TempDir dir;
    const std::string odd = std::string("a\x81\xFF\x80=b", 6);
    spit(dir.file("x.txt"), odd + "\r\n");
    Lines read = readLines(dir.file("x.txt"));
    ASSERT_TRUE(writeLines(dir.file("y.txt"), read.lines));
    EXPECT_EQ(slurp(dir.file("y.txt")), odd + "\r\n");
}

TEST(TextFile, UnreadableFilesReportPathAndReason) {
    test::TempDir dir;
    Lines missing = readLines(dir.file("none.txt"));
    EXPECT_FALSE(missing.status);
    EXPECT_TRUE(missing.status.isMissingFile());
    EXPECT_EQ(missing.status.path(), dir.file("none.txt"));
    Lines folder = readLines(dir.path());
    EXPECT_FALSE(folder.status);
    EXPECT_FALSE(folder.status.isMissingFile());
    EXPECT_FALSE(folder.status.reason().empty());
}

TEST(TextFile, AppendWritesWholeLinesWithCrLf) {
    test::TempDir dir;
    ASSERT_TRUE(appendLine(dir.file("log.txt"), "first"));
    ASSERT_TRUE(appendLines(dir.file("log.txt"), {"second", ""}));
    EXPECT_EQ(slurp(dir.file("log.txt")), "first\r\nsecond\r\n\r\n");
}

TEST(TextFile, SafeRewriteReplacesTheFileAndLeavesNoTemporaryFile) {
    test::TempDir dir;
    spit(dir.file("d.txt"), "old\r\n");
    ASSERT_TRUE(writeLines(dir.file("d.txt"), {"new", "lines"}));
    EXPECT_EQ(slurp(dir.file("d.txt")), "new\r\nlines\r\n");
    int entries = 0;
    for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(dir.path()))
        ++entries;
    EXPECT_EQ(entries, 1);
}

TEST(TextFile, FailedRewriteKeepsTheOldFile) {
    test::TempDir dir;
    spit(dir.file("d.txt"), "old\r\n");
    test::ReadOnlyFolder readOnly(dir.path());
    if (!readOnly.active())
        GTEST_SKIP() << "no way to make a folder read-only here";
    FileStatus status = writeLines(dir.file("d.txt"), {"new"});
    readOnly.release();
    EXPECT_FALSE(status);
    EXPECT_EQ(slurp(dir.file("d.txt")), "old\r\n");
    // A path that is a folder is refused and the folder stays.
    EXPECT_FALSE(writeLines(dir.path(), {"x"}));
    EXPECT_TRUE(folderExists(dir.path()));
}

TEST(TextFile, JapanesePathsAreFileSystemNames) {
    test::TempDir dir;
    const std::string folder = dir.folder() + sj("単語帳");
    ASSERT_TRUE(makeFolder(folder));
    const std::string file = folder + "/" + sj("表.txt");
    ASSERT_TRUE(appendLine(file, "x"));
    EXPECT_TRUE(std::filesystem::exists(dir.folder() + "単語帳/表.txt"));
    EXPECT_EQ(fileNameOf(file), sj("表.txt"));
    EXPECT_EQ(folderOf(file), folder + "/");
    EXPECT_EQ(modelPath(dir.folder() + "単語帳"), folder);
    EXPECT_FALSE(modelPath("/tmp/😀").has_value());
}
