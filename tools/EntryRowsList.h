#pragma once
// The list of the dictionary editor and the vocabulary book editor (lstData) and the row
// the learner chose in it: a click chooses a row, and so does the keyboard, by the rule the
// window gives. The window's own changes of the selection choose nothing.
//
// Held by the window after the object that owns the rows: the list lets go of them when it
// goes, before they go and before the window hides the list.

#include "tools/EntryRows.h"
#include "words/WordEntry.h"

#include <QModelIndex>
#include <array>
#include <functional>
#include <optional>

class QString;
class QTreeView;
class QWidget;

namespace qor {

class EntryRowsTable;

class EntryRowsList {
public:
    // What chooses a row besides a click: any new current row, or a selection of exactly
    // one row (the current row alone then chooses nothing, as the list sets one when it
    // takes the focus).
    enum class KeyChoice { CurrentRow, OneSelectedRow };

    // Creates the list in the window; `chosen` is called with the row's index for each
    // choice of the learner's. widths: of the columns "No.", "単語", "意味", "コメント".
    EntryRowsList(QWidget* window, const EntryRows& rows, const std::array<int, 4>& widths,
                  const QString& accessibleName, KeyChoice keys,
                  std::function<void(const QModelIndex&)> chosen);
    ~EntryRowsList();
    EntryRowsList(const EntryRowsList&) = delete;
    EntryRowsList& operator=(const EntryRowsList&) = delete;

    QTreeView* view() const { return view_; }
    // Every change of the rows goes through the table, which tells the list.
    EntryRowsTable* table() const { return table_; }

    // The chosen row, -1 when none is.
    int chosen() const { return chosen_; }
    bool hasChosen() const { return rows_.valid(chosen_); }
    // Makes a valid row of `index` the chosen one and returns its parts; nullopt otherwise.
    std::optional<WordEntry> choose(const QModelIndex& index);
    // The row becomes current, selected, visible and chosen, without a call of `chosen`.
    void select(int row);
    // Nothing selected, nothing chosen.
    void clearChoice();
    // Removes the chosen row with `remove` (which takes its number); nothing is chosen then.
    void removeChosen(const std::function<void(int)>& remove);
    // The chosen row's texts changed.
    void chosenChanged();
    // Widens "No." for the largest number shown, never below its first width.
    void fitNumbers();
    // Keeps the last row in view.
    void showLast();

private:
    const EntryRows& rows_;
    EntryRowsTable* table_;
    QTreeView* view_;
    int numberWidth_;
    int chosen_ = -1;
    bool quiet_ = false; // the selection is being changed by the window itself
};

} // namespace qor
