// The standard vocabulary: the brackets, the argument separator, "pi", the operators and the
// functions, in this order, and last the string function "pos".
#include <memory>
#include <numbers>
#include <string>

#include "engine/ExpressionParser.h"
#include "engine/StandardRoutines.h"

namespace {

// Inserts words into the vocabulary, each unless its name is taken; a word left out is freed.
class TWordAdder {
public:
    explicit TWordAdder(TExpressList& vocabulary) : FVocabulary(vocabulary) {}

    void operator()(std::unique_ptr<TExprWord> word) const
    {
        if (FVocabulary.FindKey(word->Name).Found)
            return;
        FVocabulary.InsertItem(word.get());
        word.release();
    }

private:
    TExpressList& FVocabulary;
};

void AddStructuralWords(const TWordAdder& add, char argumentSeparator)
{
    add(std::make_unique<TLeftBracket>("("));
    add(std::make_unique<TRightBracket>(")"));
    add(std::make_unique<TComma>(std::string(1, argumentSeparator)));
    add(std::make_unique<TConstant>("pi", "pi = 3.1415926535897932385", std::numbers::pi));
}

void AddOperators(const TWordAdder& add)
{
    using namespace engine::routines;
    constexpr bool Operator = true;
    constexpr TStoring Stores = TStoring::IntoFirstOperand;
    add(std::make_unique<TFunction>("!", Factorial, 1, Operator, 10));
    add(std::make_unique<TFunction>("++", Increment, 1, Operator, 5, Stores));
    add(std::make_unique<TFunction>("--", Decrement, 1, Operator, 5, Stores));
    add(std::make_unique<TFunction>("%", Percent, 1, Operator, 10));
    add(std::make_unique<TFunction>("-@", Negate, 1, Operator, 10));
    add(std::make_unique<TFunction>("+@", UnaryPlus, 1, Operator, 10));
    add(std::make_unique<TFunction>("^", Power, 2, Operator, 20));
    add(std::make_unique<TFunction>("^@", IntPower, 2, Operator, 20));
    add(std::make_unique<TFunction>("*", Multiply, 2, Operator, 30));
    add(std::make_unique<TFunction>("/", Divide, 2, Operator, 30));
    add(std::make_unique<TFunction>("div", IntegerQuotient, 2, Operator, 30));
    add(std::make_unique<TFunction>("mod", IntegerRemainder, 2, Operator, 30));
    add(std::make_unique<TFunction>("+", Add, 2, Operator, 40));
    add(std::make_unique<TFunction>("-", Subtract, 2, Operator, 40));
    add(std::make_unique<TBooleanFunction>(">", Greater, 2, Operator, 50));
    add(std::make_unique<TBooleanFunction>(">=", GreaterOrEqual, 2, Operator, 50));
    add(std::make_unique<TBooleanFunction>("<=", LessOrEqual, 2, Operator, 50));
    add(std::make_unique<TBooleanFunction>("<", Less, 2, Operator, 50));
    add(std::make_unique<TBooleanFunction>("<>", NotEqual, 2, Operator, 50));
    add(std::make_unique<TBooleanFunction>("=", Equal, 2, Operator, 50));
    add(std::make_unique<TBooleanFunction>("in", Equal, 2, Operator, 10));
    add(std::make_unique<TBooleanFunction>("not", Not, 1, Operator, 60));
    add(std::make_unique<TBooleanFunction>("or", Or, 2, Operator, 70));
    add(std::make_unique<TBooleanFunction>("and", And, 2, Operator, 70));
    add(std::make_unique<TBooleanFunction>("xor", Xor, 2, Operator, 70));
    add(std::make_unique<TFunction>(":=", Assign, 2, Operator, 200, Stores));
}

void AddFunctions(const TWordAdder& add)
{
    using namespace engine::routines;
    add(std::make_unique<TVaryingFunction>("random", "random number between 0 and 1", Random, 0));
    add(std::make_unique<TFunction>("exp", "the value of e raised to the power of x", Exp, 1));
    add(std::make_unique<TFunction>("if", "if x=True(or 1) then y else z", If, 3));
    add(std::make_unique<TVaryingFunction>("randg", "draw from normal distrib. (mean=x, sd =y)", RandG, 2));
    add(std::make_unique<TFunction>("sqr", "the square of a number (x*x)", Sqr, 1));
    add(std::make_unique<TFunction>("sqrt", "the square root of a number", Sqrt, 1));
    add(std::make_unique<TFunction>("abs", "absolute value", Abs, 1));
    add(std::make_unique<TFunction>("round", "round to the nearest integer", Round, 1));
    add(std::make_unique<TFunction>("trunc", "truncates a real number to an integer", Trunc, 1));
    add(std::make_unique<TFunction>("ln", "natural logarithm of x", Ln, 1));
    add(std::make_unique<TFunction>("log10", "logarithm base 10 of x", Log10, 1));
    add(std::make_unique<TFunction>("logN", "logarithm base x of y", LogN, 2));
    add(std::make_unique<TFunction>("power", "power: x^y", Power, 2));
    add(std::make_unique<TFunction>("pow", "power: x^y", Power, 2));
    add(std::make_unique<TFunction>("intpower", "integer power: x^y", IntPower, 2));
    add(std::make_unique<TFunction>("max", "the maximum of both arguments", Max, 2));
    add(std::make_unique<TFunction>("min", "the minimum of both arguments", Min, 2));
    add(std::make_unique<TFunction>("sin", "sine of an angle in rad", Sin, 1));
    add(std::make_unique<TFunction>("cos", "cosine of an angle in rad", Cos, 1));
    add(std::make_unique<TFunction>("tan", "tangent of an angle in rad", Tan, 1));
    add(std::make_unique<TFunction>("arcsin", "inverse sine in rad", ArcSin, 1));
    add(std::make_unique<TFunction>("arccos", "inverse cosine in rad", ArcCos, 1));
    add(std::make_unique<TFunction>("arctan2", "inverse tangent (x/y) in rad", ArcTan2, 2));
    add(std::make_unique<TFunction>("arctan", "inverse tangent (x/y) in rad", ArcTan, 1));
    add(std::make_unique<TFunction>("sinh", "hyperbolic sine of an angle in rad", Sinh, 1));
    add(std::make_unique<TFunction>("cosh", "hyperbolic sine of an angle in rad", Cosh, 1));
    add(std::make_unique<TFunction>("tanh", "hyperbolic tangent of an angle in rad", Tanh, 1));
    add(std::make_unique<TFunction>("arcsinh", "inverse sine in rad", ArcSinh, 1));
    add(std::make_unique<TFunction>("arccosh", "inverse hyperbolic cosine in rad", ArcCosh, 1));
    add(std::make_unique<TFunction>("arctanh", "inverse hyperbolic tangent in rad", ArcTanh, 1));
    add(std::make_unique<TFunction>("degtorad", "conversion of degrees to radians", DegToRad, 1));
    add(std::make_unique<TFunction>("radtodeg", "conversion of rad to degrees", RadToDeg, 1));
}

}  // namespace

void TExpressionParser::BuildVocabulary()
{
    const TWordAdder add(Vocabulary);
    AddStructuralWords(add, ArgumentSeparator);
    AddOperators(add);
    AddFunctions(add);
    DefineStringFunction("pos", "Position in of substring in string", engine::routines::Pos);
}
