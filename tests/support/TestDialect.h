#pragma once
// A small dialect for testing and measuring the engine core: brackets, the separator, four
// operator priorities, prefix signs, a prefix "not", a postfix "!", functions of one and two
// arguments, a varying function and a string function. It keeps every chain it compiles.
#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/ParseExpr.h"

namespace testdialect {

inline long double Arg(const TExprRecord* Rec, int i) { return *Rec->Args[i]; }

inline void Add(TExprRecord* Rec) { Rec->Result = static_cast<double>(Arg(Rec, 0) + Arg(Rec, 1)); }
inline void Subtract(TExprRecord* Rec) { Rec->Result = static_cast<double>(Arg(Rec, 0) - Arg(Rec, 1)); }
inline void Multiply(TExprRecord* Rec) { Rec->Result = static_cast<double>(Arg(Rec, 0) * Arg(Rec, 1)); }
inline void Divide(TExprRecord* Rec) { Rec->Result = static_cast<double>(Arg(Rec, 0) / Arg(Rec, 1)); }
inline void Power(TExprRecord* Rec) { Rec->Result = static_cast<double>(std::pow(Arg(Rec, 0), Arg(Rec, 1))); }
inline void Negate(TExprRecord* Rec) { Rec->Result = static_cast<double>(-Arg(Rec, 0)); }
inline void Identity(TExprRecord* Rec) { Rec->Result = *Rec->Args[0]; }
inline void Factorial(TExprRecord* Rec)
{
    long double product = 1;
    for (int factor = 2; factor <= static_cast<int>(Arg(Rec, 0)); ++factor)
        product *= factor;
    Rec->Result = static_cast<double>(product);
}
inline void Not(TExprRecord* Rec) { Rec->Result = Arg(Rec, 0) == 0 ? 1 : 0; }
inline void Equal(TExprRecord* Rec) { Rec->Result = Arg(Rec, 0) == Arg(Rec, 1) ? 1 : 0; }
inline void Assign(TExprRecord* Rec) { Rec->Result = *Rec->Args[0] = *Rec->Args[1]; }
inline void Max(TExprRecord* Rec) { Rec->Result = std::max(*Rec->Args[0], *Rec->Args[1]); }
inline void Sine(TExprRecord* Rec) { Rec->Result = static_cast<double>(std::sin(Arg(Rec, 0))); }
// Counts its own evaluations: 1, 2, 3, ...
inline void Tick(TExprRecord* Rec) { Rec->Result += 1; }
// The 1-based position of the first text in the second, 0 when absent.
inline long double Position(std::string_view first, std::string_view second)
{
    const std::size_t at = second.find(first);
    return first.empty() || at == std::string_view::npos ? 0 : static_cast<long double>(at + 1);
}

class TTestParser : public TCustomExpressionParser {
public:
    explicit TTestParser(TConstruction construction) : TCustomExpressionParser(construction) {}
    ~TTestParser() override { ClearExpressions(); }

    // The internal steps, for the tests that look at them.
    using TCustomExpressionParser::ArgumentsComplete;
    using TCustomExpressionParser::BuildTree;
    using TCustomExpressionParser::CheckAndResolve;
    using TCustomExpressionParser::Tokenize;

    int AddExpression(std::string_view text) override
    {
        if (TCustomExpressionParser::AddExpression(text) < 0)
            return -1;
        FChains.emplace_back(CurrentExpression);
        FTexts.emplace_back(text);
        return static_cast<int>(FChains.size()) - 1;
    }

    void ClearExpressions() override
    {
        FChains.clear();
        FTexts.clear();
        CurrentExpression = ChainTail = nullptr;
    }

    void RelinkWord(TExprWord* oldWord, TExprWord* newWord) override
    {
        for (const TChainPtr& chain : FChains) {
            CurrentExpression = chain.get();
            TCustomExpressionParser::RelinkWord(oldWord, newWord);
        }
        if (FChains.empty())
            TCustomExpressionParser::RelinkWord(oldWord, newWord);
    }

    TExprRecord* Chain(int index) const { return FChains.at(index).get(); }

    std::string CurrentExpressionText() const override { return FTexts.empty() ? "" : FTexts.back(); }

    // Compiles the text and runs it.
    double Evaluate(std::string_view text)
    {
        AddExpression(text);
        return ExecuteChain(CurrentExpression);
    }

protected:
    void BuildVocabulary() override
    {
        Insert(std::make_unique<TLeftBracket>("("));
        Insert(std::make_unique<TRightBracket>(")"));
        Insert(std::make_unique<TComma>(std::string(1, ArgumentSeparator)));
        Insert(std::make_unique<TConstant>("pi", "pi", 3.141592653589793));
        Insert(std::make_unique<TFunction>("!", Factorial, 1, true, 10));
        Insert(std::make_unique<TFunction>("-@", Negate, 1, true, 10));
        Insert(std::make_unique<TFunction>("+@", Identity, 1, true, 10));
        Insert(std::make_unique<TFunction>("^", Power, 2, true, 20));
        Insert(std::make_unique<TFunction>("^@", Power, 2, true, 20));
        Insert(std::make_unique<TFunction>("*", Multiply, 2, true, 30));
        Insert(std::make_unique<TFunction>("/", Divide, 2, true, 30));
        Insert(std::make_unique<TFunction>("+", Add, 2, true, 40));
        Insert(std::make_unique<TFunction>("-", Subtract, 2, true, 40));
        Insert(std::make_unique<TBooleanFunction>("=", Equal, 2, true, 50));
        Insert(std::make_unique<TBooleanFunction>("not", Not, 1, true, 60));
        Insert(std::make_unique<TFunction>(":=", Assign, 2, true, 200, TStoring::IntoFirstOperand));
        Insert(std::make_unique<TFunction>("max", "the larger", Max, 2));
        Insert(std::make_unique<TFunction>("sin", "sine", Sine, 1));
        Insert(std::make_unique<TVaryingFunction>("tick", "counts", Tick, 0));
        DefineStringFunction("pos", "position", Position);
    }

private:
    void Insert(std::unique_ptr<TExprWord> word)
    {
        Vocabulary.InsertItem(word.get());
        word.release();
    }

    std::vector<TChainPtr> FChains;
    std::vector<std::string> FTexts;
};

}  // namespace testdialect
