#pragma once
// "単語帳の編集": the learner's vocabulary book (setting "VocBook") as a list to change,
// delete, add to and reorder, with undo to the state at opening, save, save as and CSV.

#include "settings/TUserSettings.h"
#include "tools/VocabularyBookEdit.h"

#include <QDialog>
#include <array>
#include <optional>
#include <string>

class QAction;
class QLabel;
class QLineEdit;
class QModelIndex;
class QPushButton;
class QToolButton;
class QTreeView;

namespace qor {

class EntryRowsTable;

class TfrmEditVocBook : public QDialog {
    Q_OBJECT
public:
    explicit TfrmEditVocBook(const TUserSettings& settings, QWidget* parent = nullptr);
    ~TfrmEditVocBook() override;

    const VocabularyBookEdit& book() const { return book_; }
    int selectedRow() const { return selected_; }
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
    void setStatus(const QString& text);
    void showBookStatus();
    void move(bool up);
    void selectRow(int row);
    void clearSelection();
    void enableRowCommands(bool enabled);
    void markChanged();
    std::optional<std::array<std::string, 3>> typedEntry();

    const TUserSettings& settings_;
    VocabularyBookEdit book_;
    EntryRowsTable* table_;
    int selected_ = -1;
    bool quietSelection_ = false;
    bool formShown_ = false;

    QTreeView* lstData;
    QWidget* spnMoveData;
    QToolButton* spnMoveDataUp;
    QToolButton* spnMoveDataDown;
    QLineEdit* txtEnglish;
    QLineEdit* txtJapanese;
    QLineEdit* txtComment;
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
    QLabel* sbStatus;
};

} // namespace qor
