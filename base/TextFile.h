#pragma once
// Whole-line text files in CP932. Paths are CP932 model text too; they are turned into
// the file system's own encoding here, in one place.

#include "FileStatus.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qor {

// The file system name of a CP932 path (UTF-8 on this platform).
std::string nativePath(std::string_view cp932Path);
// The CP932 form of a file system name; nullopt when it holds characters that CP932
// cannot hold exactly, so that the program can refuse the file with a clear message.
std::optional<std::string> modelPath(std::string_view nativeName);

struct Lines {
    std::vector<std::string> lines;
    FileStatus status;
};

struct Bytes {
    std::string bytes;
    FileStatus status;
};

// All bytes of a file. A missing file is a failure (ENOENT) like any other.
Bytes readAll(std::string_view path);

// All lines; a line ends at LF, and a CR right before that LF is dropped. A last line
// without a line break still counts; an empty file has no lines.
Lines readLines(std::string_view path);
std::vector<std::string> splitLines(std::string_view bytes);
// The same lines handed to `visit` one by one while the file is read in pieces, without
// the whole file in memory; `visit` returns false to stop the reading there. For a long
// file that is only looked through (the error list at every miss).
FileStatus visitLines(std::string_view path, const std::function<bool(std::string_view)>& visit);

// The one way lines are appended to a text file: each line is followed by CR LF, and a
// file is created when missing. A last line without a line break (a file written by
// another editor) is ended first, so that the new line stays a line of its own.
// All or nothing: when the write fails or stops short (a full disk), the file is cut back
// to exactly what it was, and a file that this call created is removed again.
FileStatus appendLine(std::string_view path, std::string_view line);
FileStatus appendLines(std::string_view path, const std::vector<std::string>& lines);

// Replaces a whole file safely: the bytes go to a temporary file in the same folder,
// which is flushed to disk and renamed over the old file. On failure the old file is
// untouched and no temporary file is left behind.
//
// A temporary file is named <file name> + kSafeWriteMarker + six characters and stays
// locked (flock) while it is written, so that one left behind by a killed program is
// known for what it is: removeSafeWriteLeftovers() deletes such files, and only those.
FileStatus writeAll(std::string_view path, std::string_view bytes);
// The same with the bytes given in pieces, written one after the other, so that a large
// file that changed in a few places need not be copied into one buffer first.
FileStatus writeAllPieces(std::string_view path, const std::vector<std::string_view>& pieces);
inline constexpr std::string_view kSafeWriteMarker = ".qor-tmp-";
// True for a file name of that pattern.
bool isSafeWriteTemporary(std::string_view fileName);
// Deletes the leftovers of interrupted safe writes below `nativeFolder` (the data root),
// skipping any file that a running writer still holds locked. Returns how many went.
std::size_t removeSafeWriteLeftovers(const std::string& nativeFolder);

// The system call that file writes go through, replaceable so that a test can make a
// write fail part-way (as on a full disk). nullptr restores ::write.
using WriteStep = long (*)(int fd, const void* data, std::size_t size);
void setWriteStepForTesting(WriteStep step);
// The same with every line followed by CR LF.
FileStatus writeLines(std::string_view path, const std::vector<std::string>& lines);
std::string joinLines(const std::vector<std::string>& lines);

bool fileExists(std::string_view path);
bool folderExists(std::string_view path);
// Creates the folder and its parents; true when it exists afterwards.
bool makeFolder(std::string_view path);
FileStatus removeFile(std::string_view path);
// Creates an empty file; an existing file is never touched (the failure is EEXIST).
FileStatus createNewFile(std::string_view path);
FileStatus renameFile(std::string_view from, std::string_view to);

// File name without folder ("/" separates folders).
std::string fileNameOf(std::string_view path);
// Folder with its trailing "/", empty when the path has no folder.
std::string folderOf(std::string_view path);

} // namespace qor
