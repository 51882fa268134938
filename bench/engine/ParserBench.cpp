// The standard expression parser against muparser on the same expressions: evaluation with
// our folding and muparser's optimizer on and off, compilation in both modes, and the cost of
// AddExpression on a text already stored. A summary table follows the usual output.
// Run (bench/README.md):
//   build/bench/parser_bench --benchmark_repetitions=5 --benchmark_enable_random_interleaving=true
#include <benchmark/benchmark.h>
#include <muParser.h>

#include <cctype>
#include <cmath>
#include <iostream>
#include <memory>
#include <numbers>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ComparisonTable.h"
#include "engine/ExpressionParser.h"

namespace {

using namespace parserbench;

const char* const ExpressionTexts[] = {
    "a+1",
    "(2*a+1)*3",
    "1.1*a^2 + 2.2*b^3 + 3.3*c^4",
    "(((((((7*a+6)*a+5)*a+4)*a+3)*a+2)*a+1)*a+0.1)",
    "7*a^7+6*a^6+5*a^5+4*a^4+3*a^3+2*a^2+1*a^1+0.1",
    "sqrt(a^2+b^2)",
    "(5.5+a)+(2*a-2/3*b)*(a/3+b/4)+(c+7.7)",
    "sin(a)",
    "a+(cos(b-sin(2/a*pi))-sin(a-cos(2*b/pi)))-b",
    "abs(sin(sqrt(a^2+b^2))*255)",
    "(0.1*a+1)*a+1.1-sin(a)-ln(a)/a*3/4",
    "(a^2 / sin(2 * pi / b)) -a / 2",
    "1/(a*sqrt(2*pi))*exp(-0.5*((b-a)/a)^2)",
    "(10+sqrt(a))<(sin(8)^2)",
    "(1000*3)-(100-3)*3/2",
};

const std::vector<int> LookupSizes{10, 1000, 100000};

constexpr double InitialA = 1.1;
constexpr double InitialB = 2.2;
constexpr double InitialC = 3.3;

// Operands, operators and function names; brackets and spaces do not count.
int CountTerms(std::string_view text)
{
    const auto isOperand = [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '.';
    };
    const auto isOperator = [](char c) {
        return std::string_view("+-*/^<>=").find(c) != std::string_view::npos;
    };
    int terms = 0;
    for (std::size_t i = 0; i < text.size();) {
        if (isOperand(text[i]) || isOperator(text[i])) {
            const bool operand = isOperand(text[i]);
            ++terms;
            while (i < text.size() && (operand ? isOperand(text[i]) : isOperator(text[i])))
                ++i;
        } else {
            ++i;
        }
    }
    return terms;
}

std::unique_ptr<TExpressionParser> NewParser(bool fold)
{
    auto parser = TCustomExpressionParser::Create<TExpressionParser>();
    parser->FoldConstants = fold;
    return parser;
}

// One of our compiled expressions, with the addresses of its variables' values; a variable
// the expression does not use gets a stand-in, so that the swapping is the same for all.
class TOurExpression {
public:
    TOurExpression(const std::string& text, bool fold)
        : FParser(NewParser(fold)), FIndex(FParser->AddExpression(text)),
          A(Variable("a", FStandIns[0])), B(Variable("b", FStandIns[1])),
          C(Variable("c", FStandIns[2]))
    {
        *A = InitialA;
        *B = InitialB;
        *C = InitialC;
    }

    double Evaluate() { return FParser->ExpressionValue(FIndex); }

private:
    double* Variable(std::string_view name, double& standIn)
    {
        const auto [found, index] = FParser->Vocabulary.FindKey(name);
        return found ? FParser->Vocabulary.Items(index)->ValuePtr() : &standIn;
    }

    std::unique_ptr<TExpressionParser> FParser;
    const int FIndex;
    double FStandIns[3] = {};

public:
    double* const A;
    double* const B;
    double* const C;
};

// A muparser expression, compiled by its first evaluation.
class TPeerExpression {
public:
    TPeerExpression(const std::string& text, bool optimize)
    {
        Parser.DefineConst("pi", std::numbers::pi);
        Parser.DefineVar("a", &FValues[0]);
        Parser.DefineVar("b", &FValues[1]);
        Parser.DefineVar("c", &FValues[2]);
        Parser.EnableOptimizer(optimize);
        Parser.SetExpr(text);
        Parser.Eval();
    }
    TPeerExpression(const TPeerExpression&) = delete;
    TPeerExpression& operator=(const TPeerExpression&) = delete;

    double Evaluate() const { return Parser.Eval(); }

