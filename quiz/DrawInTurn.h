#pragma once
// The order in which the no-repeats and importance sources ask their items: one item after
// another, each drawn from those not yet drawn by a random value modulo the number left,
// counted in the items' own order. The same random values give the same order as ever;
// the item at a draw's place among those left is found in a Fenwick tree over the places
// still left, so a list of 200,000 words is drawn in O(n log n) instead of O(n²).

#include "base/Random.h"

#include <cstddef>
#include <vector>

namespace qor {

// The places 0 .. n - 1 of a list, from which places are taken one at a time.
class PlacesLeft {
public:
    explicit PlacesLeft(std::size_t n);

    std::size_t size() const { return left_; }
    // Takes the k-th (0-based) of the places still left, counted in order, and returns it.
    // k must be below size().
    std::size_t take(std::size_t k);

private:
    // counts_[i] (1-based) is the number of places left in (i - lowbit(i), i].
    std::vector<std::size_t> counts_;
    std::size_t left_;
    std::size_t topBit_;  // the highest power of two not above n (1 for none)
};

// The items in the order of their draws; each item is moved once.
template <typename T>
std::vector<T> drawInTurn(std::vector<T> items, RandomSource& random) {
    PlacesLeft left(items.size());
    std::vector<T> drawn;
    drawn.reserve(items.size());
    while (left.size() > 0) {
        const int r = random.below(static_cast<int>(left.size()));
        drawn.push_back(std::move(items[left.take(static_cast<std::size_t>(r))]));
    }
    return drawn;
}

} // namespace qor
