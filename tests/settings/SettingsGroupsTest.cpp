// Which groups of the settings record a change touched, and the key table that every
// stored field is reached through.

#include "settings/SettingKeys.h"
#include "settings/SettingsGroups.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

using namespace qor;

TEST(SettingsGroupsTest, EachGroupIsReportedOnlyWhenOneOfItsFieldsChanged) {
    const TUserSettings before;
    EXPECT_TRUE(changedGroups(before, before).empty());

    struct Case {
        void (*change)(TUserSettings&);
        SettingsGroup group;
    };
    const Case cases[] = {
        {[](TUserSettings& s) { s.UserName = "Hanako"; }, SettingsGroup::User},
        {[](TUserSettings& s) { s.ShowUser = true; }, SettingsGroup::User},
        {[](TUserSettings& s) { s.drill.MakeLogFile = true; }, SettingsGroup::Drill},
        {[](TUserSettings& s) { s.drill.TimeLimit = 9; }, SettingsGroup::Drill},
        {[](TUserSettings& s) { s.window.DateType = 2; }, SettingsGroup::Window},
        {[](TUserSettings& s) { s.sound.HearingPath = "/v"; }, SettingsGroup::Sound},
        {[](TUserSettings& s) { s.music.MusicSource = 1; }, SettingsGroup::Music},
        {[](TUserSettings& s) { s.files.VocBook = "/b.txt"; }, SettingsGroup::Files},
        {[](TUserSettings& s) { s.schedule.ShowPlanOn = true; }, SettingsGroup::Schedule},
        {[](TUserSettings& s) { s.look.moCommentSize = 70; }, SettingsGroup::Look},
        {[](TUserSettings& s) { s.look.FontMessage = "x"; }, SettingsGroup::Look},
        {[](TUserSettings& s) { s.dicTypes.defDicCaption_3 = "x"; }, SettingsGroup::DictionaryTypes},
        {[](TUserSettings& s) { s.review.NewWordsPerDay = 5; }, SettingsGroup::Review},
    };
    for (const Case& c : cases) {
        TUserSettings after = before;
        c.change(after);
        EXPECT_EQ(changedGroups(before, after), SettingsGroups(c.group));
    }

    TUserSettings both = before;
    both.sound.VoiceOn = true;
    both.look.ShowTime = true;
    const SettingsGroups changed = changedGroups(before, both);
    EXPECT_TRUE(changed.has(SettingsGroup::Sound));
    EXPECT_TRUE(changed.has(SettingsGroup::Look));
    EXPECT_FALSE(changed.has(SettingsGroup::Drill));
    EXPECT_FALSE(changed.without(SettingsGroup::Sound).has(SettingsGroup::Sound));
    EXPECT_TRUE(changed.without(SettingsGroup::Sound).has(SettingsGroup::Look));
}

TEST(SettingsGroupsTest, EveryKeyReachesItsOwnFieldOfTheRecord) {
    // Each key, given a value of its own, must show it in its field and in no other:
    // two keys sharing a field (or a key missing its field) would store the wrong value.
    TUserSettings s;
    std::set<std::string> names;
    int n = 0;
    for (const SettingKey& k : settingKeys()) {
        EXPECT_TRUE(names.insert(k.key).second) << k.key;
        ++n;
        switch (k.kind) {
        case SettingKind::Switch:
            ASSERT_TRUE(k.flag) << k.key;
            k.flag(s) = n % 2 == 0;
            break;
        case SettingKind::Number:
            ASSERT_TRUE(k.number) << k.key;
            k.number(s) = 1000 + n;
            break;
        case SettingKind::Text:
            ASSERT_TRUE(k.text) << k.key;
            k.text(s) = "value " + std::to_string(n);
            break;
        }
    }
    n = 0;
    for (const SettingKey& k : settingKeys()) {
        ++n;
        switch (k.kind) {
        case SettingKind::Switch:
            EXPECT_EQ(k.flag(s), n % 2 == 0) << k.key;
            break;
        case SettingKind::Number:
            EXPECT_EQ(k.number(s), 1000 + n) << k.key;
            break;
        case SettingKind::Text:
            EXPECT_EQ(k.text(s), "value " + std::to_string(n)) << k.key;
            break;
        }
    }
    EXPECT_EQ(&settingKey("ShowResult"), &settingKeys()[0]);
    EXPECT_THROW(settingKey("NoSuchKey"), std::logic_error);
}
