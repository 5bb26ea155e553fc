#include "ui/PagePlan.h"

#include <cstddef>

namespace ui {

namespace {
// Layout positions are sums of rounded line heights; a unit that fits to a hair fits.
constexpr double kSlack = 0.01;
} // namespace

std::vector<double> pageTops(const std::vector<PrintBlock>& blocks, double pageHeight) {
    std::vector<double> tops{0.0};
    if (pageHeight <= 0)
        return tops;
    double pageTop = 0;
    auto fits = [&](double bottom) { return bottom - pageTop <= pageHeight + kSlack; };
    auto startPage = [&](double top) {
        pageTop = top;
        tops.push_back(top);
    };

    const std::size_t n = blocks.size();
    for (std::size_t i = 0; i < n;) {
        // The unit: a block alone, or every block of its group.
        std::size_t last = i;
        if (blocks[i].group != 0) {
            while (last + 1 < n && blocks[last + 1].group == blocks[i].group)
                ++last;
        }
        const std::size_t next = last + 1;
        bool blank = true;
        for (std::size_t b = i; b <= last; ++b)
            blank = blank && blocks[b].blank;
        if (blank || fits(blocks[last].bottom)) {
            i = next;
            continue;
        }
        if (blocks[last].bottom - blocks[i].top <= pageHeight + kSlack) {
            startPage(blocks[i].top);
            i = next;
            continue;
        }
        // Taller than a page: break between its blocks, and inside a block taller than a
        // page at the page height.
        for (std::size_t b = i; b <= last; ++b) {
            if (fits(blocks[b].bottom))
                continue;
            if (blocks[b].top > pageTop && !blocks[b].blank)
                startPage(blocks[b].top);
            while (!fits(blocks[b].bottom) && !blocks[b].blank)
                startPage(pageTop + pageHeight);
        }
        i = next;
    }
    return tops;
}

} // namespace ui
