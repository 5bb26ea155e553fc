#pragma once
// The rows of a CustomQuestionList as a table for QTableView: a tick box and the word
// in the first column, then meaning, comment and the three figures. The view asks only
// for the rows on screen, so a dictionary of any size opens and scrolls at once.

#include "tools/CustomQuestionList.h"

#include <QAbstractTableModel>

namespace qor {

class CustomQuestionTable : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Word, Meaning, Comment, Asked, Right, Percent, ColumnCount };

    explicit CustomQuestionTable(CustomQuestionList& list, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // The list has been rebuilt.
    void reload();
    // Ticks of many rows have changed.
    void ticksChanged();

signals:
    // A tick box was clicked.
    void tickToggled();

private:
    CustomQuestionList& list_;
};

} // namespace qor
