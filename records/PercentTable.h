#pragma once
// The rows of a PercentList as a table for the list view: "英語", "日本語", "出題数",
// "正解数", "正解率", "習得". The view asks only for the rows on screen, so a dictionary of any
// size lists, scrolls and sorts at once.

#include "records/PercentList.h"

#include <QAbstractTableModel>

namespace qor {

class PercentTable : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit PercentTable(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // A column below 0 keeps the order.
    void sort(int column, Qt::SortOrder order) override;

    void setRows(std::vector<PercentRow> rows);
    void clear() { setRows({}); }
    const std::vector<PercentRow>& rows() const { return rows_; }

private:
    std::vector<PercentRow> rows_;
};

} // namespace qor
