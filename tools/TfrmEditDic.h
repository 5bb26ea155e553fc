#pragma once
// "辞書の編集": loads one dictionary file into a list, lets the learner find, rewrite and
// delete entries, and saves the list back over the file or appends it to a file as CSV.
// Rows that were not rewritten are written back exactly as they were read.

#include "settings/DictionaryInUse.h"
#include "settings/TUserSettings.h"
#include "settings/UserFiles.h"
#include "tools/DictionaryEdit.h"
#include "tools/EditorFrame.h"
#include "tools/EntryFields.h"
#include "tools/EntryRowsList.h"

#include <QDialog>
#include <QList>
#include <QUrl>
#include <memory>
#include <string>

class QAction;
class QComboBox;
class QLineEdit;
class QModelIndex;
class QPushButton;

namespace qor {

class TfrmEditDic : public QDialog {
    Q_OBJECT
public:
    // files: the record's paths, whose dictionary in use a choice here changes.
    // dictionaryPath: the dictionary whose file name the combo box shows at opening (the
    // one in use, or the dictionary maker's target), CP932.
    TfrmEditDic(UserFiles user, PathSettings& files, LookSettings look, std::string dictionaryPath,
                QWidget* parent = nullptr);

    const DictionaryEdit& edit() const { return edit_; }
    // The selected row, -1 when none is.
    int selectedRow() const;
    QString statusText() const;

public slots:
    void FormShow();
    void cmdSelectDicClick();
    void cmdLoadClick();
    // "インポート (&I)...": a word list of another program made into a dictionary, which the
    // combo box then names, ready to load.
    void cmdImportClick();
    void lstDataClick(const QModelIndex& index);
    void cmdChangeClick();
    void cmdDeleteClick();
    void cmdFindClick();
    void cmdNextFindClick();
    void txtFindStringChange();
    void cmdDicFormatClick();
    void cmdCsvFormatClick();
    void cmdCloseClick();
    // Files dropped on the window: the first local file is taken as by the select command.
    void FormDropFiles(const QList<QUrl>& urls);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void chooseFile(const QString& path);
    void find(bool next);
    // "選択されていません" when no row is chosen.
    bool rowChosenOrSaySo();

    // Mutable: the import window it opens may make another dictionary the one in use.
    UserFiles user_;
    PathSettings& files_;
    LookSettings look_;
    DictionaryInUse dictionaries_{user_, files_};
    std::string dictionaryPath_;
    DictionaryEdit edit_;
    // After edit_: the list lets go of its rows before they go.
    std::unique_ptr<EntryRowsList> list_;
    std::unique_ptr<EntryFields> entry_;
    std::unique_ptr<EditorFrame> frame_;
    bool formShown_ = false;

    DictionaryPicker* cboDicFile;
    QPushButton* cmdSelectDic;
    QPushButton* cmdLoad;
    QPushButton* cmdImport;
    QLineEdit* txtFindString;
    QPushButton* cmdSave;
    QAction* cmdDicFormat;
    QAction* cmdCsvFormat;
    QPushButton* cmdFind;
    QPushButton* cmdNextFind;
    QPushButton* cmdDelete;
    QPushButton* cmdChange;
    QPushButton* cmdClose;
};

} // namespace qor
