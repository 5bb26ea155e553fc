#pragma once
// "検索結果": the hits of one search, with the comment and the pronunciation sign of the
// clicked row. Plays the clicked word and copies all hits to the vocabulary book, once
// per showing. Made by the search window when it opens and shown again for every search
// that finds something.

#include "settings/TUserSettings.h"
#include "tools/WordSearch.h"

#include <QDialog>
#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeView;

namespace qor {

class FindResultTable;

class TfrmFindResult : public QDialog {
    Q_OBJECT
public:
    // Copies of the groups it reads: the find window that opens it may go first.
    TfrmFindResult(SoundSettings sound, PathSettings files, LookSettings look,
                   QWidget* parent = nullptr);

    // The rows of the next showing: the search text and its hits in file order.
    void setResults(std::string findString, std::vector<FoundWord> words);
    const std::vector<FoundWord>& words() const;

public slots:
    void FormShow();
    void lstResultClick();
    void cmdPlayVoiceClick();
    void cmdVocBookClick();
    void cmdCloseClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The hit of the selected row, nullptr when no row is selected.
    const FoundWord* selectedWord() const;

    PathSettings files_;
    LookSettings look_;
    SoundSettings sound_;
    std::string findString_;
    FindResultTable* table_;

    QLabel* pnlResult;
    QLabel* lblResult;
    QTreeView* lstResult;
    QLineEdit* moPhoneticSign;
    QPushButton* cmdPlayVoice;
    QPlainTextEdit* moComment;
    QPushButton* cmdClose;
    QPushButton* cmdVocBook;
};

} // namespace qor
