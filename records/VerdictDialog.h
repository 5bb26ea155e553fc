#pragma once
// What the two verdict windows (TfrmAtari after a right answer, TfrmResultError after a
// wrong one) have in common: the coloured title panel with the word's figures, the
// comment and pronunciation boxes in the learner's fonts, the importance buttons, and a
// closing that stores the importance level once, whichever way the window is closed
// (its button, Esc, the title bar). Each window adds its own texts and buttons.

#include "settings/TUserSettings.h"
#include "settings/UserFiles.h"

#include <QDialog>
#include <string>

class QColor;
class QHBoxLayout;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace qor {

class ImportanceButtons;

// The word judged, as a verdict window names it (CP932).
struct VerdictWord {
    std::string lineText;        // the whole dictionary line: names the word in the importance file
    std::string dictionaryName;  // names the importance file in the user folder
    int wordAsked = 0;
    std::string wordPercentage;
    std::string comment;
    std::string pronunciation;   // first line of the pronunciation box
};

// The word part of a verdict or a missed answer, which carry the same fields.
template <class Answer>
VerdictWord verdictWordOf(const Answer& a) {
    return {a.lineText, a.dictionaryName, a.wordAsked, a.wordPercentage, a.comment, a.pronunciation};
}

class VerdictDialog : public QDialog {
    Q_OBJECT
public slots:
    void done(int result) override;

protected:
    VerdictDialog(const QString& caption, const QString& title, const QColor& titleColour,
                  const VerdictWord& word, const UserFiles& files, const DrillOptions& drill,
                  const LookSettings& look, QWidget* parent);

    // The title panel, the comment box, the label and box of the pronunciation in one
    // row, the importance buttons: for the window's layout.
    QWidget* titlePanel() const { return titlePanel_; }
    QPlainTextEdit* commentBox() const { return moComment; }
    QPlainTextEdit* pronunciationBox() const { return moPhoneticSign; }
    QHBoxLayout* phoneticRow() const { return phoneticRow_; }
    ImportanceButtons* importance() const { return importance_; }
    // The button that has the focus whenever the window shows.
    void setFocusButton(QPushButton* button) { focusButton_ = button; }

    void showEvent(QShowEvent* event) override;

private:
    void FormClose();

    QLabel* lblResult;
    QLabel* lblData;
    QPlainTextEdit* moComment;
    QLabel* lblPhoneticSign;
    QPlainTextEdit* moPhoneticSign;
    QWidget* titlePanel_;
    QHBoxLayout* phoneticRow_;
    ImportanceButtons* importance_;
    QPushButton* focusButton_ = nullptr;
    bool closed_ = false;
};

} // namespace qor
