#pragma once
// The test double of ui::Platform: every box and dialog is answered from a queue set up
// by the test, in order, and every call is recorded. A box the test did not expect is a
// test failure (and is answered with Cancel / No / nothing).

#include "ui/Platform.h"

#include <QDialog>
#include <QMap>
#include <QStringList>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

namespace qor::test {

struct PlatformCall {
    enum Kind {
        Notice, Message, Input, OpenFile, SaveFile, Folder, Font, Color, Modal,
        Clipboard, Wave, Beep, OpenPath, Trash, Print, Companion
    };
    Kind kind;
    QString text;     // message text, prompt, clipboard text, path, dialog class name,
                      // document title
    QString caption;  // caption, filter, or the PDF file name offered
    int noticeKind = -1;
    int copies = 0;   // copies asked for (print)
    QString folder = {};  // the folder a file dialog opens in
    ui::SaveMode saveMode = ui::SaveMode::Replace;  // what a save dialog was told
};

class ScriptedPlatform;

// A media player that plays nothing: it logs what it is asked, fails when told to, and
// the test ends a play with finish().
class ScriptedMediaPlayer final : public ui::MediaPlayer {
public:
    ScriptedMediaPlayer(ScriptedPlatform& platform, ui::MediaKind kind)
        : platform_(platform), kind_(kind) {}
    ~ScriptedMediaPlayer() override;

    bool open(const QString& fileOrDrive) override;
    bool play() override;
    void pause() override;
    void stop() override;
    void close() override;
    void seekToStart() override;
    std::optional<QString> mediaIdentity() override;
    QString errorText() const override { return error_; }

    // --- the test's side ---
    ui::MediaKind kind() const { return kind_; }
    // "open <file or drive>", "play", "pause", "stop", "close", "seek", "identity"
    QStringList ops;
    bool isOpen() const { return open_; }
    bool playing() const { return playing_ && !paused_; }
    const QString& opened() const { return opened_; }
    // The next open or play fails with this text.
    std::optional<QString> failOpen;
    std::optional<QString> failPlay;
    // The end of the play that is running: the player stops and sends its notice.
    void finish();

private:
    ScriptedPlatform& platform_;
    ui::MediaKind kind_;
    QString opened_;
    QString error_;
    bool open_ = false;
    bool playing_ = false;
    bool paused_ = false;
};

class ScriptedPlatform final : public ui::Platform {
public:
    // Installs itself; the destructor puts back the platform installed before and fails
    // the test when answers were left unused.
    ScriptedPlatform();
    ~ScriptedPlatform() override;

    // Queue answers, in the order the boxes will appear.
    ScriptedPlatform& answerNotice(ui::Button button = ui::Button::Ok);
    ScriptedPlatform& answerMessage();
    ScriptedPlatform& answerInput(std::optional<QString> text);
    ScriptedPlatform& answerOpenFile(QString path);
    ScriptedPlatform& answerSaveFile(QString path);
    ScriptedPlatform& answerFolder(QString path);
    ScriptedPlatform& answerFont(std::optional<QFont> font);
    ScriptedPlatform& answerColor(std::optional<QColor> color);
    // The handler drives the modal window (it is shown already) and returns its result;
    // the window is closed afterwards with that result.
    ScriptedPlatform& answerModal(std::function<int(QDialog&)> drive);
    ScriptedPlatform& answerTrash(bool confirmed);
    // The desktop trash of moveToTrashWithoutAsking: files moved there go to this folder
    // (file system form). Without one there is no trash and the move fails.
    void setTrashFolder(const QString& folder) { trashFolder_ = folder; }
    // A print into the PDF file at pdfPath, written as the program prints; with an empty
    // path a printer takes the copies and nothing is written. duringCopy(i) runs while
    // copy i is printed (after the window announced it).
    ScriptedPlatform& answerPrint(QString pdfPath = {},
                                  std::function<void(int)> duringCopy = {});
    ScriptedPlatform& answerPrintCancelled();

