#include "SettingsStore.h"

#include "base/BoxList.h"
#include "base/Cp932.h"
#include "base/IniFile.h"
#include "settings/PlanFile.h"

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string_view>

namespace qor {

namespace {

constexpr const char* DT = "Default Dictionary Type";

// The order in which the record is read at start-up (it decides only the order in
// which bad values are reported).
const std::string_view kLoadOrder[] = {
    "ShowResult", "ShowErrorOnly", "ShowEasyError", "ShowEasyAtari", "ErrorDialogOn",
    "RepeatError", "ShowPronunciation", "ShowPronResultOnly", "ShowHint", "IgnoreCase",
    "ShowComment", "ImportantOn", "AutoImportantOn", "ClickResult", "VoiceOn", "VoiceType",
    "AutoVoiceOn", "HatsuonDir", "HearingPath", "MultiRandomOn", "MakeLogFile", "AutoImeOn",
    "UseEndDicFile", "SaveError", "SaveErrorFile", "defDicFilePath", "PhoneticSignFile",
    "VocBookOn", "VocBook", "AtariOn", "AtariSoundFile", "HazureOn", "HazureSoundFile",
    "ColorChangeOn", "ChangeType", "ChangeColorPercent", "ColorType", "ShowQuestionNum",
    "ShowAtariNum", "ShowHazureNum", "ShowPercent", "ShowTime", "QuestionNum", "AtariNum",
    "HazureNum", "Percent", "Time", "FinishOn", "FinishSoundFile", "FontQuestion",
    "FontQuestionColor", "FontQuestionSize", "FontAnswer", "FontAnswerColor", "FontComment",
    "FontCommentColor", "FontCommentSize", "FontPhoneticSign", "FontPhoneticSignColor",
    "FontEnglish", "FontEnglishColor", "FontJapanese", "FontJapaneseColor", "FontMessage",
    "FontMessageColor", "SavePosition", "SaveSize", "SaveToolBar", "NotFlat", "ShowDate",
    "DateType", "moQuestionSize", "moCommentSize", "PlanOn", "ShowPlanOn", "TargetRetention",
    "NewWordsPerDay",
};

void loadKey(IniFile& ini, const SettingKey& k, TUserSettings& s, std::vector<BadSetting>& bad) {
    std::string def = defaultValue(k, s.ProgramFolder);
    switch (k.kind) {
    case SettingKind::Switch:
        k.flag(s) = readSettingNumber(ini, k.section, k.key, def, bad, k.range) != 0;
        break;
    case SettingKind::Number:
        k.number(s) = readSettingNumber(ini, k.section, k.key, def, bad, k.range);
        break;
    case SettingKind::Text:
        k.text(s) = ini.read(k.section, k.key, def);
        break;
    }
}

} // namespace

int readSettingNumber(IniFile& ini, const std::string& section, const std::string& key,
                      const std::string& def, std::vector<BadSetting>& bad,
                      const NumberRange& range) {
    std::string value = ini.read(section, key, def);
    const int fallback = static_cast<int>(parseDecimal(def).value_or(0));
    auto n = parseDecimal(value);
    if (!n || *n < INT32_MIN || *n > INT32_MAX) {
        bad.push_back({ini.path(), section, key, value, def, BadSetting::Problem::NotANumber, {}});
        return fallback;
    }
    if (range.holds(*n))
        return static_cast<int>(*n);
    const int used = range.clamp ? static_cast<int>(*n < range.lo ? range.lo : range.hi) : fallback;
    bad.push_back({ini.path(), section, key, value, std::to_string(used),
                   BadSetting::Problem::OutOfRange, range});
    return used;
}

LoadedSettings SettingsStore::load(TUserSettings& s) {
    LoadedSettings result;
    IniFile ini(s.setupIniPath());
    for (std::string_view key : kLoadOrder)
        loadKey(ini, settingKey(key), s, result.badValues);

    QuestionSetupKeys& q = result.questionSetup;
    const std::string qs = "QuestionSetup";
    // The items of the question toolbar's two choices: typed or three to five choices, and
    // the two directions.
    q.AnswerType = readSettingNumber(ini, qs, "AnswerType", "0", result.badValues, {0, 3});
    q.QuestionType = readSettingNumber(ini, qs, "QuestionType", "0", result.badValues, {0, 1});
    q.QuestionNum = ini.read(qs, "QuestionNum", "10");
    q.NotSameQuestion =
        readSettingNumber(ini, qs, "NotSameQuestion", "0", result.badValues, kSwitch);
    q.NotRandom = readSettingNumber(ini, qs, "NotRandom", "0", result.badValues, kSwitch);
    q.NotRandomContinue =
        readSettingNumber(ini, qs, "NotRandomContinue", "0", result.badValues, kSwitch);

    for (const SettingKey& k : settingKeys()) {
        if (std::string_view(k.section) == DT)
            loadKey(ini, k, s, result.badValues);
    }
    if (s.files.UseEndDicFile)
        s.files.DefDicPath = ini.read(qs, "DicFilePath", "");
    s.files.DicInUse = s.files.DefDicPath;
    return result;
}

namespace {

void writeOptions(IniFile& ini, const TUserSettings& stored) {
    // The table reaches fields through mutable references; this copy is only read.
    TUserSettings s = stored;
    for (const SettingKey& k : settingKeys()) {
        if (!k.option)
            continue;
        switch (k.kind) {
        case SettingKind::Switch:
            ini.write(k.section, k.key, k.flag(s) ? 1 : 0);
            break;
        case SettingKind::Number:
            ini.write(k.section, k.key, k.number(s));
            break;
        case SettingKind::Text:
            ini.write(k.section, k.key, k.text(s));
            break;
        }
    }
}

} // namespace

FileStatus SettingsStore::saveOptions(const TUserSettings& s) {
    IniFile ini(s.setupIniPath());
    writeOptions(ini, s);
    return ini.save();
}

FileStatus SettingsStore::saveOptions(const TUserSettings& s, const std::vector<std::string>& plan) {
    IniFile ini(s.setupIniPath());
    writeOptions(ini, s);
    PlanFile::write(ini, plan);
    return ini.save();
}

std::string SettingsStore::defaultOf(const TUserSettings& s, const std::string& section,
                                     const std::string& key) {
    for (const SettingKey& k : settingKeys()) {
        if (k.section == section && k.key == key)
            return defaultValue(k, s.ProgramFolder);
    }
    return {};
}

std::string SettingsStore::describe(const std::vector<BadSetting>& bad) {
    std::vector<std::string> lines;
    const std::string* file = nullptr;
    for (const BadSetting& b : bad) {
        // The file is named once, above its values.
        if (!file || b.file != *file) lines.push_back(*(file = &b.file));
        std::string why;
        if (b.problem == BadSetting::Problem::NotANumber)
            why = sj("数値ではありません");
        else
            why = sj("範囲 ") + std::to_string(b.range.lo) + sj("～") + std::to_string(b.range.hi) +
                  (b.range.clamp ? std::string() : sj(" の外、既定値"));
        // The stored value may be of any length: it is cut, the value used and why stay.
        lines.push_back("[" + b.section + "] " + b.key + "=" + boxItem(b.value, 40) + sj(" → ") +
                        b.used + sj("（") + why + sj("）"));
    }
    return sj("設定ファイルに、使えない値がありました。次のように直して使用します。") + "\n\n" +
           boxList(lines, kBoxListItems, 200);
}

} // namespace qor
