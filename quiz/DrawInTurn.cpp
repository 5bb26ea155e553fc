#include "quiz/DrawInTurn.h"

namespace qor {

PlacesLeft::PlacesLeft(std::size_t n) : counts_(n + 1), left_(n) {
    // Every place is left: node i counts the lowbit(i) places it covers.
    for (std::size_t i = 1; i <= n; ++i)
        counts_[i] = i & (~i + 1);
    topBit_ = 1;
    while (topBit_ * 2 <= n)
        topBit_ *= 2;
}

std::size_t PlacesLeft::take(std::size_t k) {
    const std::size_t n = counts_.size() - 1;
    // Descend to the last node whose prefix holds at most k places: the place after it
    // is the k-th one left.
    std::size_t node = 0;
    std::size_t before = k;
    for (std::size_t step = topBit_; step > 0; step /= 2) {
        const std::size_t next = node + step;
        if (next <= n && counts_[next] <= before) {
            node = next;
            before -= counts_[next];
        }
    }
    const std::size_t place = node;  // 0-based: node + 1 in the tree's numbering
    for (std::size_t i = place + 1; i <= n; i += i & (~i + 1))
        --counts_[i];
    --left_;
    return place;
}

} // namespace qor
