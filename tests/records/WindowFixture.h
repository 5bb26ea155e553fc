#pragma once
// The windows of the records on real files: a user folder "Taro" in a fresh data root,
// the settings record with the program's defaults, a fixed clock and the scripted
// platform.

#include "base/Clock.h"
#include "base/Cp932.h"
#include "base/TextFile.h"
#include "settings/SettingsStore.h"
#include "tests/support/ScriptedPlatform.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

namespace qor::test {

class WindowFixture : public ::testing::Test {
protected:
    TempDir dir;
    FixedClock clock{DateTime{1999, 8, 9, 10, 0, 0}};
    TUserSettings settings;
    ScriptedPlatform platform;

    WindowFixture() {
        setClock(&clock);
        settings.ProgramFolder = dir.folder();
        settings.UserName = "Taro";
        makeFolder(settings.userFolder());
        SettingsStore::load(settings);
    }
    ~WindowFixture() override { setClock(nullptr); }

    std::string userFile(const std::string& name) const { return settings.userFile(name); }
};

// A UTF-8 literal as the screen shows it.
inline QString q(const char* utf8) {
    return QString::fromUtf8(utf8);
}

} // namespace qor::test
