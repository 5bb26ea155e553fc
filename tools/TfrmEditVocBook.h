#pragma once
// "単語帳の編集": the learner's vocabulary book (setting "VocBook") as a list to change,
// delete, add to and reorder, with undo to the state at opening, save, save as and CSV.

#include "settings/TUserSettings.h"
#include "settings/UserFiles.h"
#include "tools/EditorFrame.h"
#include "tools/EntryFields.h"
#include "tools/EntryRowsList.h"
#include "tools/VocabularyBookEdit.h"

#include <QDialog>
#include <memory>

class QAction;
class QModelIndex;
class QPushButton;
class QToolButton;

namespace qor {

class TfrmEditVocBook : public QDialog {
    Q_OBJECT
public:
    // The book is files.VocBook; its dialogs open beside it, else beside the dictionary in use.
    TfrmEditVocBook(UserFiles user, const PathSettings& files, const LookSettings& look,
                    QWidget* parent = nullptr);

    const VocabularyBookEdit& book() const { return book_; }
    int selectedRow() const;
    QString statusText() const;

public slots:
    // Reads the book; false when it cannot be read (the learner has been told). Shown
    // windows close again then.
    bool FormShow();
    void lstDataClick(const QModelIndex& index);
    void cmdChangeClick();
    void cmdDeleteClick();
    void cmdClearClick();
    void cmdAddClick();
    void spnMoveDataUpClick();
    void spnMoveDataDownClick();
    void cmdUndoClick();
    // True when the book was written.
    bool cmdSaveClick();
    void cmdSaveAsClick();
    void cmdCsvClick();
    void cmdCloseClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void move(bool up);
    void enableRowCommands(bool enabled);
    void markChanged();

    const PathSettings& files_;
    const LookSettings& look_;
    UserFiles user_;
    VocabularyBookEdit book_;
    // After book_: the list lets go of its rows before they go.
    std::unique_ptr<EntryRowsList> list_;
    std::unique_ptr<EntryFields> entry_;
    std::unique_ptr<EditorFrame> frame_;
    bool formShown_ = false;

    QWidget* spnMoveData;
    QToolButton* spnMoveDataUp;
    QToolButton* spnMoveDataDown;
    QPushButton* cmdChange;
    QToolButton* cmdDelete;
    QAction* cmdClear;
    QPushButton* cmdAdd;
    QPushButton* cmdUndo;
    QPushButton* cmdSaveMenu;
    QAction* cmdSave;
    QAction* cmdSaveAs;
    QAction* cmdCsv;
    QPushButton* cmdClose;
};

} // namespace qor
