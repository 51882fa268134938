#include "platform/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/Exceptions.h"
#include "platform/LocaleSeparators.h"

namespace {

using platform::DecimalSeparatorScope;
using platform::EConvertError;
using platform::HexLiteralToInt;
using platform::TextToFloat;

std::string FloatError(std::string_view text)
{
    try {
        TextToFloat(text);
    } catch (const EConvertError& error) {
        return error.what();
    }
    return "no error";
}

TEST(TextToFloat, ReadsEveryLiteralFormWithTheSeparatorInForce)
{
    const DecimalSeparatorScope point('.');
    EXPECT_EQ(TextToFloat("42"), 42.0);
    EXPECT_EQ(TextToFloat("1.5"), 1.5);
    EXPECT_EQ(TextToFloat("1."), 1.0);
    EXPECT_EQ(TextToFloat(".25"), 0.25);
    EXPECT_EQ(TextToFloat("2.5e-3"), 0.0025);
    EXPECT_EQ(TextToFloat("1e+3"), 1000.0);
    EXPECT_EQ(TextToFloat("1.23456789E010"), 12345678900.0);
    EXPECT_EQ(TextToFloat("-0.125"), -0.125);
    EXPECT_EQ(TextToFloat("0.1"), 0.1);  // the nearest double
    EXPECT_EQ(TextToFloat("1.7976931348623157e308"), std::numeric_limits<double>::max());
    EXPECT_EQ(TextToFloat("4.9e-324"), std::numeric_limits<double>::denorm_min());

    const DecimalSeparatorScope comma(',');
    EXPECT_EQ(TextToFloat("1,5"), 1.5);
    EXPECT_EQ(TextToFloat(",5e1"), 5.0);
    EXPECT_EQ(FloatError("1.5"), "'1.5' is not a valid floating point value");
}

TEST(TextToFloat, RejectsAnythingElseWithTheRuntimeMessage)
{
    const DecimalSeparatorScope point('.');
    for (const char* text : {"", ".", "2e", "1e+", "e5", "1.2.3", "1,5", " 1", "1 ", "0x10", "inf",
                             "NAN", "True", "--1", "1e400", "-1e400", "1.8e308"})
        EXPECT_EQ(FloatError(text), std::string("'").append(text).append("' is not a valid floating point value"));
}

TEST(TextToFloat, AValueTooSmallForADoubleBecomesZero)
{
    const DecimalSeparatorScope point('.');
    EXPECT_EQ(TextToFloat("1e-400"), 0.0);
    EXPECT_TRUE(std::signbit(TextToFloat("-0.0001e-99999999999999")));
    EXPECT_EQ(TextToFloat("0e99999"), 0.0);
}

TEST(HexLiteralToInt, ReadsUpToEightSignificantDigitsAsTwosComplement)
{
    EXPECT_EQ(HexLiteralToInt("$ff"), 255);
    EXPECT_EQ(HexLiteralToInt("$FF"), 255);
    EXPECT_EQ(HexLiteralToInt("$7fffffff"), 2147483647);
    EXPECT_EQ(HexLiteralToInt("$ffffffff"), -1);
    EXPECT_EQ(HexLiteralToInt("$80000000"), -2147483647 - 1);
    EXPECT_EQ(HexLiteralToInt("$0000000000ff"), 255);  // leading zeros do not count
}

TEST(HexLiteralToInt, RejectsOtherTextsWithTheRuntimeMessage)
{
    for (const char* text : {"$", "$123456789", "$ff.5", "$fg", "$1e+3"}) {
        try {
            HexLiteralToInt(text);
            ADD_FAILURE() << text;
        } catch (const EConvertError& error) {
            EXPECT_EQ(error.what(), std::string("'").append(text).append("' is not a valid integer value"));
        }
    }
}

}  // namespace
