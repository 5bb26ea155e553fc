// The reason in a failure box: Japanese from the one table for the errors a learner
// meets, the system's own text for the others, and the same text in every box.

#include "base/Cp932.h"
#include "base/ErrorText.h"
#include "base/FileStatus.h"
#include "base/TextFile.h"
#include "tests/support/TempDir.h"

#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>

using namespace qor;

TEST(ErrorTextTest, TheErrorsOfFilesAndFoldersAreToldInJapanese) {
    EXPECT_EQ(errorText(EACCES), "アクセスが拒否されました");
    EXPECT_EQ(errorText(ENOENT), "ファイルまたはフォルダが見つかりません");
    EXPECT_EQ(errorText(ENOSPC), "ディスクの空き容量が足りません");
    EXPECT_EQ(errorText(EISDIR), "ファイルではなくフォルダです");
    EXPECT_EQ(errorText(EROFS), "読み取り専用のディスクには書き込めません");
    // Every sentence of the table can stand in a box of model text too.
    for (int e : {EACCES, EPERM, ENOENT, EEXIST, EISDIR, ENOTDIR, ENOTEMPTY, ENOSPC, EDQUOT, EFBIG,
                  EROFS, ENAMETOOLONG, ELOOP, EMFILE, ENFILE, EBUSY, ETXTBSY, EIO, ENXIO, ENODEV,
                  EXDEV, EINVAL, EILSEQ, ENOMEM, EAGAIN, EINTR, ETIMEDOUT, ESTALE, ECONNREFUSED}) {
        EXPECT_NE(errorText(e), std::strerror(e)) << e;
        EXPECT_TRUE(toCp932(errorText(e)).has_value()) << e;
    }
}

TEST(ErrorTextTest, AnUnknownNumberFallsBackToTheSystemsText) {
    for (int e : {EDOM, ENOTSOCK, 0, 4242}) {
        // Copied at once: the next strerror() may free the text of an unknown number.
        const std::string system = std::strerror(e);
        EXPECT_EQ(errorText(e), system) << e;
    }
}

TEST(ErrorTextTest, AFailedFileOperationCarriesTheJapaneseReason) {
    test::TempDir dir;
    Lines missing = readLines(dir.file("missing.txt"));
    ASSERT_FALSE(missing.status);
    EXPECT_EQ(missing.status.errorNumber(), ENOENT);
    EXPECT_EQ(missing.status.reason(), "ファイルまたはフォルダが見つかりません");
    // The box text of model text: the path and the reason, both CP932.
    EXPECT_EQ(missing.status.message(),
              dir.file("missing.txt") + "\n" + sj("ファイルまたはフォルダが見つかりません"));

    FileStatus folder = appendLine(dir.path(), "x");
    ASSERT_FALSE(folder);
    EXPECT_EQ(folder.reason(), "ファイルではなくフォルダです");
}
