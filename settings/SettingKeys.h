#pragma once
// Every stored key of the settings record, described once: its section and key in
// Setup.ini, the field it fills (through the field's group), its default and the range
// of its values. The table drives the loading and saving of Setup.ini and binds the
// settings dialog's controls to their fields.

#include "settings/TUserSettings.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace qor {

// The values of a number a learner can sensibly choose. The settings dialog offers
// exactly these, and a stored value outside them is brought into range when it is read:
// a size or height to the nearest end of its range (clamp), anything else (a switch, a
// choice, a colour) to its key's default.
struct NumberRange {
    int lo = INT32_MIN;
    int hi = INT32_MAX;
    bool clamp = false;
    bool holds(long long v) const { return v >= lo && v <= hi; }
};
inline constexpr NumberRange kAnyNumber{};
inline constexpr NumberRange kSwitch{0, 1};
// Font sizes of the question and the comment: the items of the dialog's size lists.
inline constexpr NumberRange kFontSizeRange{10, 30, true};
// Least heights of the question and comment panels, in pixels: both at their highest
// still leave the main window under 650 pixels tall, for a screen of 768.
inline constexpr NumberRange kPanelHeightRange{20, 200, true};
// 24-bit colours, red in the lowest byte.
inline constexpr NumberRange kColorRange{0, 0xFFFFFF};
// The daily review's target retention in percent, and its new words per day.
inline constexpr NumberRange kTargetRetentionRange{70, 99, true};
inline constexpr NumberRange kNewWordsPerDayRange{0, 200, true};

enum class SettingKind { Switch, Number, Text };
enum class SettingDefault { Fixed, InProgramFolder };

struct SettingKey {
    const char* section;
    const char* key;
    SettingKind kind;
    // The field of a record, by kind; the others are null.
    bool& (*flag)(TUserSettings&);
    int& (*number)(TUserSettings&);
    std::string& (*text)(TUserSettings&);
    const char* def;  // UTF-8
    SettingDefault defaultKind;
    bool option;      // written by the settings dialog's OK
    NumberRange range;
};

// Every key, in the order of the tables of the settings file; the settings dialog's OK
// writes the option keys in exactly this order.
std::span<const SettingKey> settingKeys();
// The key of this name (names are unique across the record's sections); an unknown
// name is a programming error and throws std::logic_error.
const SettingKey& settingKey(std::string_view key);
// The default of a key as the load uses it (CP932, program-folder defaults built).
std::string defaultValue(const SettingKey& key, const std::string& programFolder);

} // namespace qor
