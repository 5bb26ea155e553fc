// What a miss costs with a long error list, counted in this process: the list is read
// once, in pieces, and looked through where it lies, not split into a string per line
// with two lowered copies per comparison. The allocations of the process are counted by
// replacing the global operator new for this test program.

#include "base/TextFile.h"
#include "records/DailyRecord.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

namespace {

std::atomic<bool> counting{false};
std::atomic<long long> allocations{0};
std::atomic<long long> allocatedBytes{0};

void* allocate(std::size_t size) {
    if (counting.load(std::memory_order_relaxed)) {
        allocations.fetch_add(1, std::memory_order_relaxed);
        allocatedBytes.fetch_add(static_cast<long long>(size), std::memory_order_relaxed);
    }
    if (void* p = std::malloc(size == 0 ? 1 : size))
        return p;
    throw std::bad_alloc();
}

struct Count {
    long long allocations = 0;
    long long bytes = 0;
};

template <typename Work>
Count countOf(Work work) {
    allocations = 0;
    allocatedBytes = 0;
    counting = true;
    work();
    counting = false;
    return {allocations.load(), allocatedBytes.load()};
}

} // namespace

void* operator new(std::size_t size) {
    return allocate(size);
}
void* operator new[](std::size_t size) {
    return allocate(size);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}

using namespace qor;

TEST(ErrorListCostTest, AMissLooksThroughTheListInPiecesAndCopiesNoLineOfIt) {
    test::TempDir dir;
    const std::string list = dir.file("errors.txt");
    const int lines = 20000;
    std::vector<std::string> listed;
    for (int i = 0; i < lines; ++i)
        listed.push_back("word" + std::to_string(i) + ",form" + std::to_string(i) + "=x*comment");
    ASSERT_TRUE(writeLines(list, listed));
    const long long size = static_cast<long long>(readAll(list).bytes.size());
    DailyRecord record(dir.file("Taro"));

    // The last line in other letter case: every line is looked at, nothing appended.
    Count known = countOf([&] {
        EXPECT_TRUE(record.SaveErrorData(list, "WORD19999,FORM19999=x*comment"));
    });
    EXPECT_EQ(static_cast<long long>(readAll(list).bytes.size()), size);
    EXPECT_LT(known.allocations, 30);
    EXPECT_LT(known.bytes, size);  // not even the whole list at once

    // A new word: every line looked at, then the line appended.
    Count added = countOf([&] { EXPECT_TRUE(record.SaveErrorData(list, "new=y*z")); });
    EXPECT_EQ(static_cast<long long>(readAll(list).bytes.size()), size + 9);
    EXPECT_LT(added.allocations, 30);
    EXPECT_LT(added.bytes, size);
    std::printf("a miss with %d listed lines (%lld bytes): %lld and %lld allocations, "
                "%lld and %lld bytes\n",
                lines, size, known.allocations, added.allocations, known.bytes, added.bytes);
}
