// What the settings dialog changes in the main window: the look of the drill, the data
// bars, the toolbars and the title bar after OK, the companion program, and the
// dictionary list when the history is cleared.

#include "app/TfrmMain.h"
#include "base/TextFile.h"

#include <QComboBox>
#include <QMenu>
#include <QProcess>
#include <QSignalBlocker>

namespace qor {

void TfrmMain::applySettings() {
    // The same steps as the first showing, so that both always agree.
    applyFontsAndColours();
    applyDataBars();
    applyFlatButtons();
    mnuVocBook->menuAction()->setEnabled(settings_.VocBookOn == 1);
    refreshTitleBar();
}

void TfrmMain::companionSettingsChanged() {
    writeCompanionSettings();
    const bool wanted =
        settings_.VoiceOn == 1 && settings_.VoiceType == 1 && settings_.CompanionFound == 1;
    const QString program = QString::fromStdString(nativePath(settings_.HearingPath));
    const QProcess* running = companionProcess();
    if (wanted && running && running->program() == program)
        return; // already there: a second one would stand beside it
    askCompanionToEnd();
    if (wanted) startCompanion();
}

void TfrmMain::dictionaryHistoryCleared() {
    // The list goes; the dictionary shown in the box stays the one in use.
    QSignalBlocker block(cboDicFile);
    const QString shown = cboDicFile->currentText();
    cboDicFile->clear();
    cboDicFile->setEditText(shown);
}

} // namespace qor