    mu::Parser Parser;

private:
    double FValues[3] = {InitialA, InitialB, InitialC};

public:
    double* const A = &FValues[0];
    double* const B = &FValues[1];
    double* const C = &FValues[2];
};

template <class TExpression>
void Evaluate(benchmark::State& state, TExpression& expression)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(expression.Evaluate());
        std::swap(*expression.A, *expression.B);
    }
}

// Compile replaces the current chain without releasing it; each run releases its own. Every
// compilation also adds its literals to the parser's constants, so a fresh parser now and
// then keeps that store at a working size.
void CompileOurs(benchmark::State& state, const std::string& text, bool fold)
{
    constexpr int CompilationsPerParser = 1000;
    auto parser = NewParser(fold);
    int compilations = 0;
    for (auto _ : state) {
        parser->Compile(text);
        TCustomExpressionParser::ReleaseChain(std::exchange(parser->CurrentExpression, nullptr));
        if (++compilations == CompilationsPerParser) {
            state.PauseTiming();
            parser = NewParser(fold);
            compilations = 0;
            state.ResumeTiming();
        }
    }
}

// SetExpr drops the bytecode; the first evaluation parses the text again.
void CompilePeer(benchmark::State& state, const std::string& text, bool optimize)
{
    TPeerExpression expression(text, optimize);
    for (auto _ : state) {
        expression.Parser.SetExpr(text);
        benchmark::DoNotOptimize(expression.Parser.Eval());
    }
}

// Finds the text added last, which a scan of the list would reach last. The texts are as long
// as a typical calculation, "1250.00*1.19+35.50".
void Lookup(benchmark::State& state, int stored)
{
    auto parser = NewParser(true);
    std::string text;
    for (int i = 0; i < stored; ++i) {
        text = "1250.00*1.19+" + std::to_string(100000 + i);
        parser->AddExpression(text);
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(parser->AddExpression(text));
}

// Compiles the text (folded or optimized, or neither) and measures its evaluation.
template <class TExpression>
void CompileAndEvaluate(benchmark::State& state, const std::string& text, bool optimized)
{
    TExpression expression(text, optimized);
    Evaluate(state, expression);
}

void RegisterBenchmarks()
{
    using benchmark::RegisterBenchmark;
    const auto evaluateOurs = CompileAndEvaluate<TOurExpression>;
    const auto evaluatePeer = CompileAndEvaluate<TPeerExpression>;
    int n = 0;
    for (const std::string text : ExpressionTexts) {
        ++n;
        RegisterBenchmark(EvalName(n, OursFolded).c_str(), evaluateOurs, text, true);
        RegisterBenchmark(EvalName(n, OursUnfolded).c_str(), evaluateOurs, text, false);
        RegisterBenchmark(EvalName(n, PeerOptimized).c_str(), evaluatePeer, text, true);
        RegisterBenchmark(EvalName(n, PeerPlain).c_str(), evaluatePeer, text, false);
        RegisterBenchmark(CompileName(n, OursFolded).c_str(), CompileOurs, text, true);
        RegisterBenchmark(CompileName(n, OursUnfolded).c_str(), CompileOurs, text, false);
        RegisterBenchmark(CompileName(n, PeerOptimized).c_str(), CompilePeer, text, true);
        RegisterBenchmark(CompileName(n, PeerPlain).c_str(), CompilePeer, text, false);
    }
    for (const int stored : LookupSizes)
        benchmark::RegisterBenchmark(LookupName(stored).c_str(), Lookup, stored);
}

bool Agree(double ours, double peer)
{
    return std::fabs(ours - peer) <= 1e-12 * std::fmax(1.0, std::fabs(peer));
}

// A benchmark of an expression the engines read differently would compare nothing.
bool EnginesAgree()
{
    bool agree = true;
    for (const std::string text : ExpressionTexts) {
        const double reference = TPeerExpression(text, false).Evaluate();
        const double values[] = {TOurExpression(text, true).Evaluate(),
                                 TOurExpression(text, false).Evaluate(),
                                 TPeerExpression(text, true).Evaluate()};
        for (const double value : values) {
            if (!Agree(value, reference)) {
                std::cerr << "the engines disagree on " << text << ": " << value << " against "
                          << reference << '\n';
                agree = false;
            }
        }
    }
    return agree;
}

std::vector<TBenchExpression> BenchExpressions()
{
    std::vector<TBenchExpression> expressions;
    for (const std::string text : ExpressionTexts)
        expressions.push_back({text, CountTerms(text)});
    return expressions;
}

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    if (!EnginesAgree())
        return 1;
    RegisterBenchmarks();
    TComparisonTable table(BenchExpressions(), LookupSizes);
    benchmark::RunSpecifiedBenchmarks(&table);
    benchmark::Shutdown();
    return 0;
}
