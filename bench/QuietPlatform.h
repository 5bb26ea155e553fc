#pragma once
// The platform of the window benchmarks: nothing stops a run. Every dialog is cancelled,
// every service does nothing; a box that a run did not expect ends it with a message, so
// a figure is never taken on a run that went wrong.

#include "ui/MediaPlayer.h"
#include "ui/Platform.h"

#include <QDialog>
#include <cstdio>
#include <cstdlib>

namespace qor::bench {

// A player that plays nothing: benchmarks have no sound output.
class SilentPlayer final : public ui::MediaPlayer {
public:
    bool open(const QString&) override { return false; }
    bool play() override { return false; }
    void pause() override {}
    void stop() override {}
    void close() override {}
    void seekToStart() override {}
    std::optional<QString> mediaIdentity() override { return std::nullopt; }
    QString errorText() const override { return QStringLiteral("no sound output"); }
};

class QuietPlatform : public ui::Platform {
public:
    // With boxesAllowed, boxes are answered OK instead.
    explicit QuietPlatform(bool boxesAllowed = false) : boxesAllowed_(boxesAllowed) {}

    ui::Button showNotice(QWidget*, const QString& text, const QString&, int) override {
        if (!boxesAllowed_) {
            std::fprintf(stderr, "unexpected box: %s\n", qPrintable(text));
            std::abort();
        }
        return ui::Button::Ok;
    }
    void showMessage(QWidget*, const QString& text) override { showNotice(nullptr, text, {}, 0); }
    std::optional<QString> inputBox(QWidget*, const QString&, const QString&,
                                    const QString&) override {
        return std::nullopt;
    }
    QString openFileName(QWidget*, const QString&, const QString&, const QString&) override {
        return {};
    }
    QString saveFileName(QWidget*, const QString&, const QString&, const QString&,
                         const QString&, ui::SaveMode) override {
        return {};
    }
    QString folderName(QWidget*, const QString&, const QString&) override { return {}; }
    std::optional<QFont> chooseFont(QWidget*, const QFont&) override { return std::nullopt; }
    std::optional<QColor> chooseColor(QWidget*, const QColor&) override { return std::nullopt; }
    int showModal(QDialog&) override { return QDialog::Rejected; }
    bool setClipboardText(const QString&) override { return true; }
    void playWave(const QString&) override {}
    void beep() override {}
    std::unique_ptr<ui::MediaPlayer> createMediaPlayer(ui::MediaKind) override {
        return std::make_unique<SilentPlayer>();
    }
    QStringList cdDrives() override { return {}; }
    bool driveHasMedium(const QString&) override { return false; }
    void sendToCompanion(const QString&) override {}
    bool openWithAssociatedProgram(const QString&) override { return false; }
    bool moveToTrash(QWidget*, const QString&) override { return false; }
    bool moveToTrashWithoutAsking(const QString&) override { return false; }
    ui::PrintOutcome printDocument(QWidget*, const QTextDocument&, const QString&,
                                   const QString&, int, const std::function<void(int)>&) override {
        return {};
    }

private:
    bool boxesAllowed_;
};

} // namespace qor::bench
