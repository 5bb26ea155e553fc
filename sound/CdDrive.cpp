#include "sound/CdDrive.h"

#include <cdio/cdio.h>
#include <cdio/logging.h>

#include <mutex>

namespace qor::cd {

namespace {

// libcdio reports through a log handler; the last warning is the reason of a failure.
std::mutex logLock;
std::string lastMessage;

void quietLog(cdio_log_level_t level, const char message[]) {
    if (level < CDIO_LOG_WARN) return;
    std::lock_guard lock(logLock);
    lastMessage = message ? message : "";
    while (!lastMessage.empty() && (lastMessage.back() == '\n' || lastMessage.back() == ' '))
        lastMessage.pop_back();
}

void installQuietLog() {
    static std::once_flag once;
    std::call_once(once, [] { cdio_log_set_handler(quietLog); });
}

} // namespace

CdIo_t* openDrive(const std::string& drive, std::string* error) {
    installQuietLog();
    {
        std::lock_guard lock(logLock);
        lastMessage.clear();
    }
    if (drive.empty()) {
        if (error) *error = "no CD drive";
        return nullptr;
    }
    CdIo_t* cdio = cdio_open(drive.c_str(), DRIVER_UNKNOWN);
    if (!cdio && error) {
        std::lock_guard lock(logLock);
        *error = drive + ": " + (lastMessage.empty() ? "cannot open the CD drive" : lastMessage);
    }
    return cdio;
}

std::optional<DiscToc> tocOf(CdIo_t* cdio) {
    track_t first = cdio_get_first_track_num(cdio);
    track_t count = cdio_get_num_tracks(cdio);
    if (first == CDIO_INVALID_TRACK || count == CDIO_INVALID_TRACK || count == 0)
        return std::nullopt;
    DiscToc toc;
    for (track_t t = first; t < first + count; ++t) {
        DiscToc::Track track;
        track.firstSector = cdio_get_track_lsn(cdio, t);
        lsn_t last = cdio_get_track_last_lsn(cdio, t);
        track.endSector = last == CDIO_INVALID_LSN ? track.firstSector : last + 1;
        track.audio = cdio_get_track_format(cdio, t) == TRACK_FORMAT_AUDIO;
        toc.tracks.push_back(track);
    }
    toc.leadOut = cdio_get_track_lsn(cdio, CDIO_CDROM_LEADOUT_TRACK);
    return toc;
}

std::vector<std::string> drives() {
    installQuietLog();
    std::vector<std::string> out;
    char** list = cdio_get_devices(DRIVER_DEVICE);
    if (!list) return out;
    for (char** d = list; *d; ++d) out.emplace_back(*d);
    cdio_free_device_list(list);
    return out;
}

std::optional<DiscToc> readToc(const std::string& drive, std::string* error) {
    CdIo_t* cdio = openDrive(drive, error);
    if (!cdio) return std::nullopt;
    std::optional<DiscToc> toc = tocOf(cdio);
    cdio_destroy(cdio);
    if (!toc && error) *error = drive + ": no disc";
    return toc;
}

bool hasMedium(const std::string& drive) {
    return readToc(drive).has_value();
}

} // namespace qor::cd
