#pragma once
// a * b / c in 64-bit arithmetic, rounded to the nearest integer with halves away from
// zero. A divisor of 0 or a result beyond int gives -1, so callers can tell.
#include <cstdint>
#include <limits>

namespace dialogs {

constexpr int MulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    const std::int64_t product = std::int64_t{a} * b;
    const std::int64_t divisor = c;
    std::int64_t quotient = product / divisor;
    const std::int64_t remainder = product % divisor;
    const std::int64_t twiceRemainder = 2 * (remainder < 0 ? -remainder : remainder);
    if (twiceRemainder >= (divisor < 0 ? -divisor : divisor))
        quotient += (product < 0) != (divisor < 0) ? -1 : 1;
    if (quotient < std::numeric_limits<int>::min() || quotient > std::numeric_limits<int>::max())
        return -1;
    return static_cast<int>(quotient);
}

}  // namespace dialogs
