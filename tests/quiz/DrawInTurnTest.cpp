// The draw order of the no-repeats and importance sources: the same order as the draw by
// erasing from a list, for the same random values, with each item moved once.

#include "base/Random.h"
#include "quiz/DrawInTurn.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace qor;

namespace {

// The draw as the program made it before: a random value modulo the number left picks
// an item, which is taken out of the list. Quadratic; the reference for the order.
std::vector<std::string> drawByErasing(std::vector<std::string> items, RandomSource& random) {
    std::vector<std::string> out;
    out.reserve(items.size());
    while (!items.empty()) {
        int r = random.below(static_cast<int>(items.size()));
        out.push_back(std::move(items[static_cast<std::size_t>(r)]));
        items.erase(items.begin() + r);
    }
    return out;
}

std::vector<std::string> numbers(int n) {
    std::vector<std::string> items;
    for (int i = 0; i < n; ++i)
        items.push_back(std::to_string(i));
    return items;
}

// An item that counts every move and copy of items.
struct Counted {
    static inline long long moves = 0;
    int value = 0;
    explicit Counted(int v) : value(v) {}
    Counted(const Counted& other) : value(other.value) { ++moves; }
    Counted(Counted&& other) noexcept : value(other.value) { ++moves; }
    Counted& operator=(const Counted& other) {
        value = other.value;
        ++moves;
        return *this;
    }
    Counted& operator=(Counted&& other) noexcept {
        value = other.value;
        ++moves;
        return *this;
    }
};

} // namespace

TEST(DrawInTurn, GivesTheOrderOfTheDrawByErasingForEverySeedAndSize) {
    const std::vector<int> sizes{0, 1, 2, 3, 4, 5, 7, 8, 9, 15, 16, 17, 31, 32, 33, 100, 255,
                                 256, 257, 1000, 1023, 1024, 1025, 4099, 20000};
    for (int n : sizes) {
        const std::uint32_t seeds = n < 2000 ? 60 : n < 10000 ? 8 : 2;
        for (std::uint32_t seed = 1; seed <= seeds; ++seed) {
            MersenneRandom forNew(seed), forOld(seed);
            std::vector<std::string> drawn = drawInTurn(numbers(n), forNew);
            std::vector<std::string> reference = drawByErasing(numbers(n), forOld);
            ASSERT_EQ(drawn, reference) << n << " items, seed " << seed;
            // Both took the same number of draws: the generators are still in step.
            ASSERT_EQ(forNew.below(1000000), forOld.below(1000000)) << n << " items, seed " << seed;
        }
    }
}

TEST(DrawInTurn, TheFirstPlacesWantedAreThoseOfTheWholeDrawAndEveryDrawIsMade) {
    for (int n : {0, 1, 5, 100, 1000, 20000}) {
        for (std::size_t wanted : {std::size_t{0}, std::size_t{1}, std::size_t{10}, std::size_t{1000}, kAllDrawn}) {
            MersenneRandom forPart(11), forWhole(11);
            std::vector<std::size_t> part = drawnPlaces(static_cast<std::size_t>(n), wanted, forPart);
            std::vector<std::size_t> whole = drawnPlaces(static_cast<std::size_t>(n), kAllDrawn, forWhole);
            ASSERT_EQ(whole.size(), static_cast<std::size_t>(n));
            ASSERT_EQ(part.size(), std::min(wanted, whole.size()));
            EXPECT_TRUE(std::equal(part.begin(), part.end(), whole.begin())) << n << ", " << wanted;
            EXPECT_EQ(forPart.below(1000000), forWhole.below(1000000)) << n << ", " << wanted;
        }
    }
    MersenneRandom forItems(5), forReference(5);
    const std::vector<std::string> reference = drawByErasing(numbers(300), forReference);
    EXPECT_EQ(drawInTurn(numbers(300), forItems, 20),
              std::vector<std::string>(reference.begin(), reference.begin() + 20));
    EXPECT_EQ(forItems.below(1000000), forReference.below(1000000));
}

TEST(DrawInTurn, FollowsScriptedDrawsAtTheEdgesOfTheList) {
    // Always the first item left, always the last, and a mixed script with values far
    // above the number left (taken modulo it).
    const std::vector<std::vector<int>> scripts{{0}, {-1}, {5, 3, 7, 1, 0, 2, 6, 4}, {999983, 2, 65537}};
    for (const auto& script : scripts) {
        for (int n : {1, 2, 6, 8, 13, 64, 100}) {
            ScriptedRandom forNew(script), forOld(script);
            EXPECT_EQ(drawInTurn(numbers(n), forNew), drawByErasing(numbers(n), forOld)) << n;
            EXPECT_EQ(forNew.draws(), n);
        }
    }
    ScriptedRandom first({0});
    EXPECT_EQ(drawInTurn(numbers(4), first), (std::vector<std::string>{"0", "1", "2", "3"}));
    ScriptedRandom last({-1});
    EXPECT_EQ(drawInTurn(numbers(4), last), (std::vector<std::string>{"3", "2", "1", "0"}));
}

TEST(DrawInTurn, KeepsItemsThatAreEqualApart) {
    // Lines of a custom list may repeat; each is drawn once all the same.
    ScriptedRandom random({1, 0, 0});
    EXPECT_EQ(drawInTurn(std::vector<std::string>{"a", "b", "a"}, random), (std::vector<std::string>{"b", "a", "a"}));
}

TEST(PlacesLeft, TakesTheKthPlaceStillLeft) {
    PlacesLeft left(6);
    EXPECT_EQ(left.size(), 6u);
    EXPECT_EQ(left.take(2), 2u);  // 0 1 [2] 3 4 5
    EXPECT_EQ(left.take(2), 3u);  // 0 1 [3] 4 5
    EXPECT_EQ(left.take(3), 5u);  // 0 1 4 [5]
    EXPECT_EQ(left.take(0), 0u);  // [0] 1 4
    EXPECT_EQ(left.take(1), 4u);  // 1 [4]
    EXPECT_EQ(left.take(0), 1u);
    EXPECT_EQ(left.size(), 0u);
}

TEST(DrawInTurn, MovesEachItemOnceHoweverLongTheList) {
    // A draw that takes its item out of the list moves all items behind it, about n² / 4
    // moves in all: 100 million for 20,000 words.
    for (int n : {1000, 20000}) {
        std::vector<Counted> items;
        items.reserve(static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i)
            items.emplace_back(i);
        MersenneRandom random(7);
        Counted::moves = 0;
        std::vector<Counted> drawn = drawInTurn(std::move(items), random);
        EXPECT_EQ(Counted::moves, n);
        ASSERT_EQ(drawn.size(), static_cast<std::size_t>(n));
        std::vector<bool> seen(static_cast<std::size_t>(n));
        for (const Counted& c : drawn)
            seen[static_cast<std::size_t>(c.value)] = true;
        EXPECT_EQ(std::count(seen.begin(), seen.end(), true), n);
    }
}
