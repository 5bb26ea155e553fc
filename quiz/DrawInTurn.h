#pragma once
// The order in which the no-repeats and importance sources ask their items: one item after
// another, each drawn from those not yet drawn by a random value modulo the number left,
// counted in the items' own order. The same random values give the same order as ever;
// the item at a draw's place among those left is found in a Fenwick tree over the places
// still left, in O(log n) instead of the O(n) of taking it out of the middle of a list.

#include "base/Random.h"

#include <cstddef>
#include <cstdint>
#include <limits>
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
    std::vector<std::uint32_t> counts_;
    std::size_t left_;
    std::size_t topBit_;  // the highest power of two not above n (1 for none)
};

inline constexpr std::size_t kAllDrawn = std::numeric_limits<std::size_t>::max();

// The places (0 .. count - 1) of a list of `count` items in the order of their draws, the
// first `wanted` of them. All `count` draws are made whatever `wanted` is, so that the
// random source ends where the whole draw leaves it; the places after the wanted ones are
// not looked for (a drill of 1,000 questions asks no more of a list of 200,000 words).
std::vector<std::size_t> drawnPlaces(std::size_t count, std::size_t wanted, RandomSource& random);

// The items in the order of their draws, the first `wanted` of them; each is moved once.
template <typename T>
std::vector<T> drawInTurn(std::vector<T> items, RandomSource& random,
                          std::size_t wanted = kAllDrawn) {
    std::vector<T> drawn;
    const std::vector<std::size_t> places = drawnPlaces(items.size(), wanted, random);
    drawn.reserve(places.size());
    for (std::size_t place : places)
        drawn.push_back(std::move(items[place]));
    return drawn;
}

} // namespace qor
