#include "base/Cp932.h"
#include "base/TextFile.h"
#include "tests/support/FullDisk.h"
#include "tests/support/TempDir.h"

#include <algorithm>
#include <cstdlib>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace qor;
using qor::test::FullDisk;
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

TEST(TextFile, VisitedLinesAreTheLinesOfTheWholeFile) {
    test::TempDir dir;
    auto visited = [&](const std::string& bytes) {
        spit(dir.file("v.txt"), bytes);
        std::vector<std::string> lines;
        EXPECT_TRUE(visitLines(dir.file("v.txt"), [&](std::string_view line) {
            lines.emplace_back(line);
            return true;
        }));
        return lines;
    };
    for (const std::string& bytes : {std::string("one\r\ntwo\nthree\r\n\r\nlast"), std::string("only\r\n"),
                                    std::string(""), std::string("\n"), std::string("cr at the end\r"),
                                    std::string("a\r\rb\r\n")})
        EXPECT_EQ(visited(bytes), splitLines(bytes)) << bytes;
    // Files far larger than one piece, lines across the pieces' borders, one line longer
    // than a piece, CR LF split between two pieces.
    std::mt19937 chance(7);
    for (int round = 0; round < 4; ++round) {
        std::string bytes;
        bool longLine = round != 1;
        while (bytes.size() < 1500000) {
            const int kind = static_cast<int>(chance() % 100);
            if (kind < 4)
                bytes += "\r\n";
            else if (kind < 6)
                bytes += '\n';
            else if (kind < 7)
                bytes += '\r';
            else
                bytes += static_cast<char>('a' + chance() % 26);
            if (!longLine && bytes.size() >= 300000) {
                bytes += std::string(700000, 'x');
                longLine = true;
            }
        }
        EXPECT_EQ(visited(bytes), splitLines(bytes)) << "round " << round;
    }
}

TEST(TextFile, VisitingStopsWhereTheVisitorSaysAndFailuresAreTold) {
    test::TempDir dir;
    spit(dir.file("v.txt"), "a\nb\nc\n");
    std::vector<std::string> seen;
    EXPECT_TRUE(visitLines(dir.file("v.txt"), [&](std::string_view line) {
        seen.emplace_back(line);
        return line != "b";
    }));
    EXPECT_EQ(seen, (std::vector<std::string>{"a", "b"}));
    auto none = [](std::string_view) { return true; };
    FileStatus missing = visitLines(dir.file("none.txt"), none);
    EXPECT_TRUE(missing.isMissingFile());
    FileStatus folder = visitLines(dir.path(), none);
    EXPECT_FALSE(folder);
    EXPECT_FALSE(folder.isMissingFile());
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
    // A look-alike would name another file: "a〜b" is not "a～b".
    EXPECT_FALSE(modelPath("/tmp/a〜b").has_value());
    EXPECT_FALSE(modelPath("/tmp/¥").has_value());
}

TEST(TextFile, AppendEndsAnUnterminatedLastLineFirst) {
    test::TempDir dir;
    spit(dir.file("answers.ans"), "apple=x");  // written by another editor
    ASSERT_TRUE(appendLine(dir.file("answers.ans"), "pear=y"));
    EXPECT_EQ(slurp(dir.file("answers.ans")), "apple=x\r\npear=y\r\n");
    // A file ending in a bare LF is already terminated.
    spit(dir.file("lf.txt"), "one\n");
    ASSERT_TRUE(appendLines(dir.file("lf.txt"), {"two", "three"}));
    EXPECT_EQ(slurp(dir.file("lf.txt")), "one\ntwo\r\nthree\r\n");
    // An empty file gets no empty line in front.
    spit(dir.file("empty.txt"), "");
    ASSERT_TRUE(appendLine(dir.file("empty.txt"), "first"));
    EXPECT_EQ(slurp(dir.file("empty.txt")), "first\r\n");
}

TEST(TextFile, AFailedAppendLeavesTheFileExactlyAsItWas) {
    test::TempDir dir;
    const std::string before = "word one\r\nunterminated";
    spit(dir.file("errors.txt"), before);
    for (std::size_t left : {0u, 1u, 5u, 13u}) {
        FullDisk disk(left);
        FileStatus status = appendLines(dir.file("errors.txt"), {"a long new line", "another"});
        EXPECT_FALSE(status) << left;
        EXPECT_EQ(status.path(), dir.file("errors.txt"));
        EXPECT_EQ(slurp(dir.file("errors.txt")), before) << left;
    }
    // A file the failed append would have created is not left behind empty.
    {
        FullDisk disk(3);
        EXPECT_FALSE(appendLine(dir.file("202612.txt"), "study log line"));
    }
    EXPECT_FALSE(test::exists(dir.file("202612.txt")));
    // With room again the same append succeeds.
    ASSERT_TRUE(appendLine(dir.file("errors.txt"), "x"));
    EXPECT_EQ(slurp(dir.file("errors.txt")), before + "\r\nx\r\n");
}

