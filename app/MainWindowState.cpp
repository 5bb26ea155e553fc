#include "app/MainWindowState.h"

#include "base/Cp932.h"
#include "base/IniFile.h"
#include "base/TextFile.h"

namespace qor {

namespace {

constexpr const char* kForm = "Form Information";
constexpr const char* kToolbar = "Toolbar";

const char* flag(bool on) {
    return on ? "1" : "0";
}

} // namespace

Placement readPlacement(IniFile& ini, std::vector<BadSetting>& bad) {
    Placement p;
    int savePosition = readSettingNumber(ini, "Setup", "SavePosition", "0", bad);
    int saveSize = readSettingNumber(ini, "Setup", "SaveSize", "0", bad);
    if (savePosition == 1) {
        if (readSettingNumber(ini, kForm, "Maximized", "0", bad) != 0) {
            p.maximized = true;
        } else {
            p.top = readSettingNumber(ini, kForm, "Top", "0", bad);
            p.left = readSettingNumber(ini, kForm, "Left", "0", bad);
        }
    }
    if (saveSize == 1) {
        if (readSettingNumber(ini, kForm, "Maximized", "0", bad) != 0) {
            p.maximized = true;
        } else {
            p.height = readSettingNumber(ini, kForm, "Height", "441", bad);
            p.width = readSettingNumber(ini, kForm, "Width", "582", bad);
        }
    } else {
        // Without a stored size the window opens a little wider than the stored default.
        p.height = 441;
        p.width = 604;
    }
    return p;
}

ViewVisibility readToolbarSection(IniFile& ini, std::vector<BadSetting>& bad) {
    ViewVisibility v;
    v.standardToolBar = readSettingNumber(ini, kToolbar, "StandardToolBar", "1", bad) != 0;
    v.fileToolBar = readSettingNumber(ini, kToolbar, "FileToolBar", "1", bad) != 0;
    v.questionSetupToolBar = readSettingNumber(ini, kToolbar, "QuestionSetupToolBar", "0", bad) != 0;
    v.rightCommandButton = readSettingNumber(ini, kToolbar, "RightCommandButton", "1", bad) != 0;
    v.statusBar = readSettingNumber(ini, kToolbar, "StatusBar", "1", bad) != 0;
    return v;
}

FileStatus saveClosingState(const std::string& setupIniPath, const ClosingState& s) {
    IniFile ini(setupIniPath);
    const char* q = "QuestionSetup";
    ini.write(q, "AnswerType", s.answerType);
    ini.write(q, "QuestionType", s.questionType);
    ini.write(q, "QuestionNum", s.questionNum);
    ini.write(q, "DicFilePath", s.dicFilePath);

    ini.write(kToolbar, "StandardToolBar", flag(s.views.standardToolBar));
    ini.write(kToolbar, "FileToolBar", flag(s.views.fileToolBar));
    ini.write(kToolbar, "QuestionSetupToolBar", flag(s.views.questionSetupToolBar));
    ini.write(kToolbar, "RightCommandButton", flag(s.views.rightCommandButton));
    ini.write(kToolbar, "StatusBar", flag(s.views.statusBar));

    ini.write(kForm, "Maximized", flag(s.maximized));
    ini.write(kForm, "Height", s.height);
    ini.write(kForm, "Width", s.width);
    ini.write(kForm, "Top", s.top);
    ini.write(kForm, "Left", s.left);

    const char* d = "Data Bar";
    ini.write(d, "ShowQuestionNum", s.showQuestionNum);
    ini.write(d, "ShowAtariNum", s.showAtariNum);
    ini.write(d, "ShowHazureNum", s.showHazureNum);
    ini.write(d, "ShowPercent", s.showPercent);
    ini.write(d, "ShowTime", s.showTime);
    return ini.save();
}

std::string titleText(int showDate, int dateType, const DateTime& now,
                      const std::string& userName) {
    const std::string head = "Qor Helper   ";
    const std::string user = sj("【") + userName + sj("】");
    if (showDate != 1) return head + user;
    DateTexts t = DateTexts::of(now);
    std::string date = t.year + sj("年") + t.month + sj("月") + t.day + sj("日");
    switch (dateType) {
    case 0:
        return head + date + " , " + t.clock + "   " + user;
    case 1:
        return head + date + "   " + user;
    default:
        return head + t.clock + "   " + user;
    }
}

} // namespace qor
