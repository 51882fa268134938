#include "calculator/Calculate.h"

#include "engine/CStyleParser.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

namespace calculator {
namespace {

// The parser as the window sets it up: the C-like dialect switched to the standard one.
class CalculateTest : public ::testing::Test {
protected:
    CalculateTest() { Parser->SetCStyle(false); }

    TCalculation Run(std::string_view text, TFolding folding = TFolding::Off)
    {
        return Calculate(*Parser, text, folding);
    }

    std::unique_ptr<TCStyleParser> Parser = TCustomExpressionParser::Create<TCStyleParser>();
};

struct SuccessCase {
    const char* Expression;
    const char* Result;
    const char* UpCase;
};

TEST_F(CalculateTest, ShowsTheTwoDecimalsAndTheUppercaseAmount)
{
    const SuccessCase cases[] = {
        {"(1000*3)-(100-3)*3/2", "2854.50", "贰仟捌佰伍拾肆元伍角"},
        {"1/3", "0.33", "叁角叁分"},
        {"2/3", "0.67", "陆角柒分"},
        {"0.125", "0.13", "壹角叁分"},
        {"0.005", "0.01", "壹分"},
        {"2.675", "2.68", "贰元陆角捌分"},
        {"1000000", "1000000.00", "壹佰万元整"},
        // Zero cents are written out, not left blank.
        {"0.001", "0.00", "零元整"},
        {"-0.001", "0.00", "零元整"},
        // Negative amounts, as red-letter invoices write them.
        {"-5", "-5.00", "负伍元整"},
        // Fifteen significant digits reach the rounding: no digit of the amount is lost.
        {"123456789.125", "123456789.13", "壹亿贰仟叁佰肆拾伍万陆仟柒佰捌拾玖元壹角叁分"},
        {"12345678901", "12345678901.00", "壹佰贰拾叁亿肆仟伍佰陆拾柒万捌仟玖佰零壹元整"},
        // Surrounding blanks and line breaks are accepted.
        {"  1+1\r\n", "2.00", "贰元整"},
    };
    for (const auto& [expression, result, upCase] : cases) {
        const TCalculation calculation = Run(expression);
        EXPECT_EQ(calculation.Report, TReportKind::None) << expression << ": " << calculation.Details;
        EXPECT_EQ(calculation.ResultText, std::optional<std::string>(result)) << expression;
        EXPECT_EQ(calculation.UpCaseText, std::optional<std::string>(upCase)) << expression;
    }
}

TEST_F(CalculateTest, KeepsTheEnginesDisplayTextOfTheValue)
{
    EXPECT_EQ(Run("123456789.125").ValueText, "123456789.1");
    EXPECT_EQ(Run("1>2").ValueText, "False");
}

TEST_F(CalculateTest, ABlankTextGivesTheWarningAndNothingElse)
{
    for (const char* text : {"", "   ", " \r\n\t "}) {
        const TCalculation calculation = Run(text);
        EXPECT_EQ(calculation.Report, TReportKind::Warning);
        EXPECT_EQ(calculation.Message, "请输入表达式。");
        EXPECT_EQ(calculation.Details, "");
        EXPECT_FALSE(calculation.ValueText || calculation.ResultText || calculation.UpCaseText);
    }
    EXPECT_EQ(Parser->AddExpression("1"), 0);  // nothing was stored before
}

struct ErrorCase {
    const char* Expression;
    const char* Details;
};

TEST_F(CalculateTest, ReportsEveryErrorWithItsOwnMessageAndFormsNoResult)
{
    const ErrorCase cases[] = {
        {"1>2", "'False' is not a valid floating point value"},
        {"1<2", "'True' is not a valid floating point value"},
        {"y*2", "'-NAN' is not a valid floating point value"},
        {"arctanh(1)", "'INF' is not a valid floating point value"},
        {"1/0", "Floating point division by zero"},
        {"0/0", "Invalid floating point operation"},
        {"5 div 0", "Division by zero"},
        {"foo(1)", "Error in math expression: foo is an unknown function"},
        {"(1", "Unequal brackets"},
        {"1 +", "Error in math expression: Syntax error: function or operand has too few arguments"},
    };
    for (const auto& [expression, details] : cases) {
        const TCalculation calculation = Run(expression);
        EXPECT_EQ(calculation.Report, TReportKind::Error) << expression;
        EXPECT_EQ(calculation.Message, "计算错误，请仔细检查表达式输入是否正确。");
        EXPECT_EQ(calculation.Details, details) << expression;
        EXPECT_FALSE(calculation.ResultText || calculation.UpCaseText) << expression;
    }
}

TEST_F(CalculateTest, AnAmountTooLargeForUppercaseKeepsItsTwoDecimals)
{
    const TCalculation calculation = Run("10^13");
    EXPECT_EQ(calculation.Report, TReportKind::Error);
    EXPECT_EQ(calculation.ResultText, "10000000000000.00");
    EXPECT_FALSE(calculation.UpCaseText);
    EXPECT_NE(calculation.Details.find("9999999999999.99"), std::string::npos) << calculation.Details;
}

TEST_F(CalculateTest, VariablesKeepTheirValuesFromOneCalculationToTheNext)
{
    EXPECT_EQ(Run("x:=5").UpCaseText, "伍元整");
    const TCalculation twice = Run("x*2");
    EXPECT_EQ(twice.ResultText, "10.00");
    EXPECT_EQ(twice.UpCaseText, "壹拾元整");
}

TEST_F(CalculateTest, TheSameTextReusesItsCompiledEntryUnfolded)
{
    EXPECT_EQ(Run("++5").ResultText, "6.00");
    EXPECT_EQ(Run("++5").ResultText, "7.00");
    EXPECT_EQ(Run("++5 ").ResultText, "6.00");  // another text, another entry
    EXPECT_EQ(Parser->AddExpression("++5"), 0);
    EXPECT_EQ(Parser->AddExpression("++5 "), 1);
}

TEST_F(CalculateTest, FoldingOnEvaluatesTheConstantPartsOnceWhenCompiling)
{
    EXPECT_EQ(Run("++5", TFolding::On).ResultText, "6.00");
    EXPECT_EQ(Run("++5", TFolding::On).ResultText, "6.00");
    // Folding is chosen per calculation: the next one compiles without it again.
    EXPECT_EQ(Run("++6").ResultText, "7.00");
    EXPECT_EQ(Run("++6").ResultText, "8.00");
    // A fault in a constant part fails the compilation, so the text is not stored.
    EXPECT_EQ(Run("1/0", TFolding::On).Details, "Floating point division by zero");
    EXPECT_EQ(Parser->AddExpression("2"), 2);
}

TEST_F(CalculateTest, ATextThatFailsToEvaluateStaysStored)
{
    Run("1/0");
    Run("1+");  // does not compile: not stored
    EXPECT_EQ(Parser->AddExpression("1/0"), 0);
    EXPECT_EQ(Parser->AddExpression("2"), 1);
}

}  // namespace
}  // namespace calculator
