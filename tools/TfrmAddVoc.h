#pragma once
// "単語の追加": adds a word that the search did not find to the searched dictionary, and
// optionally its pronunciation sign to the sign file. Both word fields start with the
// search text; the learner deletes the wrong one. Stays open for further words until
// "キャンセル".

#include "settings/TUserSettings.h"

#include <QDialog>
#include <string>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace qor {

class TfrmAddVoc : public QDialog {
    Q_OBJECT
public:
    // dictionaryPath: the searched dictionary (CP932 full path); findString: the search text.
    // The look gives the fields' fonts; the paths the phonetic sign file.
    TfrmAddVoc(PathSettings files, LookSettings look, std::string dictionaryPath,
               std::string findString, QWidget* parent = nullptr);

public slots:
    void FormShow();
    void txtEnglishChange();
    void cmdAddClick();
    void cmdCancelClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void clearFields();

    LookSettings look_;
    PathSettings files_;
    std::string dicPath_;
    std::string findString_;
    bool signOn_ = false;  // a sign may be stored for the English typed

    QLineEdit* txtDicFile;
    QLineEdit* txtEnglish;
    QPlainTextEdit* moPhoneticSign;
    QLineEdit* txtJapanese;
    QLineEdit* txtComment;
    QPushButton* cmdAdd;
    QPushButton* cmdCancel;
};

} // namespace qor
