#pragma once
// The settings dialog on real files: a registered user "Taro" in a fresh data root, his
// record with the program's defaults, a fixed clock, the scripted platform and a main
// window double that records what the dialog asks of it.

#include "base/Clock.h"
#include "base/Cp932.h"
#include "base/TextFile.h"
#include "settings/SettingsNotifier.h"
#include "settings/SettingsStore.h"
#include "settings/SetupHost.h"
#include "settings/TfrmSetup.h"
#include "settings/UserRegistry.h"
#include "tests/support/ScriptedPlatform.h"
#include "tests/support/TempDir.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace qor::test {

class RecordingSetupHost final : public SetupHost {
public:
    explicit RecordingSetupHost(QStringList& log, std::string bundled)
        : log_(log), bundled_(std::move(bundled)) {}
    void dictionaryHistoryCleared() override { log_ << QStringLiteral("history"); }
    void openNewText() override { log_ << QStringLiteral("newText"); }
    std::string bundledCompanionPath() const override { return bundled_; }

private:
    QStringList& log_;
    std::string bundled_;
};

class SetupFixture : public ::testing::Test {
protected:
    TempDir dir;
    FixedClock clock{DateTime{2002, 3, 3, 9, 5, 7}};
    TUserSettings settings;
    ScriptedPlatform platform;
    QStringList hostCalls;
    SettingsNotifier notifier;
    std::vector<SettingsGroups> notified; // what the notifier told, in order
    std::string bundledCompanion; // what the host offers; set before dialog()
    std::unique_ptr<TfrmSetup> window;

    SetupFixture() {
        setClock(&clock);
        UserRegistry(dir.folder()).select("Taro");
        settings.ProgramFolder = dir.folder();
        settings.UserName = "Taro";
        SettingsStore::load(settings);
        QObject::connect(&notifier, &SettingsNotifier::changed,
                         [this](SettingsGroups groups) { notified.push_back(groups); });
    }
    ~SetupFixture() override {
        window.reset();
        setClock(nullptr);
    }

    // The dialog, made once, shown (which fills it from the record).
    TfrmSetup& dialog() {
        if (!window) {
            window = std::make_unique<TfrmSetup>(
                settings, std::make_unique<RecordingSetupHost>(hostCalls, bundledCompanion), notifier);
        }
        window->FormShow();
        return *window;
    }

    template <typename T> T* find(const char* name) {
        T* child = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_TRUE(child) << name;
        return child;
    }

    std::string setupIni() const { return settings.setupIniPath(); }
    // The record as a fresh start would load it from Taro's Setup.ini.
    TUserSettings reloaded(const std::string& user = "Taro") const {
        TUserSettings s;
        s.ProgramFolder = dir.folder();
        s.UserName = user;
        SettingsStore::load(s);
        return s;
    }
};

inline QString q(const char* utf8) {
    return QString::fromUtf8(utf8);
}

} // namespace qor::test
