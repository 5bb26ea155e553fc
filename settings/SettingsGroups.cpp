#include "settings/SettingsGroups.h"

namespace qor {

SettingsGroups changedGroups(const TUserSettings& before, const TUserSettings& after) {
    SettingsGroups changed;
    auto note = [&](bool differs, SettingsGroup g) {
        if (differs) changed |= g;
    };
    note(before.UserName != after.UserName || before.ShowUser != after.ShowUser ||
             before.ProgramFolder != after.ProgramFolder,
         SettingsGroup::User);
    note(before.drill != after.drill, SettingsGroup::Drill);
    note(before.window != after.window, SettingsGroup::Window);
    note(before.sound != after.sound, SettingsGroup::Sound);
    note(before.music != after.music, SettingsGroup::Music);
    note(before.files != after.files, SettingsGroup::Files);
    note(before.schedule != after.schedule, SettingsGroup::Schedule);
    note(before.look != after.look, SettingsGroup::Look);
    note(before.dicTypes != after.dicTypes, SettingsGroup::DictionaryTypes);
    note(before.review != after.review, SettingsGroup::Review);
    return changed;
}

} // namespace qor
