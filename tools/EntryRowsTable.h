#pragma once
// EntryRows as the four-column list of the dictionary editor and the vocabulary book
// editor: "No.", "単語", "意味", "コメント". The parts are split from the row's line when
// the view asks for them, so a list of any length shows and scrolls at once.
//
// The rows belong to the window's model object; every change of them goes through one of
// the functions below, which tells the view what changed.

#include "tools/EntryRows.h"

#include <QAbstractTableModel>
#include <array>
#include <functional>

class QTreeView;
class QWidget;

namespace qor {

class EntryRowsTable : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Number, English, Japanese, Comment, ColumnCount };

    explicit EntryRowsTable(const EntryRows& rows, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // `change` replaces all rows (a load, an undo, a clear).
    void reset(const std::function<void()>& change);
    // `change` removes row `row`.
    void removeRowWith(int row, const std::function<void()>& change);
    // `change` adds one row at the end.
    void appendRowWith(const std::function<void()>& change);
    // Rows first to last have new texts.
    void rowsChanged(int first, int last);

private:
    const EntryRows& rows_;
};

// The report list over a table (reportView) with the columns' widths.
QTreeView* entryRowsView(QWidget* parent, EntryRowsTable* table, const std::array<int, 4>& widths,
                         const QString& accessibleName);
// Widens the "No." column when its largest number would not fit the width it was given.
void fitNumberColumn(QTreeView* view, int minimumWidth);

} // namespace qor
