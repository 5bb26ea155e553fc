#pragma once
// CD drives through libcdio. A "drive" is named by its device path (/dev/sr0); libcdio
// opens a disc image (a .cue file) the same way, which is how the tests reach a disc.

#include "sound/DiscToc.h"

#include <optional>
#include <string>
#include <vector>

typedef struct _CdIo CdIo_t;

namespace qor::cd {

// The CD-ROM drives of the machine, by device path.
std::vector<std::string> drives();

// The disc's table of contents; nullopt with the reason when the drive cannot be opened
// or holds no readable disc.
std::optional<DiscToc> readToc(const std::string& drive, std::string* error = nullptr);

// Whether the drive holds a readable disc. An empty drive text holds none.
bool hasMedium(const std::string& drive);

// Opens a drive or image quietly (libcdio's own warnings stay off the terminal); the
// reason of a failure goes to error.
CdIo_t* openDrive(const std::string& drive, std::string* error);
// The table of contents of an open drive; nullopt when it holds no readable disc.
std::optional<DiscToc> tocOf(CdIo_t* cdio);

} // namespace qor::cd
