#pragma once
// "基本設定": every option of Setup.ini, the users, the schedule, sounds and voice,
// fonts, colours and the window behaviour, one tab each. Created once at start and kept
// until exit; the main window shows it modally ("基本設定", F2). Its showing fills the
// tabs from the settings record; OK copies them back, stores them in the Setup.ini of
// the chosen user and tells the windows which groups changed; "キャンセル" only closes.
//
// Each tab is a class of its own (SetupGeneralPages.h, SetupUserPages.h,
// SetupSoundPages.h, SetupLookPages.h); this class holds them and runs OK.

#include "settings/SettingsNotifier.h"
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
class SetupReviewPage;

class TfrmSetup : public QDialog {
    Q_OBJECT
public:
    // `notifier` tells the windows which groups of the record OK changed.
    TfrmSetup(TUserSettings& settings, std::unique_ptr<SetupHost> host, SettingsNotifier& notifier,
              QWidget* parent = nullptr);
    ~TfrmSetup() override;

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
    SettingsNotifier& notifier_;
    // The record as the dialog was shown: OK tells what differs from it. The voice tab
    // changes the record while the dialog is open (the companion found, its path).
    TUserSettings shown_;
    std::vector<SetupPage*> pages_;

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
    SetupReviewPage* tsReview;
};

} // namespace qor
