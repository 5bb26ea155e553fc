#pragma once
// A data folder, the scripted platform and a fixed clock for main window tests.

#include "app/TfrmMain.h"
#include "base/Clock.h"
#include "base/Cp932.h"
#include "base/Random.h"
#include "base/TextFile.h"
#include "settings/TfrmUser.h"
#include "settings/UserRegistry.h"
#include "tests/support/Controls.h"
#include "tests/support/ScriptedPlatform.h"
#include "tests/support/TempDir.h"
#include "ui/DataBar.h"
#include "ui/RadioGroup.h"
#include "ui/Text.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace qor::test {

// Types a name into the user selection and presses OK.
inline std::function<int(QDialog&)> typeAndOk(const QString& name) {
    return [name](QDialog& d) {
        auto& frm = dynamic_cast<TfrmUser&>(d);
        ctl<QComboBox>(frm, "cboUserName")->setEditText(name);
        ctl<QPushButton>(frm, "cmdOk")->click();
        return frm.result();
    };
}

class ShellFixture : public ::testing::Test {
protected:
    TempDir dir;
    ScriptedPlatform platform;
    FixedClock clock{DateTime{2002, 3, 3, 9, 5, 7}};

    void SetUp() override { setClock(&clock); }
    void TearDown() override { setClock(nullptr); }

    // A user "Taro" who has started and closed the program before; his Setup.ini holds
    // the given lines (UTF-8, converted), or nothing.
    void knownUser(std::initializer_list<std::string_view> setupLines = {}) {
        knownUser(std::vector<std::string_view>(setupLines));
    }
    void knownUser(const std::vector<std::string_view>& setupLines) {
        UserRegistry registry(dir.folder());
        registry.select("Taro");
        registry.recordExit("Taro");
        if (!setupLines.empty()) {
            std::string bytes;
            for (std::string_view line : setupLines)
                bytes += sj(line) + "\r\n";
            spit(setupIni(), bytes);
        }
    }

    std::string setupIni() const { return dir.file("Taro/Setup.ini"); }

    // Constructs the main window and runs its first showing.
    std::unique_ptr<TfrmMain> start() {
        auto main = std::make_unique<TfrmMain>(dir.folder());
        main->releaseSplash();
        main->FormShow();
        return main;
    }

    static QString q(std::string_view utf8) {
        return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    }
};

// A main window of Taro on a five-word dictionary verbs.txt, asked in order, with a
// fixed random source: the start of every whole-drill window test.
class DrillWindowFixture : public ShellFixture {
protected:
    MersenneRandom chance{7};
    std::unique_ptr<TfrmMain> main;

    void SetUp() override {
        ShellFixture::SetUp();
        setRandom(&chance);
        writeLines(dir.file("verbs.txt"), {sj("run=走る*x"), sj("eat=食べる*y"), sj("go=行く*z"),
                                           sj("see=見る*w"), sj("swim=泳ぐ*v")});
    }
    void TearDown() override {
        main.reset();
        setRandom(nullptr);
        ShellFixture::TearDown();
    }

    // Starts the window with the given [Setup] lines (UTF-8), the answer form, five
    // questions in dictionary order and verbs.txt chosen.
    void startMain(int answerType, std::vector<std::string> setupKeys) {
        std::vector<std::string> lines{"[Setup]"};
        lines.insert(lines.end(), setupKeys.begin(), setupKeys.end());
        for (std::string l : {std::string(), std::string("[QuestionSetup]"),
                              "AnswerType=" + std::to_string(answerType),
                              std::string("QuestionNum=5"), std::string("NotRandom=1"),
                              std::string(), std::string("[Dictionary Path]"),
                              "verbs.txt=" + dir.file("verbs.txt")})
            lines.push_back(l);
        knownUser(std::vector<std::string_view>(lines.begin(), lines.end()));
        main = start();
        ctl<QComboBox>(*main, "cboDicFile")->setEditText(QStringLiteral("verbs.txt"));
        main->cboDicFileChange();
    }
};

} // namespace qor::test
