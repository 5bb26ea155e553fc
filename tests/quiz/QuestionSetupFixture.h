#pragma once
// The question setup dialog on a real drill: a fresh data root with the dictionary
// verbs.txt (w0=語0*c0 ... w9=語9*c9) in use, a fixed clock, scripted chance, the scripted
// platform, and a recording main window (drill view and setup host).

#include "base/Clock.h"
#include "base/Cp932.h"
#include "base/Random.h"
#include "base/TextFile.h"
#include "quiz/Drill.h"
#include "quiz/QuestionSetupHost.h"
#include "quiz/TfrmQuestionSetup.h"
#include "settings/SettingsStore.h"
#include "tests/quiz/RecordingDrillView.h"
#include "tests/support/Controls.h"
#include "tests/support/ScriptedPlatform.h"
#include "tests/support/TempDir.h"
#include "words/DictionaryList.h"
#include "words/WordEntry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>
#include <set>

namespace qor::test {

// The main window's part: the drill view tells the dialog about completed and stopped
// drills, as the main window does.
class SetupDrillView : public RecordingDrillView {
public:
    TfrmQuestionSetup* setup = nullptr;
    void drillCompleted() override {
        RecordingDrillView::drillCompleted();
        if (setup)
            setup->drillCompleted();
    }
    void drillStopped() override {
        RecordingDrillView::drillStopped();
        if (setup)
            setup->drillStopped();
    }
};

class RecordingHost : public QuestionSetupHost {
public:
    int answerType = 0;
    int questionType = 0;
    std::string countText = "10";
    std::vector<std::string> choices;
    std::string dictionaryText;

    int answerTypeIndex() const override { return answerType; }
    void setAnswerTypeIndex(int i) override { answerType = i; }
    int questionTypeIndex() const override { return questionType; }
    void setQuestionTypeIndex(int i) override { questionType = i; }
    std::string questionCountText() const override { return countText; }
    void setQuestionCountText(const std::string& t) override { countText = t; }
    void setAnswerChoices(const std::vector<std::string>& t) override { choices = t; }
    void setDictionaryText(const std::string& f) override { dictionaryText = f; }
};

class QuestionSetupFixture : public ::testing::Test {
protected:
    TempDir dir;
    FixedClock clock{DateTime{2001, 3, 4, 9, 5, 7}};
    std::unique_ptr<ScriptedRandom> scripted;
    ScriptedPlatform platform;
    TUserSettings settings;
    SetupDrillView view;
    RecordingHost host;
    std::unique_ptr<Drill> drill;
    std::unique_ptr<TfrmQuestionSetup> setup;
    std::string verbs;

    QuestionSetupFixture() {
        setClock(&clock);
        settings.ProgramFolder = dir.folder();
        settings.UserName = "Taro";
        makeFolder(settings.userFolder());
        SettingsStore::load(settings);
        quiet(settings);
        verbs = numberedDictionary("verbs.txt", 10);
        settings.files.DicInUse = verbs;
        drill = std::make_unique<Drill>(settings, view);
        setup = std::make_unique<TfrmQuestionSetup>(*drill, currentUserFiles(settings), settings.files,
                                                    settings.drill, settings.dicTypes, host);
        view.setup = setup.get();
    }
    ~QuestionSetupFixture() override {
        view.setup = nullptr;
        setup.reset();
        setClock(nullptr);
        setRandom(nullptr);
    }

    // No verdict windows and one draw per choice of a word.
    static void quiet(TUserSettings& s) {
        s.drill.ShowResult = false;
        s.sound.AtariOn = false;
        s.sound.HazureOn = false;
        s.drill.MultiRandomOn = false;
    }

    void useRandom(std::vector<int> values) {
        scripted = std::make_unique<ScriptedRandom>(std::move(values));
        setRandom(scripted.get());
    }

    // "w<i>=語<i>*c<i>" for i = 0 .. count - 1, remembered under "Dictionary Path".
    std::string numberedDictionary(const std::string& name, int count, const std::string& stem = "w") {
        std::vector<std::string> lines;
        for (int i = 0; i < count; ++i) {
            std::string n = std::to_string(i);
            lines.push_back(stem + n + "=" + sj("語") + n + "*c" + n);
        }
        std::string path = dir.file(name);
        writeLines(path, lines);
        rememberDictionaryPath(settings.setupIniPath(), path);
        return path;
    }

    static std::string line(int i, const std::string& stem = "w") {
        std::string n = std::to_string(i);
        return stem + n + "=" + sj("語") + n + "*c" + n;
    }

    void show() {
        setup->setResult(QDialog::Rejected);
        setup->FormShow();
    }
    // OK; true when the dialog closed (the drill started).
    bool ok() {
        setup->setResult(QDialog::Rejected);
        ctl<QPushButton>(*setup, "cmdOk")->click();
        return setup->result() == QDialog::Accepted;
    }
    void count(const char* text) {
        ctl<QLineEdit>(*setup, "txtQuestionNum")->setText(QString::fromUtf8(text));
    }

    // The name typed in the dictionary box is taken, as when the learner leaves the box.
    void takeTypedDictionaryName() {
        emit ctl<QComboBox>(*setup, "cboDicFile")->lineEdit()->editingFinished();
    }
    // The five importance level buttons, 1 to 5.
    std::vector<QToolButton*> levelButtons() const {
        std::vector<QToolButton*> buttons;
        for (const char* name : {"cmd1", "cmd2", "cmd3", "cmd4", "cmd5"})
            buttons.push_back(ctl<QToolButton>(*setup, name));
        return buttons;
    }

    void answerRight() {
        view.answer = drill->state().entry.answerAlternatives.at(0);
        drill->submit(view.onScreen());
    }
    void answerWrong() {
        view.answer = "x";
        drill->submit(view.onScreen());
    }

    // A drill of `n` questions started from the dialog and answered to the end; the
    // answers at the 1-based positions in `wrong` are missed.
    void completeDrill(int n, const std::set<int>& wrong = {}) {
        show();
        count(std::to_string(n).c_str());
        ASSERT_TRUE(ok());
        for (int i = 1; i <= n; ++i) {
            if (wrong.count(i))
                answerWrong();
            else
                answerRight();
        }
        ASSERT_FALSE(drill->running());
    }

    // The English parts of the first three questions of the drill just started,
    // answering right in between.
    std::vector<std::string> firstThree() {
        std::vector<std::string> out;
        for (int i = 0; i < 3; ++i) {
            out.push_back(drill->state().entry.english);
            if (i < 2)
                answerRight();
        }
        return out;
    }

    std::vector<std::string> englishOf(const LineList& list, int n) const {
        std::vector<std::string> out;
        for (int i = 0; i < n; ++i)
            out.push_back(splitEntry(list[static_cast<std::size_t>(i)]).english);
        return out;
    }
};

} // namespace qor::test
