#pragma once
// Every box and dialog that stops for the learner, and the services of the desktop
// (clipboard, sound, shell, printing), go through one Platform object. The program
// installs its Qt implementation (services/QtPlatform); tests install a scripted double
// that answers in order and records calls.

#include "ui/MediaPlayer.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

class QDialog;
class QTextDocument;
class QWidget;

namespace ui {

enum class Button { Ok, Yes, No, Cancel };

// Kinds of ShowNotice.
constexpr int kNoticeWarning = 0;
constexpr int kNoticeInformation = 1;
constexpr int kNoticeQuestion = 2;
// A question icon with OK and Cancel (a step the learner may call off).
constexpr int kNoticeOkCancel = 3;

// How a print ended.
struct PrintOutcome {
    enum Result { Printed, Cancelled, Failed };
    Result result = Cancelled;
    QString target;  // the printer's name, or the path of the PDF file
    QString reason;  // why it failed
    int copies = 0;  // copies sent
};

// What the program asks of the window system and the desktop, in five jobs. One
// Platform object does them all (the program's QtPlatform, the tests' scripted double),
// so that a window needs to know of one object only.

// Boxes that stop for the learner, and modal windows.
class Boxes {
public:
    virtual ~Boxes() = default;
    // Kind 0: warning icon + OK; kind 1: information icon + OK; kNoticeOkCancel: question
    // icon + OK and Cancel; any other kind: question icon + Yes and No. Returns the button
    // pressed.
    virtual Button showNotice(QWidget* parent, const QString& text, const QString& caption,
                              int kind) = 0;
    // The plain message box: the program's title as caption, no icon, OK.
    virtual void showMessage(QWidget* parent, const QString& text) = 0;
    // One-line input box; nullopt when cancelled.
    virtual std::optional<QString> inputBox(QWidget* parent, const QString& caption,
                                            const QString& prompt, const QString& preset) = 0;
    // Shows a window modally and returns its result (QDialog::Accepted / Rejected or done()).
    virtual int showModal(QDialog& dialog) = 0;
};

// What a save does to a file that is there already: it replaces the file (the save
// dialog asks before) or adds to its end (nothing is lost, so the dialog does not ask).
enum class SaveMode { Replace, Append };

// The dialogs that choose a file, a folder, a font or a colour.
class Choosers {
public:
    virtual ~Choosers() = default;
    // File dialogs take filters in the "text|pattern|text|pattern" form; an empty result
    // means cancelled.
    virtual QString openFileName(QWidget* parent, const QString& caption, const QString& filter,
                                 const QString& folder) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& caption, const QString& filter,
                                 const QString& defaultExtension, const QString& folder,
                                 SaveMode mode = SaveMode::Replace) = 0;
    virtual QString folderName(QWidget* parent, const QString& caption, const QString& folder) = 0;
    virtual std::optional<QFont> chooseFont(QWidget* parent, const QFont& initial) = 0;
    virtual std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) = 0;
};

// Sound: effects and voices, the music players and the CD drives.
class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    // Plays a wave file asynchronously; a new play cuts the previous one. Missing files
    // play nothing.
    virtual void playWave(const QString& path) = 0;
    virtual void beep() = 0;
    // A new media player (the main window owns one of each kind).
    virtual std::unique_ptr<MediaPlayer> createMediaPlayer(MediaKind kind) = 0;
    // The CD-ROM drives, named by device path.
    virtual QStringList cdDrives() = 0;
    // Whether the drive holds a readable disc; false for an empty drive text.
    virtual bool driveHasMedium(const QString& drive) = 0;
};

// The desktop around the program: clipboard, companion, associated programs, trash.
class Desktop {
public:
    virtual ~Desktop() = default;
    // Replaces the clipboard text (the learner's own copies); false when the clipboard
    // cannot be set.
    virtual bool setClipboardText(const QString& text) = 0;
    // Hands one command text to the companion program this program started; dropped
    // when none runs.
    virtual void sendToCompanion(const QString& command) = 0;
    // Opens a file or address with its associated program; false when none opened it.
    virtual bool openWithAssociatedProgram(const QString& pathOrUrl) = 0;
    // Moves a file to the trash after the learner confirmed.
    virtual bool moveToTrash(QWidget* parent, const QString& path) = 0;
    // Moves a file to the desktop trash without asking, for a deletion the learner asked
    // for in so many words. False when there is no trash for it (or the move failed): the
    // file is then where it was.
    virtual bool moveToTrashWithoutAsking(const QString& path) = 0;
};

// Printing.
class Printer {
public:
    virtual ~Printer() = default;
    // Prints a document (its font, its tab stops) after the print dialog: `copies`
    // copies, each announced by beforeCopy(i) and printed as one job titled `title`, on A4
    // with sensible margins unless the learner chose otherwise. Where no printer is set
    // up, the dialog offers "PDFに保存": the copies go into one PDF file, offered under
    // pdfFileName. Lines that belong together (ui/Printing.h) stay on one page.
    virtual PrintOutcome printDocument(QWidget* parent, const QTextDocument& document,
                                       const QString& title, const QString& pdfFileName,
                                       int copies, const std::function<void(int)>& beforeCopy) = 0;
};

class Platform : public Boxes, public Choosers, public SoundOutput, public Desktop, public Printer {
};

// The installed platform. Asking before one is installed ends the program.
Platform& platform();
// Installs a platform (the program its Qt one at start, tests their double); the caller
// keeps ownership. Returns the one installed before, for a test to put back.
Platform* setPlatform(Platform* p);

// Turns "text|*.txt|text2|*.wav" into Qt's "text (*.txt);;text2 (*.wav)" form. A text
// that already names its pattern in brackets is kept as it is.
QString qtFilter(const QString& filterWithBars);

} // namespace ui
