#pragma once
// What the settings dialog asks of the main window: to empty its dictionary list, to
// open the new text file window, where the companion is installed. (What OK changed
// reaches the windows through the SettingsNotifier.) The main window implements it;
// tests use a recording double.

#include <string>

namespace qor {

class SetupHost {
public:
    virtual ~SetupHost() = default;

    // The dictionary history was cleared: the main window's dictionary list empties.
    virtual void dictionaryHistoryCleared() = 0;
    // "NE&W": the new text file window.
    virtual void openNewText() = 0;
    // The companion program installed beside this program (CP932), empty when unknown.
    virtual std::string bundledCompanionPath() const = 0;
};

} // namespace qor
