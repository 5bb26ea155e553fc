#pragma once
// "辞書の表示設定": the four default dictionaries offered under "単語の種類" and their
// captions. Opened from the settings dialog; OK stores them in the record and in section
// "Default Dictionary Type" of Setup.ini.

#include "settings/TUserSettings.h"

#include <QDialog>
#include <array>

class QLineEdit;
class QPushButton;

namespace qor {

class TfrmDicSetup : public QDialog {
    Q_OBJECT
public:
    explicit TfrmDicSetup(TUserSettings& settings, QWidget* parent = nullptr);

public slots:
    void FormShow();
    // "参照" of row 0 to 3.
    void cmdSelectDicClick(int row);
    void cmdOkClick();
    void cmdCancelClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Mutable: OK stores the default dictionary types (dicTypes).
    TUserSettings& settings_;

    QPushButton* cmdOk;
    QPushButton* cmdCancel;
    // txtDicFile, txtDicFile_1 ... and the matching buttons and caption fields.
    std::array<QLineEdit*, 4> txtDicFile;
    std::array<QPushButton*, 4> cmdSelectDic;
    std::array<QLineEdit*, 4> txtCaption;
};

} // namespace qor
