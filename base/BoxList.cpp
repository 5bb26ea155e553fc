#include "base/BoxList.h"

#include "base/Cp932.h"

namespace qor {

std::string boxItem(std::string_view text, std::size_t maxBytes) {
    static const std::string ellipsis = sj("…");
    const bool cut = text.size() > maxBytes;
    const std::size_t room = cut ? (maxBytes > ellipsis.size() ? maxBytes - ellipsis.size() : 0)
                                 : text.size();
    std::string out;
    out.reserve(room + ellipsis.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t n = charLength(text, pos);
        if (pos + n > room) break;
        const char c = text[pos];
        if (n == 1 && c == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') {
            ++pos;  // CR LF is one break
            continue;
        }
        out += n == 1 && (c == '\r' || c == '\n') ? std::string_view(" ") : text.substr(pos, n);
        pos += n;
    }
    if (cut) out += ellipsis;
    return out;
}

std::string boxList(const std::vector<std::string>& items, std::size_t maxItems,
                    std::size_t maxBytes) {
    std::string out;
    const std::size_t shown = std::min(items.size(), maxItems);
    for (std::size_t i = 0; i < shown; ++i) {
        if (i > 0) out += "\n";
        out += boxItem(items[i], maxBytes);
    }
    if (items.size() > shown) {
        if (!out.empty()) out += "\n";
        out += sj("ほか ") + std::to_string(items.size() - shown) + sj(" 件");
    }
    return out;
}

} // namespace qor
