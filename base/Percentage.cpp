#include "Percentage.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace qor {

namespace {
// The decimal text of a double with 15 significant digits, as the records were
// always computed: the quotient and the product are each rounded through this text.
std::string text15(double v) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", v);
    return buffer;
}
} // namespace

int percentage(int right, int asked) {
    if (asked <= 0)
        return 0;
    double quotient = std::strtod(text15(static_cast<double>(right) / asked).c_str(), nullptr);
    std::string product = text15(quotient * 100.0);
    if (product.find('e') != std::string::npos)
        return 0;  // below 1e-4: far from a half
    std::size_t point = product.find('.');
    int whole = std::atoi(product.c_str());
    if (point == std::string::npos || point + 1 >= product.size())
        return whole;
    return product[point + 1] >= '5' ? whole + 1 : whole;
}

std::string percentageText(int right, int asked) {
    return std::to_string(percentage(right, asked));
}

} // namespace qor
