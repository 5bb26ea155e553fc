#include "sound/DiscToc.h"

#include <cstdint>
#include <cstdio>

namespace qor {

std::string discIdentity(const DiscToc& toc) {
    // FNV-1a over the table of contents, each number as four bytes.
    std::uint64_t hash = 14695981039346656037ull;
    auto add = [&hash](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            hash ^= (v >> (8 * i)) & 0xFFu;
            hash *= 1099511628211ull;
        }
    };
    add(static_cast<std::uint32_t>(toc.tracks.size()));
    for (const DiscToc::Track& t : toc.tracks) {
        add(static_cast<std::uint32_t>(t.firstSector));
        add(t.audio ? 1u : 0u);
    }
    add(static_cast<std::uint32_t>(toc.leadOut));
    char text[17];
    std::snprintf(text, sizeof text, "%016llX", static_cast<unsigned long long>(hash));
    return text;
}

std::vector<SectorSpan> audioSpans(const DiscToc& toc) {
    std::vector<SectorSpan> spans;
    for (const DiscToc::Track& t : toc.tracks) {
        if (!t.audio || t.endSector <= t.firstSector) continue;
        if (!spans.empty() && spans.back().end == t.firstSector)
            spans.back().end = t.endSector;
        else
            spans.push_back({t.firstSector, t.endSector});
    }
    return spans;
}

} // namespace qor
