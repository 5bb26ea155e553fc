#pragma once
// The three ways the main window chooses the current dictionary: the select command
// (cmdSelectDicFile with the open dialog opnDicFile), files dropped on the window, and
// a change of the text of cboDicFile. The window calls these from its handlers and
// shows what they hand back; every box goes through ui::platform().

#include "settings/TUserSettings.h"

#include <QList>
#include <QString>
#include <QUrl>
#include <optional>
#include <string>

class QWidget;

namespace qor {

// What the window shows after a choice. When changed is false nothing changed at all
// (cancelled, refused, or the file could not be read) and the window shows nothing new.
struct DictionaryChange {
    bool changed = false;
    QString comboText;   // for cboDicFile: the file name of the dictionary
    QString statusText;  // for status panel 0
};

// The folder a file dialog opens in: that of the file concerned, else that of the
// dictionary in use, else the data folder's "dictionary/"; never the working directory.
QString dialogFolder(const TUserSettings& settings, const std::string& concernedPath = {});

class DictionaryChoice {
public:
    // settings.DicInUse is the current dictionary path; the choices change it and write
    // section "Dictionary Path" of settings.setupIniPath().
    explicit DictionaryChoice(TUserSettings& settings);

    // cmdSelectDicFileClick: the open dialog with the filter "辞書ファイル (*.txt)|*.txt"
    // and no preset file name; the chosen file is tested and, when accepted, becomes
    // the current dictionary.
    DictionaryChange selectWithDialog(QWidget* parent);

    // Files dropped on the window: only the first local file is taken, tested and
    // accepted exactly as by the select command.
    DictionaryChange acceptDroppedFiles(QWidget* parent, const QList<QUrl>& urls);

    // cboDicFileChange: a text holding ".txt" is looked up under "Dictionary Path" and
    // its path becomes current; an unknown name tells the learner to choose the file
    // anew and leaves no current path. Other texts change nothing, and comboText stays
    // empty (the window keeps the text it has). statusText is always filled.
    DictionaryChange comboTextChanged(QWidget* parent, const QString& text);

    // Tests the file and makes it current (the common end of the first two ways).
    // path is the file system path as the dialog or the drop gives it.
    DictionaryChange choose(QWidget* parent, const QString& path);

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
    DictionaryChange current(bool changed) const;

    TUserSettings& settings_;
};

} // namespace qor
