// Tree building by operator priority. Ranges of the one word list stand for the sub-lists
// of words; bracket pairs, bracket depths and the positions of words that take arguments
// are found once, so that stripping brackets and finding the next operator cost no
// rescanning and compiling stays about linear in the length of the text.
#include <algorithm>
#include <climits>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "engine/ParseExpr.h"

namespace {

using TTreePtr = TCustomExpressionParser::TTreePtr;

// Bracket nesting (and operator levels) a text may have: tree building recurses once per
// level, and this keeps the stack small on every thread, sanitizers included.
constexpr int MaxNesting = 1000;

// For a list of values, the first position in a range whose value is at most a bound: a
// tree of minima over the values, searched from the range's start upward and rightward, so
// that a near answer is found in a few steps and a far one in logarithmic time.
class TFirstAtMost {
public:
    explicit TFirstAtMost(const std::vector<int>& values)
    {
        while (FLeaves < values.size())
            FLeaves *= 2;
        FMinimum.assign(2 * FLeaves, INT_MAX);
        std::copy(values.begin(), values.end(), FMinimum.begin() + FLeaves);
        for (std::size_t node = FLeaves - 1; node > 0; --node)
            FMinimum[node] = std::min(FMinimum[2 * node], FMinimum[2 * node + 1]);
    }

    // The first position in [from, to) with a value at most bound, or to.
    int Find(int from, int to, int bound) const
    {
        if (from >= to)
            return to;
        std::size_t node = FLeaves + from;
        // Up and right over the subtrees that follow `from`, to the first holding an answer.
        while (FMinimum[node] > bound) {
            while (node & 1)
                node /= 2;
            if (node == 0)
                return to;
            ++node;
        }
        // Down to that subtree's first answer.
        while (node < FLeaves)
            node = FMinimum[2 * node] <= bound ? 2 * node : 2 * node + 1;
        return std::min(static_cast<int>(node - FLeaves), to);
    }

private:
    std::size_t FLeaves = 1;
    std::vector<int> FMinimum;  // node n covers nodes 2n and 2n + 1; the leaves start at FLeaves
};

class TTreeBuilder {
public:
    TTreeBuilder(std::span<TExprWord* const> words, std::string_view sourceText)
        : FWords(words), FSourceText(sourceText), FMatch(words.size(), -1), FDepth(words.size() + 1),
          FPriority(words.size(), 0), FFunctions(ScanWords())
    {
    }

    TTreePtr Build() const { return BuildRange(0, static_cast<int>(FWords.size()), 0); }

private:
    // Fills the bracket pairs, depths and priorities; returns for each position the depth
    // of a word that takes arguments, INT_MAX for the others.
    std::vector<int> ScanWords()
    {
        std::vector<int> functionDepth(FWords.size(), INT_MAX);
        std::vector<int> open;
        for (std::size_t at = 0; at < FWords.size(); ++at) {
            const TExprWord* word = FWords[at];
            const TWordKind kind = word->ResultKind();
            FDepth[at + 1] = FDepth[at] + (kind == wkLeftBracket ? 1 : kind == wkRightBracket ? -1 : 0);
            if (kind == wkLeftBracket) {
                open.push_back(static_cast<int>(at));
            } else if (kind == wkRightBracket && !open.empty()) {
                FMatch[open.back()] = static_cast<int>(at);
                open.pop_back();
            }
            if (word->ArgumentCount() > 0) {
                functionDepth[at] = FDepth[at];
                const auto* function = dynamic_cast<const TFunction*>(word);
                FPriority[at] = function ? function->Priority : 0;
            }
        }
        return functionDepth;
    }

    bool IsLeftBracket(int at) const { return FWords[at]->ResultKind() == wkLeftBracket; }

    // While the range is one bracketed whole, drops the outer pair.
    void StripOuterBrackets(int& first, int& last) const
    {
        while (last - first >= 2 && IsLeftBracket(first) && FMatch[first] == last - 1) {
            ++first;
            --last;
        }
    }

    // The first position from `from` on, at bracket depth 0 or below counted from there,
    // whose word takes arguments; `last` when there is none.
    int FindNextFunction(int from, int last) const
    {
        return FFunctions.Find(from, last, FDepth[from]);
    }

