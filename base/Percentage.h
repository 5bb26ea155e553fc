#pragma once
// The percentage of right answers: 100 x right / asked, a half rounded up, as the
// records store it ("13" for 1 of 8, "67" for 2 of 3).

#include <string>

namespace qor {

// 0 when nothing was asked.
int percentage(int right, int asked);
std::string percentageText(int right, int asked);

} // namespace qor
