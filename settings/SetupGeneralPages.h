#pragma once
// The tabs "全般" (drill and display switches), "ファイル" (the files the program uses)
// and "その他" (dictionary history, window behaviour, title-bar date, panel heights) of
// the settings dialog.

#include "settings/SetupPage.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace ui {
class RadioGroup;
}

namespace qor {

class SetupHost;

class SetupGeneralPage : public SetupPage {
    Q_OBJECT
public:
    SetupGeneralPage(TUserSettings& settings, QWidget* parent);

    void FormShow() override;
    bool store(TUserSettings& next) override;

public slots:
    void chkTimerOnClick();
    void chkShowResultClick();
    void chkShowPronunciationClick();
    void chkImportantOnClick();

private:
    QCheckBox* chkTimerOn;
    QSpinBox* txtTimeLimit;
    QCheckBox* chkShowResult;
    QCheckBox* chkShowErrorOnly;
    QCheckBox* chkShowEasyError;
    QCheckBox* chkShowEasyAtari;
    QCheckBox* chkErrorDialogOn;
    QCheckBox* chkRepeatError;
    QCheckBox* chkShowPronunciation;
    QCheckBox* chkShowPronResultOnly;
    QCheckBox* chkShowHint;
    QCheckBox* chkIgnoreCase;
    QCheckBox* chkShowComment;
    QCheckBox* chkImportantOn;
    QCheckBox* chkAutoImportantOn;
    QCheckBox* chkMultiRandomOn;
    QCheckBox* chkMakeLogFile;
    QCheckBox* chkAutoImeOn;
};

class SetupFilePage : public SetupPage {
    Q_OBJECT
public:
    SetupFilePage(TUserSettings& settings, SetupHost& host, QWidget* parent);

    void FormShow() override;
    bool store(TUserSettings& next) override;

public slots:
    void chkSaveErrorClick();
    void cmdSelectDefDicClick();
    void cmdSelectPhoneticSignClick();
    void cmdSelectSaveErrorFileClick();
    void cmdSelectVocBookClick();
    void cmdNewTextClick();
    void cmdDicSetupClick();

private:
    SetupHost& host_;

    QLineEdit* txtDefDicPath;
    QPushButton* cmdSelectDefDic;
    QCheckBox* chkUseEndDicFile;
    QLineEdit* txtPhoneticSignFile;
    QPushButton* cmdSelectPhoneticSign;
    QCheckBox* chkSaveError;
    QLineEdit* txtSaveErrorFile;
    QPushButton* cmdSelectSaveErrorFile;
    QLineEdit* txtVocBook;
    QPushButton* cmdSelectVocBook;
    QPushButton* cmdNewText;
    QPushButton* cmdDicSetup;
};

class SetupOtherPage : public SetupPage {
    Q_OBJECT
public:
    SetupOtherPage(TUserSettings& settings, SetupHost& host, QWidget* parent);

    void FormShow() override;
    bool store(TUserSettings& next) override;

public slots:
    void cmdResetHistoryClick();
    void chkShowDateClick();

private:
    SetupHost& host_;

    QPushButton* cmdResetHistory;
    QCheckBox* chkSavePosition;
    QCheckBox* chkSaveSize;
    QCheckBox* chkSaveToolBar;
    QCheckBox* chkNotFlat;
    QCheckBox* chkShowDate;
    ui::RadioGroup* rgDateType;
    QSpinBox* txtQuestionSize;
    QSpinBox* txtCommentSize;
};

} // namespace qor
