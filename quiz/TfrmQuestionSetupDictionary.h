#pragma once
// The dictionary part of the question setup dialog: the four default dictionaries under
// their word types, the dictionaries used so far (typed, chosen with O&PEN or dropped on
// the dialog) and the word count of the one in use. A choice becomes the dictionary in
// use at once and the main window shows its name.

#include "quiz/QuestionSetupHost.h"
#include "settings/DictionaryInUse.h"
#include "settings/TUserSettings.h"
#include "settings/UserFiles.h"

#include <QList>
#include <QString>
#include <QUrl>
#include <QWidget>
#include <string>

class QButtonGroup;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace qor {

class SetupDictionaryPart : public QWidget {
    Q_OBJECT
public:
    // The record's groups, read at each use: the dialog is kept for the whole run. files:
    // the paths, whose dictionary in use the part changes.
    SetupDictionaryPart(CurrentUserFiles user, PathSettings& files,
                        const DefaultDictionaryTypes& dicTypes, QuestionSetupHost& host,
                        QWidget* parent);

    // The dialog is shown: the dictionaries used so far, the captions of the four
    // defaults, and the dictionary in use with its words (0 when it cannot be read; OK
    // says why).
    void showInUse();
    // The dictionary in use becomes `path` (CP932): counted, shown, told to the window.
    void use(const std::string& path);
    // The first of the files dropped is tested and chosen as by O&PEN; not while the
    // dictionary is fixed by the option chosen.
    void acceptDrops(const QList<QUrl>& urls);

    // A source that replays earlier words fixes the dictionary they came from.
    void setChangeable(bool changeable);

    int wordCount() const { return wordCount_; }
    // The dictionary named is not known yet: how to make it known.
    static QString firstUseMessage();

    void setWordCount(int count);

signals:
    // Another dictionary is in use (or none, for a name not known yet).
    void changed();
    // The name in the box was changed, known or not.
    void nameEdited();

private:
    void rgDicTypeClick(int index);
    void cboDicFileChange();
    void cmdSelectDicFileClick();
    void selectDicTypeOf(const std::string& fileName);

    CurrentUserFiles user_;
    PathSettings& files_;
    const DefaultDictionaryTypes& dicTypes_;
    QuestionSetupHost& host_;
    DictionaryInUse dictionaries_;
    QGroupBox* rgDicType_;
    QButtonGroup* grpDicType_;
    DictionaryPicker* cboDicFile_;
    QPushButton* cmdSelectDicFile_;
    QLineEdit* txtVocNum_;
    int wordCount_ = 0;
    QString appliedDicText_;  // the name last taken from the box
};

} // namespace qor
