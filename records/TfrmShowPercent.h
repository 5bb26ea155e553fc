#pragma once
// "正解率の表示": per word of a dictionary and year, how often it was asked and answered
// right, its percentage and whether it counts as mastered; and how many words of the
// dictionary are mastered. The mastery thresholds are kept in section "Show Percent" of
// Setup.ini by the close button.

#include "records/PercentList.h"
#include "settings/DictionaryInUse.h"
#include "settings/TUserSettings.h"

#include <QDialog>

class QComboBox;
class QGroupBox;
class QIntValidator;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTreeView;

namespace ui {
class UpDown;
}

namespace qor {

class PercentTable;

class TfrmShowPercent : public QDialog {
    Q_OBJECT
public:
    TfrmShowPercent(UserFiles user, PathSettings files, QWidget* parent = nullptr);

public slots:
    void FormShow();
    void cmdViewClick();
    void cmdSortClick();
    void cmdCloseClick();
    void rbByAtariNumClick();
    void rbByPercentClick();

private:
    void showMode(MasteryRule rule);
    void emptyView();

    PathSettings files_;
    UserFiles user_;
    DictionaryBeside dictionaries_{user_, files_};
    MasteryThresholds thresholds_;
    MasteryRule rule_ = MasteryRule::ByRightCount;

    PercentTable* table_;
    QTreeView* lstData;
    DictionaryPicker* cboDicFile;
    QComboBox* cboYear;
    QRadioButton* rbByAtariNum;
    QRadioButton* rbByPercent;
    QLabel* lblValueHead;
    QLineEdit* txtValue;
    QIntValidator* valueRange_;
    ui::UpDown* udValue;
    QLabel* lblValueTail;
    QProgressBar* cgAchieve;
    QLabel* lblAchieve;
    QPushButton* cmdView;
    QPushButton* cmdSort;
    QPushButton* cmdClose;
};

} // namespace qor
