#pragma once
// A drill on real files in a fresh data root, with a fixed clock and scripted chance.

#include "base/Clock.h"
#include "base/Cp932.h"
#include "base/Random.h"
#include "base/TextFile.h"
#include "quiz/Drill.h"
#include "settings/SettingsStore.h"
#include "tests/quiz/RecordingDrillView.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>
#include <memory>

namespace qor::test {

class DrillFixture : public ::testing::Test {
protected:
    TempDir dir;
    FixedClock clock{DateTime{2001, 3, 4, 9, 5, 7}};
    std::unique_ptr<ScriptedRandom> scripted;
    TUserSettings settings;
    RecordingDrillView view;
    std::unique_ptr<Drill> drill;

    DrillFixture() {
        setClock(&clock);
        settings.ProgramFolder = dir.folder();
        settings.UserName = "Taro";
        makeFolder(settings.userFolder());
        SettingsStore::load(settings);
        // Quiet defaults: no verdict windows unless a test asks for them.
        settings.drill.ShowResult = false;
        settings.sound.AtariOn = false;
        settings.sound.HazureOn = false;
        drill = std::make_unique<Drill>(settings, view);
    }
    ~DrillFixture() override {
        setClock(nullptr);
        setRandom(nullptr);
    }

    void useRandom(std::vector<int> values) {
        scripted = std::make_unique<ScriptedRandom>(std::move(values));
        setRandom(scripted.get());
    }

    // Writes a dictionary (UTF-8 lines, stored as CP932) and returns its path.
    std::string dictionary(const std::string& name, std::initializer_list<const char*> lines) {
        std::vector<std::string> cp;
        for (const char* l : lines)
            cp.push_back(sj(l));
        std::string path = dir.file(name);
        writeLines(path, cp);
        return path;
    }

    bool startOn(const std::string& path, int direction = 0, int answerType = 0,
                 const std::string& count = "10", bool toolbar = true) {
        return drill->start(DrillStart{path, direction, answerType, count, toolbar});
    }

    // Answers with the given UTF-8 text and submits.
    void answer(const char* utf8) {
        view.answer = sj(utf8);
        drill->submit(view.onScreen());
    }

    // One flag of the drill's modes, handed to the drill as the setup dialog hands its
    // choice: a copy changed and given back.
    void setMode(bool DrillModes::*flag, bool on = true) {
        DrillModes modes = drill->modes();
        modes.*flag = on;
        drill->setModes(modes);
    }

    // The English part of the line on screen.
    std::string currentEnglish() const { return drill->state().entry.english; }
    int currentLine() const { return drill->state().entry.lineIndex; }
};

} // namespace qor::test
