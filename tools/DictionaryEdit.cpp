#include "tools/DictionaryEdit.h"

#include "base/TextFile.h"
#include "words/DictionaryList.h"

namespace qor {

std::string editorDictionaryPath(const std::string& setupIni, std::string_view fileName,
                                 std::string_view knownPath, FileStatus* status) {
    std::string path = rememberedDictionaryPath(setupIni, fileName, status);
    if (!path.empty()) return path;
    if (!knownPath.empty() && !fileName.empty() && fileNameOf(knownPath) == fileName)
        return std::string(knownPath);
    return {};
}

FileStatus DictionaryEdit::load(std::string_view path) {
    rows_.clear();
    lastFound_.reset();
    loaded_ = false;
    path_.clear();
    Lines read = readLines(path);
    if (!read.status) return read.status;
    rows_.assign(std::move(read.lines));
    path_ = std::string(path);
    loaded_ = true;
    return {};
}

std::optional<int> DictionaryEdit::findFirst(std::string_view text) {
    std::optional<int> found = rows_.find(text, 0);
    if (found) lastFound_ = found;
    return found;
}

std::optional<int> DictionaryEdit::findNext(std::string_view text) {
    std::optional<int> found = rows_.find(text, lastFound_ ? *lastFound_ + 1 : 0);
    if (found) lastFound_ = found;
    return found;
}

void DictionaryEdit::remove(int row) {
    if (!rows_.valid(row)) return;
    rows_.remove(row);
    // The next search starts right after the last found row: a row removed at or before
    // it moves that place up by one.
    if (lastFound_ && row <= *lastFound_)
        lastFound_ = *lastFound_ > 0 ? std::optional<int>(*lastFound_ - 1) : std::nullopt;
}

FileStatus DictionaryEdit::save() const {
    if (!loaded_) return FileStatus::failure(path_, "辞書が読み込まれていません");
    return writeLines(path_, rows_.lines());
}

} // namespace qor
