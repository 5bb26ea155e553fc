#include "tools/CustomQuestionTable.h"

#include "ui/ShownText.h"
#include "ui/Text.h"

namespace qor {

CustomQuestionTable::CustomQuestionTable(CustomQuestionList& list, QObject* parent)
    : QAbstractTableModel(parent), list_(list) {}

int CustomQuestionTable::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : list_.size();
}

int CustomQuestionTable::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant CustomQuestionTable::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= list_.size())
        return {};
    const CustomRow& r = list_.rows()[static_cast<std::size_t>(index.row())];
    if (role == Qt::CheckStateRole && index.column() == Word)
        return r.ticked ? Qt::Checked : Qt::Unchecked;
    if (role == Qt::TextAlignmentRole && index.column() >= Asked)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    // The words' tooltips hold what a narrow column leaves out.
    if (role == Qt::ToolTipRole && index.column() > Comment)
        return {};
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    switch (index.column()) {
    case Word:
        return ui::shownCell(ui::toQ(r.english), role);
    case Meaning:
        return ui::shownCell(ui::toQ(r.japanese), role);
    case Comment:
        return ui::shownCell(ui::toQ(r.comment), role);
    case Asked:
        return r.asked;
    case Right:
        return r.right;
    case Percent:
        return r.percent;
    default:
        return {};
    }
}

QVariant CustomQuestionTable::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char* titles[] = {"単語", "意味", "コメント", "出題数", "正解数", "正解率"};
    if (section < 0 || section >= ColumnCount)
        return {};
    return QString::fromUtf8(titles[section]);
}

Qt::ItemFlags CustomQuestionTable::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == Word)
        f |= Qt::ItemIsUserCheckable;
    return f;
}

bool CustomQuestionTable::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::CheckStateRole || !index.isValid() || index.column() != Word)
        return false;
    list_.setTicked(index.row(), value.toInt() == Qt::Checked);
    emit dataChanged(index, index, {Qt::CheckStateRole});
    emit tickToggled();
    return true;
}

void CustomQuestionTable::reload() {
    beginResetModel();
    endResetModel();
}

void CustomQuestionTable::ticksChanged() {
    if (list_.size() > 0)
        emit dataChanged(index(0, Word), index(list_.size() - 1, Word), {Qt::CheckStateRole});
}

} // namespace qor
