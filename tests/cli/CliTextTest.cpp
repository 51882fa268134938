// The command-line calculator's text output, its reports and its exit status.
#include "CliRunner.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using ::testing::HasSubstr;

constexpr const char* Failed = "计算错误，请仔细检查表达式输入是否正确。";
constexpr const char* TooLarge =
    "金额超出范围，无法写成大写。能写成大写的金额最大为 9999999999999.99 元。";

std::string ErrorReport(int number, const std::string& details)
{
    return std::to_string(number) + ": " + Failed + " " + details + "\n";
}

struct RunCase {
    std::vector<std::string> Arguments;
    std::string Input;
    std::string Output;
    std::string Errors;
    int Status;
};

void ExpectRun(const RunCase& c)
{
    const CliRun run = RunCli(c.Arguments, c.Input);
    const std::string label = ::testing::PrintToString(c.Arguments) + " " +
                              ::testing::PrintToString(c.Input);
    EXPECT_EQ(run.Output, c.Output) << label;
    EXPECT_EQ(run.Errors, c.Errors) << label;
    EXPECT_EQ(run.Status, c.Status) << label;
}

TEST(CliText, EachArgumentIsOneCalculationOnItsOwnLine)
{
    const RunCase cases[] = {
        {{"(1000*3)-(100-3)*3/2"}, "", "2854.50\t贰仟捌佰伍拾肆元伍角\n", "", 0},
        // After -- an expression may begin with a minus sign.
        {{"--", "-(1+2)", "0.005"}, "", "-3.00\t负叁元整\n0.01\t壹分\n", "", 0},
        // A failure leaves its line empty and reports on the error stream under its number;
        // an amount too large for uppercase fails as a whole, though it has two decimals.
        {{"1/0", "2", "10^13", " "}, "",
         "\n2.00\t贰元整\n\n\n",
         ErrorReport(1, "Floating point division by zero") + ErrorReport(3, TooLarge) +
             "4: 请输入表达式。\n",
         1},
        // The arguments are the calculations: standard input is not read.
        {{"1"}, "2\n", "1.00\t壹元整\n", "", 0},
    };
    for (const RunCase& c : cases)
        ExpectRun(c);
}

TEST(CliText, WithoutArgumentsEachLineOfTheInputIsOneCalculation)
{
    const RunCase cases[] = {
        // CR LF and LF end lines, the last may lack one; variables and compiled texts last
        // the whole run.
        {{}, "1+1\r\nx:=5\n\nx*2\r\n++5\n++5\ny*2",
         "2.00\t贰元整\n5.00\t伍元整\n\n10.00\t壹拾元整\n6.00\t陆元整\n7.00\t柒元整\n\n",
         "3: 请输入表达式。\n" + ErrorReport(7, "'-NAN' is not a valid floating point value"), 1},
        {{}, "", "", "", 0},
        {{}, "\r\n", "\n", "1: 请输入表达式。\n", 1},
    };
    for (const RunCase& c : cases)
        ExpectRun(c);
}

TEST(CliText, TheDialectAndFoldingFollowTheOptions)
{
    const RunCase cases[] = {
        {{"x:=5", "x=6"}, "", "5.00\t伍元整\n\n",
         ErrorReport(2, "'False' is not a valid floating point value"), 1},
        {{"--cstyle", "x=5", "x==5", "x*2"}, "", "5.00\t伍元整\n\n10.00\t壹拾元整\n",
         ErrorReport(2, "'True' is not a valid floating point value"), 1},
        // Folded, the increment runs once when the text is compiled.
        {{"--fold", "++5", "++5"}, "", "6.00\t陆元整\n6.00\t陆元整\n", "", 0},
    };
    for (const RunCase& c : cases)
        ExpectRun(c);
}

TEST(CliText, AUsageErrorEndsTheRunWithStatusTwoBeforeAnyCalculation)
{
    const std::vector<std::vector<std::string>> usages = {
        {"--bogus", "1"}, {"1", "-(1+2)"}, {"-x"}, {"--json=maybe", "1"}};
    for (const auto& arguments : usages) {
        const CliRun run = RunCli(arguments);
        EXPECT_EQ(run.Status, 2) << ::testing::PrintToString(arguments);
        EXPECT_EQ(run.Output, "") << ::testing::PrintToString(arguments);
        EXPECT_THAT(run.Errors, HasSubstr("--help"));
    }
}

TEST(CliText, HelpDescribesTheUseInChineseAndEnglish)
{
    const CliRun run = RunCli({"--help"});
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Errors, "");
    for (const char* text : {"--json", "--cstyle", "--fold", "标准输入", "standard input",
                             "退出状态", "Exit status"})
        EXPECT_THAT(run.Output, HasSubstr(text));
}

TEST(CliText, AResultThatCannotBeWrittenFailsTheRun)
{
    const CliRun run = RunCli({"1"}, "", "/dev/full");
    EXPECT_EQ(run.Status, 1);
    EXPECT_THAT(run.Errors, HasSubstr("cannot write"));
}

// A long batch mixing successes and failures keeps every line in its place. Each line is a
// distinct text, so the parser compiles and stores every one.
TEST(CliText, ABatchOfTenThousandLinesStaysAlignedWithItsInput)
{
    struct Row {
        const char* Expression;
        const char* Line;  // empty for a failure
    };
    const Row rows[] = {
        {"(1000*3)-(100-3)*3/2", "2854.50\t贰仟捌佰伍拾肆元伍角"},
        {"1/3", "0.33\t叁角叁分"},
        {"1/0", ""},
        {"123456789.125", "123456789.13\t壹亿贰仟叁佰肆拾伍万陆仟柒佰捌拾玖元壹角叁分"},
        {"-0.001", "0.00\t零元整"},
        {"10^13", ""},
        {"1234.56*3", "3703.68\t叁仟柒佰零叁元陆角捌分"},
    };
    constexpr int Count = 10'000;
    std::string input;
    std::vector<std::string> expected;
    std::string expectedErrors;
    for (int i = 0; i < Count; ++i) {
        const Row& row = rows[i % std::size(rows)];
        input.append("(").append(row.Expression).append(")+0*").append(std::to_string(i)) += '\n';
        expected.emplace_back(row.Line);
        if (*row.Line == '\0')
            expectedErrors += std::to_string(i + 1) + ": ";
    }
    const CliRun run = RunCli({}, input);
    EXPECT_EQ(run.Status, 1);
    const std::vector<std::string> lines = Lines(run.Output);
    ASSERT_EQ(lines.size(), expected.size());
    for (int i = 0; i < Count; ++i)
        ASSERT_EQ(lines[i], expected[i]) << "line " << i + 1;
    std::string numbers;
    for (const std::string& report : Lines(run.Errors))
        numbers += report.substr(0, report.find(' ') + 1);
    EXPECT_EQ(numbers, expectedErrors);
}

}  // namespace
