#include "ComparisonTable.h"

#include <algorithm>
#include <cstdio>
#include <ostream>
#include <utility>

namespace parserbench {
namespace {

std::string Numbered(const char* kind, int number, const char* mode)
{
    char name[64];
    std::snprintf(name, sizeof name, "%s/%02d/%s", kind, number, mode);
    return name;
}

// A figure, or "-" for a benchmark that did not run.
std::string Figure(double value, const char* format = "%.1f")
{
    if (value < 0)
        return "-";
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

std::string Ratio(double ours, double peer)
{
    return ours < 0 || peer <= 0 ? "-" : Figure(ours / peer, "%.2f");
}

// "met", or the numbers of the expressions where ours is slower than the peer; pairs that did
// not both run are listed apart.
template <class Pairs>
std::string Verdict(int count, Pairs pairsOf)
{
    std::string missed;
    std::string unmeasured;
    const auto append = [](std::string& list, int number) {
        list += (list.empty() ? "" : ", ") + std::to_string(number);
    };
    for (int number = 1; number <= count; ++number) {
        for (const auto& [ours, peer] : pairsOf(number)) {
            if (ours < 0 || peer < 0) {
                append(unmeasured, number);
                break;
            }
            if (ours > peer) {
                append(missed, number);
                break;
            }
        }
    }
    std::string verdict = missed.empty() ? "met" : "missed on " + missed;
    return unmeasured.empty() ? verdict : verdict + "; not measured on " + unmeasured;
}

}  // namespace

std::string EvalName(int number, const char* mode) { return Numbered("eval", number, mode); }
std::string CompileName(int number, const char* mode) { return Numbered("compile", number, mode); }
std::string LookupName(int stored) { return "lookup/" + std::to_string(stored); }

TComparisonTable::TComparisonTable(std::vector<TBenchExpression> expressions,
                                   std::vector<int> lookupSizes)
    : FExpressions(std::move(expressions)), FLookupSizes(std::move(lookupSizes))
{
}

void TComparisonTable::ReportRuns(const std::vector<Run>& runs)
{
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.error_occurred)
            continue;
        const double nanoseconds =
            run.GetAdjustedCPUTime() * 1e9 / benchmark::GetTimeUnitMultiplier(run.time_unit);
        if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
            FMedians[run.run_name.function_name] = nanoseconds;
        else if (run.run_type == Run::RT_Iteration)
            FSingleRuns[run.run_name.function_name] = nanoseconds;
    }
}

double TComparisonTable::Nanoseconds(const std::string& name) const
{
    if (const auto median = FMedians.find(name); median != FMedians.end())
        return median->second;
    const auto single = FSingleRuns.find(name);
    return single == FSingleRuns.end() ? -1 : single->second;
}

void TComparisonTable::Finalize()
{
    ConsoleReporter::Finalize();
    PrintExpressions();
    PrintEvaluation();
    PrintCompilation();
    PrintLookup();
}

void TComparisonTable::PrintExpressions() const
{
    std::ostream& out = GetOutputStream();
    out << "\nExpressions (a = 1.1, b = 2.2, c = 3.3; a and b swapped after each evaluation)\n";
    for (std::size_t i = 0; i < FExpressions.size(); ++i)
        out << Figure(static_cast<double>(i + 1), "%3.0f") << "  " << FExpressions[i].Text << '\n';
}

void TComparisonTable::PrintEvaluation() const
{
    std::ostream& out = GetOutputStream();
    char line[160];
    out << "\nEvaluation, ns per evaluation (median CPU time)\n";
    std::snprintf(line, sizeof line, "%3s | %8s %9s %6s | %8s %9s %6s\n", "#", "folded",
                  "mu+opt", "ratio", "unfolded", "mu-opt", "ratio");
    out << line;
    const int count = static_cast<int>(FExpressions.size());
    for (int n = 1; n <= count; ++n) {
        const double folded = Nanoseconds(EvalName(n, OursFolded));
        const double optimized = Nanoseconds(EvalName(n, PeerOptimized));
        const double unfolded = Nanoseconds(EvalName(n, OursUnfolded));
        const double plain = Nanoseconds(EvalName(n, PeerPlain));
        std::snprintf(line, sizeof line, "%3d | %8s %9s %6s | %8s %9s %6s\n", n,
                      Figure(folded).c_str(), Figure(optimized).c_str(),
                      Ratio(folded, optimized).c_str(), Figure(unfolded).c_str(),
                      Figure(plain).c_str(), Ratio(unfolded, plain).c_str());
        out << line;
    }
    const auto pairsOf = [this](const char* ours, const char* peer) {
        return [this, ours, peer](int n) {
            return std::vector{std::pair{Nanoseconds(EvalName(n, ours)),
                                         Nanoseconds(EvalName(n, peer))}};
        };
    };
    out << "folded at or below muparser with optimizer: "
        << Verdict(count, pairsOf(OursFolded, PeerOptimized)) << '\n'
        << "unfolded at or below muparser without optimizer: "
        << Verdict(count, pairsOf(OursUnfolded, PeerPlain)) << '\n';
}

void TComparisonTable::PrintCompilation() const
{
    std::ostream& out = GetOutputStream();
    char line[160];
    out << "\nCompilation, ns from the text to the linked chain or bytecode (median CPU time)\n";
    std::snprintf(line, sizeof line, "%3s %5s | %8s %9s | %8s %9s | %8s\n", "#", "terms",
                  "folded", "mu+opt", "unfolded", "mu-opt", "ns/term");
    out << line;
    const int count = static_cast<int>(FExpressions.size());
    double worstPerTerm = 0;
    for (int n = 1; n <= count; ++n) {
        const double folded = Nanoseconds(CompileName(n, OursFolded));
        const double optimized = Nanoseconds(CompileName(n, PeerOptimized));
        const double unfolded = Nanoseconds(CompileName(n, OursUnfolded));
        const double plain = Nanoseconds(CompileName(n, PeerPlain));
        const int terms = FExpressions[static_cast<std::size_t>(n - 1)].Terms;
        const double perTerm = std::max(folded, unfolded) / terms;
        worstPerTerm = std::max(worstPerTerm, perTerm);
        std::snprintf(line, sizeof line, "%3d %5d | %8s %9s | %8s %9s | %8s\n", n, terms,
                      Figure(folded, "%.0f").c_str(), Figure(optimized, "%.0f").c_str(),
                      Figure(unfolded, "%.0f").c_str(), Figure(plain, "%.0f").c_str(),
                      Figure(perTerm, "%.0f").c_str());
        out << line;
    }
    const auto pairsOf = [this](int n) {
        return std::vector{
            std::pair{Nanoseconds(CompileName(n, OursFolded)),
                      Nanoseconds(CompileName(n, PeerOptimized))},
            std::pair{Nanoseconds(CompileName(n, OursUnfolded)),
                      Nanoseconds(CompileName(n, PeerPlain))},
        };
    };
    out << "compiles faster than muparser in the same mode: " << Verdict(count, pairsOf) << '\n'
        << "at most 500 ns per term: " << (worstPerTerm <= 500 ? "met" : "missed") << " (worst "
        << Figure(worstPerTerm, "%.0f") << " ns)\n";
}

void TComparisonTable::PrintLookup() const
{
    std::ostream& out = GetOutputStream();
    char line[80];
    out << "\nAddExpression of a text already stored (median CPU time)\n";
    for (const int stored : FLookupSizes) {
        std::snprintf(line, sizeof line, "%7d texts stored: %6s ns\n", stored,
                      Figure(Nanoseconds(LookupName(stored))).c_str());
        out << line;
    }
}

}  // namespace parserbench
