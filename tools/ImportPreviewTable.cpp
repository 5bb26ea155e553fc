#include "tools/ImportPreviewTable.h"

#include "words/ImportText.h"

#include <QApplication>
#include <QColor>
#include <QFontMetrics>
#include <QSize>
#include <QStyle>

#include <algorithm>

namespace qor {

namespace {

// A cell shows the start of a long text, its tooltip more of it: a list of 20 rows is laid
// out in no time whatever the entries hold.
constexpr std::size_t kCellCharacters = 100;
constexpr std::size_t kTipCharacters = 500;

QString q(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

} // namespace

ImportPreviewTable::ImportPreviewTable(QObject* parent) : QAbstractTableModel(parent) {}

void ImportPreviewTable::setEntries(std::vector<ImportedEntry> entries) {
    beginResetModel();
    entries_ = std::move(entries);
    endResetModel();
}

int ImportPreviewTable::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(entries_.size());
}

int ImportPreviewTable::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ImportPreviewTable::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= static_cast<int>(entries_.size())) return {};
    const ImportedEntry& e = entries_[static_cast<std::size_t>(index.row())];
    // A blank entry is passed over without harm: noted, not warned about.
    const bool blank = e.problem == EntryProblem::Blank;
    const bool marked = e.problem != EntryProblem::None && !blank;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole: {
        const std::size_t most = role == Qt::DisplayRole ? kCellCharacters : kTipCharacters;
        switch (index.column()) {
        case Line:
            return static_cast<qulonglong>(e.line);
        case English:
            return q(shownText(e.english, most));
        case Japanese:
            return q(shownText(e.japanese, most));
        case Comment:
            // What the file gets for an empty comment.
            return e.comment.empty() && e.problem == EntryProblem::None
                       ? QStringLiteral("コメントはありません")
                       : q(shownText(e.comment, most));
        case Note:
            return q(noteText(e));
        default:
            return {};
        }
    }
    case Qt::DecorationRole:
        if (index.column() == Note && marked)
            return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
        return {};
    case Qt::ForegroundRole:
        if (marked) return QColor(0xA0, 0x10, 0x10);
        if (blank || (index.column() == Comment && e.comment.empty())) return QColor(0x70, 0x70, 0x70);
        return {};
    case Qt::SizeHintRole:
        // Rows of one height whether or not they carry the warning sign.
        return QSize(-1, std::max(QFontMetrics(QApplication::font()).height(), 16) + 6);
    case Qt::TextAlignmentRole:
        if (index.column() == Line) return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    default:
        return {};
    }
}

QVariant ImportPreviewTable::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char* titles[] = {"行", "英語", "日本語", "コメント", "注意"};
    if (section < 0 || section >= ColumnCount) return {};
    return QString::fromUtf8(titles[section]);
}

} // namespace qor
