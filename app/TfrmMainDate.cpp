// The main window's date display: the date texts, the title bar and the dictionary line
// of the status bar, each second; the schedule (app/MainSchedule) and the due count
// (app/MainDueCount) tick with it.

#include "app/MainWindowState.h"
#include "words/DictionaryList.h"
#include "app/Schedule.h"
#include "app/TfrmMain.h"
#include "app/MainSchedule.h"
#include "app/MainStatusBar.h"
#include "app/MainToolBars.h"
#include "base/TextFile.h"
#include "ui/Platform.h"
#include "ui/Text.h"
#include "words/DictionaryPicker.h"

#include <QComboBox>
#include <QLabel>
#include <QTimer>

namespace qor {

void TfrmMain::refreshDateTexts() {
    dateTexts_ = DateTexts::of(programClock().now());
}

void TfrmMain::refreshTitleBar() {
    setWindowTitle(ui::toQ(titleText(settings_.window.ShowDate, settings_.window.DateType, programClock().now(),
                                     settings_.UserName)));
}

void TfrmMain::tmrDateTimer() {
    if (cboDicFile->currentText().contains(QStringLiteral(".txt"))) {
        QString name = ui::toQ(fileNameOf(settings_.files.DicInUse));
        if (cboDicFile->currentText() != name) {
            QSignalBlocker block(cboDicFile);
            cboDicFile->setEditText(name);
        }
    }
    sbPanels_[0]->setText(ui::toQ(dictionaryPanelText(settings_.files.DicInUse, isMaximized())));
    schedule_->tick();
    refreshDateTexts();
    refreshTitleBar();
    // Counts only when the day rolled over or the dictionary in use changed.
    refreshDueCount();
}

} // namespace qor
