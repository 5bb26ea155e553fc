#include "quiz/DrawInTurn.h"

#include <algorithm>

namespace qor {

PlacesLeft::PlacesLeft(std::size_t n) : counts_(n + 1), left_(n), topBit_(1) {
    // Every place is left: node i counts the lowbit(i) places it covers.
    for (std::size_t i = 1; i <= n; ++i)
        counts_[i] = static_cast<std::uint32_t>(i & (~i + 1));
    while (topBit_ * 2 <= n)
        topBit_ *= 2;
}

std::size_t PlacesLeft::take(std::size_t k) {
    const std::size_t n = counts_.size() - 1;
    // Descend to the last node whose prefix holds at most k places: the place after it
    // is the k-th one left. The nodes passed over on the way (the target lies in their
    // range) are exactly those that count it, so they lose it as the descent goes.
    std::size_t node = 0;
    std::size_t before = k;
    for (std::size_t step = topBit_; step > 0; step /= 2) {
        const std::size_t next = node + step;
        if (next > n)
            continue;
        if (counts_[next] <= before) {
            node = next;
            before -= counts_[next];
        } else {
            --counts_[next];
        }
    }
    --left_;
    return node;  // 0-based: node + 1 in the tree's numbering
}

std::vector<std::size_t> drawnPlaces(std::size_t count, std::size_t wanted, RandomSource& random) {
    wanted = std::min(wanted, count);
    std::vector<std::size_t> places;
    places.reserve(wanted);
    PlacesLeft left(count);
    for (std::size_t remaining = count; remaining > 0; --remaining) {
        const int r = random.below(static_cast<int>(remaining));
        if (places.size() < wanted)
            places.push_back(left.take(static_cast<std::size_t>(r)));
    }
    return places;
}

} // namespace qor
