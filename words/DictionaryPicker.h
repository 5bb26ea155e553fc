#pragma once
// The dictionary picker of every window that chooses a dictionary: the editable combo
// box of the learner's dictionaries (cboDicFile), what its select command does (the open
// dialog with the filter "辞書ファイル (*.txt)|*.txt"), files dropped on its window, the
// lookup of a typed name under "Dictionary Path", and the checks of a chosen file. The
// window keeps its own button or action and its handlers, which call these; it hands
// the picker a DictionarySource, never the whole settings record. Every box goes
// through ui::platform(), over the picker's window.

#include "words/DictionarySource.h"

#include <QComboBox>
#include <QList>
#include <QString>
#include <QUrl>
#include <optional>
#include <string>

namespace qor {

// What the window shows after a choice. When changed is false nothing changed at all
// (cancelled, refused, or the file could not be read) and the window shows nothing new.
struct DictionaryChange {
    bool changed = false;
    QString comboText;   // for cboDicFile: the file name of the dictionary
    QString statusText;  // for status panel 0
};

class DictionaryPicker : public QComboBox {
    Q_OBJECT
public:
    DictionaryPicker(DictionarySource& source, QWidget* parent);

    // Whether the list marks its first name (as a filled combo box does) or none.
    enum class Mark { First, None };
    // The dictionaries listed in Setup.ini, names left empty by a gap in the list left
    // out, and as text the file name of `shownPath`. Signals go as the combo box sends
    // them: a window that must not hear them blocks them around the call.
    void showListed(const std::string& shownPath, Mark mark = Mark::First);

    // The file name in the box (CP932); nullopt when it holds a character that CP932
    // cannot hold (the learner has been told).
    std::optional<std::string> typedName();
    // The path remembered for the name in the box: empty when none is; nullopt when the
    // name cannot be CP932 or Setup.ini cannot be read (the learner has been told).
    std::optional<std::string> typedPath();

    // The folder a file dialog opens in: that of the file concerned, else that of the
    // dictionary in use, else the fallback folder; never the working directory.
    static QString dialogFolder(const DictionarySource& source,
                                const std::string& concernedPath = {});

    // The open dialog of the select command ("辞書の選択", in the folder of concernedPath,
    // else of the dictionary in use, with no preset file name): the file chosen, empty
    // when cancelled.
    QString askForFile(const std::string& concernedPath = {});
    // The select command: the file asked for is tested and, when accepted, becomes the
    // current dictionary.
    DictionaryChange selectWithDialog(const std::string& concernedPath = {});

    // Files dropped on the window: only the first local file is taken, tested and
    // accepted exactly as by the select command.
    DictionaryChange acceptDroppedFiles(const QList<QUrl>& urls);

    // A change of the box's text: a text holding ".txt" is looked up under "Dictionary
    // Path" and its path becomes current; an unknown name tells the learner to choose the
    // file anew and leaves no current path. Other texts change nothing, and comboText
    // stays empty (the window keeps the text it has). statusText is always filled.
    DictionaryChange comboTextChanged(const QString& text);

    // Tests the file and makes it current (the common end of the dialog and the drop).
    // path is the file system path as the dialog or the drop gives it.
    DictionaryChange choose(const QString& path);
    // The same for a window without a picker (a new dictionary made in use), with its
    // boxes over `parent`.
    static DictionaryChange choose(QWidget* parent, DictionarySource& source, const QString& path);

    // The CP932 model path of a file chosen as a dictionary (dialog or drop), or nullopt
    // after telling the learner why it cannot be used: characters that CP932 cannot hold,
    // or a file name that Setup.ini cannot keep as a key of "Dictionary Path". Every
    // window that remembers a chosen dictionary under its file name checks with this.
    static std::optional<std::string> rememberablePath(QWidget* parent, const QString& path);

    // A dictionary file written in UTF-8 or UTF-16 (as other editors save it) cannot be
    // read as it stands: the learner is offered a CP932 copy beside it (the original stays
    // as it is). The path to go on with: the copy, or the file itself when it is no such
    // file; nullopt when the learner declined or no copy could be made (told why).
    static std::optional<std::string> offerCp932Copy(QWidget* parent, const std::string& modelPath);

    // A file chosen as a dictionary, checked as rememberablePath does, offered a CP932
    // copy as offerCp932Copy does, and tested by the dictionary test; a file that fails is
    // refused with its warning captioned "エラー". The CP932 model path (the copy's when
    // one was made), or nullopt.
    static std::optional<std::string> testChosenFile(QWidget* parent, const QString& path);

    // " 現在使用中の辞書 ： " + the given text (the full path, or the file name when the
    // window is not maximized).
    static QString statusText(const std::string& dictionaryText);

    // The dictionary name of the current path (file name less its last four characters).
    std::string dictionaryName() const;

private:
    DictionarySource& source_;
};

} // namespace qor
