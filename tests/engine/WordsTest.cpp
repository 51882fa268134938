#include "engine/ParseClass.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <tuple>

#include "engine/ParseExpr.h"
#include "platform/LocaleSeparators.h"

namespace {

std::uint64_t Bits(double value) { return std::bit_cast<std::uint64_t>(value); }

void CopyingOperator(TExprRecord* Rec) { Rec->Result = *Rec->Args[0]; }

TEST(Words, NamesAreStoredInLowerCaseOverAZOnly)
{
    EXPECT_EQ(TExprWord("LogN").Name, "logn");
    EXPECT_EQ(TExprWord("ÄBC_9").Name, "Äbc_9");
    EXPECT_EQ(TStringConstant("'ABC'").Name, "'abc'");
}

TEST(Words, ConstantsHoldTheirValueAndAnEmptyValueTextIsNegativeNaN)
{
    const platform::DecimalSeparatorScope comma(',');
    TDoubleConstant literal("2,5", "2,5");
    EXPECT_EQ(literal.Value, 2.5);
    EXPECT_EQ(literal.ValuePtr(), &literal.Value);
    EXPECT_EQ(Bits(TDoubleConstant("x", "").Value), 0xFFF8000000000000u);
    EXPECT_EQ(Bits(TGeneratedVariable("x").Value), 0xFFF8000000000000u);
    try {
        TDoubleConstant("2.5", "2.5");
        ADD_FAILURE();
    } catch (const platform::EConvertError& error) {
        EXPECT_STREQ(error.what(), "'2.5' is not a valid floating point value");
    }
}

TEST(Words, EachClassAnswersItsQueries)
{
    TConstant pi("pi", "pi = 3.14", 3.14);
    EXPECT_EQ(pi.GetDescription(), "pi = 3.14");
    EXPECT_EQ(TBooleanConstant("", 1.0).ResultKind(), wkBoolean);
    TGeneratedVariable variable("x");
    EXPECT_TRUE(variable.IsVarying());
    EXPECT_EQ(variable.ResultKind(), wkNumber);
    EXPECT_EQ(TLeftBracket("(").ResultKind(), wkLeftBracket);
    EXPECT_EQ(TRightBracket(")").ResultKind(), wkRightBracket);
    EXPECT_EQ(TComma(",").ResultKind(), wkComma);

    TFunction function("max", "the larger", CopyingOperator, 2);
    EXPECT_FALSE(function.IsOperator());
    EXPECT_EQ(function.Priority, 0);
    EXPECT_EQ(function.ArgumentCount(), 2);
    EXPECT_EQ(function.GetDescription(), "the larger");
    TBooleanFunction comparison(">", CopyingOperator, 2, true, 50);
    EXPECT_TRUE(comparison.IsOperator());
    EXPECT_EQ(comparison.Priority, 50);
    EXPECT_EQ(comparison.ResultKind(), wkBoolean);
    EXPECT_TRUE(TVaryingFunction("random", "", CopyingOperator, 0).IsVarying());
    EXPECT_EQ(function.ValuePtr(), nullptr);
}

TEST(Words, AFunctionTakesAtMostSixArguments)
{
    EXPECT_EQ(TFunction("six", CopyingOperator, 6, true, 1).ArgumentCount(), 6);
    try {
        TFunction("seven", CopyingOperator, 7, true, 1);
        ADD_FAILURE();
    } catch (const EParserException& error) {
        EXPECT_STREQ(error.what(), "Too many arguments");
    }
    EXPECT_THROW(TFunction("seven", "", CopyingOperator, 7), EParserException);
}

TEST(Words, AStringLiteralLosesOnlyMatchingEnclosingQuotes)
{
    EXPECT_EQ(TStringConstant("'abc'").Text, "abc");
    EXPECT_EQ(TStringConstant("'abc").Text, "'abc");
    EXPECT_EQ(TStringConstant("''").Text, "");
    EXPECT_EQ(TStringConstant("'").Text, "");
    EXPECT_EQ(TStringConstant("'abc'").ResultKind(), wkString);
    EXPECT_EQ(TStringConstant("'abc'").ValuePtr(), nullptr);
}

TEST(Words, ConstantWordsAreThoseThatCopyTheirValue)
{
    TDoubleConstant number("1", "1");
    TConstant named("e", "", 2.7);
    TBooleanConstant truth("", 1.0);
    TGeneratedVariable variable("x");
    TStringConstant text("'a'");
    for (const TExprWord* word : std::initializer_list<const TExprWord*>{&number, &named, &truth, &variable, &text})
        EXPECT_TRUE(IsConstantWord(word)) << word->Name;
    // The same behaviour through another routine is not constant.
    TFunction plus("+@", CopyingOperator, 1, true, 10);
    EXPECT_FALSE(IsConstantWord(&plus));

    TExprRecord record;
    record.Args[0] = &named.Value;
    CopyValueRoutine(&record);
    EXPECT_EQ(record.Result, 2.7);
}

TEST(Words, TheInComparisonSplitsAtEveryCommaWithoutTrimming)
{
    struct {
        const char* First;
        const char* Second;
        long double In;
    } cases[] = {
        {"b", "a,b,c", 1}, {"b", "a, b", 0}, {" b", "a, b", 1}, {"", "a,", 1},
        {"abc", "abc", 1}, {"ab", "abc", 0}, {"c", "a,b,c", 1}, {"", "", 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StringIn(c.First, c.Second), c.In) << c.First << " in " << c.Second;
}

TEST(Words, StringComparisonsAreChosenByOperatorAndCompareUnsignedBytes)
{
    TStringConstant low("'a'");
    TStringConstant high("'\xE4'");
    struct {
        const char* Operator;
        double LowHigh;
        double HighLow;
        double LowLow;
    } cases[] = {
        {"=", 0, 0, 1}, {"<>", 1, 1, 0}, {"<", 1, 0, 0}, {">", 0, 1, 0},
        {"<=", 1, 0, 1}, {">=", 0, 1, 1}, {"in", 0, 0, 1},
    };
    for (const auto& c : cases) {
        for (auto [left, right, expected] : {std::tuple{&low, &high, c.LowHigh},
                                             std::tuple{&high, &low, c.HighLow},
                                             std::tuple{&low, &low, c.LowLow}}) {
            TLogicalStringOper comparison(c.Operator, left, right);
            EXPECT_EQ(comparison.ResultKind(), wkBoolean);
            EXPECT_EQ(comparison.ArgumentCount(), 0);
            TExprRecord record;
            record.Word = &comparison;
            comparison.EvalRoutine(&record);
            EXPECT_EQ(record.Result, expected) << left->Text << c.Operator << right->Text;
        }
    }
    EXPECT_EQ(StringLess("ab", "abc"), 1.0L);
}

TEST(Words, AComparisonOfAnUnknownOperatorIsNotAValidStringOperand)
{
    TStringConstant a("'a'");
    try {
        TLogicalStringOper("+", &a, &a);
        ADD_FAILURE();
    } catch (const EParserException& error) {
        EXPECT_STREQ(error.what(), "+ is not a valid string operand");
    }
}

long double FirstLength(std::string_view first, std::string_view second)
{
    return static_cast<long double>(first.size() * 10 + second.size());
}

TEST(Words, AStringFunctionRunsOnItsWordsTextsAndVariesWithThem)
{
    TStringConstant text("'abc'");
    TGeneratedVariable variable("v");
    TSimpleStringFunction one("len", "", FirstLength, &text);
    TExprRecord record;
    record.Word = &one;
    StringFunctionRoutine(&record);
    EXPECT_EQ(record.Result, 30);  // the absent second text is empty
    EXPECT_FALSE(one.IsVarying());
    EXPECT_TRUE(TSimpleStringFunction("len", "", FirstLength, &text, &variable).IsVarying());
    EXPECT_TRUE(TVaryingStringFunction("len", "", FirstLength, &text).IsVarying());
    EXPECT_EQ(one.EvalRoutine, StringFunctionRoutine);
}

}  // namespace
