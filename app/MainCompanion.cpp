#include "app/MainCompanion.h"

#include "app/CompanionFollower.h"
#include "settings/SettingsNotifier.h"
#include "base/TextFile.h"
#include "sound/CompanionSettings.h"
#include "services/Companion.h"
#include "ui/Text.h"

#include <QProcess>
#include <QWidget>
#include <utility>

namespace qor {

MainCompanion::MainCompanion(QWidget& window, const SoundSettings& sound, std::string dataFolder)
    : window_(window), sound_(sound), dataFolder_(std::move(dataFolder)),
      follower_(std::make_unique<CompanionFollower>(window, [this] { return companion_.get(); })) {}

MainCompanion::~MainCompanion() = default;

void MainCompanion::writeSettings() {
    if (sound_.HearingPath.empty()) return;
    QRect frame = window_.frameGeometry();
    FileStatus status = writeCompanionCorner(companionSettingsPath(dataFolder_),
                                             frame.x() + frame.width(), frame.y() + frame.height());
    if (!status) ui::showFileError(&window_, status.path(), status.reason());
}

void MainCompanion::start() {
    if (!sound_.VoiceOn || sound_.VoiceType != 1) return;
    if (process()) return;
    companion_ = std::make_unique<ui::Companion>(&window_);
    // Where it sits: the program's own data folder; where it listens is the channel's
    // affair. A companion that cannot be started has been reported.
    const bool started = companion_->start(
        QString::fromStdString(nativePath(sound_.HearingPath)),
        {QStringLiteral("--settings"),
         QString::fromStdString(nativePath(companionSettingsPath(dataFolder_)))},
        QString::fromStdString(nativePath(folderOf(sound_.HearingPath))));
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
        sound_.VoiceOn && sound_.VoiceType == 1 && sound_.CompanionFound;
    const QString program = QString::fromStdString(nativePath(sound_.HearingPath));
    const QProcess* running = process();
    if (wanted && running && running->program() == program)
        return; // already there: a second one would stand beside it
    end();
    if (wanted) start();
}

} // namespace qor
