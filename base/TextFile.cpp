#include "TextFile.h"

#include "Cp932.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qor {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

long systemWrite(int fd, const void* data, std::size_t size) {
    return static_cast<long>(::write(fd, data, size));
}

WriteStep writeStep = &systemWrite;

FileStatus writeFully(int fd, std::string_view bytes, const std::string& shownPath) {
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        long n = writeStep(fd, p, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return FileStatus::fromErrno(shownPath, errno);
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return {};
}

} // namespace

std::string nativePath(std::string_view cp932Path) {
    return toUtf8(cp932Path);
}

std::optional<std::string> modelPath(std::string_view nativeName) {
    // Exactly: a look-alike ("〜" held as "～") would name another file.
    return toCp932Exact(nativeName);
}

Bytes readAll(std::string_view path) {
    Bytes result;
    std::string native = nativePath(path);
    int fd = ::open(native.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        result.status = FileStatus::fromErrno(std::string(path), errno);
        return result;
    }
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        result.status = FileStatus::fromErrno(std::string(path), EISDIR);
        return result;
    }
    if (st.st_size > 0)
        result.bytes.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[65536];
    for (;;) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            result.status = FileStatus::fromErrno(std::string(path), errno);
            result.bytes.clear();
            break;
        }
        if (n == 0)
            break;
        result.bytes.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return result;
}

std::vector<std::string> splitLines(std::string_view bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t lf = bytes.find('\n', start);
        std::size_t end = lf == std::string_view::npos ? bytes.size() : lf;
        std::size_t contentEnd = end;
        if (lf != std::string_view::npos && contentEnd > start && bytes[contentEnd - 1] == '\r')
            --contentEnd;
        lines.emplace_back(bytes.substr(start, contentEnd - start));
        if (lf == std::string_view::npos)
            break;
        start = lf + 1;
    }
    return lines;
}

FileStatus visitLines(std::string_view path, const std::function<bool(std::string_view)>& visit) {
    const std::string shown(path);
    const int fd = ::open(nativePath(path).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return FileStatus::fromErrno(shown, errno);
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        return FileStatus::fromErrno(shown, EISDIR);
    }
    // The unfinished last line of a piece is moved to the front, and the next piece read
    // after it; a line longer than the buffer makes the buffer grow.
    std::string buffer(std::size_t{1} << 18, '\0');
    std::size_t held = 0;
    for (;;) {
        if (held == buffer.size())
            buffer.resize(buffer.size() * 2);
        const ssize_t n = ::read(fd, buffer.data() + held, buffer.size() - held);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int error = errno;
            ::close(fd);
            return FileStatus::fromErrno(shown, error);
        }
        if (n == 0)
            break;
        const std::string_view piece(buffer.data(), held + static_cast<std::size_t>(n));
        std::size_t start = 0;
        for (;;) {
            const void* lf = std::memchr(piece.data() + start, '\n', piece.size() - start);
            if (!lf)
                break;
            const std::size_t end = static_cast<std::size_t>(static_cast<const char*>(lf) - piece.data());
            std::size_t contentEnd = end;
            if (contentEnd > start && piece[contentEnd - 1] == '\r')
                --contentEnd;
            if (!visit(piece.substr(start, contentEnd - start))) {
                ::close(fd);
                return {};
            }
            start = end + 1;
        }
        held = piece.size() - start;
        std::memmove(buffer.data(), piece.data() + start, held);
    }
    ::close(fd);
    // A last line without a line break still counts.
    if (held > 0)
        visit(std::string_view(buffer.data(), held));
    return {};
}

Lines readLines(std::string_view path) {
    Bytes raw = readAll(path);
    Lines result;
    result.status = raw.status;
    if (raw.status)
        result.lines = splitLines(raw.bytes);
    return result;
}

void setWriteStepForTesting(WriteStep step) {
    writeStep = step ? step : &systemWrite;
}

FileStatus appendLines(std::string_view path, const std::vector<std::string>& lines) {
    const std::string shown(path);
    const std::string native = nativePath(path);
    // O_EXCL first, so that a failure knows whether the file is ours to remove again.
    bool created = true;
    int fd = ::open(native.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0 && errno == EEXIST) {
        created = false;
        fd = ::open(native.c_str(), O_RDWR | O_CLOEXEC);
    }
    if (fd < 0)
        return FileStatus::fromErrno(shown, errno);

    struct stat st {};
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        int error = S_ISDIR(st.st_mode) ? EISDIR : errno;
        ::close(fd);
        return FileStatus::fromErrno(shown, error);
    }
    const off_t oldSize = st.st_size;
    std::string bytes;
    if (oldSize > 0) {
        char last = '\n';
        if (::pread(fd, &last, 1, oldSize - 1) != 1) {
            int error = errno;
            ::close(fd);
            return FileStatus::fromErrno(shown, error);
        }
        if (last != '\n')
            bytes += kLineEnd;
    }
    bytes += joinLines(lines);

    FileStatus status;
    if (::lseek(fd, 0, SEEK_END) < 0)
        status = FileStatus::fromErrno(shown, errno);
    // One write call per batch keeps every line whole even if the program dies.
    if (status)
        status = writeFully(fd, bytes, shown);
    if (!status) {
        // Nothing half-written stays behind: back to the old size, or no file at all.
        if (created)
            ::unlink(native.c_str());
        else if (::ftruncate(fd, oldSize) != 0)
            status = FileStatus::fromErrno(shown, errno);
    }
    if (::close(fd) != 0 && status)
        status = FileStatus::fromErrno(shown, errno);
    return status;
}

