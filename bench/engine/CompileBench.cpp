// Compile time, from the text to the linked chain (folding off), for texts of 1 KB, 100 KB
// and 1 MB: bytes per second staying level across the sizes shows linear growth.
// Run: build/bin/engine_bench
#include <benchmark/benchmark.h>

#include <string>

#include "TestDialect.h"

namespace {

// The unit repeated, joined by "+", up to about `size` bytes.
std::string Repeated(std::string_view unit, std::size_t size)
{
    std::string text(unit);
    while (text.size() + unit.size() + 1 <= size)
        text.append("+").append(unit);
    return text;
}

std::string Nested(std::size_t size)
{
    const std::size_t depth = (size - 1) / 2;
    return std::string(depth, '(') + "1" + std::string(depth, ')');
}

// Each run compiles into a new parser. One compile before the runs brings the heap to its
// working size, so that the figures leave out the system's first touch of fresh pages.
void Compile(benchmark::State& state, const std::string& text)
{
    TCustomExpressionParser::Create<testdialect::TTestParser>()->AddExpression(text);
    for (auto _ : state) {
        state.PauseTiming();
        auto parser = TCustomExpressionParser::Create<testdialect::TTestParser>();
        parser->FoldConstants = false;
        state.ResumeTiming();
        parser->AddExpression(text);
        state.PauseTiming();
        parser.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void Arithmetic(benchmark::State& state)
{
    Compile(state, Repeated("1+2*3-4", static_cast<std::size_t>(state.range(0))));
}

void BracketGroups(benchmark::State& state)
{
    Compile(state, Repeated("(1+2)*(3-max(4,5))", static_cast<std::size_t>(state.range(0))));
}

void NestedBrackets(benchmark::State& state)
{
    Compile(state, Nested(static_cast<std::size_t>(state.range(0))));
}

constexpr std::int64_t KB = 1024;

BENCHMARK(Arithmetic)->Arg(KB)->Arg(100 * KB)->Arg(1024 * KB)->Unit(benchmark::kMicrosecond);
BENCHMARK(BracketGroups)->Arg(KB)->Arg(100 * KB)->Arg(1024 * KB)->Unit(benchmark::kMicrosecond);
BENCHMARK(NestedBrackets)->Arg(KB)->Arg(100 * KB)->Arg(1024 * KB)->Unit(benchmark::kMicrosecond);

}  // namespace
