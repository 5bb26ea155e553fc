#pragma once
// A calendar day a test names, known to exist.

#include "records/StudyDay.h"

namespace qor::test {

inline StudyDay day(int year, int month, int dayOfMonth) {
    return StudyDay::of(year, month, dayOfMonth).value();
}

} // namespace qor::test