    // --- sound: the CD drives and their discs, the players made ---
    // Waves, players and drive queries go to `device`, the program's own sound (tests
    // that listen through SDL's disk audio driver); boxes stay scripted.
    void useRealSound(ui::SoundOutput& device) { realSound_ = &device; }
    void setCdDrives(QStringList drives) { drives_ = std::move(drives); }
    // A disc in the drive (or image path) with its identity; ejectDisc() takes it out.
    void insertDisc(const QString& drive, const QString& identity) { discs_[drive] = identity; }
    void ejectDisc(const QString& drive) { discs_.remove(drive); }
    std::optional<QString> discIn(const QString& drive) const;
    // The next n identity queries fail as a device error would.
    int failingIdentityQueries = 0;
    // The players made by createMediaPlayer of the kind, oldest first.
    std::vector<ScriptedMediaPlayer*> players(ui::MediaKind kind) const;
    // Commands to the companion also go through `desktop`, the program's own platform,
    // to the companion the program started (ui::Companion).
    void deliverCompanionCommands(ui::Desktop& desktop) { deliverCompanion_ = &desktop; }
    QStringList companionTexts() const;

    // Boxes and dialogs nobody queued an answer for are closed (Cancel, No, nothing) and
    // recorded instead of failing the test: for tests that compare what two runs asked.
    void answerUnexpectedByClosing(bool on = true) { closeUnexpected_ = on; }

    const std::vector<PlatformCall>& calls() const { return calls_; }
    std::vector<PlatformCall> callsOf(PlatformCall::Kind kind) const;
    QStringList clipboardTexts() const;
    // Texts of notices and plain messages, in order.
    QStringList boxTexts() const;
    // The plain text of every document printed, in order.
    const QStringList& printedDocuments() const { return printed_; }
    void clearCalls() { calls_.clear(); }
    std::size_t pendingAnswers() const { return answers_.size(); }

    ui::Button showNotice(QWidget* parent, const QString& text, const QString& caption,
                          int kind) override;
    void showMessage(QWidget* parent, const QString& text) override;
    std::optional<QString> inputBox(QWidget* parent, const QString& caption, const QString& prompt,
                                    const QString& preset) override;
    QString openFileName(QWidget* parent, const QString& caption, const QString& filter,
                         const QString& folder) override;
    QString saveFileName(QWidget* parent, const QString& caption, const QString& filter,
                         const QString& defaultExtension, const QString& folder,
                         ui::SaveMode mode) override;
    QString folderName(QWidget* parent, const QString& caption, const QString& folder) override;
    std::optional<QFont> chooseFont(QWidget* parent, const QFont& initial) override;
    std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) override;
    int showModal(QDialog& dialog) override;
    bool setClipboardText(const QString& text) override;
    void playWave(const QString& path) override;
    void beep() override;
    bool openWithAssociatedProgram(const QString& pathOrUrl) override;
    bool moveToTrash(QWidget* parent, const QString& path) override;
    bool moveToTrashWithoutAsking(const QString& path) override;
    ui::PrintOutcome printDocument(QWidget* parent, const QTextDocument& document,
                                   const QString& title, const QString& pdfFileName, int copies,
                                   const std::function<void(int)>& beforeCopy) override;
    std::unique_ptr<ui::MediaPlayer> createMediaPlayer(ui::MediaKind kind) override;
    QStringList cdDrives() override;
    bool driveHasMedium(const QString& drive) override;
    void sendToCompanion(const QString& command) override;

private:
    friend class ScriptedMediaPlayer;
    void forget(ScriptedMediaPlayer* player);

    struct Answer {
        PlatformCall::Kind kind = PlatformCall::Notice;
        ui::Button button = ui::Button::Ok;
        std::optional<QString> text;
        std::optional<QFont> font;
        std::optional<QColor> color;
        std::function<int(QDialog&)> drive;
        std::function<void(int)> duringCopy;
        bool confirmed = false;  // a trash confirmed, a print not cancelled
    };
    // The next answer when it is of the kind asked for; otherwise a failure.
    std::optional<Answer> take(PlatformCall::Kind kind, const QString& what);

    std::deque<Answer> answers_;
    std::vector<PlatformCall> calls_;
    QString trashFolder_;
    QStringList printed_;
    QStringList drives_;
    QMap<QString, QString> discs_;
    std::vector<ScriptedMediaPlayer*> players_;
    ui::Desktop* deliverCompanion_ = nullptr;
    ui::SoundOutput* realSound_ = nullptr;
    bool closeUnexpected_ = false;
    ui::Platform* previous_ = nullptr;
};

} // namespace qor::test
