#pragma once
// The console output of parser_bench, followed by a summary: per expression the median CPU
// time of evaluation and compilation for both engines in both modes, and the lookup costs.
// Without repetitions the single run stands in for the median.
#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace parserbench {

struct TBenchExpression {
    std::string Text;
    int Terms;  // operands, operators and function names
};

// The benchmark names the table reads, for expression `number` (1-based) and a mode.
std::string EvalName(int number, const char* mode);
std::string CompileName(int number, const char* mode);
std::string LookupName(int stored);

inline constexpr const char* OursFolded = "ours_folded";
inline constexpr const char* OursUnfolded = "ours_unfolded";
inline constexpr const char* PeerOptimized = "muparser_optimized";
inline constexpr const char* PeerPlain = "muparser_plain";

class TComparisonTable : public benchmark::ConsoleReporter {
public:
    TComparisonTable(std::vector<TBenchExpression> expressions, std::vector<int> lookupSizes);

    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

private:
    // The median CPU time in ns of the benchmark, or a negative value when it did not run.
    double Nanoseconds(const std::string& name) const;
    void PrintExpressions() const;
    void PrintEvaluation() const;
    void PrintCompilation() const;
    void PrintLookup() const;

    std::vector<TBenchExpression> FExpressions;
    std::vector<int> FLookupSizes;
    std::map<std::string, double> FMedians;
    std::map<std::string, double> FSingleRuns;
};

}  // namespace parserbench
