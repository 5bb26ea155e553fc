#include "settings/SettingKeys.h"

#include "base/Cp932.h"

#include <array>
#include <stdexcept>

namespace qor {

namespace {

// The record's member holding a group, found from the group's type.
template <class Group> constexpr auto kGroupOf = nullptr;
template <> constexpr auto kGroupOf<DrillOptions> = &TUserSettings::drill;
template <> constexpr auto kGroupOf<WindowSettings> = &TUserSettings::window;
template <> constexpr auto kGroupOf<SoundSettings> = &TUserSettings::sound;
template <> constexpr auto kGroupOf<PathSettings> = &TUserSettings::files;
template <> constexpr auto kGroupOf<ScheduleSettings> = &TUserSettings::schedule;
template <> constexpr auto kGroupOf<LookSettings> = &TUserSettings::look;
template <> constexpr auto kGroupOf<DefaultDictionaryTypes> = &TUserSettings::dicTypes;
template <> constexpr auto kGroupOf<ReviewOptions> = &TUserSettings::review;

template <class Member> struct MemberOf;
template <class Group, class Value> struct MemberOf<Value Group::*> {
    using group = Group;
    using value = Value;
};

// A field of a record, reached through its group.
template <auto Field>
typename MemberOf<decltype(Field)>::value& fieldOf(TUserSettings& s) {
    return s.*kGroupOf<typename MemberOf<decltype(Field)>::group>.*Field;
}

template <auto Field>
constexpr SettingKey num(const char* sec, const char* key, const char* def, NumberRange range) {
    return {sec, key, SettingKind::Number, nullptr, &fieldOf<Field>, nullptr,
            def, SettingDefault::Fixed, true, range};
}
// A switch: 1 on, 0 off.
template <auto Field>
constexpr SettingKey flag(const char* sec, const char* key, const char* def) {
    return {sec, key, SettingKind::Switch, &fieldOf<Field>, nullptr, nullptr,
            def, SettingDefault::Fixed, true, kSwitch};
}
template <auto Field>
constexpr SettingKey color(const char* key, const char* def) {
    return num<Field>("Color", key, def, kColorRange);
}
template <auto Field>
constexpr SettingKey txt(const char* sec, const char* key, const char* def,
                         SettingDefault kind = SettingDefault::Fixed, bool option = true) {
    return {sec, key, SettingKind::Text, nullptr, nullptr, &fieldOf<Field>,
            def, kind, option, kAnyNumber};
}

constexpr const char* S = "Setup";
constexpr const char* F = "File Path";
constexpr const char* FT = "Font";
constexpr const char* D = "Data Bar";
constexpr const char* DT = "Default Dictionary Type";

using Dr = DrillOptions;
using Wi = WindowSettings;
using So = SoundSettings;
using Pa = PathSettings;
using Sc = ScheduleSettings;
using Lo = LookSettings;
using Dt = DefaultDictionaryTypes;
using Rv = ReviewOptions;
constexpr const char* kGothic = "ＭＳ Ｐゴシック";
constexpr const char* kMincho = "ＭＳ 明朝";
constexpr const char* kTeal = "8421376";

// Every stored key of the record, in the order of the tables of the settings file;
// the settings dialog's OK writes the option keys in exactly this order.
const std::array kKeys = {
    flag<&Dr::ShowResult>(S, "ShowResult", "1"),
    flag<&Dr::ShowErrorOnly>(S, "ShowErrorOnly", "0"),
    flag<&Dr::ShowEasyError>(S, "ShowEasyError", "0"),
    flag<&Dr::ShowEasyAtari>(S, "ShowEasyAtari", "0"),
    flag<&Dr::ErrorDialogOn>(S, "ErrorDialogOn", "0"),
    flag<&Dr::RepeatError>(S, "RepeatError", "0"),
    flag<&Dr::ShowPronunciation>(S, "ShowPronunciation", "0"),
    flag<&Dr::ShowPronResultOnly>(S, "ShowPronResultOnly", "0"),
    flag<&Dr::ShowHint>(S, "ShowHint", "0"),
    flag<&Dr::IgnoreCase>(S, "IgnoreCase", "0"),
    flag<&Dr::ShowComment>(S, "ShowComment", "0"),
    flag<&Dr::ImportantOn>(S, "ImportantOn", "0"),
    flag<&Dr::AutoImportantOn>(S, "AutoImportantOn", "0"),
    flag<&Wi::ClickResult>(S, "ClickResult", "0"),
    flag<&So::VoiceOn>(S, "VoiceOn", "0"),
    num<&So::VoiceType>(S, "VoiceType", "-1", NumberRange{-1, 1}),
    flag<&So::AutoVoiceOn>(S, "AutoVoiceOn", "0"),
    flag<&Dr::MultiRandomOn>(S, "MultiRandomOn", "1"),
    flag<&Dr::MakeLogFile>(S, "MakeLogFile", "0"),
    flag<&Wi::AutoImeOn>(S, "AutoImeOn", "1"),
    flag<&Pa::UseEndDicFile>(S, "UseEndDicFile", "0"),
    flag<&Pa::SaveError>(S, "SaveError", "0"),
    flag<&Pa::VocBookOn>(S, "VocBookOn", "0"),
    flag<&So::AtariOn>(S, "AtariOn", "1"),
    flag<&So::HazureOn>(S, "HazureOn", "1"),
    flag<&So::FinishOn>(S, "FinishOn", "0"),
    flag<&Lo::ColorChangeOn>(S, "ColorChangeOn", "0"),
    num<&Lo::ChangeType>(S, "ChangeType", "1", NumberRange{1, 2}),
    // Used as stored, whatever it is: the colour rule only compares with it.
    num<&Lo::ChangeColorPercent>(S, "ChangeColorPercent", "50", kAnyNumber),
    flag<&Wi::SavePosition>(S, "SavePosition", "1"),
    flag<&Wi::SaveSize>(S, "SaveSize", "0"),
    flag<&Wi::SaveToolBar>(S, "SaveToolBar", "0"),
    flag<&Wi::NotFlat>(S, "NotFlat", "0"),
    flag<&Wi::ShowDate>(S, "ShowDate", "0"),
    num<&Wi::DateType>(S, "DateType", "0", NumberRange{0, 2}),
    num<&Lo::moQuestionSize>(S, "moQuestionSize", "60", kPanelHeightRange),
    num<&Lo::moCommentSize>(S, "moCommentSize", "50", kPanelHeightRange),
    flag<&Sc::PlanOn>(S, "PlanOn", "0"),
    flag<&Sc::ShowPlanOn>(S, "ShowPlanOn", "0"),

    txt<&So::HatsuonDir>(F, "HatsuonDir", "", SettingDefault::InProgramFolder),
    txt<&So::HearingPath>(F, "HearingPath", ""),
    txt<&Pa::SaveErrorFile>(F, "SaveErrorFile", ""),
    txt<&Pa::DefDicPath>(F, "defDicFilePath", "dictionary/noun.txt", SettingDefault::InProgramFolder),
    txt<&Pa::PhoneticSignFile>(F, "PhoneticSignFile", "dictionary/phonetic sign.txt",
        SettingDefault::InProgramFolder),
    txt<&Pa::VocBook>(F, "VocBook", ""),
    txt<&So::AtariSoundFile>(F, "AtariSoundFile", "hit.wav", SettingDefault::InProgramFolder),
    txt<&So::HazureSoundFile>(F, "HazureSoundFile", "out.wav", SettingDefault::InProgramFolder),
    txt<&So::FinishSoundFile>(F, "FinishSoundFile", ""),

    txt<&Lo::FontQuestion>(FT, "FontQuestion", kMincho),
    num<&Lo::FontQuestionSize>(FT, "FontQuestionSize", "25", kFontSizeRange),
    txt<&Lo::FontAnswer>(FT, "FontAnswer", kGothic),
    txt<&Lo::FontComment>(FT, "FontComment", kGothic),
    num<&Lo::FontCommentSize>(FT, "FontCommentSize", "13", kFontSizeRange),
    txt<&Lo::FontPhoneticSign>(FT, "FontPhoneticSign", "Qor PronSign"),
    txt<&Lo::FontEnglish>(FT, "FontEnglish", kGothic),
    txt<&Lo::FontJapanese>(FT, "FontJapanese", kGothic),
    txt<&Lo::FontMessage>(FT, "FontMessage", kGothic),

    color<&Lo::ColorType>("ColorType", "255"),
    color<&Lo::ColorQuestionNum>("QuestionNum", kTeal),
    color<&Lo::ColorAtariNum>("AtariNum", kTeal),
    color<&Lo::ColorHazureNum>("HazureNum", kTeal),
    color<&Lo::ColorPercent>("Percent", kTeal),
    color<&Lo::ColorTime>("Time", kTeal),
    color<&Lo::FontQuestionColor>("FontQuestionColor", "0"),
    color<&Lo::FontAnswerColor>("FontAnswerColor", "0"),
    color<&Lo::FontCommentColor>("FontCommentColor", "0"),
    color<&Lo::FontPhoneticSignColor>("FontPhoneticSignColor", "0"),
    color<&Lo::FontEnglishColor>("FontEnglishColor", "0"),
    color<&Lo::FontJapaneseColor>("FontJapaneseColor", "0"),
    color<&Lo::FontMessageColor>("FontMessageColor", "0"),

    flag<&Lo::ShowQuestionNum>(D, "ShowQuestionNum", "1"),
    flag<&Lo::ShowAtariNum>(D, "ShowAtariNum", "1"),
    flag<&Lo::ShowHazureNum>(D, "ShowHazureNum", "0"),
    flag<&Lo::ShowPercent>(D, "ShowPercent", "1"),
    flag<&Lo::ShowTime>(D, "ShowTime", "1"),

    // The daily review: the chance of recall at which a word falls due (percent), and the
    // words never answered that a day's review may bring in.
    num<&Rv::TargetRetention>("Review", "TargetRetention", "90", kTargetRetentionRange),
    num<&Rv::NewWordsPerDay>("Review", "NewWordsPerDay", "20", kNewWordsPerDayRange),

    txt<&Dt::defDicType>(DT, "defDicType", "dictionary/noun.txt", SettingDefault::InProgramFolder, false),
    txt<&Dt::defDicCaption>(DT, "defDicCaption", "名詞", SettingDefault::Fixed, false),
    txt<&Dt::defDicType_1>(DT, "defDicType_1", "dictionary/verb.txt", SettingDefault::InProgramFolder,
        false),
    txt<&Dt::defDicCaption_1>(DT, "defDicCaption_1", "動詞", SettingDefault::Fixed, false),
    txt<&Dt::defDicType_2>(DT, "defDicType_2", "dictionary/adj.txt", SettingDefault::InProgramFolder,
        false),
    txt<&Dt::defDicCaption_2>(DT, "defDicCaption_2", "形容詞・副詞", SettingDefault::Fixed, false),
    txt<&Dt::defDicType_3>(DT, "defDicType_3", "dictionary/other.txt", SettingDefault::InProgramFolder,
        false),
    txt<&Dt::defDicCaption_3>(DT, "defDicCaption_3", "その他", SettingDefault::Fixed, false),
};

} // namespace

std::span<const SettingKey> settingKeys() {
    return kKeys;
}

const SettingKey& settingKey(std::string_view key) {
    for (const SettingKey& k : kKeys) {
        if (k.key == key)
            return k;
    }
    throw std::logic_error("unknown settings key");
}

std::string defaultValue(const SettingKey& key, const std::string& programFolder) {
    std::string fixed = sj(key.def);
    return key.defaultKind == SettingDefault::InProgramFolder ? programFolder + fixed : fixed;
}

} // namespace qor
