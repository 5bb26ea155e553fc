#pragma once
// "辞書の作成 / 発音記号の追加": writes new word entries into a dictionary one at a time
// (word tab) and pronunciation signs for up to five words at once into the sign file
// (sign tab), both with the one add command.

#include "settings/TUserSettings.h"
#include "settings/UserFiles.h"
#include "tools/DictionaryMaker.h"

#include <QDialog>
#include <array>
#include <string>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace qor {

class TfrmMakeDic : public QDialog {
    Q_OBJECT
public:
    enum class Tab { Words, Signs };

    // Tab::Signs opens on the sign tab with "このタブのデータのみ追加する (&T)" ticked.
    // A default dictionary clicked in "単語の種類" becomes files.DicInUse too.
    TfrmMakeDic(UserFiles user, PathSettings& files, LookSettings look,
                DefaultDictionaryTypes dicTypes, Tab tab, QWidget* parent = nullptr);
    ~TfrmMakeDic() override;

    // CP932 paths of the target dictionary and the pronunciation-sign file.
    const std::string& dictionaryPath() const { return dictionaryPath_; }
    const std::string& signFilePath() const { return signFilePath_; }

public slots:
    void FormShow();
    void rgDicTypeClick(int index);
    void cmdSelectDicFileClick();
    void cmdSelectPhoneticSignFileClick();
    void cmdNewTextClick();
    void cmdNewText_1Click();
    void chkJapaneseOnClick();
    void chkJapaneseOn_1Click();
    void chkThisTabOnlyClick();
    void pcMakeDicChange(int index);
    void cmdAddClick();
    void cmdDicEditClick();
    void cmdCloseClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildWordTab();
    QWidget* buildSignTab();
    void setDictionaryPath(const std::string& path);
    // -1 shows no default dictionary chosen.
    void checkDicType(int index);
    void setSignFilePath(const std::string& path);
    // Opens the new text file window; the path of the file made there, empty when none.
    std::string makeNewTextFile(const std::string& nearPath);
    void emptyAllFields();
    void refuseEmpty(const QString& text, QLineEdit* field);

    // Mutable: a made dictionary can become the one in use (files.DicInUse).
    UserFiles user_;
    PathSettings& files_;
    LookSettings look_;
    DefaultDictionaryTypes defaults_;
    Tab openingTab_;
    std::string dictionaryPath_;
    std::string signFilePath_;
    bool signOnly_ = false;
    bool formShown_ = false;

    QTabWidget* pcMakeDic;
    QGroupBox* rgDicType;
    QButtonGroup* dicTypes_;
    std::array<QRadioButton*, 4> dicTypeItems_{};
    QLineEdit* txtDicFile;
    QPushButton* cmdNewText;
    QPushButton* cmdSelectDicFile;
    QLineEdit* txtEnglish;
    QCheckBox* chkJapaneseOn;
    QLineEdit* txtJapanese;
    QCheckBox* chkJapaneseOn_1;
    QLineEdit* txtComment;
    QCheckBox* chkThisTabOnly;
    QLineEdit* txtPhoneticSignFile;
    QPushButton* cmdSelectPhoneticSignFile;
    QPushButton* cmdNewText_1;
    std::array<QLineEdit*, kSignRows> txtVoc{};
    std::array<QLineEdit*, kSignRows> moPron{};
    QPushButton* cmdAdd;
    QPushButton* cmdDicEdit;
    QPushButton* cmdClose;
};

} // namespace qor
