#include "engine/RandomGenerator.h"

#include <gtest/gtest.h>

#include <cmath>

namespace engine {
namespace {

// Runs first in a fresh process, so the generator starts from its initial seed 0.
TEST(RandomGeneratorTest, SequenceOfAFreshProcess)
{
    EXPECT_EQ(Random(), 0x1p-32L);
    EXPECT_EQ(Random(), 134775814 * 0x1p-32L);
    EXPECT_EQ(Random(), 3698175007 * 0x1p-32L);
}

TEST(RandomGeneratorTest, RandGDrawsFromTheNormalDistribution)
{
    constexpr int Draws = 20000;
    constexpr double Mean = 5;
    constexpr double Deviation = 2;
    double sum = 0;
    double sumOfSquares = 0;
    for (int i = 0; i < Draws; ++i) {
        const double deviate = static_cast<double>(RandG(Mean, Deviation));
        sum += deviate;
        sumOfSquares += deviate * deviate;
    }
    const double mean = sum / Draws;
    EXPECT_NEAR(mean, Mean, 0.05);
    EXPECT_NEAR(std::sqrt(sumOfSquares / Draws - mean * mean), Deviation, 0.05);
    EXPECT_EQ(RandG(Mean, 0), Mean);
}

}  // namespace
}  // namespace engine
