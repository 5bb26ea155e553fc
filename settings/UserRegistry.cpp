#include "UserRegistry.h"

#include "base/Cp932.h"
#include "base/IniFile.h"
#include "base/TextFile.h"

namespace qor {

namespace {
constexpr const char* kSetup = "Setup";
constexpr const char* kUser = "User";

int number(IniFile& ini, std::string_view section, std::string_view key) {
    return static_cast<int>(parseDecimal(ini.read(section, key, "0")).value_or(0));
}
} // namespace

UserRegistry::UserRegistry(std::string programFolder) : programFolder_(std::move(programFolder)) {}

StartupState UserRegistry::readStartup() const {
    IniFile ini(iniPath());
    StartupState s;
    s.firstStart = parseDecimal(ini.read(kSetup, "Boot", "0")).value_or(0) == 0;
    s.showUser = static_cast<int>(parseDecimal(ini.read(kSetup, "ShowUser", "0")).value_or(0));
    s.lastUser = ini.read(kSetup, "UserName", " ");
    return s;
}

std::vector<std::string> UserRegistry::users() const {
    IniFile ini(iniPath());
    int count = number(ini, kUser, "UserNum");
    std::vector<std::string> names;
    for (int i = 1; i <= count; ++i)
        names.push_back(ini.read(kUser, std::to_string(i), ""));
    return names;
}

int UserRegistry::launchCount(const std::string& name) const {
    IniFile ini(iniPath());
    return number(ini, name, "Num");
}

FileStatus UserRegistry::countLaunch(const std::string& name) const {
    IniFile ini(iniPath());
    ini.write(name, "Num", number(ini, name, "Num") + 1);
    return ini.save();
}

FileStatus UserRegistry::select(const std::string& name) const {
    IniFile ini(iniPath());
    int userNum = number(ini, kUser, "UserNum");
    int counter = number(ini, name, "Num") + 1;
    bool known = false;
    for (int i = 1; i <= userNum && !known; ++i)
        known = ini.read(kUser, std::to_string(i), "") == name;
    if (!known) {
        ++userNum;
        ini.write(kUser, "UserNum", userNum);
        ini.write(kUser, std::to_string(userNum), name);
        ini.write(name, "Num", "0");
    }
    ini.write(name, "Num", counter);
    FileStatus status = ini.save();
    makeFolder(userFolder(name));
    return status;
}

FileStatus UserRegistry::registerUser(const std::string& name) const {
    IniFile ini(iniPath());
    int userNum = number(ini, kUser, "UserNum") + 1;
    ini.write(kUser, "UserNum", userNum);
    ini.write(kUser, std::to_string(userNum), name);
    ini.write(name, "Num", "0");
    FileStatus status = ini.save();
    makeFolder(userFolder(name));
    return status;
}

FileStatus UserRegistry::setShowUser(int value) const {
    return IniFile::writeOne(iniPath(), kSetup, "ShowUser", std::to_string(value));
}

FileStatus UserRegistry::recordExit(const std::string& userName) const {
    IniFile ini(iniPath());
    ini.write(kSetup, "Boot", "1");
    ini.write(kSetup, "UserName", userName);
    return ini.save();
}

std::optional<std::string> userNameProblem(const std::string& name) {
    if (name.empty())
        return sj("ユーザー名が選択 / 記入されていません");
    if (name == "." || name == "..")
        return sj("ユーザー名に \".\" や \"..\" は使えません");
    for (std::size_t pos = 0; pos < name.size(); pos += charLength(name, pos)) {
        unsigned char c = static_cast<unsigned char>(name[pos]);
        if (charLength(name, pos) == 2)
            continue;
        if (c < 0x20 || c == 0x7F)
            return sj("ユーザー名に制御文字は使えません");
        if (c == '/' || c == '\\' || c == '[' || c == ']' || c == '=')
            return sj("ユーザー名に次の文字は使えません ： / \\ [ ] =");
    }
    if (name.find_first_not_of(' ') == std::string::npos)
        return sj("ユーザー名が選択 / 記入されていません");
    return std::nullopt;
}

} // namespace qor
