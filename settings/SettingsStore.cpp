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

using NumberField = int TUserSettings::*;
using TextField = std::string TUserSettings::*;

enum class Default { Fixed, InProgramFolder };

struct KeyDef {
    const char* section;
    const char* key;
    NumberField number;
    TextField text;
    const char* def;  // UTF-8
    Default kind;
    bool option;      // written by the settings dialog's OK
    NumberRange range;
};

constexpr const char* S = "Setup";
constexpr const char* F = "File Path";
constexpr const char* FT = "Font";
constexpr const char* C = "Color";
constexpr const char* D = "Data Bar";
constexpr const char* DT = "Default Dictionary Type";

constexpr KeyDef num(const char* sec, const char* key, NumberField f, const char* def,
                     NumberRange range) {
    return {sec, key, f, nullptr, def, Default::Fixed, true, range};
}
// A switch: 1 on, 0 off.
constexpr KeyDef flag(const char* sec, const char* key, NumberField f, const char* def) {
    return num(sec, key, f, def, kSwitch);
}
constexpr KeyDef color(const char* key, NumberField f, const char* def) {
    return num(C, key, f, def, kColorRange);
}
constexpr KeyDef txt(const char* sec, const char* key, TextField f, const char* def,
                     Default kind = Default::Fixed, bool option = true) {
    return {sec, key, nullptr, f, def, kind, option, kAnyNumber};
}

using T = TUserSettings;
constexpr const char* kGothic = "ＭＳ Ｐゴシック";
constexpr const char* kMincho = "ＭＳ 明朝";
constexpr const char* kTeal = "8421376";

// Every stored key of the record, in the order of the tables of the settings file;
// the settings dialog's OK writes the option keys in exactly this order.
const std::array kKeys = {
    flag(S, "ShowResult", &T::ShowResult, "1"),
    flag(S, "ShowErrorOnly", &T::ShowErrorOnly, "0"),
    flag(S, "ShowEasyError", &T::ShowEasyError, "0"),
    flag(S, "ShowEasyAtari", &T::ShowEasyAtari, "0"),
    flag(S, "ErrorDialogOn", &T::ErrorDialogOn, "0"),
    flag(S, "RepeatError", &T::RepeatError, "0"),
    flag(S, "ShowPronunciation", &T::ShowPronunciation, "0"),
    flag(S, "ShowPronResultOnly", &T::ShowPronResultOnly, "0"),
    flag(S, "ShowHint", &T::ShowHint, "0"),
    flag(S, "IgnoreCase", &T::IgnoreCase, "0"),
    flag(S, "ShowComment", &T::ShowComment, "0"),
    flag(S, "ImportantOn", &T::ImportantOn, "0"),
    flag(S, "AutoImportantOn", &T::AutoImportantOn, "0"),
    flag(S, "ClickResult", &T::ClickResult, "0"),
    flag(S, "VoiceOn", &T::VoiceOn, "0"),
    num(S, "VoiceType", &T::VoiceType, "-1", NumberRange{-1, 1}),
    flag(S, "AutoVoiceOn", &T::AutoVoiceOn, "0"),
    flag(S, "MultiRandomOn", &T::MultiRandomOn, "1"),
    flag(S, "MakeLogFile", &T::MakeLogFile, "0"),
    flag(S, "AutoImeOn", &T::AutoImeOn, "1"),
    flag(S, "UseEndDicFile", &T::UseEndDicFile, "0"),
    flag(S, "SaveError", &T::SaveError, "0"),
    flag(S, "VocBookOn", &T::VocBookOn, "0"),
    flag(S, "AtariOn", &T::AtariOn, "1"),
    flag(S, "HazureOn", &T::HazureOn, "1"),
    flag(S, "FinishOn", &T::FinishOn, "0"),
    flag(S, "ColorChangeOn", &T::ColorChangeOn, "0"),
    num(S, "ChangeType", &T::ChangeType, "1", NumberRange{1, 2}),
    // Used as stored, whatever it is: the colour rule only compares with it.
    num(S, "ChangeColorPercent", &T::ChangeColorPercent, "50", kAnyNumber),
    flag(S, "SavePosition", &T::SavePosition, "1"),
    flag(S, "SaveSize", &T::SaveSize, "0"),
    flag(S, "SaveToolBar", &T::SaveToolBar, "0"),
    flag(S, "NotFlat", &T::NotFlat, "0"),
    flag(S, "ShowDate", &T::ShowDate, "0"),
    num(S, "DateType", &T::DateType, "0", NumberRange{0, 2}),
    num(S, "moQuestionSize", &T::moQuestionSize, "60", kPanelHeightRange),
    num(S, "moCommentSize", &T::moCommentSize, "50", kPanelHeightRange),
    flag(S, "PlanOn", &T::PlanOn, "0"),
    flag(S, "ShowPlanOn", &T::ShowPlanOn, "0"),

    txt(F, "HatsuonDir", &T::HatsuonDir, "", Default::InProgramFolder),
    txt(F, "HearingPath", &T::HearingPath, ""),
    txt(F, "SaveErrorFile", &T::SaveErrorFile, ""),
    txt(F, "defDicFilePath", &T::DefDicPath, "dictionary/noun.txt", Default::InProgramFolder),
    txt(F, "PhoneticSignFile", &T::PhoneticSignFile, "dictionary/phonetic sign.txt",
        Default::InProgramFolder),
    txt(F, "VocBook", &T::VocBook, ""),
    txt(F, "AtariSoundFile", &T::AtariSoundFile, "hit.wav", Default::InProgramFolder),
    txt(F, "HazureSoundFile", &T::HazureSoundFile, "out.wav", Default::InProgramFolder),
    txt(F, "FinishSoundFile", &T::FinishSoundFile, ""),

    txt(FT, "FontQuestion", &T::FontQuestion, kMincho),
    num(FT, "FontQuestionSize", &T::FontQuestionSize, "25", kFontSizeRange),
    txt(FT, "FontAnswer", &T::FontAnswer, kGothic),
    txt(FT, "FontComment", &T::FontComment, kGothic),
    num(FT, "FontCommentSize", &T::FontCommentSize, "13", kFontSizeRange),
    txt(FT, "FontPhoneticSign", &T::FontPhoneticSign, "Qor PronSign"),
    txt(FT, "FontEnglish", &T::FontEnglish, kGothic),
    txt(FT, "FontJapanese", &T::FontJapanese, kGothic),
    txt(FT, "FontMessage", &T::FontMessage, kGothic),

    color("ColorType", &T::ColorType, "255"),
    color("QuestionNum", &T::ColorQuestionNum, kTeal),
    color("AtariNum", &T::ColorAtariNum, kTeal),
    color("HazureNum", &T::ColorHazureNum, kTeal),
    color("Percent", &T::ColorPercent, kTeal),
    color("Time", &T::ColorTime, kTeal),
    color("FontQuestionColor", &T::FontQuestionColor, "0"),
    color("FontAnswerColor", &T::FontAnswerColor, "0"),
    color("FontCommentColor", &T::FontCommentColor, "0"),
    color("FontPhoneticSignColor", &T::FontPhoneticSignColor, "0"),
    color("FontEnglishColor", &T::FontEnglishColor, "0"),
    color("FontJapaneseColor", &T::FontJapaneseColor, "0"),
    color("FontMessageColor", &T::FontMessageColor, "0"),

    flag(D, "ShowQuestionNum", &T::ShowQuestionNum, "1"),
    flag(D, "ShowAtariNum", &T::ShowAtariNum, "1"),
    flag(D, "ShowHazureNum", &T::ShowHazureNum, "0"),
    flag(D, "ShowPercent", &T::ShowPercent, "1"),
    flag(D, "ShowTime", &T::ShowTime, "1"),

    txt(DT, "defDicType", &T::defDicType, "dictionary/noun.txt", Default::InProgramFolder, false),
    txt(DT, "defDicCaption", &T::defDicCaption, "名詞", Default::Fixed, false),
    txt(DT, "defDicType_1", &T::defDicType_1, "dictionary/verb.txt", Default::InProgramFolder,
        false),
    txt(DT, "defDicCaption_1", &T::defDicCaption_1, "動詞", Default::Fixed, false),
    txt(DT, "defDicType_2", &T::defDicType_2, "dictionary/adj.txt", Default::InProgramFolder,
        false),
    txt(DT, "defDicCaption_2", &T::defDicCaption_2, "形容詞・副詞", Default::Fixed, false),
    txt(DT, "defDicType_3", &T::defDicType_3, "dictionary/other.txt", Default::InProgramFolder,
        false),
    txt(DT, "defDicCaption_3", &T::defDicCaption_3, "その他", Default::Fixed, false),
};

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
    "DateType", "moQuestionSize", "moCommentSize", "PlanOn", "ShowPlanOn",
};

