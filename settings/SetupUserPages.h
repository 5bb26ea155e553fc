#pragma once
// The tabs "ユーザー" (the current user, several users, registration) and "スケジュール"
// (the plan entries) of the settings dialog.

#include "settings/ScheduleTable.h"
#include "settings/SetupPage.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QToolButton;
class QTreeView;

namespace qor {

class TextRowsModel;

class SetupUserPage : public SetupPage {
    Q_OBJECT
public:
    SetupUserPage(TUserSettings& settings, QWidget* parent);

    void FormShow() override;
    bool store(TUserSettings& next) override;

public slots:
    void chkShowUserClick();
    void cmdAddUserClick();

private:
    // The list and the table from User.ini.
    void fillUsers();
    // Makes the list show this name (adding it when it is not registered).
    void showUserName(const std::string& name);

    TextRowsModel* users_;

    QComboBox* cboUserName;
    QCheckBox* chkShowUser;
    QGroupBox* gbUser;
    QTreeView* lstUser;
    QLineEdit* txtUserName;
    QPushButton* cmdAddUser;
};

class SetupSchedulePage : public SetupPage {
    Q_OBJECT
public:
    SetupSchedulePage(TUserSettings& settings, QWidget* parent);

    void FormShow() override;
    bool store(TUserSettings& next) override;

    // The plan entries as OK stores them.
    std::vector<std::string> planEntries() const { return table_.entryTexts(); }
    const ScheduleTable& table() const { return table_; }

public slots:
    void chkPlanOnClick();
    void cmdAddClick();
    void cmdChangeClick();
    void cmdDeleteClick();
    void lstItemClick();
    void cmdUpClick();
    void cmdDownClick();

private:
    // The row the fields describe; nullopt after telling the learner why it cannot be.
    std::optional<ScheduleRow> fieldsRow();
    // Warns about a problem; true when there was none.
    bool accepted(ScheduleProblem problem, const ScheduleRow& row);
    void showTable(int selected);
    void enableRowCommands(bool enabled);
    void presetToday();
    void moveSelected(int by);

    ScheduleTable table_;
    TextRowsModel* rows_;

    QCheckBox* chkPlanOn;
    QGroupBox* gbPlan;
    QLineEdit* txtPurpose;
    QSpinBox* txtYear;
    QSpinBox* txtMonth;
    QSpinBox* txtDay;
    QTreeView* lstItem;
    QPushButton* cmdAdd;
    QPushButton* cmdChange;
    QPushButton* cmdDelete;
    QToolButton* cmdDown;
    QCheckBox* chkShowPlanOn;
    QToolButton* cmdUp; // the mover
};

} // namespace qor
