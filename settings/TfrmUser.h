#pragma once
// "ユーザーの選択": pick a registered user or type a new name.

#include "settings/UserRegistry.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QPushButton;

namespace qor {

class TfrmUser : public QDialog {
    Q_OBJECT
public:
    // currentUser presets the list's text (CP932). At the very first start (firstStart)
    // closing without OK must leave no trace, so the check box is only stored by OK.
    TfrmUser(const UserRegistry& registry, const std::string& currentUser,
             bool firstStart, QWidget* parent = nullptr);

    // The chosen name after OK (CP932).
    const std::string& chosenName() const { return chosenName_; }
    // ShowUser as the check box left it (0 once it was clicked, else unchanged: -1).
    bool showUserCleared() const { return showUserCleared_; }

public slots:
    void cmdOkClick();
    void chkNotShowClick();

private:
    const UserRegistry& registry_;
    std::string chosenName_;
    bool firstStart_;
    bool showUserCleared_ = false;

    QComboBox* cboUserName;
    QPushButton* cmdOk;
    QCheckBox* chkNotShow;
};

} // namespace qor
