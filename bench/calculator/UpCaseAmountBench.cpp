#include "calculator/UpCaseAmount.h"

#include <benchmark/benchmark.h>

namespace {

// Short, medium and full-length amounts, with and without runs of zeros.
void BM_AmountToUpCase(benchmark::State& state, double amount)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(calculator::AmountToUpCase(amount));
}

BENCHMARK_CAPTURE(BM_AmountToUpCase, zero, 0.0);
BENCHMARK_CAPTURE(BM_AmountToUpCase, cents, 0.55);
BENCHMARK_CAPTURE(BM_AmountToUpCase, thousands, 2854.50);
BENCHMARK_CAPTURE(BM_AmountToUpCase, hundred_million, 100000000.00);
BENCHMARK_CAPTURE(BM_AmountToUpCase, sparse_trillion, 1000100000000.00);
BENCHMARK_CAPTURE(BM_AmountToUpCase, full_field, 9999999999999.99);

}  // namespace

BENCHMARK_MAIN();
