// The cost of fault testing on a chain of ten additions: a test after every record against
// one test per chain.
#include "engine/CheckedChain.h"

#include "platform/FloatFaults.h"

#include <benchmark/benchmark.h>

#include <array>

namespace {

struct Record {
    void (*Eval)(Record&);
    const double* Args[2];
    double Result;
    Record* Next;
};

void Add(Record& record) { record.Result = static_cast<double>(*record.Args[0] + static_cast<long double>(*record.Args[1])); }

constexpr std::size_t Length = 10;

struct AdditionChain {
    double Operand = 1.1;
    std::array<Record, Length> Records{};

    AdditionChain()
    {
        for (std::size_t i = 0; i < Length; ++i) {
            const double* left = i == 0 ? &Operand : &Records[i - 1].Result;
            Records[i] = {Add, {left, &Operand}, 0, i + 1 < Length ? &Records[i + 1] : nullptr};
        }
    }
};

void TestedPerRecord(benchmark::State& state)
{
    AdditionChain chain;
    for (auto _ : state) {
        for (Record* record = &chain.Records.front(); record; record = record->Next) {
            platform::ClearFloatFaults();
            record->Eval(*record);
            platform::CheckFloatFaults();
        }
        benchmark::DoNotOptimize(chain.Records.back().Result);
    }
}

void TestedPerChain(benchmark::State& state)
{
    AdditionChain chain;
    const auto run = [](Record& record) { record.Eval(record); };
    const auto hasSideEffects = [](const Record&) { return false; };
    for (auto _ : state) {
        engine::ExecuteCheckedChain(&chain.Records.front(), run, hasSideEffects);
        benchmark::DoNotOptimize(chain.Records.back().Result);
    }
}

void Untested(benchmark::State& state)
{
    AdditionChain chain;
    for (auto _ : state) {
        for (Record* record = &chain.Records.front(); record; record = record->Next)
            record->Eval(*record);
        benchmark::DoNotOptimize(chain.Records.back().Result);
    }
}

}  // namespace

BENCHMARK(Untested);
BENCHMARK(TestedPerChain);
BENCHMARK(TestedPerRecord);
