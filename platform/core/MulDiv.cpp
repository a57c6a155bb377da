#include "platform/core/MulDiv.h"

#include <climits>
#include <cstdint>

int MulDiv(int number, int numerator, int denominator) {
    if (denominator == 0)
        return -1;
    const std::int64_t product = static_cast<std::int64_t>(number) * numerator;
    const bool negative = (product < 0) != (denominator < 0);
    const std::uint64_t magnitude =
        product < 0 ? 0 - static_cast<std::uint64_t>(product) : static_cast<std::uint64_t>(product);
    const std::uint64_t divisor =
        denominator < 0 ? 0 - static_cast<std::uint64_t>(static_cast<std::int64_t>(denominator))
                        : static_cast<std::uint64_t>(denominator);
    const std::uint64_t rounded = (magnitude + divisor / 2) / divisor;
    if (rounded >
        (negative ? static_cast<std::uint64_t>(INT_MAX) + 1 : static_cast<std::uint64_t>(INT_MAX)))
        return -1;
    return negative ? static_cast<int>(0 - static_cast<std::int64_t>(rounded))
                    : static_cast<int>(rounded);
}
