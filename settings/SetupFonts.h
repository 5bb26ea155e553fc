#pragma once
// The seven fonts of the settings dialog's "フォント" tab and the five data bars of its
// "カラー" tab, as slots of the look settings.

#include "settings/TUserSettings.h"

#include <array>
#include <cstddef>
#include <string>

namespace qor {

// The fonts in the order of the tab and of section "Font".
enum class FontSlot { Question, Answer, Comment, PhoneticSign, English, Japanese, Message };
inline constexpr std::size_t kFontSlots = 7;

struct FontValue {
    std::string face; // CP932
    int color = 0;    // red in the lowest byte
};
using SetupFonts = std::array<FontValue, kFontSlots>;

// The fonts of the look settings, in slot order.
SetupFonts fontsOf(const LookSettings& look);
// Into the look settings; a face that is empty (a list without a selection) keeps the
// stored one.
void setFonts(LookSettings& look, const SetupFonts& fonts);
// "初期化 (&R)" of the fonts: the program's faces, all black.
SetupFonts defaultFonts();
inline constexpr int kDefaultQuestionSize = 25;
inline constexpr int kDefaultCommentSize = 13;

// The five data bars, top to bottom: shown or not, and the gauge colour.
inline constexpr std::size_t kDataBars = 5;
struct DataBarFields {
    bool LookSettings::*shown;
    int LookSettings::*color;
};
inline constexpr std::array<DataBarFields, kDataBars> kDataBarFields = {{
    {&LookSettings::ShowQuestionNum, &LookSettings::ColorQuestionNum},
    {&LookSettings::ShowAtariNum, &LookSettings::ColorAtariNum},
    {&LookSettings::ShowHazureNum, &LookSettings::ColorHazureNum},
    {&LookSettings::ShowPercent, &LookSettings::ColorPercent},
    {&LookSettings::ShowTime, &LookSettings::ColorTime},
}};
// The data bar keys of section "Data Bar", in the same order.
inline constexpr std::array<const char*, kDataBars> kDataBarKeys = {
    "ShowQuestionNum", "ShowAtariNum", "ShowHazureNum", "ShowPercent", "ShowTime"};

} // namespace qor
