#include "engine/StandardMath.h"

#include "platform/Exceptions.h"
#include "platform/FloatFaults.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <numbers>
#include <string>
#include <vector>

namespace engine {
namespace {

using Routine = std::function<long double()>;

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Infinity = std::numeric_limits<double>::infinity();

const std::string InvalidOp = "Invalid floating point operation";
const std::string ZeroDivide = "Floating point division by zero";
const std::string Overflow = "Floating point overflow";
const std::string DivByZero = "Division by zero";

// Runs a routine as an execution record does: flags cleared before, the result rounded to
// double when stored, the raised flags turned into the error after.
double Evaluate(const Routine& routine)
{
    platform::ClearFloatFaults();
    volatile double stored = static_cast<double>(routine());
    platform::CheckFloatFaults();
    return stored;
}

std::string FaultOf(const Routine& routine)
{
    try {
        Evaluate(routine);
    } catch (const platform::Exception& error) {
        return error.what();
    }
    return "no fault";
}

// The value of a routine that must not fault; a fault fails the case, not the whole table.
double ValueOf(const Routine& routine)
{
    try {
        return Evaluate(routine);
    } catch (const platform::Exception& error) {
        ADD_FAILURE() << error.what();
        return std::numeric_limits<double>::quiet_NaN();
    }
}

struct ValueCase {
    const char* Expression;
    Routine Compute;
    double Expected;
};

TEST(StandardMathTest, ExactResults)
{
    const std::vector<ValueCase> cases = {
        {"7 div 2", [] { return Div(7, 2); }, 3},
        {"-7 div 2", [] { return Div(-7, 2); }, -3},
        {"-7 mod 2", [] { return Mod(-7, 2); }, -1},
        {"7 mod -2", [] { return Mod(7, -2); }, 1},
        {"2.5 div 1", [] { return Div(2.5, 1); }, 2},
        {"3.5 div 1", [] { return Div(3.5, 1); }, 4},
        {"-2^63 div -1", [] { return Div(-0x1p63, -1); }, 0x1p63},
        {"-2^63 mod -1", [] { return Mod(-0x1p63, -1); }, 0},
        {"3.5!", [] { return Factorial(3.5); }, 24},
        {"2.5!", [] { return Factorial(2.5); }, 2},
        {"0!", [] { return Factorial(0); }, 1},
        {"1!", [] { return Factorial(1); }, 1},
        {"(-5)!", [] { return Factorial(-5); }, 1},
        {"50%", [] { return Percent(50); }, 0.5},
        {"10%", [] { return Percent(10); }, 0.1},
        {"2^@10", [] { return IntPower(2, 10); }, 1024},
        {"2^10.0", [] { return Power(2, 10.0); }, 1024},
        {"0^0", [] { return Power(0, 0); }, 1},
        {"0^@0", [] { return IntPower(0, 0); }, 1},
        {"0^2.5", [] { return Power(0, 2.5); }, 0},
        {"(-2)^3", [] { return Power(-2, 3); }, -8},
        {"2^-2", [] { return Power(2, -2); }, 0.25},
        {"nan^0", [] { return Power(NaN, 0); }, 1},
        {"intpower(2, 0.5)", [] { return IntPower(2, 0.5); }, 1},
        {"intpower(2, 4294967297)", [] { return IntPower(2, 4294967297.0); }, 2},
        {"intpower(2, -1)", [] { return IntPower(2, -1); }, 0.5},
        {"intpower(-1, 2147483648): the exponent reads as -2^31",
         [] { return IntPower(-1, 2147483648.0); }, 1},
        {"0.1+0.2 = 0.3", [] { return Equal(0.1 + 0.2, 0.3); }, 0},
        {"0.1+0.2 <> 0.3", [] { return NotEqual(0.1 + 0.2, 0.3); }, 1},
        {"0.3 = 0.3", [] { return Equal(0.3, 0.3); }, 1},
        {"1e-31 = 0", [] { return Equal(1e-31, 0); }, 1},
        {"2e-30 = 0", [] { return Equal(2e-30, 0); }, 0},
        {"0 >= 1e-31", [] { return GreaterOrEqual(0, 1e-31); }, 1},
        {"0 >= 2e-30", [] { return GreaterOrEqual(0, 2e-30); }, 0},
        {"1e-31 <= 0", [] { return LessOrEqual(1e-31, 0); }, 1},
        {"1e-31 > 0", [] { return Greater(1e-31, 0); }, 1},
        {"0 < 1e-31", [] { return Less(0, 1e-31); }, 1},
        {"2 < 1", [] { return Less(2, 1); }, 0},
        {"max(1, 2)", [] { return Max(1, 2); }, 2},
        {"min(1, 2)", [] { return Min(1, 2); }, 1},
        {"not 0", [] { return Not(0); }, 1},
        {"not 1", [] { return Not(1); }, 0},
        {"not 2", [] { return Not(2); }, 3},
        {"not (-1)", [] { return Not(-1); }, 254},
        {"6 and 3", [] { return And(6, 3); }, 2},
        {"6 or 3", [] { return Or(6, 3); }, 7},
        {"6 xor 3", [] { return Xor(6, 3); }, 5},
        {"2^40 or 1", [] { return Or(0x1p40, 1); }, 0x1p40 + 1},
        {"if(0.5, 1, 2)", [] { return If(0.5, 1, 2); }, 2},
        {"if(1.5, 1, 2)", [] { return If(1.5, 1, 2); }, 1},
        {"if(256, 1, 2)", [] { return If(256, 1, 2); }, 2},
        {"if(-1, 1, 2)", [] { return If(-1, 1, 2); }, 1},
        {"round(2.5)", [] { return Round(2.5); }, 2},
        {"round(3.5)", [] { return Round(3.5); }, 4},
        {"round(-2.5)", [] { return Round(-2.5); }, -2},
        {"round(-2^63)", [] { return Round(-0x1p63); }, -0x1p63},
        {"trunc(-2.7)", [] { return Trunc(-2.7); }, -2},
        {"trunc(2.7)", [] { return Trunc(2.7); }, 2},
        {"logN(2, 8)", [] { return LogN(2, 8); }, 3},
        {"logN(10, 1000)", [] { return LogN(10, 1000); }, 3},
        {"log10(1000)", [] { return Log10(1000); }, 3},
        {"ln(1)", [] { return Ln(1); }, 0},
        {"sqrt(2)", [] { return Sqrt(2); }, std::numbers::sqrt2},
        {"arctan2(1, 0)", [] { return ArcTan2(1, 0); }, std::numbers::pi / 2},
        {"arctan2(0, -1)", [] { return ArcTan2(0, -1); }, std::numbers::pi},
        {"arctan2(0, 0)", [] { return ArcTan2(0, 0); }, 0},
        {"arcsin(1)", [] { return ArcSin(1); }, std::numbers::pi / 2},
        {"arccos(-1)", [] { return ArcCos(-1); }, std::numbers::pi},
        {"arctan(1)", [] { return ArcTan(1); }, std::numbers::pi / 4},
        {"degtorad(180)", [] { return DegToRad(180); }, std::numbers::pi},
        {"radtodeg(pi)", [] { return RadToDeg(std::numbers::pi); }, 180},
        {"sin(0)", [] { return Sin(0); }, 0},
        {"cos(0)", [] { return Cos(0); }, 1},
        {"sin(1e20)", [] { return Sin(1e20); }, 0},
        {"cos(-1e20)", [] { return Cos(-1e20); }, 0},
        {"exp(0)", [] { return Exp(0); }, 1},
        {"exp(-1000)", [] { return Exp(-1000); }, 0},
        {"exp(-1e300)", [] { return Exp(-1e300); }, 0},
        {"tanh(1000)", [] { return Tanh(1000); }, 1},
        {"tanh(-1000)", [] { return Tanh(-1000); }, -1},
        {"sinh(1e-17)", [] { return Sinh(1e-17); }, 0},
        {"cosh(1e-17)", [] { return Cosh(1e-17); }, 1},
        {"tanh(1e-17)", [] { return Tanh(1e-17); }, 0},
        {"arctanh(1)", [] { return ArcTanh(1); }, Infinity},
        {"arctanh(-1)", [] { return ArcTanh(-1); }, -Infinity},
        {"arctanh(0)", [] { return ArcTanh(0); }, 0},
        {"arccosh(1)", [] { return ArcCosh(1); }, 0},
        {"arcsinh(0)", [] { return ArcSinh(0); }, 0},
        {"exp(arctanh(1))", [] { return Exp(Infinity); }, Infinity},
        {"2^arctanh(1)", [] { return Power(2, Infinity); }, Infinity},
        {"tanh(arctanh(1))", [] { return Tanh(Infinity); }, 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ValueOf(c.Compute), c.Expected) << c.Expression;
}

TEST(StandardMathTest, ResultsOfTranscendentalFormulas)
{
    const std::vector<ValueCase> cases = {
        {"170!", [] { return Factorial(170); }, 7.257415615307999e306},
        {"8^(1/3)", [] { return Power(8, 1.0 / 3); }, 2},
        {"2^0.5", [] { return Power(2, 0.5); }, std::numbers::sqrt2},
        {"exp(1)", [] { return Exp(1); }, std::numbers::e},
        {"exp(709)", [] { return Exp(709); }, 8.218407461554972190e307},
        {"sinh(1)", [] { return Sinh(1); }, 1.1752011936438014569},
        {"cosh(1)", [] { return Cosh(1); }, 1.5430806348152437785},
        {"tanh(0.5)", [] { return Tanh(0.5); }, 0.46211715726000975850},
        {"sinh(710)", [] { return Sinh(710); }, 1.1169973830808557e308},
        {"arcsinh(1)", [] { return ArcSinh(1); }, 0.88137358701954302523},
        {"arccosh(2)", [] { return ArcCosh(2); }, 1.3169578969248167086},
        {"arctanh(0.5)", [] { return ArcTanh(0.5); }, 0.54930614433405484570},
        {"logN(3, 81)", [] { return LogN(3, 81); }, 4},
        {"ln(0.5)", [] { return Ln(0.5); }, -std::numbers::ln2},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(ValueOf(c.Compute), c.Expected) << c.Expression;
}

struct FaultCase {
    const char* Expression;
    Routine Compute;
    const std::string& Message;
};

TEST(StandardMathTest, Faults)
{
    const std::vector<FaultCase> cases = {
        {"5 div 0", [] { return Div(5, 0); }, DivByZero},
        {"5 mod 0.4", [] { return Mod(5, 0.4); }, DivByZero},
        {"nan div 0: the conversion of x fails first", [] { return Div(NaN, 0); }, InvalidOp},
        {"1e19 div 1", [] { return Div(1e19, 1); }, InvalidOp},
        {"171!", [] { return Factorial(171); }, Overflow},
        {"1e300!", [] { return Factorial(1e300); }, InvalidOp},
        {"(-8)^(1/3)", [] { return Power(-8, 1.0 / 3); }, InvalidOp},
        {"0^-1", [] { return Power(0, -1); }, ZeroDivide},
        {"0^@-1", [] { return IntPower(0, -1); }, ZeroDivide},
        {"0^-0.5", [] { return Power(0, -0.5); }, ZeroDivide},
        {"10^400", [] { return Power(10, 400); }, Overflow},
        {"10^5000", [] { return Power(10, 5000); }, Overflow},
        {"10^400.5", [] { return Power(10, 400.5); }, Overflow},
        {"intpower(2, 1e19)", [] { return IntPower(2, 1e19); }, InvalidOp},
        {"intpower(2, 2147483648)", [] { return IntPower(2, 2147483648.0); }, Overflow},
        {"round(2^63)", [] { return Round(0x1p63); }, InvalidOp},
        {"trunc(-1e19)", [] { return Trunc(-1e19); }, InvalidOp},
        {"1e19 and 1", [] { return And(1e19, 1); }, InvalidOp},
        {"tan(1e20)", [] { return Tan(1e20); }, InvalidOp},
        {"exp(710)", [] { return Exp(710); }, Overflow},
        {"exp(1e300)", [] { return Exp(1e300); }, Overflow},
        {"sinh(711)", [] { return Sinh(711); }, Overflow},
        {"cosh(-711)", [] { return Cosh(-711); }, Overflow},
        {"tanh(20000)", [] { return Tanh(20000); }, Overflow},
        {"tanh(-20000)", [] { return Tanh(-20000); }, Overflow},
        {"sqrt(-1)", [] { return Sqrt(-1); }, InvalidOp},
        {"ln(0)", [] { return Ln(0); }, ZeroDivide},
        {"ln(-1)", [] { return Ln(-1); }, InvalidOp},
        {"log10(0)", [] { return Log10(0); }, ZeroDivide},
        {"logN(1, 8)", [] { return LogN(1, 8); }, ZeroDivide},
        {"logN(1, 1)", [] { return LogN(1, 1); }, InvalidOp},
        {"logN(0, 8)", [] { return LogN(0, 8); }, ZeroDivide},
        {"logN(2, 0)", [] { return LogN(2, 0); }, ZeroDivide},
        {"logN(0, 0)", [] { return LogN(0, 0); }, ZeroDivide},
        {"logN(-1, 0): log2(0) comes first", [] { return LogN(-1, 0); }, ZeroDivide},
        {"logN(0, -1): log2(-1) comes first", [] { return LogN(0, -1); }, InvalidOp},
        {"logN(0, arctanh(1))", [] { return LogN(0, Infinity); }, ZeroDivide},
        {"arcsin(2)", [] { return ArcSin(2); }, InvalidOp},
        {"arccos(-1.5)", [] { return ArcCos(-1.5); }, InvalidOp},
        {"arctanh(2)", [] { return ArcTanh(2); }, InvalidOp},
        {"arccosh(0.5)", [] { return ArcCosh(0.5); }, InvalidOp},
        {"arccosh(-3)", [] { return ArcCosh(-3); }, InvalidOp},
        {"arccosh(-1)", [] { return ArcCosh(-1); }, ZeroDivide},
        {"arcsinh(-1e10)", [] { return ArcSinh(-1e10); }, ZeroDivide},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FaultOf(c.Compute), c.Message) << c.Expression;
}

using NaNRoutine = std::function<long double(double)>;

struct NaNCase {
    const char* Word;
    NaNRoutine Compute;
};

// Not-a-number passes silently through plain arithmetic ...
TEST(StandardMathTest, NaNPassesSilentlyThroughArithmetic)
{
    const std::vector<NaNCase> cases = {
        {"%", Percent},
        {"sqrt", Sqrt},
        {"exp", Exp},
        {"ln", Ln},
        {"log10", Log10},
        {"logN x", [](double x) { return LogN(x, 8); }},
        {"logN y", [](double y) { return LogN(2, y); }},
        {"^@ base", [](double x) { return IntPower(x, 3); }},
        {"sin", Sin},
        {"cos", Cos},
        {"tan", Tan},
        {"arcsin", ArcSin},
        {"arccos", ArcCos},
        {"arctan", ArcTan},
        {"arctan2", [](double x) { return ArcTan2(x, 1); }},
        {"arcsinh", ArcSinh},
        {"arccosh", ArcCosh},
        {"degtorad", DegToRad},
        {"radtodeg", RadToDeg},
    };
    for (const auto& c : cases)
        EXPECT_TRUE(std::isnan(ValueOf([&] { return c.Compute(NaN); }))) << c.Word;
}

// ... and raises invalid operation where it meets a comparison or an integer conversion.
TEST(StandardMathTest, NaNRaisesInComparisonsAndConversions)
{
    const std::vector<NaNCase> cases = {
        {">", [](double x) { return Greater(x, 1); }},
        {">=", [](double x) { return GreaterOrEqual(1, x); }},
        {"<=", [](double x) { return LessOrEqual(x, 1); }},
        {"<", [](double x) { return Less(1, x); }},
        {"<>", [](double x) { return NotEqual(x, 1); }},
        {"=", [](double x) { return Equal(1, x); }},
        {"max", [](double x) { return Max(x, 1); }},
        {"min", [](double x) { return Min(1, x); }},
        {"^ base", [](double x) { return Power(x, 2); }},
        {"^ exponent", [](double y) { return Power(2, y); }},
        {"^@ exponent", [](double y) { return IntPower(2, y); }},
        {"sinh", Sinh},
        {"cosh", Cosh},
        {"tanh", Tanh},
        {"arctanh", ArcTanh},
        {"!", Factorial},
        {"round", Round},
        {"trunc", Trunc},
        {"not", Not},
        {"and", [](double x) { return And(1, x); }},
        {"or", [](double x) { return Or(x, 1); }},
        {"xor", [](double x) { return Xor(x, 1); }},
        {"if", [](double x) { return If(x, 1, 2); }},
        {"div", [](double x) { return Div(x, 1); }},
        {"mod", [](double y) { return Mod(7, y); }},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FaultOf([&] { return c.Compute(NaN); }), InvalidOp) << c.Word;
}

TEST(StandardMathTest, ToleranceIsOneUnitBelowTheNearestExtendedValue)
{
    EXPECT_EQ(ComparisonTolerance, std::nextafter(1e-30L, 0.0L));
}

// The circular and exponential functions stay within one unit in the last place of the
// double result, also near multiples of π where the instructions' own reduction is poor.
TEST(StandardMathTest, TranscendentalsMatchTheExactLibraryToTheLastBit)
{
    std::vector<double> arguments = {std::numbers::pi, -std::numbers::pi, 2 * std::numbers::pi,
                                     std::numbers::pi / 2, 100 * std::numbers::pi, 1e-300,
                                     0.7853981633974483, 1e9, 3e9, 4294967295.0, 5e9,
                                     1e15, 9.2e18, -7e17};
    for (int i = 1; i < 2000; ++i)
        arguments.push_back(std::ldexp(std::sin(i * 1.618), i % 40 - 8));
    const auto withinOneUnit = [](double actual, long double exact) {
        const double rounded = static_cast<double>(exact);
        return actual == rounded || std::nextafter(actual, rounded) == rounded;
    };
    for (double x : arguments) {
        const long double extended = x;
        EXPECT_TRUE(withinOneUnit(ValueOf([&] { return Sin(x); }), std::sin(extended))) << "sin " << x;
        EXPECT_TRUE(withinOneUnit(ValueOf([&] { return Cos(x); }), std::cos(extended))) << "cos " << x;
        EXPECT_TRUE(withinOneUnit(ValueOf([&] { return Tan(x); }), std::tan(extended))) << "tan " << x;
        if (std::fabs(x) < 700) {
            EXPECT_TRUE(withinOneUnit(ValueOf([&] { return Exp(x); }), std::exp(extended)))
                << "exp " << x;
        }
        if (x > 0) {
            EXPECT_TRUE(withinOneUnit(ValueOf([&] { return Ln(x); }), std::log(extended)))
                << "ln " << x;
        }
    }
}

TEST(StandardMathTest, Pos)
{
    struct Case {
        const char* Substring;
        const char* Text;
        double Expected;
    };
    const Case cases[] = {
        {"b", "abc", 2}, {"bc", "abcbc", 2}, {"abc", "abc", 1}, {"x", "abc", 0},
        {"abcd", "abc", 0}, {"", "abc", 0}, {"a", "", 0}, {"", "", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Pos(c.Substring, c.Text), c.Expected) << c.Substring << " in " << c.Text;
}

}  // namespace
}  // namespace engine
