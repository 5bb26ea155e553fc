#pragma once
// What the settings dialog asks of the main window.

#include "settings/SetupHost.h"

namespace qor {

class TfrmMain;

class MainSetupHost final : public SetupHost {
public:
    explicit MainSetupHost(TfrmMain& main) : main_(main) {}

    void dictionaryHistoryCleared() override;
    void openNewText() override;
    std::string bundledCompanionPath() const override;

private:
    TfrmMain& main_;
};

} // namespace qor