    TTreePtr BuildRange(int first, int last, int nesting) const
    {
        if (nesting > MaxNesting)
            RaiseMathError("Expression nested too deeply");
        StripOuterBrackets(first, last);
        if (last - first == 1)
            return Leaf(FWords[first]);

        TTreePtr previous;
        for (int start = first;;) {
            int at = FindNextFunction(start, last);
            if (at == last)
                RaiseMathError("Syntax error in expression " + std::string(FSourceText));
            TExprWord* op = FWords[at];
            const int priority = FPriority[at];
            TTreePtr record(TCustomExpressionParser::NewRecord());
            record->Word = op;
            record->Eval = op->EvalRoutine;
            int slot = 0;
            if (!op->IsOperator()) {
                // A function call: whatever stood before it is dropped.
                previous.reset();
                slot = BuildArguments(*record, at, last, nesting);
            } else {
                if (previous)
                    record->SetChild(slot++, previous.release());
                else if (at > start)
                    record->SetChild(slot++, BuildRange(start, at, nesting + 1).release());
            }

            // The right operand runs up to the next operator of equal or larger priority.
            int next = at;
            do
                next = FindNextFunction(next + 1, last);
            while (next != last && FPriority[next] < priority);
            if (next > at + 1)
                Attach(*record, slot, BuildRange(at + 1, next, nesting + 1));

            if (next == last)
                return record;
            previous = std::move(record);
            start = next;
        }
    }

    static TTreePtr Leaf(TExprWord* word)
    {
        TTreePtr record(TCustomExpressionParser::NewRecord());
        record->Word = word;
        record->Eval = word->EvalRoutine;
        if (IsConstantWord(word))
            record->Args[0] = word->ValuePtr();
        return record;
    }

    static void Attach(TExprRecord& record, int slot, TTreePtr child)
    {
        TCustomExpressionParser::ReleaseTree(record.Child(slot));
        record.SetChild(slot, child.release());
    }

    // Builds the bracketed arguments of the function at `at`, which moves to the call's
    // closing bracket. Returns the slot of the last argument.
    int BuildArguments(TExprRecord& record, int& at, int last, int nesting) const
    {
        const std::string& name = FWords[at]->Name;
        if (at + 1 == last || !IsLeftBracket(at + 1))
            RaiseMathError(name + " must be followed by (");
        int slot = 0;
        int start = at + 1;
        int i = start;
        for (int depth = 1; i < last - 1 && depth != 0;) {
            ++i;
            const TWordKind kind = FWords[i]->ResultKind();
            if (kind == wkLeftBracket) {
                // A nested group holds no separator of this call: pass over it at once.
                const int close = FMatch[i];
                i = close >= 0 && close < last ? close : last - 1;
            } else if (kind == wkRightBracket) {
                --depth;
            } else if (kind == wkComma && depth == 1) {
                if (slot == MaxArgs - 1)
                    RaiseMathError(name + " has more than " + std::to_string(MaxArgs) + " arguments");
                record.SetChild(slot++, BuildArgument(name, start + 1, i, nesting).release());
                start = i;
            }
        }
        record.SetChild(slot, BuildArgument(name, start + 1, i, nesting).release());
        at = i;
        return slot;
    }

    TTreePtr BuildArgument(const std::string& function, int first, int last, int nesting) const
    {
        if (first >= last)
            RaiseMathError("Empty argument of " + function);
        return BuildRange(first, last, nesting + 1);
    }

    const std::span<TExprWord* const> FWords;
    const std::string_view FSourceText;
    std::vector<int> FMatch;     // for an opening bracket, its closing bracket; -1 elsewhere
    std::vector<int> FDepth;     // opening minus closing brackets before each position
    std::vector<int> FPriority;  // of the words that take arguments
    const TFirstAtMost FFunctions;
};

}  // namespace

TCustomExpressionParser::TTreePtr TCustomExpressionParser::BuildTree(
    std::unique_ptr<TExprCollection> words, std::string_view sourceText)
{
    if (words->Count() == 0)
        RaiseMathError("Empty expression");
    return TTreeBuilder(words->List(), sourceText).Build();
}
