#pragma once
// What the settings dialog asks of the main window: to follow the record at once after
// OK, to start or close the companion, to empty its dictionary list, to open the new
// text file window. The main window implements it; tests use a recording double.

#include <string>

namespace qor {

class SetupHost {
public:
    virtual ~SetupHost() = default;

    // OK: fonts, sizes and colours of the drill's texts, panel heights and visibility,
    // the data bars with their ticks and colours, flat toolbar buttons, the vocabulary
    // book menu and the title bar follow the settings record.
    virtual void applySettings() = 0;
    // OK: the companion's settings file learns where to sit; the companion is started
    // when voice through it is chosen and found, else asked to close.
    virtual void companionSettingsChanged() = 0;
    // The dictionary history was cleared: the main window's dictionary list empties.
    virtual void dictionaryHistoryCleared() = 0;
    // "NE&W": the new text file window.
    virtual void openNewText() = 0;
    // The companion program installed beside this program (CP932), empty when unknown.
    virtual std::string bundledCompanionPath() const = 0;
};

} // namespace qor
