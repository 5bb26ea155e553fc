#include "tools/VocabularyBookEdit.h"

#include "base/Cp932.h"
#include "base/TextFile.h"

namespace qor {

FileStatus VocabularyBookEdit::open() {
    rows_.clear();
    undoCopy_.clear();
    modified_ = false;
    if (path_.empty()) return FileStatus::failure(path_, "単語帳のファイルが指定されていません");
    Lines read = readLines(path_);
    if (!read.status) {
        // The writers create the book with its first word; until then it is empty.
        if (read.status.isMissingFile()) return {};
        return read.status;
    }
    undoCopy_ = read.lines;
    rows_.assign(std::move(read.lines));
    return {};
}

void VocabularyBookEdit::change(int row, std::string_view english, std::string_view japanese,
                                std::string_view comment) {
    modified_ = true;
    rows_.rewrite(row, english, japanese, comment);
}

void VocabularyBookEdit::remove(int row) {
    modified_ = true;
    rows_.remove(row);
}

void VocabularyBookEdit::clear() {
    modified_ = true;
    rows_.clear();
}

void VocabularyBookEdit::add(std::string_view english, std::string_view japanese,
                             std::string_view comment) {
    modified_ = true;
    rows_.add(english, japanese, comment);
}

bool VocabularyBookEdit::moveUp(int row) {
    bool moved = rows_.moveUp(row);
    modified_ = modified_ || moved;
    return moved;
}

bool VocabularyBookEdit::moveDown(int row) {
    bool moved = rows_.moveDown(row);
    modified_ = modified_ || moved;
    return moved;
}

void VocabularyBookEdit::undo() {
    modified_ = true;
    rows_.assign(undoCopy_);
}

FileStatus VocabularyBookEdit::save() {
    if (path_.empty()) return FileStatus::failure(path_, "単語帳のファイルが指定されていません");
    FileStatus status = writeLines(path_, rows_.lines());
    if (status) modified_ = false;
    return status;
}

FileStatus VocabularyBookEdit::saveAs(std::string_view path) const {
    if (rows_.empty()) return {};
    return appendLines(path, rows_.lines());
}

std::string VocabularyBookEdit::closeQuestion() const {
    return fileNameOf(path_) + sj("の内容は変更されています。\n保存しますか？");
}

} // namespace qor
