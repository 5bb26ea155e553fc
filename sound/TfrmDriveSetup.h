#pragma once
// "ドライブの設定": which drive holds the music CD. The list offers the CD drives the
// machine has (by device path); any path can be typed, a disc image too.

#include <QDialog>
#include <QString>
#include <QStringList>

class QComboBox;
class QPushButton;

namespace qor {

class TfrmDriveSetup : public QDialog {
    Q_OBJECT
public:
    TfrmDriveSetup(const QString& drive, const QStringList& drives, QWidget* parent = nullptr);

    QString driveOnEntry() const { return driveOnEntry_; }
    // The drive on entry until "&OK" chose another.
    QString driveChosen() const { return driveChosen_; }

public slots:
    void cmdOkClick();
    void cmdCancelClick();

private:
    QString driveOnEntry_;
    QString driveChosen_;
    QComboBox* cboDriveName = nullptr;
    QPushButton* cmdOk = nullptr;
    QPushButton* cmdCancel = nullptr;
};

} // namespace qor
