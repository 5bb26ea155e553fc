#pragma once
// The test double of ui::Platform: every box and dialog is answered from a queue set up
// by the test, in order, and every call is recorded. A box the test did not expect is a
// test failure (and is answered with Cancel / No / nothing).

#include "ui/Platform.h"

#include <QDialog>
#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

namespace qor::test {

struct PlatformCall {
    enum Kind {
        Notice, Message, Input, OpenFile, SaveFile, Folder, Font, Color, Modal,
        Clipboard, Wave, Beep, OpenPath, Trash
    };
    Kind kind;
    QString text;     // message text, prompt, clipboard text, path, dialog class name
    QString caption;  // caption or filter
    int noticeKind = -1;
    QString folder = {};  // the folder a file dialog opens in
};

class ScriptedPlatform final : public ui::Platform {
public:
    // Installs itself; the destructor restores the Qt platform and fails the test when
    // answers were left unused.
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

    const std::vector<PlatformCall>& calls() const { return calls_; }
    std::vector<PlatformCall> callsOf(PlatformCall::Kind kind) const;
    QStringList clipboardTexts() const;
    // Texts of notices and plain messages, in order.
    QStringList boxTexts() const;
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
                         const QString& defaultExtension, const QString& folder) override;
    QString folderName(QWidget* parent, const QString& caption, const QString& folder) override;
    std::optional<QFont> chooseFont(QWidget* parent, const QFont& initial) override;
    std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) override;
    int showModal(QDialog& dialog) override;
    bool setClipboardText(const QString& text) override;
    void playWave(const QString& path) override;
    void beep() override;
    bool openWithAssociatedProgram(const QString& pathOrUrl) override;
    bool moveToTrash(QWidget* parent, const QString& path) override;

private:
    struct Answer {
        PlatformCall::Kind kind = PlatformCall::Notice;
        ui::Button button = ui::Button::Ok;
        std::optional<QString> text;
        std::optional<QFont> font;
        std::optional<QColor> color;
        std::function<int(QDialog&)> drive;
        bool confirmed = false;
    };
    // The next answer when it is of the kind asked for; otherwise a failure.
    std::optional<Answer> take(PlatformCall::Kind kind, const QString& what);

    std::deque<Answer> answers_;
    std::vector<PlatformCall> calls_;
};

} // namespace qor::test
