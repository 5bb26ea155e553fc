#pragma once
// "学習履歴の表示": the drills completed since the program started (ten rows, one per drill
// history slot 1 to 10), the words a chosen drill missed (as the list's hint or in a
// message), and saving the list to a text file, plain or as CSV.

#include "records/HistoryReport.h"
#include "settings/TUserSettings.h"
#include "settings/UserFiles.h"

#include <QDialog>
#include <vector>

class QAction;
class QCheckBox;
class QMenu;
class QPushButton;
class QTreeWidget;

namespace qor {

class TfrmShowHistory : public QDialog {
    Q_OBJECT
public:
    // drills: the ten drills of history slots 1 to 10, in slot order.
    TfrmShowHistory(std::vector<HistoryDrill> drills, UserFiles user, PathSettings files,
                    QWidget* parent = nullptr);

public slots:
    void FormShow();
    void lstHistoryClick();
    void lstHistoryDblClick();
    void chkHintClick();
    void mnuNormalSaveClick();
    void mnuCsvSaveClick();
    void cmdCloseClick();

private:
    // The drill of the selected row, nullptr when none is selected.
    const HistoryDrill* selectedDrill() const;
    void setHint(const QString& text);
    void save(HistoryFormat format);

    std::vector<HistoryDrill> drills_;
    std::vector<HistoryRow> rows_;
    UserFiles user_;
    PathSettings files_;
    std::string lastSaved_;  // the file of the last save, where the next one starts

    QTreeWidget* lstHistory;
    QCheckBox* chkHint;
    QPushButton* cmdSave;
    QMenu* pmSave;
    QAction* mnuNormalSave;
    QAction* mnuCsvSave;
    QPushButton* cmdClose;
};

} // namespace qor
