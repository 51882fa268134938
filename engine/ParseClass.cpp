#include "engine/ParseClass.h"

#include <utility>

#include "engine/ParseExpr.h"
#include "platform/NumberText.h"

namespace {

double ValueOfText(std::string_view valueText)
{
    return valueText.empty() ? NegativeNaN : platform::TextToFloat(valueText);
}

std::string_view Unquoted(std::string_view literal)
{
    if (!literal.empty() && literal.front() == '\'' && literal.back() == '\'')
        return literal.size() < 2 ? std::string_view() : literal.substr(1, literal.size() - 2);
    return literal;
}

TStringRoutine ComparisonFor(std::string_view operatorName)
{
    static constexpr std::pair<std::string_view, TStringRoutine> comparisons[] = {
        {"=", StringEqual},       {">", StringGreater},         {"<", StringLess},
        {">=", StringGreaterOrEqual}, {"<=", StringLessOrEqual}, {"<>", StringNotEqual},
        {"in", StringIn},
    };
    for (const auto& [name, routine] : comparisons)
        if (name == operatorName)
            return routine;
    throw EParserException(std::string(operatorName) + " is not a valid string operand");
}

long double Truth(bool value) { return value ? 1.0L : 0.0L; }

}  // namespace

void RaiseMathError(std::string_view detail)
{
    throw EParserException("Error in math expression: " + std::string(detail));
}

std::string LowerCase(std::string_view text)
{
    std::string lowered(text);
    for (char& c : lowered)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lowered;
}

TExprWord::TExprWord(std::string_view name, TEvalRoutine routine)
    : Name(LowerCase(name)), EvalRoutine(routine)
{
}

TDoubleConstant::TDoubleConstant(std::string_view name, std::string_view valueText)
    : TExprWord(name, CopyValueRoutine), Value(ValueOfText(valueText))
{
}

TDoubleConstant::TDoubleConstant(std::string_view name, double value)
    : TExprWord(name, CopyValueRoutine), Value(value)
{
}

TConstant::TConstant(std::string_view name, std::string description, double value)
    : TDoubleConstant(name, value), Description(std::move(description))
{
}

TGeneratedVariable::TGeneratedVariable(std::string_view name) : TDoubleConstant(name, "") {}

TStringConstant::TStringConstant(std::string_view literal)
    : TExprWord(literal, CopyValueRoutine), Text(Unquoted(literal))
{
}

TFunction::TFunction(std::string_view name, std::string description, TEvalRoutine routine,
                     int argCount)
    : TFunction(name, std::move(description), routine, argCount, false, 0, TStoring::No)
{
}

TFunction::TFunction(std::string_view name, TEvalRoutine routine, int argCount, bool operatorFlag,
                     int priority, TStoring storing)
    : TFunction(name, std::string(), routine, argCount, operatorFlag, priority, storing)
{
}

TFunction::TFunction(std::string_view name, std::string description, TEvalRoutine routine,
                     int argCount, bool operatorFlag, int priority, TStoring storing)
    : TExprWord(name, routine),
      OperatorFlag(operatorFlag),
      Priority(priority),
      ArgCount(argCount),
      Description(std::move(description)),
      Storing(storing)
{
    if (argCount > MaxArgs)
        throw EParserException("Too many arguments");
}

TSimpleStringFunction::TSimpleStringFunction(std::string_view name, std::string description,
                                             TStringRoutine stringRoutine,
                                             const TExprWord* firstArg, const TExprWord* secondArg)
    : TFunction(name, std::move(description), StringFunctionRoutine, 0),
      StringRoutine(stringRoutine),
      FirstArg(firstArg),
      SecondArg(secondArg)
{
}

bool TSimpleStringFunction::IsVarying() const
{
    return (FirstArg && FirstArg->IsVarying()) || (SecondArg && SecondArg->IsVarying());
}

TLogicalStringOper::TLogicalStringOper(std::string_view operatorName, const TExprWord* left,
                                       const TExprWord* right)
    : TSimpleStringFunction(operatorName, std::string(), ComparisonFor(operatorName), left, right)
{
}

void CopyValueRoutine(TExprRecord* Rec) { Rec->Result = *Rec->Args[0]; }

bool IsConstantWord(const TExprWord* word) { return word->EvalRoutine == CopyValueRoutine; }

void StringFunctionRoutine(TExprRecord* Rec)
{
    const auto& function = static_cast<const TSimpleStringFunction&>(*Rec->Word);
    const std::string_view second = function.SecondArg ? function.SecondArg->GetTextValue() : "";
    Rec->Result = static_cast<double>(function.StringRoutine(function.FirstArg->GetTextValue(), second));
}

long double StringEqual(std::string_view first, std::string_view second)
{
    return Truth(first == second);
}

long double StringGreater(std::string_view first, std::string_view second)
{
    return Truth(first > second);
}

long double StringLess(std::string_view first, std::string_view second)
{
    return Truth(first < second);
}

long double StringGreaterOrEqual(std::string_view first, std::string_view second)
{
    return Truth(first >= second);
}

long double StringLessOrEqual(std::string_view first, std::string_view second)
{
    return Truth(first <= second);
}

long double StringNotEqual(std::string_view first, std::string_view second)
{
    return Truth(first != second);
}

long double StringIn(std::string_view first, std::string_view second)
{
    for (;;) {
        const std::size_t comma = second.find(',');
        if (second.substr(0, comma) == first)
            return 1.0L;
        if (comma == std::string_view::npos)
            return 0.0L;
        second.remove_prefix(comma + 1);
    }
}
