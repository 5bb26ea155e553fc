#include "tools/EntryRowsTable.h"

#include "tools/ToolDialogs.h"
#include "ui/ShownText.h"
#include "ui/Text.h"

#include <QTreeView>
#include <algorithm>

namespace qor {

EntryRowsTable::EntryRowsTable(const EntryRows& rows, QObject* parent)
    : QAbstractTableModel(parent), rows_(rows) {}

int EntryRowsTable::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_.size();
}

int EntryRowsTable::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant EntryRowsTable::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !rows_.valid(index.row())) return {};
    if (role == Qt::TextAlignmentRole && index.column() == Number)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) return {};
    if (index.column() == Number)
        return role == Qt::DisplayRole ? QVariant(rows_.at(index.row()).number) : QVariant();
    WordEntry parts = rows_.parts(index.row());
    switch (index.column()) {
    case English:
        return ui::shownCell(ui::toQ(parts.english), role);
    case Japanese:
        return ui::shownCell(ui::toQ(parts.japanese), role);
    case Comment:
        return ui::shownCell(ui::toQ(parts.comment), role);
    default:
        return {};
    }
}

QVariant EntryRowsTable::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char* titles[] = {"No.", "単語", "意味", "コメント"};
    if (section < 0 || section >= ColumnCount) return {};
    return QString::fromUtf8(titles[section]);
}

void EntryRowsTable::reset(const std::function<void()>& change) {
    beginResetModel();
    change();
    endResetModel();
}

void EntryRowsTable::removeRowWith(int row, const std::function<void()>& change) {
    if (!rows_.valid(row)) return;
    beginRemoveRows({}, row, row);
    change();
    endRemoveRows();
}

void EntryRowsTable::appendRowWith(const std::function<void()>& change) {
    beginInsertRows({}, rows_.size(), rows_.size());
    change();
    endInsertRows();
}

void EntryRowsTable::rowsChanged(int first, int last) {
    if (rows_.valid(first) && rows_.valid(last))
        emit dataChanged(index(first, 0), index(last, ColumnCount - 1));
}

QTreeView* entryRowsView(QWidget* parent, EntryRowsTable* table, const std::array<int, 4>& widths,
                         const QString& accessibleName) {
    QTreeView* view = reportView(parent, table, accessibleName);
    for (int c = 0; c < EntryRowsTable::ColumnCount; ++c)
        view->setColumnWidth(c, widths[static_cast<std::size_t>(c)]);
    return view;
}

void fitNumberColumn(QTreeView* view, int minimumWidth) {
    const int rows = view->model() ? view->model()->rowCount() : 0;
    const int digits = view->fontMetrics().horizontalAdvance(QString::number(std::max(rows, 1)));
    view->setColumnWidth(EntryRowsTable::Number, std::max(minimumWidth, digits + 16));
}

} // namespace qor
