#include "settings/SetupValues.h"

namespace qor {

namespace {

int flag(bool on) {
    return on ? 1 : 0;
}

// The record fields of the fonts, in slot order.
struct FontFields {
    std::string TUserSettings::*face;
    int TUserSettings::*color;
};
constexpr std::array<FontFields, kFontSlots> kFontFields = {{
    {&TUserSettings::FontQuestion, &TUserSettings::FontQuestionColor},
    {&TUserSettings::FontAnswer, &TUserSettings::FontAnswerColor},
    {&TUserSettings::FontComment, &TUserSettings::FontCommentColor},
    {&TUserSettings::FontPhoneticSign, &TUserSettings::FontPhoneticSignColor},
    {&TUserSettings::FontEnglish, &TUserSettings::FontEnglishColor},
    {&TUserSettings::FontJapanese, &TUserSettings::FontJapaneseColor},
    {&TUserSettings::FontMessage, &TUserSettings::FontMessageColor},
}};

struct BarFields {
    int TUserSettings::*shown;
    int TUserSettings::*color;
};
constexpr std::array<BarFields, kDataBars> kBarFields = {{
    {&TUserSettings::ShowQuestionNum, &TUserSettings::ColorQuestionNum},
    {&TUserSettings::ShowAtariNum, &TUserSettings::ColorAtariNum},
    {&TUserSettings::ShowHazureNum, &TUserSettings::ColorHazureNum},
    {&TUserSettings::ShowPercent, &TUserSettings::ColorPercent},
    {&TUserSettings::ShowTime, &TUserSettings::ColorTime},
}};

// A folder of sound files is joined with the word and ".wav": it must end in "/".
std::string asFolder(const std::string& folder) {
    if (folder.empty() || folder.back() == '/') return folder;
    return folder + "/";
}

void copyFirstGroup(const SetupValues& v, TUserSettings& s) {
    s.TimeLimitOn = flag(v.timeLimitOn);
    if (v.timeLimitOn) s.TimeLimit = v.timeLimit;
    s.ShowResult = flag(v.showResult);
    s.ShowErrorOnly = flag(v.showErrorOnly);
    s.ShowEasyError = flag(v.showEasyError);
    s.ShowEasyAtari = flag(v.showEasyAtari);
    s.ErrorDialogOn = flag(v.errorDialogOn);
    s.RepeatError = flag(v.repeatError);
    s.ShowPronunciation = flag(v.showPronunciation);
    // Only meaningful with the signs on; otherwise it keeps its value.
    if (v.showPronunciation) s.ShowPronResultOnly = flag(v.showPronResultOnly);
    s.ShowHint = flag(v.showHint);
    s.IgnoreCase = flag(v.ignoreCase);
    s.ShowComment = flag(v.showComment);
    s.ImportantOn = flag(v.importantOn);
    s.AutoImportantOn = flag(v.autoImportantOn);
    s.MultiRandomOn = flag(v.multiRandomOn);
    s.MakeLogFile = flag(v.makeLogFile);
    s.AutoImeOn = flag(v.autoImeOn);
    s.UseEndDicFile = flag(v.useEndDicFile);
    s.DefDicPath = v.defDicPath;
    s.PhoneticSignFile = v.phoneticSignFile;
    s.SaveError = flag(v.saveError);
    s.SaveErrorFile = v.saveError ? v.saveErrorFile : std::string();
    s.VocBookOn = flag(!v.vocBook.empty());
    s.VocBook = v.vocBook;
    s.AtariOn = flag(v.atariOn);
    s.AtariSoundFile = v.atariOn ? v.atariSoundFile : std::string();
    s.HazureOn = flag(v.hazureOn);
    s.HazureSoundFile = v.hazureOn ? v.hazureSoundFile : std::string();
    s.FinishOn = flag(v.finishOn);
    s.FinishSoundFile = v.finishOn ? v.finishSoundFile : std::string();
    s.VoiceOn = flag(v.voiceOn);
    s.VoiceType = v.voiceOn ? v.voiceType : -1;
    s.AutoVoiceOn = flag(v.voiceOn && v.autoVoiceOn);
}

} // namespace

SetupFonts fontsOf(const TUserSettings& s) {
    SetupFonts fonts;
    for (std::size_t i = 0; i < kFontSlots; ++i)
        fonts[i] = {s.*kFontFields[i].face, s.*kFontFields[i].color};
    return fonts;
}

SetupFonts defaultFonts() {
    SetupFonts fonts;
    for (FontValue& f : fonts)
        f = {TUserSettings::ordinaryFace(), 0};
    fonts[static_cast<std::size_t>(FontSlot::Question)].face = TUserSettings::questionFace();
    fonts[static_cast<std::size_t>(FontSlot::PhoneticSign)].face = TUserSettings::signFace();
    return fonts;
}

SetupCopy copySetupValues(const SetupValues& v, TUserSettings& s) {
    copyFirstGroup(v, s);

    if (s.VoiceType == 0 && !v.hatsuonDir.empty()) {
        s.HatsuonDir = asFolder(v.hatsuonDir);
    } else if (s.VoiceType == 1) {
        if (v.hearingPath.empty()) return SetupCopy::NoCompanionPath;
        s.HearingPath = v.hearingPath;
    }

    if (!v.userName.empty()) s.UserName = v.userName;
    s.ShowUser = flag(v.showUser);
    s.PlanOn = flag(v.planOn);
    s.ShowPlanOn = flag(v.showPlanOn);

    for (std::size_t i = 0; i < kFontSlots; ++i) {
        if (!v.fonts[i].face.empty()) s.*kFontFields[i].face = v.fonts[i].face;
        s.*kFontFields[i].color = v.fonts[i].color;
    }
    s.FontQuestionSize = v.fontQuestionSize;
    s.FontCommentSize = v.fontCommentSize;

    if (v.colorChangeOn) {
        s.ColorChangeOn = 1;
        if (v.changeType == 1 || v.changeType == 2) s.ChangeType = v.changeType;
        s.ChangeColorPercent = v.changeColorPercent;
        s.ColorType = v.colorType;
    } else {
        s.ColorChangeOn = 0;
    }
    for (std::size_t i = 0; i < kDataBars; ++i) {
        s.*kBarFields[i].shown = flag(v.dataBars[i]);
        s.*kBarFields[i].color = v.barColors[i];
    }

    s.SavePosition = flag(v.savePosition);
    s.SaveSize = flag(v.saveSize);
    s.SaveToolBar = flag(v.saveToolBar);
    s.NotFlat = flag(v.notFlat);
    s.ShowDate = flag(v.showDate);
    s.DateType = v.showDate && v.dateType >= 0 ? v.dateType : 0;
    s.moQuestionSize = v.moQuestionSize;
    s.moCommentSize = v.moCommentSize;
    return SetupCopy::Done;
}

} // namespace qor