TEST(TextFile, AFailedRewriteOnAFullDiskKeepsTheOldFileAndNoTemporary) {
    test::TempDir dir;
    spit(dir.file("Setup.ini"), "[Setup]\r\nA=1\r\n");
    {
        FullDisk disk(4);
        EXPECT_FALSE(writeAll(dir.file("Setup.ini"), "[Setup]\r\nA=2\r\nB=3\r\n"));
    }
    EXPECT_EQ(slurp(dir.file("Setup.ini")), "[Setup]\r\nA=1\r\n");
    int entries = 0;
    for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(dir.path()))
        ++entries;
    EXPECT_EQ(entries, 1);
}

TEST(TextFile, LeftoversOfKilledSafeWritesAreRemovedAtStartAndRecordsStayWhole) {
    test::TempDir dir;
    const std::string user = dir.file("Taro");
    ASSERT_TRUE(makeFolder(user));
    const std::vector<std::string> files = {user + "/2026.dat", user + "/Temp.dat",
                                            user + "/error5.cun"};
    // Two complete contents per file; a reader must always find one of them.
    auto content = [](int v) { return std::string(20000, char('a' + v)) + "\r\n"; };
    for (const std::string& f : files)
        spit(f, content(0));

    // QOR_CRASH_ROUNDS=1000 runs the long form of this test by hand.
    const char* roundsText = std::getenv("QOR_CRASH_ROUNDS");
    const int rounds = roundsText ? std::atoi(roundsText) : 40;
    for (int round = 0; round < rounds; ++round) {
        pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int i = 0;; ++i) {
                for (const std::string& f : files)
                    writeAll(f, content(i % 2));
            }
        }
        ::usleep(static_cast<useconds_t>(200 + (round * 997) % 3000));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
    }
    std::size_t leftovers = 0;
    for (auto& e : std::filesystem::directory_iterator(user))
        leftovers += isSafeWriteTemporary(e.path().filename().native()) ? 1 : 0;
    RecordProperty("leftovers", static_cast<int>(leftovers));
    // A learner's own file that merely looks alike is not ours to remove.
    spit(user + "/notes.qor-tmp-.txt", "mine");
    // A temporary file that a running writer holds is left alone.
    const std::string busy = user + "/Setup.ini" + std::string(kSafeWriteMarker) + "abcdef";
    spit(busy, "half");
    int held = ::open(busy.c_str(), O_RDONLY);
    ASSERT_GE(held, 0);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);

    EXPECT_EQ(removeSafeWriteLeftovers(dir.path()), leftovers);
    ::close(held);
    EXPECT_TRUE(test::exists(busy));
    EXPECT_TRUE(test::exists(user + "/notes.qor-tmp-.txt"));
    EXPECT_EQ(removeSafeWriteLeftovers(dir.path()), 1u);  // now free: it goes
    for (auto& e : std::filesystem::directory_iterator(user))
        EXPECT_FALSE(isSafeWriteTemporary(e.path().filename().native())) << e.path();
    for (const std::string& f : files) {
        std::string bytes = slurp(f);
        EXPECT_TRUE(bytes == content(0) || bytes == content(1)) << f;
    }
}

TEST(TextFile, ANewFileIsCreatedEmptyAndAnExistingOneIsNeverTouched) {
    test::TempDir dir;
    ASSERT_TRUE(createNewFile(dir.file("verbs.txt")));
    EXPECT_TRUE(test::exists(dir.file("verbs.txt")));
    EXPECT_EQ(slurp(dir.file("verbs.txt")), "");
    spit(dir.file("verbs.txt"), "run=走る*x\r\n");
    FileStatus again = createNewFile(dir.file("verbs.txt"));
    EXPECT_FALSE(again);
    EXPECT_EQ(again.errorNumber(), EEXIST);
    EXPECT_EQ(slurp(dir.file("verbs.txt")), "run=走る*x\r\n");
    EXPECT_EQ(createNewFile(dir.file("none/x.txt")).errorNumber(), ENOENT);
}
