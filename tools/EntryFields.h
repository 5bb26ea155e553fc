#pragma once
// The three fields of one entry in the dictionary editor and the vocabulary book editor,
// "単語", "意味" and "コメント" (txtEnglish, txtJapanese, txtComment), with their captions.
// An entry of any length is held whole, so that a rewrite gives back every letter.

#include "settings/TUserSettings.h"
#include "words/WordEntry.h"

#include <optional>

class QGridLayout;
class QLineEdit;
class QWidget;

namespace qor {

class EntryFields {
public:
    // Creates the fields in the window, in the focus order English, Japanese, comment.
    explicit EntryFields(QWidget* window);
    EntryFields(const EntryFields&) = delete;
    EntryFields& operator=(const EntryFields&) = delete;

    // A caption and its field per grid row from `row` on, captions in column 0 and fields
    // in column 1; returns the row after the last.
    int addTo(QGridLayout* grid, int row);

    void show(const WordEntry& entry);
    void clear();
    // The fonts and colours of the settings' English, Japanese and message texts.
    void applyLook(const LookSettings& look);
    // The typed entry in CP932; nullopt when a field holds a character CP932 cannot
    // (the learner has been told, about the first such field only).
    std::optional<WordEntry> typed() const;

    QLineEdit* english() const { return english_; }
    QLineEdit* japanese() const { return japanese_; }

private:
    QWidget* window_;
    QLineEdit* english_;
    QLineEdit* japanese_;
    QLineEdit* comment_;
};

} // namespace qor
