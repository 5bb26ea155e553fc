// What the settings dialog changes in the main window: the look of the drill, the data
// bars, the toolbars and the title bar after OK, the companion program, and the
// dictionary list when the history is cleared.

#include "app/TfrmMain.h"
#include "app/MainCompanion.h"
#include "app/MainMenus.h"
#include "app/MainSettingsView.h"
#include "app/MainToolBars.h"
#include "base/TextFile.h"
#include "words/DictionaryPicker.h"

#include <QComboBox>
#include <QMenu>
#include <QProcess>
#include <QSignalBlocker>

namespace qor {

void TfrmMain::applySettings() {
    // The same steps as the first showing, so that both always agree.
    view_->applyLook();
    view_->applyDataBars();
    view_->applyFlatButtons();
    menus_->mnuVocBook()->menuAction()->setEnabled(settings_.VocBookOn == 1);
    refreshTitleBar();
    // The review settings decide which words are due.
    refreshDueCount(true);
}

void TfrmMain::companionSettingsChanged() {
    companion_->settingsChanged();
}

void TfrmMain::dictionaryHistoryCleared() {
    // The list goes; the dictionary shown in the box stays the one in use.
    QSignalBlocker block(cboDicFile);
    const QString shown = cboDicFile->currentText();
    cboDicFile->clear();
    cboDicFile->setEditText(shown);
}

} // namespace qor
