#pragma once
// The vocabulary book editor's state: the book's rows, the undo copy (the lines as they
// were when the editor opened) and the modified flag.

#include "base/FileStatus.h"
#include "tools/EntryRows.h"

#include <string>
#include <string_view>
#include <vector>

namespace qor {

class VocabularyBookEdit {
public:
    explicit VocabularyBookEdit(std::string path) : path_(std::move(path)) {}

    // Reads the book into rows numbered from 1 and keeps the lines as the undo copy. A
    // book that does not exist yet (no word added so far) opens empty; a save creates it.
    FileStatus open();

    const std::string& path() const { return path_; }
    const EntryRows& rows() const { return rows_; }
    bool modified() const { return modified_; }

    // Each of these marks the book modified.
    void change(int row, std::string_view english, std::string_view japanese,
                std::string_view comment);
    void remove(int row);
    void clear();
    void add(std::string_view english, std::string_view japanese, std::string_view comment);
    // A new order is a change worth saving and asking about.
    bool moveUp(int row);
    bool moveDown(int row);
    // Back to the lines as opened, numbered 1 to n again; still modified, as the file may
    // hold a saved change by now.
    void undo();

    // Writes the rows over the book safely; an empty list empties the file. Clears the
    // modified flag when it worked; on failure the old file stays whole.
    FileStatus save();
    // Appends the rows after the old contents of another file (nothing when there is no
    // row); all or nothing. Changes neither the book's path nor the modified flag.
    FileStatus saveAs(std::string_view path) const;

    // <file name of the book> + "の内容は変更されています。\n保存しますか？" (CP932).
    std::string closeQuestion() const;

private:
    std::string path_;
    EntryRows rows_;
    std::vector<std::string> undoCopy_;
    bool modified_ = false;
};

} // namespace qor
