#pragma once
// Which groups of the settings record a change touched, so that each window re-applies
// only what concerns it.

#include "settings/TUserSettings.h"

namespace qor {

enum class SettingsGroup : unsigned {
    User = 1u << 0,  // the user and ShowUser
    Drill = 1u << 1,
    Window = 1u << 2,
    Sound = 1u << 3,
    Music = 1u << 4,
    Files = 1u << 5,
    Schedule = 1u << 6,
    Look = 1u << 7,
    DictionaryTypes = 1u << 8,
    Review = 1u << 9,
};

class SettingsGroups {
public:
    constexpr SettingsGroups() = default;
    constexpr SettingsGroups(SettingsGroup g) : bits_(static_cast<unsigned>(g)) {}
    static constexpr SettingsGroups all() { return SettingsGroups((1u << 10) - 1); }

    constexpr bool has(SettingsGroup g) const { return (bits_ & static_cast<unsigned>(g)) != 0; }
    constexpr bool empty() const { return bits_ == 0; }
    constexpr SettingsGroups& operator|=(SettingsGroups other) {
        bits_ |= other.bits_;
        return *this;
    }
    constexpr SettingsGroups without(SettingsGroup g) const {
        return SettingsGroups(bits_ & ~static_cast<unsigned>(g));
    }
    constexpr bool operator==(const SettingsGroups&) const = default;

private:
    constexpr explicit SettingsGroups(unsigned bits) : bits_(bits) {}
    unsigned bits_ = 0;
};

constexpr SettingsGroups operator|(SettingsGroups a, SettingsGroups b) {
    return a |= b;
}

// The groups whose values differ between the two records.
SettingsGroups changedGroups(const TUserSettings& before, const TUserSettings& after);

} // namespace qor
