#include "engine/StandardRoutines.h"

#include <cmath>

#include "engine/RandomGenerator.h"
#include "engine/StandardMath.h"

namespace engine::routines {
namespace {

using Extended = long double;

double X(const TExprRecord* Rec) { return *Rec->Args[0]; }
double Y(const TExprRecord* Rec) { return *Rec->Args[1]; }
double Z(const TExprRecord* Rec) { return *Rec->Args[2]; }

// The one rounding to double; beyond the double range it raises overflow.
void Store(TExprRecord* Rec, long double result) { Rec->Result = static_cast<double>(result); }

}  // namespace

void Factorial(TExprRecord* Rec) { Store(Rec, engine::Factorial(X(Rec))); }

void Increment(TExprRecord* Rec)
{
    Rec->Result = *Rec->Args[0] = static_cast<double>(Extended{X(Rec)} + 1.0L);
}

void Decrement(TExprRecord* Rec)
{
    Rec->Result = *Rec->Args[0] = static_cast<double>(Extended{X(Rec)} - 1.0L);
}

void Percent(TExprRecord* Rec) { Store(Rec, engine::Percent(X(Rec))); }
void Negate(TExprRecord* Rec) { Store(Rec, -Extended{X(Rec)}); }
void UnaryPlus(TExprRecord* Rec) { Rec->Result = X(Rec); }
void Power(TExprRecord* Rec) { Store(Rec, engine::Power(X(Rec), Y(Rec))); }
void IntPower(TExprRecord* Rec) { Store(Rec, engine::IntPower(X(Rec), Y(Rec))); }
void Multiply(TExprRecord* Rec) { Store(Rec, Extended{X(Rec)} * Y(Rec)); }
void Divide(TExprRecord* Rec) { Store(Rec, Extended{X(Rec)} / Y(Rec)); }
void IntegerQuotient(TExprRecord* Rec) { Store(Rec, engine::Div(X(Rec), Y(Rec))); }
void IntegerRemainder(TExprRecord* Rec) { Store(Rec, engine::Mod(X(Rec), Y(Rec))); }
void Add(TExprRecord* Rec) { Store(Rec, Extended{X(Rec)} + Y(Rec)); }
void Subtract(TExprRecord* Rec) { Store(Rec, Extended{X(Rec)} - Y(Rec)); }
void Greater(TExprRecord* Rec) { Store(Rec, engine::Greater(X(Rec), Y(Rec))); }
void GreaterOrEqual(TExprRecord* Rec) { Store(Rec, engine::GreaterOrEqual(X(Rec), Y(Rec))); }
void LessOrEqual(TExprRecord* Rec) { Store(Rec, engine::LessOrEqual(X(Rec), Y(Rec))); }
void Less(TExprRecord* Rec) { Store(Rec, engine::Less(X(Rec), Y(Rec))); }
void NotEqual(TExprRecord* Rec) { Store(Rec, engine::NotEqual(X(Rec), Y(Rec))); }
void Equal(TExprRecord* Rec) { Store(Rec, engine::Equal(X(Rec), Y(Rec))); }
void Not(TExprRecord* Rec) { Store(Rec, engine::Not(X(Rec))); }
void Or(TExprRecord* Rec) { Store(Rec, engine::Or(X(Rec), Y(Rec))); }
void And(TExprRecord* Rec) { Store(Rec, engine::And(X(Rec), Y(Rec))); }
void Xor(TExprRecord* Rec) { Store(Rec, engine::Xor(X(Rec), Y(Rec))); }

void Assign(TExprRecord* Rec)
{
    const double value = Y(Rec);
    *Rec->Args[0] = value;
    Rec->Result = value;
}

void Random(TExprRecord* Rec) { Store(Rec, engine::Random()); }
void Exp(TExprRecord* Rec) { Store(Rec, engine::Exp(X(Rec))); }
void If(TExprRecord* Rec) { Store(Rec, engine::If(X(Rec), Y(Rec), Z(Rec))); }
void RandG(TExprRecord* Rec) { Store(Rec, engine::RandG(X(Rec), Y(Rec))); }
void Sqr(TExprRecord* Rec) { Store(Rec, Extended{X(Rec)} * X(Rec)); }
void Sqrt(TExprRecord* Rec) { Store(Rec, engine::Sqrt(X(Rec))); }
void Abs(TExprRecord* Rec) { Store(Rec, std::fabs(Extended{X(Rec)})); }
void Round(TExprRecord* Rec) { Store(Rec, engine::Round(X(Rec))); }
void Trunc(TExprRecord* Rec) { Store(Rec, engine::Trunc(X(Rec))); }
void Ln(TExprRecord* Rec) { Store(Rec, engine::Ln(X(Rec))); }
void Log10(TExprRecord* Rec) { Store(Rec, engine::Log10(X(Rec))); }
void LogN(TExprRecord* Rec) { Store(Rec, engine::LogN(X(Rec), Y(Rec))); }
void Max(TExprRecord* Rec) { Store(Rec, engine::Max(X(Rec), Y(Rec))); }
void Min(TExprRecord* Rec) { Store(Rec, engine::Min(X(Rec), Y(Rec))); }
void Sin(TExprRecord* Rec) { Store(Rec, engine::Sin(X(Rec))); }
void Cos(TExprRecord* Rec) { Store(Rec, engine::Cos(X(Rec))); }
void Tan(TExprRecord* Rec) { Store(Rec, engine::Tan(X(Rec))); }
void ArcSin(TExprRecord* Rec) { Store(Rec, engine::ArcSin(X(Rec))); }
void ArcCos(TExprRecord* Rec) { Store(Rec, engine::ArcCos(X(Rec))); }
void ArcTan2(TExprRecord* Rec) { Store(Rec, engine::ArcTan2(X(Rec), Y(Rec))); }
void ArcTan(TExprRecord* Rec) { Store(Rec, engine::ArcTan(X(Rec))); }
void Sinh(TExprRecord* Rec) { Store(Rec, engine::Sinh(X(Rec))); }
void Cosh(TExprRecord* Rec) { Store(Rec, engine::Cosh(X(Rec))); }
void Tanh(TExprRecord* Rec) { Store(Rec, engine::Tanh(X(Rec))); }
void ArcSinh(TExprRecord* Rec) { Store(Rec, engine::ArcSinh(X(Rec))); }
void ArcCosh(TExprRecord* Rec) { Store(Rec, engine::ArcCosh(X(Rec))); }
void ArcTanh(TExprRecord* Rec) { Store(Rec, engine::ArcTanh(X(Rec))); }
void DegToRad(TExprRecord* Rec) { Store(Rec, engine::DegToRad(X(Rec))); }
void RadToDeg(TExprRecord* Rec) { Store(Rec, engine::RadToDeg(X(Rec))); }

long double Pos(std::string_view substring, std::string_view text)
{
    return engine::Pos(substring, text);
}

}  // namespace engine::routines
