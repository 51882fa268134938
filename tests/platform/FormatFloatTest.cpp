#include "platform/FormatFloat.h"

#include "platform/LocaleSeparators.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <limits>

namespace platform {
namespace {

struct FormatCase {
    long double Value;
    int Digits;
    const char* Expected;
};

class FormatGeneralTest : public testing::Test {
protected:
    DecimalSeparatorScope FPoint{'.'};
};

TEST_F(FormatGeneralTest, TenSignificantDigits)
{
    const FormatCase cases[] = {
        {1.0 / 3, 10, "0.3333333333"},
        {2.0 / 3, 10, "0.6666666667"},
        {0.1 + 0.2, 10, "0.3"},
        {100.1, 10, "100.1"},
        {1234567890.125, 10, "1234567890"},
        {123456789.125, 10, "123456789.1"},
        {12345678901.0, 10, "1.23456789E010"},
        {1e10, 10, "1E010"},
        {9999999999.5, 10, "1E010"},
        {9999999999.4, 10, "9999999999"},
        {1e9, 10, "1000000000"},
        {0.0001, 10, "0.0001"},
        {0.00009, 10, "9E-005"},
        {0.000123456789012, 10, "0.000123456789"},
        {-2.5, 10, "-2.5"},
        {-12345678901.0, 10, "-1.23456789E010"},
        {-0.00009, 10, "-9E-005"},
        {1e300, 10, "1E300"},
        {1.5e-310, 10, "1.5E-310"},
        {1e4000L, 10, "1E4000"},
        {0.0, 10, "0"},
        {-0.0, 10, "0"},
        {2854.5, 10, "2854.5"},
        // The 18-digit expansion ends in ...5000000, so the cut rounds up where direct
        // rounding of 5443.2546154999999998836 would not.
        {5443.2546155, 10, "5443.254616"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatGeneral(c.Value, c.Digits), c.Expected) << c.Expected;
}

TEST_F(FormatGeneralTest, DigitCountSetsTheLimitOfPlainNotation)
{
    const FormatCase cases[] = {
        {12345678901.0, 15, "12345678901"},
        {123456789.125, 15, "123456789.125"},
        {0.1 + 0.2, 15, "0.3"},
        {1.0 / 3, 15, "0.333333333333333"},
        {999999999999999.0, 15, "999999999999999"},
        {1e15, 15, "1E015"},
        {2.0 / 3, 1, "0.7"},
        {0.96, 1, "1"},
        {2.0 / 3, 18, "0.66666666666666663"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatGeneral(c.Value, c.Digits), c.Expected) << c.Expected;
}

TEST_F(FormatGeneralTest, InfinityAndNotANumberCarryTheSignBit)
{
    constexpr double Infinity = std::numeric_limits<double>::infinity();
    const double negativeNaN = std::bit_cast<double>(std::uint64_t{0xFFF8000000000000});
    EXPECT_EQ(FormatGeneral(Infinity, 10), "INF");
    EXPECT_EQ(FormatGeneral(-Infinity, 10), "-INF");
    EXPECT_EQ(FormatGeneral(std::numeric_limits<double>::quiet_NaN(), 10), "NAN");
    EXPECT_EQ(FormatGeneral(negativeNaN, 10), "-NAN");
}

TEST_F(FormatGeneralTest, UsesTheProcessWideDecimalSeparator)
{
    DecimalSeparatorScope comma(',');
    EXPECT_EQ(FormatGeneral(2854.5, 10), "2854,5");
    EXPECT_EQ(FormatGeneral(0.00009, 10), "9E-005");
    EXPECT_EQ(FormatGeneral(12345678901.0, 10), "1,23456789E010");
}

}  // namespace
}  // namespace platform
