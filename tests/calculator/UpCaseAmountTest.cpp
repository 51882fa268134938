#include "calculator/UpCaseAmount.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <iomanip>
#include <limits>
#include <map>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace calculator {
namespace {

struct AmountCase {
    double Amount;
    const char* Text;
};

const AmountCase Amounts[] = {
    {0.00, "零元整"},
    {0.01, "壹分"},
    {0.05, "伍分"},
    {0.10, "壹角"},
    {0.50, "伍角"},
    {0.55, "伍角伍分"},
    {1.00, "壹元整"},
    {1.01, "壹元零壹分"},
    {1.10, "壹元壹角"},
    {10.00, "壹拾元整"},
    {100.50, "壹佰元伍角"},
    {1001.01, "壹仟零壹元零壹分"},
    {1010.10, "壹仟零壹拾元壹角"},
    {10000.00, "壹万元整"},
    {100001.00, "壹拾万零壹元整"},
    {20000000.00, "贰仟万元整"},
    {100000000.00, "壹亿元整"},
    {100010000.00, "壹亿零壹万元整"},
    {200000000.05, "贰亿元零伍分"},
    {1000000001.00, "壹拾亿零壹元整"},
    {101000000000.00, "壹仟零壹拾亿元整"},
    {1000000000000.00, "壹万亿元整"},
    {1000100000000.00, "壹万零壹亿元整"},
    {1234567890123.45, "壹万贰仟叁佰肆拾伍亿陆仟柒佰捌拾玖万零壹佰贰拾叁元肆角伍分"},
    {9999999999999.99, "玖万玖仟玖佰玖拾玖亿玖仟玖佰玖拾玖万玖仟玖佰玖拾玖元玖角玖分"},
    {100001000.00, "壹亿壹仟元整"},
    // Exact binary halves go to the even cent; 0.005 lies just above its half.
    {0.125, "壹角贰分"},
    {0.375, "叁角捌分"},
    {0.005, "壹分"},
    {9999999999999.994, "玖万玖仟玖佰玖拾玖亿玖仟玖佰玖拾玖万玖仟玖佰玖拾玖元玖角玖分"},
    // Nothing left after rounding is still written, without a sign.
    {-0.004, "零元整"},
    {-0.0, "零元整"},
    {-5.00, "负伍元整"},
    {-0.12, "负壹角贰分"},
    {-0.125, "负壹角贰分"},
    {-1001.01, "负壹仟零壹元零壹分"},
    {-9999999999999.99, "负玖万玖仟玖佰玖拾玖亿玖仟玖佰玖拾玖万玖仟玖佰玖拾玖元玖角玖分"},
};

TEST(AmountToUpCase, WritesAmounts)
{
    for (const auto& [amount, text] : Amounts)
        EXPECT_EQ(AmountToUpCase(amount), text) << std::setprecision(17) << amount;
}

TEST(AmountToUpCase, RejectsAmountsBeyondTheField)
{
    constexpr double infinity = std::numeric_limits<double>::infinity();
    // 9999999999999.996 rounds up to 10^13 yuan.
    for (const double amount : {1e13, -1e13, 9999999999999.996, -9999999999999.996, 1e300,
                                std::numeric_limits<double>::max(), infinity, -infinity,
                                std::numeric_limits<double>::quiet_NaN()})
        EXPECT_THROW(AmountToUpCase(amount), EAmountOutOfRange) << std::setprecision(17) << amount;
}

TEST(AmountToUpCase, OutOfRangeErrorNamesTheLargestAmount)
{
    try {
        AmountToUpCase(1e13);
        FAIL() << "no error";
    } catch (const platform::Exception& error) {
        EXPECT_THAT(error.what(), testing::HasSubstr("9999999999999.99"));
    }
}

std::vector<std::string_view> Characters(std::string_view utf8)
{
    std::vector<std::string_view> characters;
    for (std::size_t start = 0, end; start < utf8.size(); start = end) {
        for (end = start + 1; end < utf8.size() && (utf8[end] & 0xC0) == 0x80; ++end) {
        }
        characters.push_back(utf8.substr(start, end - start));
    }
    return characters;
}

// Reads uppercase numerals back into cents, independently of how they were written;
// -1 for a character that does not belong there.
std::int64_t ReadBack(std::string_view text)
{
    static const std::map<std::string_view, int> Numerals{
        {"零", 0}, {"壹", 1}, {"贰", 2}, {"叁", 3}, {"肆", 4},
        {"伍", 5}, {"陆", 6}, {"柒", 7}, {"捌", 8}, {"玖", 9}};
    static const std::map<std::string_view, int> InGroup{{"拾", 10}, {"佰", 100}, {"仟", 1000}};
    std::int64_t digit = 0, group = 0, tenThousands = 0, hundredMillions = 0, cents = 0;
    for (const std::string_view c : Characters(text)) {
        if (auto numeral = Numerals.find(c); numeral != Numerals.end()) {
            digit = numeral->second;
        } else if (auto unit = InGroup.find(c); unit != InGroup.end()) {
            group += digit * unit->second;
            digit = 0;
        } else if (c == "万") {
            tenThousands = (group + digit) * 10'000;
            group = digit = 0;
        } else if (c == "亿") {
            hundredMillions = (tenThousands + group + digit) * 100'000'000;
            tenThousands = group = digit = 0;
        } else if (c == "元") {
            cents = (hundredMillions + tenThousands + group + digit) * 100;
            digit = 0;
        } else if (c == "角" || c == "分") {
            cents += digit * (c == "角" ? 10 : 1);
            digit = 0;
        } else if (c != "整") {
            return -1;
        }
    }
    return cents;
}

// What is wrong with the text for the cents, or nothing.
std::string Flaw(std::int64_t cents)
{
    const std::string text = AmountToUpCase(static_cast<double>(cents) / 100.0);
    if (text.starts_with("零") || text.ends_with("零"))
        return text + ": 零 at an end";
    for (const char* wrong : {"零零", "零万", "零亿", "亿万", "零元"})
        if (text.find(wrong) != std::string::npos)
            return text + ": holds " + wrong;
    if (text.ends_with("元整") != (cents % 100 == 0))
        return text + ": 整 only after whole yuan";
    if (ReadBack(text) != cents)
        return text + ": reads back as " + std::to_string(ReadBack(text));
    return {};
}

TEST(AmountToUpCase, SweepOfAmountsIsWellFormedAndReadsBack)
{
    constexpr std::int64_t largestCents = 999'999'999'999'999;
    for (std::int64_t cents = 1; cents <= 200'000; ++cents)
        ASSERT_EQ(Flaw(cents), "") << cents;
    // Around every power of ten, where runs of zeros meet the group units.
    for (std::int64_t power = 10'000; power <= largestCents; power *= 10)
        for (std::int64_t cents = power - 1'000; cents <= std::min(power + 1'000, largestCents);
             ++cents)
            ASSERT_EQ(Flaw(cents), "") << cents;
    // All lengths, with many zero digits.
    std::mt19937_64 random(20240601);
    std::uniform_int_distribution<int> length(1, 15), digit(1, 9);
    std::bernoulli_distribution zero(0.5);
    for (int i = 0; i < 200'000; ++i) {
        std::int64_t cents = digit(random);
        for (int n = length(random); n > 1; --n)
            cents = cents * 10 + (zero(random) ? 0 : digit(random));
        ASSERT_EQ(Flaw(cents), "") << cents;
    }
    ASSERT_EQ(Flaw(largestCents), "");
}

}  // namespace
}  // namespace calculator
