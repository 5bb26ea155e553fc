#pragma once
// The import window's preview: the first entries of the word list as they would be
// written ("行", "英語", "日本語", "コメント"), and in "注意" why an entry would be left
// out (such rows are marked with a warning sign and a dark red text) or which characters
// are written as their CP932 look-alikes. Long texts are cut, with "…".

#include "words/WordListImport.h"

#include <QAbstractTableModel>
#include <vector>

namespace qor {

class ImportPreviewTable : public QAbstractTableModel {
public:
    enum Column { Line, English, Japanese, Comment, Note, ColumnCount };

    explicit ImportPreviewTable(QObject* parent = nullptr);

    // The entries shown, replacing the ones before.
    void setEntries(std::vector<ImportedEntry> entries);
    const std::vector<ImportedEntry>& entries() const { return entries_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<ImportedEntry> entries_;
};

} // namespace qor
