#pragma once
// Loading and saving TUserSettings from and to the user's Setup.ini.

#include "base/FileStatus.h"
#include "settings/SettingKeys.h"
#include "settings/TUserSettings.h"

#include <cstdint>
#include <string>
#include <vector>

namespace qor {

// The question toolbar's keys of [QuestionSetup]; they go to the toolbar and the drill
// state, not to the record.
struct QuestionSetupKeys {
    int AnswerType = 0;
    int QuestionType = 0;
    std::string QuestionNum = "10";
    int NotSameQuestion = 0;
    int NotRandom = 0;
    int NotRandomContinue = 0;
};

// A stored value that was not used as it is: not a decimal number (its key's default was
// used), or a number outside its key's range (brought into range).
struct BadSetting {
    enum class Problem { NotANumber, OutOfRange };
    std::string file;
    std::string section;
    std::string key;
    std::string value;
    std::string used;  // the value used instead, as decimal text
    Problem problem = Problem::NotANumber;
    NumberRange range;  // for OutOfRange
};

class IniFile;

// A number stored in a settings file. A value that is not a decimal number in the range
// of int is noted in `bad`, and the default (a decimal number) is used instead; so is a
// number outside `range`, or it is clamped into it when the range says so.
int readSettingNumber(IniFile& ini, const std::string& section, const std::string& key,
                      const std::string& def, std::vector<BadSetting>& bad,
                      const NumberRange& range = kAnyNumber);

struct LoadedSettings {
    QuestionSetupKeys questionSetup;
    std::vector<BadSetting> badValues;
};

class SettingsStore {
public:
    // Fills every stored field of `s` from s.setupIniPath(), in the fixed order, with the
    // defaults for missing keys; then DefDicPath (replaced by "DicFilePath" with
    // UseEndDicFile) and DicInUse. ProgramFolder and UserName must be set.
    static LoadedSettings load(TUserSettings& s);
    // The settings dialog's OK: every option key in the order of the tables.
    static FileStatus saveOptions(const TUserSettings& s);
    // The same, ending with the schedule: section "Plan" takes the plan entries given
    // (purpose + "," + date), in their order, in the same safe write.
    static FileStatus saveOptions(const TUserSettings& s, const std::vector<std::string>& plan);
    // The default of a key as the record load uses it (program-folder defaults built).
    static std::string defaultOf(const TUserSettings& s, const std::string& section,
                                 const std::string& key);
    // One message (CP932) naming the values that were not used as stored and what was
    // used instead, for the learner: ten of them, and how many more.
    static std::string describe(const std::vector<BadSetting>& bad);
};

} // namespace qor
