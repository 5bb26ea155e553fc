#pragma once
// "あなたの間違えは、、、": the error review window. Lists the words missed in the last
// drill with their comments and, for the clicked row, how often the word was missed
// today and this month; can add all of them to the vocabulary book and pronounce the
// selected one.

#include "base/Clock.h"
#include "records/ErrorReview.h"
#include "settings/TUserSettings.h"
#include "settings/UserFiles.h"

#include <QDialog>
#include <string>
#include <vector>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

namespace qor {

// The last drill as the window needs it.
struct ErrorReviewInput {
    std::vector<std::string> missedLines;  // the missed dictionary lines, in order
    int wrongCount = 0;
    int direction = 0;           // 0 English to Japanese, 1 Japanese to English
    std::string dictionaryName;  // names the daily record file
    DateTexts today;             // the date texts of the moment the window opens
};

// What the window reads of the settings, taken when it opens: the user's folder for the
// miss counts, the vocabulary book, the comment's look and the voice.
struct ErrorReviewSettings {
    explicit ErrorReviewSettings(const TUserSettings& settings)
        : user(settings), files(settings.files), look(settings.look), sound(settings.sound) {}

    UserFiles user;
    PathSettings files;
    LookSettings look;
    SoundSettings sound;
};

class TfrmShowError : public QDialog {
    Q_OBJECT
public:
    TfrmShowError(ErrorReviewInput input, ErrorReviewSettings settings, QWidget* parent = nullptr);

private slots:
    // The comment and the miss counts of the row selected.
    void lstErrorClick();
    void cmdVocBookClick();
    void cmdVoicePlayClick();
    void cmdCloseClick();

private:
    QLabel* pnlHazureNum;
    QTreeWidget* lstError;
    QPlainTextEdit* moComment;
    QLabel* pnlDayNum;
    QLabel* pnlMonthNum;
    QPushButton* cmdVocBook;
    QPushButton* cmdVoicePlay;
    QPushButton* cmdClose;

    // The row of the selected line, nullptr when none is selected.
    const ReviewRow* selectedRow() const;

    ErrorReviewInput input_;
    ErrorReviewSettings settings_;
    std::vector<ReviewRow> rows_;
};

} // namespace qor