FileStatus appendLine(std::string_view path, std::string_view line) {
    return appendLines(path, {std::string(line)});
}

std::string joinLines(const std::vector<std::string>& lines) {
    std::size_t total = 0;
    for (const auto& l : lines)
        total += l.size() + kLineEnd.size();
    std::string out;
    out.reserve(total);
    for (const auto& l : lines) {
        out += l;
        out += kLineEnd;
    }
    return out;
}

FileStatus writeAll(std::string_view path, std::string_view bytes) {
    return writeAllPieces(path, {bytes});
}

FileStatus writeAllPieces(std::string_view path, const std::vector<std::string_view>& pieces) {
    std::string shown(path);
    std::string native = nativePath(path);
    struct stat st {};
    if (::stat(native.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
        return FileStatus::fromErrno(shown, EISDIR);

    std::string tempName = native + std::string(kSafeWriteMarker) + "XXXXXX";
    int fd = ::mkostemp(tempName.data(), O_CLOEXEC);
    if (fd < 0)
        return FileStatus::fromErrno(shown, errno);
    // Held until the file is closed: the start-up clean-up leaves a locked file alone,
    // so it never removes the temporary file of another running copy of the program.
    ::flock(fd, LOCK_EX);
    // Keep the usual permissions of a new file rather than mkstemp's 0600.
    mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);

    FileStatus status;
    for (std::string_view piece : pieces) {
        if (status && !piece.empty())
            status = writeFully(fd, piece, shown);
    }
    if (status && ::fsync(fd) != 0)
        status = FileStatus::fromErrno(shown, errno);
    if (::close(fd) != 0 && status)
        status = FileStatus::fromErrno(shown, errno);
    if (status && ::rename(tempName.c_str(), native.c_str()) != 0)
        status = FileStatus::fromErrno(shown, errno);
    if (!status)
        ::unlink(tempName.c_str());
    return status;
}

bool isSafeWriteTemporary(std::string_view fileName) {
    std::size_t at = fileName.rfind(kSafeWriteMarker);
    return at != std::string_view::npos && at > 0 &&
           fileName.size() == at + kSafeWriteMarker.size() + 6;
}

std::size_t removeSafeWriteLeftovers(const std::string& nativeFolder) {
    namespace fs = std::filesystem;
    std::size_t removed = 0;
    std::error_code ec;
    fs::recursive_directory_iterator it(nativeFolder, fs::directory_options::skip_permission_denied,
                                        ec);
    for (; !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        const fs::path& p = it->path();
        if (!isSafeWriteTemporary(p.filename().native()) || !it->is_regular_file(ec))
            continue;
        int fd = ::open(p.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
        if (fd < 0)
            continue;
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::unlink(p.c_str()) == 0)
            ++removed;
        ::close(fd);
    }
    return removed;
}

FileStatus writeLines(std::string_view path, const std::vector<std::string>& lines) {
    return writeAll(path, joinLines(lines));
}

bool fileExists(std::string_view path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(std::filesystem::path(nativePath(path)), ec);
}

bool folderExists(std::string_view path) {
    std::error_code ec;
    return std::filesystem::is_directory(std::filesystem::path(nativePath(path)), ec);
}

bool makeFolder(std::string_view path) {
    std::error_code ec;
    std::filesystem::path p(nativePath(path));
    std::filesystem::create_directories(p, ec);
    return std::filesystem::is_directory(p, ec);
}

FileStatus removeFile(std::string_view path) {
    if (::unlink(nativePath(path).c_str()) != 0)
        return FileStatus::fromErrno(std::string(path), errno);
    return {};
}

FileStatus createNewFile(std::string_view path) {
    int fd = ::open(nativePath(path).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return FileStatus::fromErrno(std::string(path), errno);
    if (::close(fd) != 0)
        return FileStatus::fromErrno(std::string(path), errno);
    return {};
}

FileStatus renameFile(std::string_view from, std::string_view to) {
    if (::rename(nativePath(from).c_str(), nativePath(to).c_str()) != 0)
        return FileStatus::fromErrno(std::string(from), errno);
    return {};
}

std::string fileNameOf(std::string_view path) {
    // '/' is never a trail byte, so a plain search is safe here.
    std::size_t slash = path.rfind('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string folderOf(std::string_view path) {
    std::size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash + 1));
}

} // namespace qor
