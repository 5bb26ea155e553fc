#include "tools/FindResultTable.h"

#include "ui/ShownText.h"
#include "ui/Text.h"

namespace qor {

FindResultTable::FindResultTable(QObject* parent) : QAbstractTableModel(parent) {}

void FindResultTable::setWords(std::vector<FoundWord> words) {
    beginResetModel();
    words_ = std::move(words);
    endResetModel();
}

int FindResultTable::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(words_.size());
}

int FindResultTable::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant FindResultTable::data(const QModelIndex& index, int role) const {
    if ((role != Qt::DisplayRole && role != Qt::ToolTipRole) || !index.isValid() ||
        static_cast<std::size_t>(index.row()) >= words_.size())
        return {};
    const FoundWord& w = words_[static_cast<std::size_t>(index.row())];
    // The tooltip holds what a narrow column leaves out.
    return ui::shownCell(ui::toQ(index.column() == English ? w.english : w.japanese), role);
}

QVariant FindResultTable::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section == English)
        return QStringLiteral("英語");
    if (section == Japanese)
        return QStringLiteral("日本語");
    return {};
}

} // namespace qor
