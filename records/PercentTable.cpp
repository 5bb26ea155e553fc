#include "records/PercentTable.h"

#include "ui/ShownText.h"
#include "ui/Text.h"

namespace qor {

PercentTable::PercentTable(QObject* parent) : QAbstractTableModel(parent) {}

int PercentTable::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int PercentTable::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(PercentColumn::Count);
}

QVariant PercentTable::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const auto column = static_cast<PercentColumn>(index.column());
    if (role == Qt::TextAlignmentRole) {
        // The figures line up at the right, the texts and the mastery mark at the left.
        const bool figure = column == PercentColumn::Asked || column == PercentColumn::Right ||
                            column == PercentColumn::Percent;
        return QVariant::fromValue((figure ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    }
    return ui::shownCell(ui::toQ(percentCell(rows_[static_cast<std::size_t>(index.row())], column)),
                         role);
}

QVariant PercentTable::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char* titles[] = {"英語", "日本語", "出題数", "正解数", "正解率", "習得"};
    if (section < 0 || section >= columnCount())
        return {};
    return QString::fromUtf8(titles[section]);
}

void PercentTable::sort(int column, Qt::SortOrder order) {
    if (column < 0 || column >= columnCount())
        return;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const std::vector<std::size_t> places =
        sortedPercentOrder(rows_, static_cast<PercentColumn>(column), order == Qt::DescendingOrder);
    std::vector<PercentRow> sorted;
    sorted.reserve(rows_.size());
    std::vector<int> newRow(rows_.size());
    for (std::size_t i = 0; i < places.size(); ++i) {
        sorted.push_back(std::move(rows_[places[i]]));
        newRow[places[i]] = static_cast<int>(i);
    }
    rows_ = std::move(sorted);
    // A selected row stays selected where it went.
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& i : before)
        after << index(newRow[static_cast<std::size_t>(i.row())], i.column());
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void PercentTable::setRows(std::vector<PercentRow> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

} // namespace qor
