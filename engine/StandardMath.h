#pragma once
// The numeric routines of the standard vocabulary. Each reads its operands as doubles,
// computes in 80-bit extended precision step by step as its formula is written, and returns
// the extended result: the caller rounds it to double once, when it stores it (that rounding
// raises overflow beyond the double range).
//
// Floating-point faults are reported only through the x87 unit's sticky flags (invalid
// operation, division by zero, overflow; platform/FloatFaults.h reads them), where the
// arithmetic meets them or, for a rule that is a comparison or an integer conversion, raised
// on purpose. A routine raises no fault after its first one, so its first fault alone decides
// the message. Not-a-number passes silently through plain arithmetic and raises invalid
// operation where it meets a comparison or an integer conversion. The one exception thrown
// is platform::EDivByZero, by Div and Mod. Every step that can fault runs on the x87 unit:
// the SSE unit's flags are not read, so its arithmetic is used only where it cannot fault.
//
// The simple routines are defined here, so that the record routines calling them make no
// further call.
#include <cmath>
#include <cstdint>
#include <string_view>

#include "engine/X87.h"

namespace engine {

namespace math_detail {

inline long double Truth(bool value) { return value ? 1.0L : 0.0L; }

// Square-and-multiply from the lowest bit; the base is squared only before a further bit, so
// no needless squaring can overflow.
inline long double IntegerPower(long double base, std::int32_t exponent)
{
    const auto pattern = static_cast<std::uint32_t>(exponent);
    std::uint32_t bits = exponent < 0 ? 0u - pattern : pattern;  // |exponent|, also of INT32_MIN
    long double result = 1.0L;
    while (bits != 0) {
        if (bits & 1u)
            result *= base;
        bits >>= 1;
        if (bits != 0)
            base *= base;
    }
    return exponent < 0 ? 1.0L / result : result;
}

inline std::int64_t LowestByte(double x) { return x87::RoundToInt64(x) & 0xFF; }

}  // namespace math_detail

// "!": 1 for an integer of x up to 1, else 2 × 3 × … × n; overflow above 170.
long double Factorial(double x);

inline long double Percent(double x) { return x * 0.01L; }

// "^", "power", "pow": the general power.
long double Power(double x, double y);
// "^@", "intpower": x to the integer of y, reduced to its low 32 bits.
inline long double IntPower(double x, double y)
{
    const auto lowBits = static_cast<std::uint32_t>(x87::RoundToInt64(y));
    return math_detail::IntegerPower(x, static_cast<std::int32_t>(lowBits));
}

// "div", "mod": on the 64-bit integers of x and y, cut toward zero; EDivByZero for a zero divisor.
long double Div(double x, double y);
long double Mod(double x, double y);

// The tolerance of ">=", "<=", "=", "<>": 1e-30, one unit in the last place below the nearest
// extended value.
inline constexpr long double ComparisonTolerance = 0xA2425FF75E14FC31p-163L;

// Comparisons yield 1 or 0.
inline long double Greater(double x, double y)
{
    return math_detail::Truth(x87::IsGreater(x, y));
}

inline long double Less(double x, double y) { return math_detail::Truth(x87::IsLess(x, y)); }

inline long double GreaterOrEqual(double x, double y)
{
    return math_detail::Truth(x87::IsGreaterOrEqual(x + ComparisonTolerance, y));
}

inline long double LessOrEqual(double x, double y)
{
    return math_detail::Truth(x87::IsLessOrEqual(x, y + ComparisonTolerance));
}

inline long double NotEqual(double x, double y)
{
    const long double distance = std::fabs(static_cast<long double>(x) - y);
    return math_detail::Truth(x87::IsGreater(distance, ComparisonTolerance));
}

inline long double Equal(double x, double y)
{
    const long double distance = std::fabs(static_cast<long double>(x) - y);
    return math_detail::Truth(x87::IsLess(distance, ComparisonTolerance));
}

inline long double Max(double x, double y) { return x87::IsGreaterOrEqual(x, y) ? x : y; }
inline long double Min(double x, double y) { return x87::IsLessOrEqual(x, y) ? x : y; }

// Logical words on the 64-bit integers of their operands; "not" and "if" read the lowest 8 bits.
inline long double Not(double x)
{
    return static_cast<long double>(math_detail::LowestByte(x) ^ 1);
}

inline long double And(double x, double y)
{
    return static_cast<long double>(x87::RoundToInt64(x) & x87::RoundToInt64(y));
}

inline long double Or(double x, double y)
{
    return static_cast<long double>(x87::RoundToInt64(x) | x87::RoundToInt64(y));
}

inline long double Xor(double x, double y)
{
    return static_cast<long double>(x87::RoundToInt64(x) ^ x87::RoundToInt64(y));
}

inline long double If(double x, double y, double z)
{
    return math_detail::LowestByte(x) != 0 ? y : z;
}

inline long double Round(double x) { return static_cast<long double>(x87::RoundToInt64(x)); }

inline long double Trunc(double x)
{
    return static_cast<long double>(x87::RoundToInt64(std::trunc(x)));
}

// log10(2), the nearest extended value.
inline constexpr long double Log10Of2 = 0x9A209A84FBCFF799p-65L;

inline long double Sqrt(double x) { return x87::SquareRoot(x); }
long double Exp(double x);
inline long double Ln(double x) { return x87::NaturalLogarithm(x); }
inline long double Log10(double x) { return x87::YLog2X(Log10Of2, x); }
// Logarithm base x of y.
long double LogN(double x, double y);

long double Sin(double x);
long double Cos(double x);
long double Tan(double x);
long double ArcSin(double x);
long double ArcCos(double x);
// The angle whose tangent is x ÷ y; y is the abscissa.
long double ArcTan2(double x, double y);
long double ArcTan(double x);

long double Sinh(double x);
long double Cosh(double x);
long double Tanh(double x);
long double ArcSinh(double x);
long double ArcCosh(double x);
long double ArcTanh(double x);

// π/180 and 180/π, the nearest extended values.
inline constexpr long double RadiansPerDegree = 0x8EFA351294E9C8AEp-69L;
inline constexpr long double DegreesPerRadian = 0xE52EE0D31E0FBDC3p-58L;

inline long double DegToRad(double x) { return x * RadiansPerDegree; }
inline long double RadToDeg(double x) { return x * DegreesPerRadian; }

// "pos": 1-based position of the first occurrence of substring in text, compared byte by
// byte; 0 when absent or when either text is empty.
double Pos(std::string_view substring, std::string_view text);

}  // namespace engine
