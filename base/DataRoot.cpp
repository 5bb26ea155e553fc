#include "DataRoot.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;

namespace qor {

namespace {
std::optional<std::string> env(const char* name) {
    const char* v = std::getenv(name);
    if (!v || !*v)
        return std::nullopt;
    return std::string(v);
}

std::string withoutTrailingSlash(std::string p) {
    while (p.size() > 1 && p.back() == '/')
        p.pop_back();
    return p;
}

std::string absolute(const std::string& p) {
    std::error_code ec;
    fs::path a = fs::absolute(fs::path(p), ec);
    return ec ? p : a.lexically_normal().string();
}
} // namespace

Environment Environment::current() {
    return Environment{env("QORHELPER_HOME"), env("XDG_DATA_HOME"), env("HOME")};
}

std::string chooseDataRoot(const std::vector<std::string>& args, const Environment& e) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--home" && i + 1 < args.size())
            return withoutTrailingSlash(absolute(args[i + 1]));
        if (args[i].rfind("--home=", 0) == 0)
            return withoutTrailingSlash(absolute(args[i].substr(7)));
    }
    if (e.qorHelperHome)
        return withoutTrailingSlash(absolute(*e.qorHelperHome));
    if (e.xdgDataHome)
        return withoutTrailingSlash(absolute(*e.xdgDataHome)) + "/qor-helper";
    return withoutTrailingSlash(e.home.value_or(".")) + "/.local/share/qor-helper";
}

std::vector<std::string> argsWithoutHome(const std::vector<std::string>& args) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--home") {
            ++i;
            continue;
        }
        if (args[i].rfind("--home=", 0) == 0)
            continue;
        out.push_back(args[i]);
    }
    return out;
}

FileStatus installMissing(const std::string& from, const std::string& to) {
    std::error_code ec;
    fs::create_directories(to, ec);
    if (!fs::is_directory(to))
        return FileStatus::fromErrno(to, ec ? ec.value() : ENOTDIR);
    if (!fs::is_directory(from))
        return {};
    for (auto it = fs::recursive_directory_iterator(from, ec); !ec && it != fs::end(it);
         it.increment(ec)) {
        fs::path target = fs::path(to) / fs::relative(it->path(), from);
        if (it->is_directory()) {
            fs::create_directories(target, ec);
        } else if (!fs::exists(target)) {
            fs::copy_file(it->path(), target, ec);
            if (ec)
                return FileStatus::fromErrno(target.string(), ec.value());
        }
    }
    if (ec)
        return FileStatus::fromErrno(from, ec.value());
    return {};
}

} // namespace qor
