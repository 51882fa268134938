#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <string>
#include <vector>

#include "ParserFixture.h"
#include "engine/StandardRoutines.h"

namespace {

constexpr std::uint64_t NegativeNaNBits = 0xFFF8000000000000;

// The message of the error the call raises, or "no error".
template <class Call>
std::string ErrorOf(Call call)
{
    try {
        call();
    } catch (const platform::Exception& error) {
        return error.what();
    }
    return "no error";
}

// The words of a chain's records, in execution order.
std::vector<const TExprWord*> ChainWords(const TExprRecord* record)
{
    std::vector<const TExprWord*> words;
    for (; record; record = record->Next)
        words.push_back(record->Word);
    return words;
}

class ExpressionParserTest : public ParserTest<TExpressionParser> {
protected:
    TExprWord* Word(std::string_view name) const
    {
        return Parser->Vocabulary.Items(Parser->Vocabulary.FindKey(name).Index);
    }
};

TEST_F(ExpressionParserTest, ATextIsCompiledOnceAndFoundIgnoringCase)
{
    EXPECT_EQ(Parser->AddExpression("Sqrt(4)"), 0);
    const TExprRecord* chain = Parser->CurrentExpression;
    EXPECT_EQ(Parser->AddExpression("1 + 1"), 1);
    const int constants = Parser->Constants.Count();

    EXPECT_EQ(Parser->AddExpression("Sqrt(4)"), 0);
    EXPECT_EQ(Parser->CurrentExpression, chain);
    EXPECT_EQ(Parser->AddExpression("SQRT(4)"), 0);
    EXPECT_EQ(Parser->CurrentIndex, 0);
    EXPECT_EQ(Parser->CurrentExpressionText(), "Sqrt(4)");
    EXPECT_EQ(Parser->Constants.Count(), constants);

    EXPECT_EQ(Parser->AddExpression("sqrt(4) "), 2);
    EXPECT_EQ(Parser->AddExpression("1 +\r\n1"), 3);
    EXPECT_EQ(Parser->CurrentExpressionText(), "1 +\r\n1");
    EXPECT_EQ(Parser->ExpressionValue(3), 2);
}

TEST_F(ExpressionParserTest, AnEmptyTextGivesMinusOneAndNoCurrentEntry)
{
    Parser->AddExpression("1");
    EXPECT_EQ(Parser->AddExpression(""), -1);
    EXPECT_EQ(Parser->CurrentIndex, -1);
    EXPECT_EQ(Parser->Expressions.Count(), 1);
    EXPECT_EQ(ErrorOf([&] { Parser->CurrentExpressionText(); }), "List index out of bounds (-1)");
}

TEST_F(ExpressionParserTest, ClearingStartsTheIndicesAgainAndKeepsTheVariables)
{
    Parser->ExpressionValue(Parser->AddExpression("x := 4"));
    Parser->AddExpression("x + 1");
    Parser->ClearExpressions();
    EXPECT_EQ(Parser->CurrentIndex, -1);
    EXPECT_EQ(Parser->CurrentExpression, nullptr);
    EXPECT_EQ(Parser->Expressions.Count(), 0);
    EXPECT_EQ(Parser->AddExpression("x * 2"), 0);
    EXPECT_EQ(Parser->ExpressionValue(0), 8);
}

TEST_F(ExpressionParserTest, AFailedCompilationAddsNothing)
{
    Parser->AddExpression("1 + 2");
    for (int attempt = 0; attempt < 2; ++attempt)
        EXPECT_EQ(ErrorOf([&] { Parser->AddExpression("(1"); }), "Unequal brackets");
    EXPECT_THROW(Parser->AddExpression("2 / 0"), platform::EZeroDivide);
    EXPECT_EQ(Parser->CurrentIndex, 0);
    EXPECT_EQ(Parser->Expressions.Count(), 1);
    EXPECT_EQ(Parser->CurrentExpressionText(), "1 + 2");
}

TEST_F(ExpressionParserTest, IndicesOutsideTheListGiveNotANumberOrTheListError)
{
    Parser->AddExpression("1 + 1");
    EXPECT_EQ(std::bit_cast<std::uint64_t>(Parser->ExpressionValue(-1)), NegativeNaNBits);
    EXPECT_EQ(Parser->ExpressionText(-1), "-NAN");
    EXPECT_EQ(ErrorOf([&] { Parser->ExpressionValue(1); }), "List index out of bounds (1)");
    EXPECT_EQ(ErrorOf([&] { Parser->ExpressionText(7); }), "List index out of bounds (7)");

    // A truth value compares not-a-number with its windows.
    Parser->AddExpression("1 > 0");
    EXPECT_EQ(ErrorOf([&] { Parser->ExpressionText(-1); }), "Invalid floating point operation");
}

TEST_F(ExpressionParserTest, DisplayTexts)
{
    const struct {
        const char* Text;
        const char* Shown;
    } cases[] = {
        {"1 > 0", "True"},
        {"1 < 0", "False"},
        {"6 and 3", "2"},
        {"not 0", "True"},
        {"1 + 0", "1"},
        {"1/3", "0.3333333333"},
        {"2/3", "0.6666666667"},
        {"-2/3", "-0.6666666667"},
        {"0.1+0.2", "0.3"},
        {"100+10%", "100.1"},
        {"1234567890.125", "1234567890"},
        {"123456789.125", "123456789.1"},
        {"12345678901", "1.23456789E010"},
        {"10^10", "1E010"},
        {"9999999999.5", "1E010"},
        {"0.0001", "0.0001"},
        {"0.00009", "9E-005"},
        {"0", "0"},
        {"arctanh(1)", "INF"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Outcome(*Parser, c.Text), c.Shown) << c.Text;
}

TEST(ExpressionParser, SeparatorsComeFromTheLocale)
{
    const TSeparators separators{',', ';'};
    const auto parser = TCustomExpressionParser::Create<TExpressionParser>();
    EXPECT_EQ(Outcome(*parser, "1,5 * 3"), "4,5");
    EXPECT_EQ(Outcome(*parser, "max(1,5; 2) / 8"), "0,25");
}

TEST_F(ExpressionParserTest, ReplacingAWordRepointsEveryStoredExpression)
{
    Parser->FoldConstants = false;
    const int first = Parser->AddExpression("sqrt(4)");
    const int second = Parser->AddExpression("sqrt(9) + 1");
    Parser->AddExpression("2 * 3");
    Parser->ReplaceWord("sqrt", std::make_unique<TFunction>("sqrt", "negated", engine::routines::Negate, 1));
    EXPECT_EQ(Parser->ExpressionValue(first), -4);
    EXPECT_EQ(Parser->ExpressionValue(second), -8);
    EXPECT_EQ(Parser->AddExpression("sqrt(16)"), 3);
    EXPECT_EQ(Parser->ExpressionValue(3), -16);
}

TEST_F(ExpressionParserTest, AReplacementWithSideEffectsDoesNotRunAfterAFault)
{
    Parser->FoldConstants = false;
    Parser->ExpressionValue(Parser->AddExpression("k := 1"));
    const int index = Parser->AddExpression("1/0 + sqr(k)");
    Parser->ReplaceWord("sqr", std::make_unique<TFunction>("sqr", engine::routines::Increment, 1,
                                                           false, 0, TStoring::IntoFirstOperand));
    EXPECT_THROW(Parser->ExpressionValue(index), platform::EZeroDivide);
    EXPECT_EQ(Outcome(*Parser, "k"), "1");
}

TEST_F(ExpressionParserTest, ARelinkBetweenWordsOfOtherArgumentCountsChangesNothing)
{
    Parser->FoldConstants = false;
    const int root = Parser->AddExpression("sqrt(4)");
    const int larger = Parser->AddExpression("max(sqrt(1), 2)");
    const TExprRecord* current = Parser->CurrentExpression;
    const auto rootWords = ChainWords(Parser->Expressions.Items(root).Expression.get());
    const auto largerWords = ChainWords(Parser->Expressions.Items(larger).Expression.get());

    TExprWord* sqrt = Word("sqrt");
    TExprWord* max = Word("max");
    try {
        Parser->RelinkWord(sqrt, max);
        FAIL() << "no error";
    } catch (const EParserException&) {
        FAIL() << "not the general error";
    } catch (const platform::Exception& error) {
        EXPECT_STREQ(error.what(), "Error in math expression: Cannot replace variable/function "
                                   "NFuntionArg doesn't match");
    }
    EXPECT_EQ(Parser->CurrentExpression, current);
    EXPECT_EQ(ChainWords(Parser->Expressions.Items(root).Expression.get()), rootWords);
    EXPECT_EQ(ChainWords(Parser->Expressions.Items(larger).Expression.get()), largerWords);
    EXPECT_EQ(Parser->ExpressionValue(root), 2);
    EXPECT_EQ(Parser->ExpressionValue(larger), 2);
}

}  // namespace
