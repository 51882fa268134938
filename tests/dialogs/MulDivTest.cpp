#include "dialogs/MulDiv.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>

namespace {

using dialogs::MulDiv;

struct MulDivCase {
    int A, B, C, Expected;
};

void PrintTo(const MulDivCase& c, std::ostream* out)
{
    *out << c.A << " * " << c.B << " / " << c.C;
}

class MulDivTest : public testing::TestWithParam<MulDivCase> {};

TEST_P(MulDivTest, RoundsHalvesAwayFromZero)
{
    const MulDivCase& c = GetParam();
    EXPECT_EQ(MulDiv(c.A, c.B, c.C), c.Expected) << c.A << " * " << c.B << " / " << c.C;
}

constexpr int IntMax = std::numeric_limits<int>::max();

INSTANTIATE_TEST_SUITE_P(Cases, MulDivTest,
                         testing::Values(MulDivCase{8, 6, 4, 12}, MulDivCase{10, 7, 4, 18},
                                         MulDivCase{50, 7, 4, 88}, MulDivCase{10, 13, 8, 16},
                                         MulDivCase{14, 13, 8, 23}, MulDivCase{-10, 7, 4, -18},
                                         MulDivCase{10, 7, -4, -18}, MulDivCase{-5, 1, -2, 3},
                                         MulDivCase{3, 1, 4, 1}, MulDivCase{IntMax, IntMax, IntMax, IntMax},
                                         MulDivCase{IntMax, 2, 1, -1}, MulDivCase{1, 1, 0, -1}));

}  // namespace
