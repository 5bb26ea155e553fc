#pragma once
// "Qor Helperについて": the program's name, version and where to send opinions.

#include "settings/UserFiles.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace ui {
class HoverLabel;
}

namespace qor {

class TfrmAbout : public QDialog {
    Q_OBJECT
public:
    // A homepage given as a file is looked for in the data folder.
    explicit TfrmAbout(const UserFiles& files, QWidget* parent = nullptr);

private slots:
    void lblAddressClick();

private:
    QLabel* imgIcon;
    QLabel* lblTitle;
    QLabel* lblVersion;
    QLabel* lblMessage;
    ui::HoverLabel* lblAddress;
    QPushButton* cmdOk;
    std::string programFolder_;
};

} // namespace qor
