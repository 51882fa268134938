#pragma once
// The words of an expression (literals, constants, variables, brackets, the argument
// separator, operators and functions), the engine's exception and the routines words share.
#include <bit>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Exceptions.h"

// The engine's error for a malformed expression; its message reaches the user unchanged.
class EParserException : public platform::Exception {
public:
    using platform::Exception::Exception;
};

// Throws EParserException "Error in math expression: " + detail.
[[noreturn]] void RaiseMathError(std::string_view detail);

enum TWordKind : std::uint8_t {
    wkNumber = 0,
    wkBoolean = 1,
    wkString = 2,
    wkLeftBracket = 3,
    wkRightBracket = 4,
    wkComma = 5,
};

struct TExprRecord;

// Reads the operands through Rec->Args (each the address of a double) and writes Rec->Result.
using TEvalRoutine = void (*)(TExprRecord* Rec);
// Computes a number from two texts.
using TStringRoutine = long double (*)(std::string_view first, std::string_view second);

// The value of an unassigned variable and of no expression: a quiet NaN with the sign bit set.
inline constexpr double NegativeNaN = std::bit_cast<double>(std::uint64_t{0xFFF8000000000000});

// Argument slots of a record, and the most arguments a function word may take.
inline constexpr int MaxArgs = 6;

// A-Z lowered, every other byte unchanged.
std::string LowerCase(std::string_view text);

class TExprWord {
public:
    TExprWord(std::string_view name, TEvalRoutine routine = nullptr);
    virtual ~TExprWord() = default;
    TExprWord(const TExprWord&) = delete;
    TExprWord& operator=(const TExprWord&) = delete;

    // Applied without brackets (infix, prefix or postfix) rather than called as a function.
    virtual bool IsOperator() const { return false; }
    virtual std::string_view GetTextValue() const { return {}; }
    // May give another result at each evaluation, so it is never folded.
    virtual bool IsVarying() const { return false; }
    virtual TWordKind ResultKind() const { return wkNumber; }
    virtual int ArgumentCount() const { return 0; }
    virtual std::string_view GetDescription() const { return {}; }
    virtual double* ValuePtr() { return nullptr; }
    // Its routine writes outside its record's Result or draws on state that outlives an
    // evaluation, as a varying word may: a run checks for faults before such a record.
    virtual bool HasSideEffects() const { return IsVarying(); }

    const std::string Name;  // lower case
    const TEvalRoutine EvalRoutine;
};

class TDoubleConstant : public TExprWord {
public:
    // Create: the value text in the current decimal separator; empty text gives a NaN.
    TDoubleConstant(std::string_view name, std::string_view valueText);
    // CreateFromValue
    TDoubleConstant(std::string_view name, double value);

    double* ValuePtr() override { return &Value; }

    double Value;
};

class TConstant : public TDoubleConstant {
public:
    TConstant(std::string_view name, std::string description, double value);

    std::string_view GetDescription() const override { return Description; }

    const std::string Description;
};

class TBooleanConstant : public TDoubleConstant {
public:
    using TDoubleConstant::TDoubleConstant;

    TWordKind ResultKind() const override { return wkBoolean; }
};

// A name the vocabulary did not know; NaN until something assigns it.
class TGeneratedVariable : public TDoubleConstant {
public:
    explicit TGeneratedVariable(std::string_view name);

    std::string_view GetTextValue() const override { return TextValue; }
    bool IsVarying() const override { return true; }
    TWordKind ResultKind() const override { return Kind; }

    const std::string TextValue;
    const TWordKind Kind = wkNumber;
};

class TStringConstant : public TExprWord {
public:
    // The literal as written; its text is the literal without enclosing quotes.
    explicit TStringConstant(std::string_view literal);

    std::string_view GetTextValue() const override { return Text; }
    TWordKind ResultKind() const override { return wkString; }

    const std::string Text;
};

class TLeftBracket : public TExprWord {
public:
    using TExprWord::TExprWord;

    TWordKind ResultKind() const override { return wkLeftBracket; }
};

class TRightBracket : public TExprWord {
public:
    using TExprWord::TExprWord;

    TWordKind ResultKind() const override { return wkRightBracket; }
};

class TComma : public TExprWord {
public:
    using TExprWord::TExprWord;

    TWordKind ResultKind() const override { return wkComma; }
};

// Whether an operator's routine also stores its result where its first operand is read
// from, as an assignment or an increment does.
enum class TStoring : bool { No, IntoFirstOperand };

class TFunction : public TExprWord {
public:
    // Create: a function, called with brackets.
    TFunction(std::string_view name, std::string description, TEvalRoutine routine, int argCount);
    // CreateOperator
    TFunction(std::string_view name, TEvalRoutine routine, int argCount, bool operatorFlag,
              int priority, TStoring storing = TStoring::No);

    bool IsOperator() const override { return OperatorFlag; }
    int ArgumentCount() const override { return ArgCount; }
    std::string_view GetDescription() const override { return Description; }
    bool HasSideEffects() const override
    {
        return Storing == TStoring::IntoFirstOperand || TExprWord::HasSideEffects();
    }

    const bool OperatorFlag;
    const int Priority;  // smaller binds tighter; functions have 0
    const int ArgCount;
    const std::string Description;
    const TStoring Storing;

private:
    TFunction(std::string_view name, std::string description, TEvalRoutine routine, int argCount,
              bool operatorFlag, int priority, TStoring storing);
};

class TVaryingFunction : public TFunction {
public:
    using TFunction::TFunction;

    bool IsVarying() const override { return true; }
};

class TBooleanFunction : public TFunction {
public:
    using TFunction::TFunction;

    TWordKind ResultKind() const override { return wkBoolean; }
};

// A function of one or two string words. It takes no argument records, so it is an
// operand; it references its argument words without owning them.
class TSimpleStringFunction : public TFunction {
public:
    TSimpleStringFunction(std::string_view name, std::string description,
                          TStringRoutine stringRoutine, const TExprWord* firstArg,
                          const TExprWord* secondArg = nullptr);

    bool IsVarying() const override;

    const TStringRoutine StringRoutine;
    const TExprWord* const FirstArg;
    const TExprWord* const SecondArg;
};

class TVaryingStringFunction : public TSimpleStringFunction {
public:
    using TSimpleStringFunction::TSimpleStringFunction;

    bool IsVarying() const override { return true; }
};

// A comparison of two string words; "=", ">", "<", ">=", "<=", "<>" or "in".
class TLogicalStringOper : public TSimpleStringFunction {
public:
    TLogicalStringOper(std::string_view operatorName, const TExprWord* left,
                       const TExprWord* right);

    TWordKind ResultKind() const override { return wkBoolean; }
};

// The routine of every constant-like word: Result := *Args[0].
void CopyValueRoutine(TExprRecord* Rec);
// True exactly for words whose routine is CopyValueRoutine.
bool IsConstantWord(const TExprWord* word);
// The routine of string functions: their string routine on their words' texts.
void StringFunctionRoutine(TExprRecord* Rec);

// The comparisons of TLogicalStringOper: 1 or 0. Texts compare bytewise, unsigned.
long double StringEqual(std::string_view first, std::string_view second);
long double StringGreater(std::string_view first, std::string_view second);
long double StringLess(std::string_view first, std::string_view second);
long double StringGreaterOrEqual(std::string_view first, std::string_view second);
long double StringLessOrEqual(std::string_view first, std::string_view second);
long double StringNotEqual(std::string_view first, std::string_view second);
// Whether first is one of the comma-separated pieces of second.
long double StringIn(std::string_view first, std::string_view second);
