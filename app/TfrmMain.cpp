#include "app/TfrmMain.h"

#include "base/Random.h"
#include "settings/UserRegistry.h"
#include "settings/UserSelection.h"
#include "ui/Text.h"

#include <QCloseEvent>
#include <QShowEvent>
#include <QTimer>

namespace qor {

TfrmMain::TfrmMain(std::string programFolder, QWidget* parent) : QMainWindow(parent) {
    settings_.ProgramFolder = std::move(programFolder);
    setWindowTitle(QStringLiteral("Qor Helper"));
    resize(441, 604);
}

void TfrmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    // Run after the window is on screen, as the first showing does.
    QTimer::singleShot(0, this, &TfrmMain::FormShow);
}

void TfrmMain::FormShow() {
    seedRandomFromClock();
    UserRegistry registry(settings_.ProgramFolder);
    if (!selectUserAtStartup(this, registry, settings_)) {
        emit startAborted();
        return;
    }
    started_ = true;
    setWindowTitle(QStringLiteral("Qor Helper   【") + ui::toQ(settings_.UserName) +
                   QStringLiteral("】"));
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    FormClose();
    QMainWindow::closeEvent(event);
}

void TfrmMain::FormClose() {
    if (!started_)
        return;
    UserRegistry registry(settings_.ProgramFolder);
    if (FileStatus status = registry.recordExit(settings_.UserName); !status)
        ui::showFileError(this, status.path(), status.reason());
    started_ = false;
}

} // namespace qor
