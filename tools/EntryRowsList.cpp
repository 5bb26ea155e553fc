#include "tools/EntryRowsList.h"

#include "tools/EntryRowsTable.h"

#include <QItemSelectionModel>
#include <QTreeView>

namespace qor {

EntryRowsList::EntryRowsList(QWidget* window, const EntryRows& rows,
                             const std::array<int, 4>& widths, const QString& accessibleName,
                             KeyChoice keys, std::function<void(const QModelIndex&)> chosen)
    : rows_(rows), table_(new EntryRowsTable(rows, window)),
      view_(entryRowsView(window, table_, widths, accessibleName)), numberWidth_(widths[0]) {
    view_->setObjectName(QStringLiteral("lstData"));
    QObject::connect(view_, &QTreeView::clicked, view_, chosen);
    QItemSelectionModel* selection = view_->selectionModel();
    if (keys == KeyChoice::CurrentRow) {
        QObject::connect(selection, &QItemSelectionModel::currentRowChanged, view_,
                         [this, chosen](const QModelIndex& current) {
                             if (!quiet_) chosen(current);
                         });
    } else {
        QObject::connect(selection, &QItemSelectionModel::selectionChanged, view_, [this, chosen] {
            if (quiet_) return;
            const QModelIndexList rows = view_->selectionModel()->selectedRows();
            if (rows.size() == 1) chosen(rows.first());
        });
    }
}

EntryRowsList::~EntryRowsList() {
    view_->setModel(nullptr);
}

std::optional<WordEntry> EntryRowsList::choose(const QModelIndex& index) {
    if (!index.isValid() || !rows_.valid(index.row())) return std::nullopt;
    chosen_ = index.row();
    return rows_.parts(chosen_);
}

void EntryRowsList::select(int row) {
    QModelIndex index = table_->index(row, 0);
    quiet_ = true;
    view_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                        QItemSelectionModel::Rows);
    quiet_ = false;
    view_->scrollTo(index);
    chosen_ = row;
}

void EntryRowsList::clearChoice() {
    quiet_ = true;
    view_->selectionModel()->clear();
    quiet_ = false;
    chosen_ = -1;
}

void EntryRowsList::removeChosen(const std::function<void(int)>& remove) {
    const int row = chosen_;
    quiet_ = true;
    table_->removeRowWith(row, [&] { remove(row); });
    quiet_ = false;
    clearChoice();
}

void EntryRowsList::chosenChanged() {
    table_->rowsChanged(chosen_, chosen_);
}

void EntryRowsList::fitNumbers() {
    fitNumberColumn(view_, numberWidth_);
}

void EntryRowsList::showLast() {
    view_->scrollTo(table_->index(rows_.size() - 1, 0));
}

} // namespace qor
