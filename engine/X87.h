#pragma once
// Single x87 instructions on 80-bit extended values. The C library's long double functions
// (sinl, powl, ...) cost ten to forty times more than these. Every instruction that can raise
// a fault flag is volatile, so that the compiler neither drops nor moves it: the flag arises
// exactly where the formula meets the fault. Rounding is the unit's default, to nearest.
#include <cstdint>
#include <limits>
#include <numbers>

namespace engine::x87 {

static_assert(std::numeric_limits<long double>::digits == 64,
              "long double must be the x87 80-bit extended format");

// Integers

// Nearest integer, ties to even, still as an extended value.
inline long double RoundToIntegral(long double x) noexcept
{
    long double result;
    __asm__("frndint" : "=t"(result) : "0"(x));
    return result;
}

// Nearest signed 64-bit integer, ties to even. Not-a-number or a value outside the range
// raises invalid operation and gives the integer indefinite, INT64_MIN.
inline std::int64_t RoundToInt64(long double x) noexcept
{
    std::int64_t result;
    __asm__ __volatile__("fistpll %0" : "=m"(result) : "t"(x) : "st");
    return result;
}

// Ordered comparisons: a not-a-number operand raises invalid operation (and the result is false).
// The flag is read with setcc: as a flag output g++ 12 may turn it into an invalid fcmov.

inline bool IsGreater(long double a, long double b) noexcept
{
    bool result;
    __asm__ __volatile__("fcomip %%st(1), %%st\n\tfstp %%st(0)\n\tseta %0"
                         : "=q"(result) : "t"(a), "u"(b) : "st", "st(1)", "cc");
    return result;
}

inline bool IsGreaterOrEqual(long double a, long double b) noexcept
{
    bool result;
    __asm__ __volatile__("fcomip %%st(1), %%st\n\tfstp %%st(0)\n\tsetae %0"
                         : "=q"(result) : "t"(a), "u"(b) : "st", "st(1)", "cc");
    return result;
}

inline bool IsLess(long double a, long double b) noexcept { return IsGreater(b, a); }
inline bool IsLessOrEqual(long double a, long double b) noexcept { return IsGreaterOrEqual(b, a); }

inline bool IsEqual(long double a, long double b) noexcept
{
    bool equalOrUnordered;
    bool ordered;
    __asm__ __volatile__("fcomip %%st(1), %%st\n\tfstp %%st(0)\n\tsete %0\n\tsetnp %1"
                         : "=q"(equalOrUnordered), "=q"(ordered)
                         : "t"(a), "u"(b) : "st", "st(1)", "cc");
    return equalOrUnordered && ordered;
}

// Logarithms and powers of two

// y × log2(x): division by zero for x = 0, invalid operation for x < 0.
inline long double YLog2X(long double y, long double x) noexcept
{
    long double result;
    __asm__ __volatile__("fyl2x" : "=t"(result) : "0"(x), "u"(y) : "st(1)");
    return result;
}

inline long double NaturalLogarithm(long double x) noexcept
{
    return YLog2X(std::numbers::ln2_v<long double>, x);
}

// 2^x − 1 for |x| ≤ 1.
inline long double Exp2Minus1(long double x) noexcept
{
    long double result;
    __asm__("f2xm1" : "=t"(result) : "0"(x));
    return result;
}

// x × 2^n for an integral n; overflow beyond the extended range.
inline long double Scale(long double x, long double n) noexcept
{
    long double result;
    __asm__ __volatile__("fscale" : "=t"(result) : "0"(x), "u"(n));
    return result;
}

// Square root: invalid operation below zero.
inline long double SquareRoot(long double x) noexcept
{
    long double result;
    __asm__ __volatile__("fsqrt" : "=t"(result) : "0"(x));
    return result;
}

// Circular functions, exact to the last bit only for |x| ≤ π/4: the instructions reduce larger
// arguments with a 66-bit π. (fsin is left out: see the sine in StandardMath.cpp.)

inline long double Cosine(long double x) noexcept
{
    long double result;
    __asm__("fcos" : "=t"(result) : "0"(x));
    return result;
}

inline long double Tangent(long double x) noexcept
{
    long double one;
    long double result;
    __asm__("fptan" : "=t"(one), "=u"(result) : "0"(x));
    static_cast<void>(one);
    return result;
}

// The angle of the point (x, y), between −π and π; 0 for (0, 0).
inline long double ArcTangent2(long double y, long double x) noexcept
{
    long double result;
    __asm__("fpatan" : "=t"(result) : "0"(x), "u"(y) : "st(1)");
    return result;
}

// Faults raised on purpose, where a rule rather than an operation decides: each sets the
// unit's flag and yields what the faulting operation yields.

inline long double InvalidOperation() noexcept
{
    long double result;
    __asm__ __volatile__("fldz\n\tfdiv %%st(0), %%st" : "=t"(result));
    return result;
}

inline long double Overflow() noexcept
{
    long double result;
    __asm__ __volatile__("fmul %%st(0), %%st"
                         : "=t"(result) : "0"(std::numeric_limits<long double>::max()));
    return result;
}

}  // namespace engine::x87
