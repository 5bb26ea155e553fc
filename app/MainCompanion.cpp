#include "app/MainCompanion.h"

#include "app/CompanionFollower.h"
#include "settings/SettingsNotifier.h"
#include "base/TextFile.h"
#include "sound/CompanionSettings.h"
#include "services/Companion.h"
#include "ui/Text.h"

#include <QProcess>
#include <QWidget>

namespace qor {

MainCompanion::MainCompanion(QWidget& window, const TUserSettings& settings)
    : window_(window), settings_(settings),
      follower_(std::make_unique<CompanionFollower>(window, [this] { return companion_.get(); })) {}

MainCompanion::~MainCompanion() = default;

void MainCompanion::writeSettings() {
    if (settings_.sound.HearingPath.empty()) return;
    QRect frame = window_.frameGeometry();
    FileStatus status = writeCompanionCorner(companionSettingsPath(settings_.ProgramFolder),
                                             frame.x() + frame.width(), frame.y() + frame.height());
    if (!status) ui::showFileError(&window_, status.path(), status.reason());
}

void MainCompanion::start() {
    if (!settings_.sound.VoiceOn || settings_.sound.VoiceType != 1) return;
    if (process()) return;
    companion_ = std::make_unique<ui::Companion>(&window_);
    // Where it sits: the program's own data folder; where it listens is the channel's
    // affair. A companion that cannot be started has been reported.
    const bool started = companion_->start(
        QString::fromStdString(nativePath(settings_.sound.HearingPath)),
        {QStringLiteral("--settings"),
         QString::fromStdString(nativePath(companionSettingsPath(settings_.ProgramFolder)))},
        QString::fromStdString(nativePath(folderOf(settings_.sound.HearingPath))));
    if (!started) {
        companion_.reset();
        return;
    }
    // The window and its frame as the window system has placed them by now.
    follower_->tellNow();
}

QProcess* MainCompanion::process() const {
    return companion_ ? companion_->process() : nullptr;
}

void MainCompanion::end() {
    // The started program is asked to end; whether it does is its own affair, but one
    // that has not ended after a second goes with this program.
    if (!companion_) return;
    companion_->end();
    companion_.reset();
}

void MainCompanion::followSettings(SettingsNotifier& notifier) {
    QObject::connect(&notifier, &SettingsNotifier::changed, &window_, [this](SettingsGroups changed) {
        if (changed.has(SettingsGroup::Sound)) settingsChanged();
    });
}

void MainCompanion::settingsChanged() {
    writeSettings();
    const bool wanted =
        settings_.sound.VoiceOn && settings_.sound.VoiceType == 1 && settings_.sound.CompanionFound;
    const QString program = QString::fromStdString(nativePath(settings_.sound.HearingPath));
    const QProcess* running = process();
    if (wanted && running && running->program() == program)
        return; // already there: a second one would stand beside it
    end();
    if (wanted) start();
}

} // namespace qor
