#pragma once
// The hits of a word search as a table for the result list: "英語" and "日本語", one row
// per hit in file order. Each row keeps its comment with it, so a row and its comment can
// never part.

#include "tools/WordSearch.h"

#include <QAbstractTableModel>
#include <vector>

namespace qor {

class FindResultTable : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { English, Japanese, ColumnCount };

    explicit FindResultTable(QObject* parent = nullptr);

    // Replaces the rows.
    void setWords(std::vector<FoundWord> words);
    const std::vector<FoundWord>& words() const { return words_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<FoundWord> words_;
};

} // namespace qor
