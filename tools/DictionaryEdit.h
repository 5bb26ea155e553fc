#pragma once
// The dictionary editor's state: the loaded file, its rows, and where the find commands
// stopped. Rewrites and deletions change only the rows until save() writes them over
// the file.

#include "base/FileStatus.h"
#include "tools/EntryRows.h"

#include <optional>
#include <string>
#include <string_view>

namespace qor {

// The file the editor loads for the text of its dictionary combo box: the path kept
// under that file name in section "Dictionary Path" of Setup.ini. A file name that is
// not kept there yet but is the name of `knownPath` (the dictionary in use, known by its
// path since the start) gives that path. Empty when neither is found: the file cannot
// be opened, and the editor says so for that name.
std::string editorDictionaryPath(const std::string& setupIni, std::string_view fileName,
                                 std::string_view knownPath, FileStatus* status = nullptr);

class DictionaryEdit {
public:
    // Reads the file into rows numbered from 1. On failure the rows stay empty and no
    // file counts as loaded.
    FileStatus load(std::string_view path);
    bool loaded() const { return loaded_; }
    const std::string& path() const { return path_; }

    EntryRows& rows() { return rows_; }
    const EntryRows& rows() const { return rows_; }

    // The find commands search the rows as edited, so that a found row is the row shown
    // at that place. Find starts at the first row, find next after the last found one.
    std::optional<int> findFirst(std::string_view text);
    std::optional<int> findNext(std::string_view text);
    std::optional<int> lastFound() const { return lastFound_; }

    // Removes a row and keeps the find position on the row it was on, so that find next
    // neither skips a row nor finds one twice.
    void remove(int row);

    // Writes exactly the rows' lines over the loaded file, safely: on failure the old
    // file stays whole.
    FileStatus save() const;

private:
    EntryRows rows_;
    std::string path_;
    bool loaded_ = false;
    std::optional<int> lastFound_;
};

} // namespace qor
