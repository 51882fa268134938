#include "StandardMath.h"

#include "X87.h"
#include "platform/Exceptions.h"
#include "platform/FloatFaults.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>

namespace engine {
namespace {

using math_detail::IntegerPower;
using x87::IsGreater;
using x87::IsLessOrEqual;
using x87::RoundToInt64;

constexpr long double Infinity = std::numeric_limits<long double>::infinity();
constexpr long double HyperbolicGuard = 1e-16L;

// e^x as 2^(x·log2 e): the fraction of the exponent through f2xm1, the integer part through fscale.
long double ExpExtended(long double x)
{
    const long double exponent = x * std::numbers::log2e_v<long double>;
    if (std::isinf(exponent))  // exact limits; the split below would make ∞ − ∞ of them
        return std::signbit(exponent) ? 0.0L : exponent;
    const long double whole = x87::RoundToIntegral(exponent);
    return x87::Scale(x87::Exp2Minus1(exponent - whole) + 1.0L, whole);
}

// e^x and e^−x, shared by the hyperbolic functions (beyond their guards near 0).
struct Exponentials {
    long double Positive;
    long double Negative;
};

Exponentials ExponentialsOf(double x) { return {ExpExtended(x), ExpExtended(-x)}; }

long double HyperbolicSine(Exponentials e) { return (e.Positive - e.Negative) / 2.0L; }
long double HyperbolicCosine(Exponentials e) { return (e.Positive + e.Negative) / 2.0L; }

// Circular functions: x = q·π/2 + r with |r| ≤ π/4, where the x87 instructions are exact to the
// last bit. π/2 is held in three parts; the first two have 32 significant bits, so their
// products with a quarter-turn count below 2^32 are exact.
constexpr long double TwoOverPi = 0xA2F9836E4E44152Ap-64L;
constexpr long double HalfPiHigh = 0xC90FDAA2p-31L;
constexpr long double HalfPiMiddle = 0x85A308D3p-65L;
constexpr long double HalfPiLow = 0x98CC51701B839A25p-132L;
constexpr double ExactReductionLimit = 0x1p32;
// From here on sine and cosine are 0 and the tangent is undefined.
constexpr double CircularLimit = 0x1p63;

struct QuarterTurns {
    long double Remainder;
    unsigned Quadrant;
};

QuarterTurns ReduceToQuarterTurns(long double x)
{
    const long double turns = x87::RoundToIntegral(x * TwoOverPi);
    const long double remainder =
        ((x - turns * HalfPiHigh) - turns * HalfPiMiddle) - turns * HalfPiLow;
    return {remainder, static_cast<unsigned>(RoundToInt64(turns) & 3)};
}

// sin r = 2t / (1 + t²) with t = tan(r/2): on some processors fsin of a small argument takes
// three times as long as fptan or fcos.
long double SineOfRemainder(long double remainder)
{
    const long double tangent = x87::Tangent(remainder / 2.0L);
    return 2.0L * tangent / (1.0L + tangent * tangent);
}

long double SineOfTurns(QuarterTurns turns)
{
    switch (turns.Quadrant) {
    case 0: return SineOfRemainder(turns.Remainder);
    case 1: return x87::Cosine(turns.Remainder);
    case 2: return -SineOfRemainder(turns.Remainder);
    default: return -x87::Cosine(turns.Remainder);
    }
}

long double CosineOfTurns(QuarterTurns turns)
{
    return SineOfTurns({turns.Remainder, (turns.Quadrant + 1) & 3});
}

long double TangentOfTurns(QuarterTurns turns)
{
    const long double tangent = x87::Tangent(turns.Remainder);
    return turns.Quadrant & 1 ? -1.0L / tangent : tangent;
}

// Division operands: a zero divisor is the integer fault, unless converting x already failed.
struct IntegerOperands {
    std::int64_t Dividend;
    std::int64_t Divisor;
};

IntegerOperands DivisionOperands(double x, double y)
{
    const IntegerOperands operands{RoundToInt64(x), RoundToInt64(y)};
    if (operands.Divisor == 0) {
        platform::CheckFloatFaults();
        throw platform::EDivByZero();
    }
    return operands;
}

}  // namespace

long double Factorial(double x)
{
    constexpr std::int64_t LargestFactor = 170;  // 171! exceeds the double range
    const std::int64_t n = RoundToInt64(x);
    if (static_cast<long double>(n) < 1.1L)
        return 1.0L;
    if (n > LargestFactor)
        return x87::Overflow();
    long double product = 1.0L;
    for (std::int64_t factor = 2; factor <= n; ++factor)
        product *= factor;
    return product;
}

long double Power(double x, double y)
{
    constexpr double LargestIntegerExponent = 2147483647.0;
    if (x87::IsEqual(y, 0.0L))
        return 1.0L;
    if (x87::IsEqual(x, 0.0L) && IsGreater(y, 0.0L))
        return 0.0L;
    if (std::trunc(y) == y && std::fabs(y) <= LargestIntegerExponent)
        return IntegerPower(x, static_cast<std::int32_t>(y));
    return ExpExtended(y * x87::NaturalLogarithm(x));
}

long double Div(double x, double y)
{
    const auto [dividend, divisor] = DivisionOperands(x, y);
    // The one quotient outside the 64-bit range (and a hardware trap): INT64_MIN ÷ −1.
    if (divisor == -1)
        return -static_cast<long double>(dividend);
    return static_cast<long double>(dividend / divisor);
}

long double Mod(double x, double y)
{
    const auto [dividend, divisor] = DivisionOperands(x, y);
    if (divisor == -1)
        return 0.0L;
    return static_cast<long double>(dividend % divisor);
}

long double Exp(double x) { return ExpExtended(x); }

// log2(y) ÷ log2(x), stopping at the first fault: a logarithm of zero must not add the
// invalid operation of a later ∞ ÷ ∞ or of the other logarithm.
long double LogN(double x, double y)
{
    const long double numerator = x87::YLog2X(1.0L, y);
    if (std::islessequal(y, 0.0))
        return numerator;
    const long double denominator = x87::YLog2X(1.0L, x);
    if (x == 0.0)
        return denominator;
    return numerator / denominator;
}

long double Sin(double x)
{
    const double magnitude = std::fabs(x);
    if (std::isgreaterequal(magnitude, CircularLimit))
        return 0.0L;
    if (std::isless(magnitude, ExactReductionLimit))
        return SineOfTurns(ReduceToQuarterTurns(x));
    return std::sin(static_cast<long double>(x));  // far out or not a number: exact reduction
}

long double Cos(double x)
{
    const double magnitude = std::fabs(x);
    if (std::isgreaterequal(magnitude, CircularLimit))
        return 0.0L;
    if (std::isless(magnitude, ExactReductionLimit))
        return CosineOfTurns(ReduceToQuarterTurns(x));
    return std::cos(static_cast<long double>(x));
}

long double Tan(double x)
{
    const double magnitude = std::fabs(x);
    if (std::isgreaterequal(magnitude, CircularLimit))
        return x87::InvalidOperation();
    if (std::isless(magnitude, ExactReductionLimit))
        return TangentOfTurns(ReduceToQuarterTurns(x));
    return std::tan(static_cast<long double>(x));
}

long double ArcSin(double x)
{
    const long double value = x;
    return x87::ArcTangent2(value, x87::SquareRoot(1.0L - value * value));
}

long double ArcCos(double x)
{
    const long double value = x;
    return x87::ArcTangent2(x87::SquareRoot(1.0L - value * value), value);
}

long double ArcTan2(double x, double y) { return x87::ArcTangent2(x, y); }
long double ArcTan(double x) { return x87::ArcTangent2(x, 1.0L); }

long double Sinh(double x)
{
    if (IsLessOrEqual(std::fabs(x), HyperbolicGuard))
        return 0.0L;
    return HyperbolicSine(ExponentialsOf(x));
}

long double Cosh(double x)
{
    if (IsLessOrEqual(std::fabs(x), HyperbolicGuard))
        return 1.0L;
    return HyperbolicCosine(ExponentialsOf(x));
}

long double Tanh(double x)
{
    if (IsLessOrEqual(std::fabs(x), HyperbolicGuard))
        return 0.0L;
    const Exponentials exponentials = ExponentialsOf(x);
    const long double cosine = HyperbolicCosine(exponentials);
    // Beyond the extended range (where e^x already raised overflow) or for x = ±∞ the ratio
    // would be ∞ ÷ ∞; its limit is ±1.
    if (std::isinf(cosine))
        return std::copysign(1.0L, static_cast<long double>(x));
    return HyperbolicSine(exponentials) / cosine;
}

long double ArcSinh(double x)
{
    const long double value = x;
    return x87::NaturalLogarithm(value + x87::SquareRoot(value * value + 1.0L));
}

long double ArcCosh(double x)
{
    const long double value = x;
    const long double ratio = (value - 1.0L) / (value + 1.0L);
    // x = −1: the division by zero is the fault; the square root of −∞ must not add another.
    if (std::isinf(ratio))
        return ratio;
    return x87::NaturalLogarithm(value + (value + 1.0L) * x87::SquareRoot(ratio));
}

long double ArcTanh(double x)
{
    const long double value = x;
    if (IsLessOrEqual(std::fabs(value - 1.0L), HyperbolicGuard))
        return Infinity;
    if (IsLessOrEqual(std::fabs(value + 1.0L), HyperbolicGuard))
        return -Infinity;
    return 0.5L * x87::NaturalLogarithm((1.0L + value) / (1.0L - value));
}

double Pos(std::string_view substring, std::string_view text)
{
    if (substring.empty() || text.empty())
        return 0.0;
    const auto offset = text.find(substring);
    return offset == std::string_view::npos ? 0.0 : static_cast<double>(offset + 1);
}

}  // namespace engine