const KeyDef& keyDef(std::string_view key) {
    // Key names are unique across the record's sections.
    for (const KeyDef& k : kKeys) {
        if (k.key == key)
            return k;
    }
    throw std::logic_error("unknown settings key");
}

std::string defaultFor(const KeyDef& k, const std::string& programFolder) {
    std::string fixed = sj(k.def);
    return k.kind == Default::InProgramFolder ? programFolder + fixed : fixed;
}

void loadKey(IniFile& ini, const KeyDef& k, TUserSettings& s, std::vector<BadSetting>& bad) {
    std::string def = defaultFor(k, s.ProgramFolder);
    if (k.number)
        s.*k.number = readSettingNumber(ini, k.section, k.key, def, bad, k.range);
    else
        s.*k.text = ini.read(k.section, k.key, def);
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
        loadKey(ini, keyDef(key), s, result.badValues);

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

    for (const KeyDef& k : kKeys) {
        if (std::string_view(k.section) == DT)
            loadKey(ini, k, s, result.badValues);
    }
    if (s.UseEndDicFile == 1)
        s.DefDicPath = ini.read(qs, "DicFilePath", "");
    s.DicInUse = s.DefDicPath;
    return result;
}

namespace {

void writeOptions(IniFile& ini, const TUserSettings& s) {
    for (const KeyDef& k : kKeys) {
        if (!k.option)
            continue;
        if (k.number)
            ini.write(k.section, k.key, s.*k.number);
        else
            ini.write(k.section, k.key, s.*k.text);
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
    for (const KeyDef& k : kKeys) {
        if (k.section == section && k.key == key)
            return defaultFor(k, s.ProgramFolder);
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
