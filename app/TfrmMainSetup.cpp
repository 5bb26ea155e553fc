// What the settings dialog changes in the main window directly: the dictionary list
// when the history is cleared. (What OK changes reaches the window's parts through the
// settings notifier.)

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

void TfrmMain::dictionaryHistoryCleared() {
    // The list goes; the dictionary shown in the box stays the one in use.
    QSignalBlocker block(cboDicFile);
    const QString shown = cboDicFile->currentText();
    cboDicFile->clear();
    cboDicFile->setEditText(shown);
}

} // namespace qor
