#pragma once
// Reading a fuzzer's bytes as a sequence of choices, the rest as raw bytes, and the one
// check that stops a run with a message (libFuzzer takes the abort as a finding; the
// corpus replay of the tests fails on it).

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#define FUZZ_CHECK(condition)                                                                 \
    do {                                                                                      \
        if (!(condition)) {                                                                   \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                     \
        }                                                                                     \
    } while (0)

namespace qor::fuzz {

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size)
        : data_(reinterpret_cast<const char*>(data)), size_(size) {}

    bool empty() const { return pos_ >= size_; }
    // One byte as a number below n (0 when the input is used up or n is 0).
    std::size_t below(std::size_t n) {
        if (n == 0 || pos_ >= size_)
            return 0;
        return static_cast<unsigned char>(data_[pos_++]) % n;
    }
    // Up to `max` bytes, the length taken from the input first.
    std::string bytes(std::size_t max) {
        std::size_t n = below(max + 1);
        n = n < size_ - pos_ ? n : size_ - pos_;
        std::string out(data_ + pos_, n);
        pos_ += n;
        return out;
    }
    std::string_view rest() {
        std::string_view out(data_ + pos_, size_ - pos_);
        pos_ = size_;
        return out;
    }

private:
    const char* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

// A scratch folder of this process for targets that read and write real files.
const std::string& scratchFolder();

} // namespace qor::fuzz
