#pragma once
// The evaluation routines of the standard vocabulary: each reads its operands x, y, z through
// the record's first argument slots, computes in extended precision and rounds once when it
// stores the record's Result. Faults are left in the floating-point unit's flags for the
// chain's run to report ("div" and "mod" throw their integer division error).
#include <string_view>

#include "engine/ParseExpr.h"

namespace engine::routines {

// Operators
void Factorial(TExprRecord* Rec);
// x ± 1, stored into x's place too.
void Increment(TExprRecord* Rec);
void Decrement(TExprRecord* Rec);
void Percent(TExprRecord* Rec);
void Negate(TExprRecord* Rec);
// The prefix plus: a routine of its own, so that it is never taken for a constant's.
void UnaryPlus(TExprRecord* Rec);
void Power(TExprRecord* Rec);
void IntPower(TExprRecord* Rec);
void Multiply(TExprRecord* Rec);
void Divide(TExprRecord* Rec);
void IntegerQuotient(TExprRecord* Rec);
void IntegerRemainder(TExprRecord* Rec);
void Add(TExprRecord* Rec);
void Subtract(TExprRecord* Rec);
void Greater(TExprRecord* Rec);
void GreaterOrEqual(TExprRecord* Rec);
void LessOrEqual(TExprRecord* Rec);
void Less(TExprRecord* Rec);
void NotEqual(TExprRecord* Rec);
void Equal(TExprRecord* Rec);
void Not(TExprRecord* Rec);
void Or(TExprRecord* Rec);
void And(TExprRecord* Rec);
void Xor(TExprRecord* Rec);
// y, stored into x's place too.
void Assign(TExprRecord* Rec);

// Functions
void Random(TExprRecord* Rec);
void Exp(TExprRecord* Rec);
void If(TExprRecord* Rec);
void RandG(TExprRecord* Rec);
void Sqr(TExprRecord* Rec);
void Sqrt(TExprRecord* Rec);
void Abs(TExprRecord* Rec);
void Round(TExprRecord* Rec);
void Trunc(TExprRecord* Rec);
void Ln(TExprRecord* Rec);
void Log10(TExprRecord* Rec);
void LogN(TExprRecord* Rec);
void Max(TExprRecord* Rec);
void Min(TExprRecord* Rec);
void Sin(TExprRecord* Rec);
void Cos(TExprRecord* Rec);
void Tan(TExprRecord* Rec);
void ArcSin(TExprRecord* Rec);
void ArcCos(TExprRecord* Rec);
void ArcTan2(TExprRecord* Rec);
void ArcTan(TExprRecord* Rec);
void Sinh(TExprRecord* Rec);
void Cosh(TExprRecord* Rec);
void Tanh(TExprRecord* Rec);
void ArcSinh(TExprRecord* Rec);
void ArcCosh(TExprRecord* Rec);
void ArcTanh(TExprRecord* Rec);
void DegToRad(TExprRecord* Rec);
void RadToDeg(TExprRecord* Rec);

// The string routine of "pos": the position of the first text in the second.
long double Pos(std::string_view substring, std::string_view text);

}  // namespace engine::routines
