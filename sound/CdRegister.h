#pragma once
// The register of music CDs, CDInfo.ini in the user folder: section "CDID" marks a disc
// as registered (key = value = its identity), the section named by the identity holds
// its "Title" and "Artist". All texts CP932.

#include "base/FileStatus.h"

#include <string>

namespace qor {

struct DiscTitle {
    std::string title;
    std::string artist;
    bool registered = false;
};

class CdRegister {
public:
    // userFolder without trailing "/".
    explicit CdRegister(const std::string& userFolder);
    const std::string& path() const { return path_; }

    // A disc not registered reads "新しい音楽ＣＤ" / "新しい歌手".
    DiscTitle lookUp(const std::string& identity) const;
    // Marks the disc as registered and stores both texts in one safe write.
    FileStatus enter(const std::string& identity, const std::string& title,
                     const std::string& artist) const;

private:
    std::string path_;
};

} // namespace qor
