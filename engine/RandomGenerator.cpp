#include "RandomGenerator.h"

#include "X87.h"

#include <cstdint>

namespace engine {
namespace {

std::uint32_t RandSeed = 0;

}  // namespace

long double Random()
{
    RandSeed = RandSeed * 134775813u + 1u;
    return RandSeed * 0x1p-32L;
}

long double RandG(double mean, double deviation)
{
    long double u;
    long double s;
    do {
        u = 2.0L * Random() - 1.0L;
        const long double v = 2.0L * Random() - 1.0L;
        s = u * u + v * v;
    } while (s >= 1.0L);
    return x87::SquareRoot(-2.0L * x87::NaturalLogarithm(s) / s) * u * deviation + mean;
}

}  // namespace engine
