#pragma once
// "不正解": the error dialog after a wrong typed answer. Shows the right answers, the
// learner's answer, the comment and the pronunciation; lets the learner declare the
// typed answer right (it is added to the dictionary's answer file) and set the word's
// importance level, which is stored on every close while "ImportantOn" is 1.

#include "settings/TUserSettings.h"

#include <QDialog>
#include <string>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace qor {

class ImportanceButtons;

// The word just missed, as the dialog shows it (CP932 texts).
struct MissedAnswer {
    std::string lineText;       // the whole dictionary line: names the word in the importance file
    std::string answerSide;     // every accepted answer
    std::string comment;
    std::string shown;          // the question alternative on screen
    std::string typedAnswer;
    std::string pronunciation;  // first line of the pronunciation box
    int wordAsked = 0;
    std::string wordPercentage;
    bool canAccept = true;      // only a typed answer can be declared right
};

class TfrmResultError : public QDialog {
    Q_OBJECT
public:
    // dictionaryName names the answer and importance files in the user folder.
    TfrmResultError(const MissedAnswer& answer, const TUserSettings& settings,
                    const std::string& dictionaryName, QWidget* parent = nullptr);

    // True once "正解にする" was used (also when the answer file could not be written).
    bool answerAccepted() const { return accepted_; }

    QLabel* lblResult;
    QLabel* lblData;
    QLabel* lblAnswer;
    QLabel* lblKaitou;
    QLabel* lblPhoneticSign;
    QPlainTextEdit* moPhoneticSign;
    QPlainTextEdit* moComment;
    QLabel* lblQuestion;
    QLabel* pnlCaution;
    QPushButton* cmdAdd;
    QPushButton* cmdClose;
    QLabel* lblImportant;
    QPushButton* cmd1;
    QPushButton* cmd2;
    QPushButton* cmd3;
    QPushButton* cmd4;
    QPushButton* cmd5;

public slots:
    void cmdAddClick();
    void cmdCloseClick();
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormClose();

    MissedAnswer answer_;
    std::string userFolder_;
    std::string dictionaryName_;
    bool accepted_ = false;
    bool closed_ = false;
    ImportanceButtons* importance_;
};

} // namespace qor
