// The x87 routines against the C library's long double functions they stand in for.
#include "engine/StandardMath.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

using Unary = long double (*)(double);
using Binary = long double (*)(double, double);

void RunUnary(benchmark::State& state, Unary routine, double x)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(x);
        const double result = static_cast<double>(routine(x));
        benchmark::DoNotOptimize(result);
    }
}

void RunBinary(benchmark::State& state, Binary routine, double x, double y)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(x);
        benchmark::DoNotOptimize(y);
        const double result = static_cast<double>(routine(x, y));
        benchmark::DoNotOptimize(result);
    }
}

long double LibrarySin(double x) { return std::sin(static_cast<long double>(x)); }
long double LibraryCos(double x) { return std::cos(static_cast<long double>(x)); }
long double LibraryTan(double x) { return std::tan(static_cast<long double>(x)); }
long double LibraryExp(double x) { return std::exp(static_cast<long double>(x)); }
long double LibraryLn(double x) { return std::log(static_cast<long double>(x)); }
long double LibraryPow(double x, double y)
{
    return std::pow(static_cast<long double>(x), static_cast<long double>(y));
}

}  // namespace

BENCHMARK_CAPTURE(RunUnary, sin, engine::Sin, 1.1);
BENCHMARK_CAPTURE(RunUnary, sin_of_100, engine::Sin, 100.0);
BENCHMARK_CAPTURE(RunUnary, sinl, LibrarySin, 1.1);
BENCHMARK_CAPTURE(RunUnary, cos, engine::Cos, 2.2);
BENCHMARK_CAPTURE(RunUnary, cosl, LibraryCos, 2.2);
BENCHMARK_CAPTURE(RunUnary, tan, engine::Tan, 1.1);
BENCHMARK_CAPTURE(RunUnary, tanl, LibraryTan, 1.1);
BENCHMARK_CAPTURE(RunUnary, exp, engine::Exp, -0.5);
BENCHMARK_CAPTURE(RunUnary, expl, LibraryExp, -0.5);
BENCHMARK_CAPTURE(RunUnary, ln, engine::Ln, 1.1);
BENCHMARK_CAPTURE(RunUnary, logl, LibraryLn, 1.1);
BENCHMARK_CAPTURE(RunUnary, sqrt, engine::Sqrt, 4.84);
BENCHMARK_CAPTURE(RunUnary, tanh, engine::Tanh, 0.5);
BENCHMARK_CAPTURE(RunUnary, factorial_170, engine::Factorial, 170.0);
BENCHMARK_CAPTURE(RunBinary, power_integer_exponent, engine::Power, 1.1, 7.0);
BENCHMARK_CAPTURE(RunBinary, intpower_7, engine::IntPower, 1.1, 7.0);
BENCHMARK_CAPTURE(RunBinary, power_fractional_exponent, engine::Power, 1.1, 2.5);
BENCHMARK_CAPTURE(RunBinary, powl, LibraryPow, 1.1, 2.5);
BENCHMARK_CAPTURE(RunBinary, less, engine::Less, 1.1, 2.2);
BENCHMARK_CAPTURE(RunBinary, equal, engine::Equal, 1.1, 2.2);
BENCHMARK_CAPTURE(RunBinary, div, engine::Div, 7.0, 2.0);
