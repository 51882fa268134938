#pragma once
// The numeric routines of the standard vocabulary. Each reads its operands as doubles,
// computes in 80-bit extended precision step by step as its formula is written, and returns
// the extended result: the caller rounds it to double once, when it stores it (that rounding
// raises overflow beyond the double range).
//
// Floating-point faults are reported only through the unit's sticky flags (invalid
// operation, division by zero, overflow; platform/FloatFaults.h reads them), where the
// arithmetic meets them or, for a rule that is a comparison or an integer conversion, raised
// on purpose. A routine raises no fault after its first one, so its first fault alone decides
// the message. Not-a-number passes silently through plain arithmetic and raises invalid
// operation where it meets a comparison or an integer conversion. The one exception thrown
// is platform::EDivByZero, by Div and Mod.
#include <string_view>

namespace engine {

// "!": 1 for an integer of x up to 1, else 2 × 3 × … × n; overflow above 170.
long double Factorial(double x);

inline long double Percent(double x) { return x * 0.01L; }

// "^", "power", "pow": the general power.
long double Power(double x, double y);
// "^@", "intpower": x to the integer of y, reduced to its low 32 bits.
long double IntPower(double x, double y);

// "div", "mod": on the 64-bit integers of x and y, cut toward zero; EDivByZero for a zero divisor.
long double Div(double x, double y);
long double Mod(double x, double y);

// The tolerance of ">=", "<=", "=", "<>": 1e-30, one unit in the last place below the nearest
// extended value.
inline constexpr long double ComparisonTolerance = 0xA2425FF75E14FC31p-163L;

// Comparisons yield 1 or 0.
long double Greater(double x, double y);
long double GreaterOrEqual(double x, double y);
long double LessOrEqual(double x, double y);
long double Less(double x, double y);
long double NotEqual(double x, double y);
long double Equal(double x, double y);
long double Max(double x, double y);
long double Min(double x, double y);

// Logical words on the 64-bit integers of their operands; "not" and "if" read the lowest 8 bits.
long double Not(double x);
long double And(double x, double y);
long double Or(double x, double y);
long double Xor(double x, double y);
long double If(double x, double y, double z);

long double Round(double x);
long double Trunc(double x);

long double Sqrt(double x);
long double Exp(double x);
long double Ln(double x);
long double Log10(double x);
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
