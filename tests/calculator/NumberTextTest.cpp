#include "calculator/NumberText.h"

#include "platform/Exceptions.h"
#include "platform/LocaleSeparators.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace calculator {
namespace {

struct ReadCase {
    char Separator;
    const char* Text;
    long double Value;
};

TEST(TextToFloat, ReadsNumberTexts)
{
    const ReadCase cases[] = {
        {'.', "-1234.5", -1234.5L},
        {'.', "1.23456789E010", 1.23456789E10L},
        {'.', "9E-005", 9E-5L},
        {'.', "0.1", 0.1L},  // extended, not the double 0.1
        {'.', "0", 0.0L},
        {'.', "+2.5", 2.5L},
        {'.', ".5", 0.5L},
        {'.', "5.", 5.0L},
        {'.', "1e3", 1000.0L},
        {'.', "1E+3", 1000.0L},
        {'.', " 7 ", 7.0L},
        {'.', "1.7976931348623157E308", 1.7976931348623157E308L},
        {',', "2854,5", 2854.5L},
        {',', "-1,5E-002", -0.015L},
    };
    for (const auto& [separator, text, value] : cases) {
        platform::DecimalSeparatorScope scope(separator);
        EXPECT_EQ(TextToFloat(text), value) << text;
    }
}

TEST(TextToFloat, RejectsOtherTextsWithTheConversionMessage)
{
    const std::pair<char, const char*> cases[] = {
        {'.', ""}, {'.', " "}, {'.', "True"}, {'.', "False"}, {'.', "INF"}, {'.', "-INF"},
        {'.', "NAN"}, {'.', "-NAN"}, {'.', "inf"}, {'.', "nan"}, {'.', "-"}, {'.', "."},
        {'.', "1E"}, {'.', "E5"}, {'.', "1.2.3"}, {'.', "0x10"}, {'.', "12abc"}, {'.', "1 2"},
        {'.', "--1"}, {'.', "+-1"}, {'.', "1E+-5"}, {'.', "1,5"}, {'.', "1e5000"},
        {',', "1.5"},
    };
    for (const auto& [separator, text] : cases) {
        platform::DecimalSeparatorScope scope(separator);
        try {
            TextToFloat(text);
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const platform::EConvertError& error) {
            EXPECT_EQ(error.what(), "'" + std::string(text) + "' is not a valid floating point value");
        }
    }
}

struct FormatCase {
    char Separator;
    const char* Text;
    const char* Formatted;
};

// The values are read from text, as the command reads them: rounding follows the decimal
// digits of that text, not the binary value below or above it.
TEST(FormatTwoDecimals, RoundsTheDecimalDigitsHalfAwayFromZero)
{
    const FormatCase cases[] = {
        {'.', "0.125", "0.13"},
        {'.', "2.675", "2.68"},
        {'.', "1.005", "1.01"},
        {'.', "-0.125", "-0.13"},
        {'.', "0.005", "0.01"},
        {'.', "0.0049", "0.00"},
        {'.', "0.001", "0.00"},
        {'.', "-0.001", "0.00"},
        {'.', "-0", "0.00"},
        {'.', "9E-005", "0.00"},
        {'.', "0.333333333333333", "0.33"},
        {'.', "1000000", "1000000.00"},
        {'.', "2854.5", "2854.50"},
        {'.', "0.995", "1.00"},
        {'.', "-9.995", "-10.00"},
        {'.', "123456789.125", "123456789.13"},
        {'.', "12345678901", "12345678901.00"},
        {'.', "999999999999999.995", "1000000000000000.00"},
        {'.', "123456789012345678", "123456789012345678.00"},
        {',', "2854,5", "2854,50"},
        {',', "-0,125", "-0,13"},
    };
    for (const auto& [separator, text, formatted] : cases) {
        platform::DecimalSeparatorScope scope(separator);
        EXPECT_EQ(FormatTwoDecimals(TextToFloat(text)), formatted) << text;
    }
}

TEST(FormatTwoDecimals, WritesHugeMagnitudesWithAnExponent)
{
    const FormatCase cases[] = {
        {'.', "1E18", "1E18"},
        {'.', "1E20", "1E20"},
        {'.', "-1.5E20", "-1.5E20"},
        {'.', "1.7976931348623157E308", "1.79769313486232E308"},
        {',', "1,5E20", "1,5E20"},
    };
    for (const auto& [separator, text, formatted] : cases) {
        platform::DecimalSeparatorScope scope(separator);
        EXPECT_EQ(FormatTwoDecimals(TextToFloat(text)), formatted) << text;
    }
}

TEST(FormatTwoDecimals, NamesValuesThatAreNotFinite)
{
    constexpr long double infinity = std::numeric_limits<long double>::infinity();
    EXPECT_EQ(FormatTwoDecimals(infinity), "INF");
    EXPECT_EQ(FormatTwoDecimals(-infinity), "-INF");
    EXPECT_EQ(FormatTwoDecimals(std::numeric_limits<long double>::quiet_NaN()), "NAN");
}

}  // namespace
}  // namespace calculator
