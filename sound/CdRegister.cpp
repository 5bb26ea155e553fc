#include "sound/CdRegister.h"

#include "base/Cp932.h"
#include "base/IniFile.h"

namespace qor {

CdRegister::CdRegister(const std::string& userFolder) : path_(userFolder + "/CDInfo.ini") {}

DiscTitle CdRegister::lookUp(const std::string& identity) const {
    IniFile ini(path_);
    DiscTitle t;
    if (!identity.empty() && ini.read("CDID", identity, "") == identity) {
        t.registered = true;
        t.title = ini.read(identity, "Title", "");
        t.artist = ini.read(identity, "Artist", "");
        return t;
    }
    t.title = sj("新しい音楽ＣＤ");
    t.artist = sj("新しい歌手");
    return t;
}

FileStatus CdRegister::enter(const std::string& identity, const std::string& title,
                             const std::string& artist) const {
    IniFile ini(path_);
    ini.write("CDID", identity, identity);
    ini.write(identity, "Artist", artist);
    ini.write(identity, "Title", title);
    return ini.save();
}

} // namespace qor
