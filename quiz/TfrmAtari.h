#pragma once
// "結果発表！！": the feedback window after a right answer. Shows the word's figures,
// the other accepted answers, the comment and the pronunciation, and lets the learner
// set the word's importance level, which is stored on every close while "ImportantOn"
// is 1.

#include "quiz/DrillView.h"
#include "settings/TUserSettings.h"

#include <QDialog>
#include <string>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace qor {

class ImportanceButtons;

class TfrmAtari : public QDialog {
    Q_OBJECT
public:
    // dictionaryName names the importance file in the user folder.
    TfrmAtari(const Verdict& verdict, const TUserSettings& settings,
              const std::string& dictionaryName, QWidget* parent = nullptr);

    QLabel* lblResult;
    QLabel* lblData;
    QLabel* lblAnswer;
    QPlainTextEdit* moComment;
    QLabel* lblPhoneticSign;
    QPlainTextEdit* moPhoneticSign;
    QLabel* lblImportant;
    QPushButton* cmd1;
    QPushButton* cmd2;
    QPushButton* cmd3;
    QPushButton* cmd4;
    QPushButton* cmd5;
    QPushButton* cmdOk;

public slots:
    void cmdOkClick();
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormClose();

    bool closed_ = false;
    ImportanceButtons* importance_;
};

} // namespace qor
