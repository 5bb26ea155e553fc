#include "settings/SetupFonts.h"

namespace qor {

namespace {

struct FontFields {
    std::string LookSettings::*face;
    int LookSettings::*color;
};
constexpr std::array<FontFields, kFontSlots> kFontFields = {{
    {&LookSettings::FontQuestion, &LookSettings::FontQuestionColor},
    {&LookSettings::FontAnswer, &LookSettings::FontAnswerColor},
    {&LookSettings::FontComment, &LookSettings::FontCommentColor},
    {&LookSettings::FontPhoneticSign, &LookSettings::FontPhoneticSignColor},
    {&LookSettings::FontEnglish, &LookSettings::FontEnglishColor},
    {&LookSettings::FontJapanese, &LookSettings::FontJapaneseColor},
    {&LookSettings::FontMessage, &LookSettings::FontMessageColor},
}};

} // namespace

SetupFonts fontsOf(const LookSettings& look) {
    SetupFonts fonts;
    for (std::size_t i = 0; i < kFontSlots; ++i)
        fonts[i] = {look.*kFontFields[i].face, look.*kFontFields[i].color};
    return fonts;
}

void setFonts(LookSettings& look, const SetupFonts& fonts) {
    for (std::size_t i = 0; i < kFontSlots; ++i) {
        if (!fonts[i].face.empty()) look.*kFontFields[i].face = fonts[i].face;
        look.*kFontFields[i].color = fonts[i].color;
    }
}

SetupFonts defaultFonts() {
    SetupFonts fonts;
    for (FontValue& f : fonts)
        f = {TUserSettings::ordinaryFace(), 0};
    fonts[static_cast<std::size_t>(FontSlot::Question)].face = TUserSettings::questionFace();
    fonts[static_cast<std::size_t>(FontSlot::PhoneticSign)].face = TUserSettings::signFace();
    return fonts;
}

} // namespace qor
