#pragma once
// "基本設定": every option of Setup.ini, the users, the schedule, sounds and voice,
// fonts, colours and the window behaviour, one tab each. Created once at start and kept
// until exit; the main window shows it modally ("基本設定", F2). Its showing fills the
// tabs from the settings record; OK copies them back, stores them in the Setup.ini of
// the chosen user and makes the main window follow at once; "キャンセル" only closes.
//
// Each tab is a class of its own (SetupGeneralPages.h, SetupUserPages.h,
// SetupSoundPages.h, SetupLookPages.h); this class holds them and runs OK.

#include "settings/SetupHost.h"
#include "settings/TUserSettings.h"

#include <QDialog>
#include <memory>
#include <vector>

class QPushButton;
class QTabWidget;

namespace qor {

class SetupPage;
class SetupGeneralPage;
class SetupFilePage;
class SetupUserPage;
class SetupSchedulePage;
class SetupSoundPage;
class SetupVoicePage;
class SetupFontPage;
class SetupColorPage;
class SetupOtherPage;

class TfrmSetup : public QDialog {
    Q_OBJECT
public:
    TfrmSetup(TUserSettings& settings, std::unique_ptr<SetupHost> host, QWidget* parent = nullptr);
    ~TfrmSetup() override;

    QTabWidget* pcSetup;
    QPushButton* cmdOk;
    QPushButton* cmdCancel;

    SetupGeneralPage* tsGeneral;
    SetupFilePage* tsFile;
    SetupUserPage* tsUser;
    SetupSchedulePage* tsSchedule;
    SetupSoundPage* tsSound;
    SetupVoicePage* tsVoice;
    SetupFontPage* tsFont;
    SetupColorPage* tsColor;
    SetupOtherPage* tsOther;

    // The empty place on the "サウンド" tab where the music group goes.
    QWidget* musicGroupSlot() const;

public slots:
    void FormShow();
    void cmdOkClick();
    void cmdCancelClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    TUserSettings& settings_;
    std::unique_ptr<SetupHost> host_;
    std::vector<SetupPage*> pages_;
};

} // namespace qor
