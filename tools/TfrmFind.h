#pragma once
// "単語の検索": searches one dictionary for a typed text. Shows the hits in
// TfrmFindResult, or, when nothing was found and adding is switched on, offers the word
// in TfrmAddVoc. The dictionary to search is chosen by the default types, the combo box
// of remembered dictionaries, the open dialog or a dropped file; none of them changes
// the main window's dictionary.

#include "settings/DictionaryInUse.h"
#include "settings/TUserSettings.h"
#include "settings/UserFiles.h"
#include "tools/WordSearch.h"

#include <QDialog>
#include <QList>
#include <QUrl>
#include <string>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QStatusBar;

namespace qor {

class TfrmFindResult;

class TfrmFind : public QDialog {
    Q_OBJECT
public:
    // The main window's groups, copied: files.DicInUse is searched at first, and a
    // dictionary chosen here changes this window's copy only.
    TfrmFind(UserFiles user, SoundSettings sound, PathSettings files, LookSettings look,
             DefaultDictionaryTypes dicTypes, QWidget* parent = nullptr);
    ~TfrmFind() override;

    // The dictionary the next search reads (CP932 full path; empty when the combo box
    // names a dictionary whose place is not remembered).
    const std::string& dictionaryPath() const { return dicPath_; }
    // The result window, made when the window is shown.
    TfrmFindResult* resultWindow() const { return frmFindResult_; }

public slots:
    void FormShow();
    void rgDicTypeClick(int index);
    void cboDicFileChange(const QString& text);
    void cmdSelectDicFileClick();
    void FormDropFiles(const QList<QUrl>& urls);
    void chkAddDicOnClick();
    void chkByHeadClick();
    void cmdFindClick();
    void cmdCloseClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Makes the path the dictionary to search and shows it in the combo box and the
    // default types.
    void useDictionary(const std::string& path);
    void selectDicTypeOf(const std::string& fileName);
    // After a file was chosen with the dialog or dropped (tested and remembered under
    // "Dictionary Path"): uses it when the choice succeeded.
    void showChoice(bool changed);
    void setStatus(const QString& text);

    UserFiles user_;
    PathSettings files_;
    LookSettings look_;
    SoundSettings sound_;
    DefaultDictionaryTypes dicTypes_;
    DictionaryInUse dictionaries_{user_, files_};
    const std::string mainDictionary_;  // the main window's dictionary in use
    std::string dicPath_;
    std::string findString_;  // the last search text
    int findNum_ = 0;         // hits of the last search
    FindSwitches switches_;
    TfrmFindResult* frmFindResult_ = nullptr;

    QLabel* lblBanner;
    QGroupBox* rgDicType;
    QButtonGroup* grpDicType;
    DictionaryPicker* cboDicFile;
    QPushButton* cmdSelectDicFile;
    QCheckBox* chkAddDicOn;
    QCheckBox* chkByHead;
    QLineEdit* txtFindString;
    QPushButton* cmdFind;
    QPushButton* cmdClose;
    QStatusBar* sbInfo;
    QLabel* lblStatus;  // first panel of sbInfo
    QProgressBar* cgFinding;
};

} // namespace qor
