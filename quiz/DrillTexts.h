#pragma once
// Small texts and notice kinds that the drill's source files share.

#include "base/Cp932.h"

#include <string>

namespace qor::drill_texts {

// The kinds of the view's notices.
constexpr int kWarning = 0;
constexpr int kInformation = 1;

inline std::string number(int n) {
    return std::to_string(n);
}

// " ： a / b"
inline std::string ratio(int a, int b) {
    return sj(" ： ") + number(a) + " / " + number(b);
}

inline std::string firstAlternative(const std::string& side) {
    std::size_t comma = find(side, ',');
    return comma == std::string::npos ? side : side.substr(0, comma);
}

} // namespace qor::drill_texts
