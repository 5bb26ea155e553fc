#include "app/TfrmMain.h"
#include "base/IniFile.h"
#include "settings/TfrmUser.h"
#include "tests/support/Controls.h"
#include "tests/support/ScriptedPlatform.h"
#include "tests/support/TempDir.h"

#include <QComboBox>
#include <QPushButton>
#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace qor;
using qor::test::ScriptedPlatform;

TEST(MainWindowStart, FirstShowingChoosesTheUserAndClosingRecordsIt) {
    test::TempDir dir;
    ScriptedPlatform platform;
    platform.answerNotice().answerModal([](QDialog& d) {
        auto& frm = dynamic_cast<TfrmUser&>(d);
        ctl<QComboBox>(frm, "cboUserName")->setEditText(QStringLiteral("Taro"));
        ctl<QPushButton>(frm, "cmdOk")->click();
        return frm.result();
    });
    {
        TfrmMain main(dir.folder());
        main.FormShow();
        EXPECT_TRUE(main.started());
        EXPECT_EQ(main.settings().UserName, "Taro");
        main.close();
    }
    IniFile ini(dir.file("User.ini"));
    EXPECT_EQ(ini.read("Setup", "Boot", "0"), "1");
    EXPECT_EQ(ini.read("Setup", "UserName", ""), "Taro");
    EXPECT_EQ(ini.read("Taro", "Num", ""), "1");
    EXPECT_TRUE(test::exists(dir.file("Taro")));
}

TEST(MainWindowStart, DecliningTheFirstUserEndsWithoutWriting) {
    test::TempDir dir;
    ScriptedPlatform platform;
    platform.answerNotice().answerModal([](QDialog&) { return QDialog::Rejected; });
    TfrmMain main(dir.folder());
    QSignalSpy aborted(&main, &TfrmMain::startAborted);
    main.FormShow();
    main.close();
    EXPECT_EQ(aborted.count(), 1);
    EXPECT_FALSE(test::exists(dir.file("User.ini")));
}
