#include "records/ReviewSettingsFile.h"

#include "base/IniFile.h"
#include "settings/SettingsStore.h"

namespace qor {

ReviewSettings readReviewSettings(const std::string& setupIni) {
    IniFile ini(setupIni);
    std::vector<BadSetting> ignored; // a stored value out of place is simply not used
    const int percent = readSettingNumber(
        ini, kReviewSection, kTargetRetentionKey, std::to_string(kDefaultTargetRetention), ignored,
        NumberRange{kLeastTargetRetention, kMostTargetRetention, true});
    const int fresh = readSettingNumber(ini, kReviewSection, kNewWordsPerDayKey,
                                        std::to_string(kDefaultNewWordsPerDay), ignored,
                                        NumberRange{0, kMostNewWordsPerDay, true});
    return ReviewSettings{percent / 100.0, fresh};
}

} // namespace qor
