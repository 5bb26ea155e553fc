#pragma once
// A fresh temporary folder per test, removed afterwards, and small file helpers.

#include <string>
#include <string_view>

namespace qor::test {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // Native path without trailing "/".
    const std::string& path() const { return path_; }
    // path() + "/" (the program folder form).
    std::string folder() const { return path_ + "/"; }
    std::string file(std::string_view name) const { return path_ + "/" + std::string(name); }

private:
    std::string path_;
};

// Makes a folder refuse new files for its lifetime, as a read-only folder does: by its
// permissions, or (for root, whom permissions do not stop) by the immutable attribute.
// active() is false when neither works here; such tests skip.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(std::string path);
    ~ReadOnlyFolder();
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;
    bool active() const { return active_; }
    void release();

private:
    std::string path_;
    bool immutable_ = false;
    bool active_ = false;
};

// Whole file bytes; empty when missing.
std::string slurp(const std::string& path);
void spit(const std::string& path, std::string_view bytes);
bool exists(const std::string& path);
// Lines joined with CR LF (each followed by one), for expected file contents.
std::string crlf(std::initializer_list<std::string_view> lines);

} // namespace qor::test
