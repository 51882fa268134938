// Compilation after tree building (argument check, folding, linking), execution, and the
// replacement of words in compiled chains.
#include "engine/ParseExpr.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "engine/CheckedChain.h"
#include "platform/FloatFaults.h"
#include "platform/LocaleSeparators.h"

namespace {

// The first child slot below the word's argument count that still holds a record.
TExprRecord** NextChild(TExprRecord* record)
{
    const int count = record->Word->ArgumentCount();
    for (int slot = 0; slot < count; ++slot)
        if (record->Children[slot])
            return &record->Children[slot];
    return nullptr;
}

// Arguments beyond the word's argument count are built but never run.
void ReleaseSurplusChildren(TExprRecord* record) noexcept
{
    for (int slot = std::max(record->Word->ArgumentCount(), 0); slot < MaxArgs; ++slot)
        TCustomExpressionParser::ReleaseTree(std::exchange(record->Children[slot], nullptr));
}

bool EndsInBoolean(const TExprRecord* first)
{
    if (!first)
        return false;
    while (first->Next)
        first = first->Next;
    return first->Word->ResultKind() == wkBoolean;
}

}  // namespace

TCustomExpressionParser::TCustomExpressionParser(TConstruction)
    : DecimalMark(platform::DecimalSeparator()), ArgumentSeparator(platform::ListSeparator())
{
}

TCustomExpressionParser::~TCustomExpressionParser() { ReleaseChain(CurrentExpression); }

bool TCustomExpressionParser::Compile(std::string_view text)
{
    std::unique_ptr<TExprCollection> words = Tokenize(text);
    CheckAndResolve(*words);
    TTreePtr root = BuildTree(std::move(words), text);
    CurrentExpression = nullptr;
    ChainTail = nullptr;
    if (!ArgumentsComplete(root.get()))
        RaiseMathError("Syntax error: function or operand has too few arguments");
    CheckOperands(root.get());
    if (FoldConstants)
        root = FoldTree(std::move(root));
    if (IsConstantWord(root->Word))
        CurrentExpression = ChainTail = root.release();
    else
        LinkRecords(root.release());
    return true;
}

bool TCustomExpressionParser::ArgumentsComplete(const TExprRecord* root)
{
    std::vector<const TExprRecord*> pending{root};
    while (!pending.empty()) {
        const TExprRecord* record = pending.back();
        pending.pop_back();
        const int count = record->Word->ArgumentCount();
        for (int slot = 0; slot < count; ++slot) {
            if (!record->Children[slot])
                return false;
            pending.push_back(record->Children[slot]);
        }
    }
    return true;
}

// Rejects, before anything runs, the records that have nothing to compute: a separator or
// bracket left alone, and a string literal where a number is needed.
void TCustomExpressionParser::CheckOperands(const TExprRecord* root)
{
    std::vector<const TExprRecord*> pending{root};
    while (!pending.empty()) {
        const TExprRecord* record = pending.back();
        pending.pop_back();
        const TExprWord& word = *record->Word;
        if (!record->Eval)
            RaiseMathError(word.Name + " is not an operand");
        if (IsConstantWord(&word) && !record->Args[0])
            RaiseMathError(word.Name + " is a string, not a number");
        for (int slot = word.ArgumentCount() - 1; slot >= 0; --slot)
            pending.push_back(record->Children[slot]);
    }
}

// Evaluates every subtree that holds no varying word into one constant record. The
// subtrees are taken in the order of a walk from the root, children left to right, so that
// the first failing one raises its error; the tree is listed first with each subtree's size
// and whether it contains a varying word, which keeps folding linear.
TCustomExpressionParser::TTreePtr TCustomExpressionParser::FoldTree(TTreePtr root)
{
    struct TNode {
        TExprRecord* Record;
        int Parent;  // index in the listing, -1 for the root
        int Slot;
        int Size;
        bool ContainsVarying;
    };
    std::vector<TNode> nodes;
    std::vector<TNode> pending{{root.get(), -1, 0, 1, false}};
    while (!pending.empty()) {
        TNode node = pending.back();
        pending.pop_back();
        node.ContainsVarying = node.Record->Word->IsVarying();
        nodes.push_back(node);
        const int self = static_cast<int>(nodes.size()) - 1;
        for (int slot = node.Record->Word->ArgumentCount() - 1; slot >= 0; --slot)
            pending.push_back({node.Record->Children[slot], self, slot, 1, false});
    }
    for (std::size_t k = nodes.size() - 1; k > 0; --k) {
        TNode& parent = nodes[nodes[k].Parent];
        parent.Size += nodes[k].Size;
        parent.ContainsVarying = parent.ContainsVarying || nodes[k].ContainsVarying;
    }

    for (std::size_t k = 0; k < nodes.size();) {
        const TNode& node = nodes[k];
        if (node.ContainsVarying) {
            ++k;
            continue;
        }
        if (!IsConstantWord(node.Record->Word)) {
            TExprRecord** place = node.Parent < 0 ? nullptr
                                                  : &nodes[node.Parent].Record->Children[node.Slot];
            TTreePtr subtree(place ? std::exchange(*place, nullptr) : root.release());
            TExprRecord* folded = FoldedRecord(std::move(subtree));
            if (place)
                *place = folded;
            else
                root.reset(folded);
        }
        k += node.Size;
    }
    return root;
}

TExprRecord* TCustomExpressionParser::FoldedRecord(TTreePtr subtree)
{
    bool isBoolean = false;
    const double value = EvaluateSubtree(std::move(subtree), isBoolean);
    std::unique_ptr<TDoubleConstant> word = isBoolean ? std::make_unique<TBooleanConstant>("", value)
                                                      : std::make_unique<TDoubleConstant>("", value);
    TExprRecord* record = NewRecord();
    record->Word = word.get();
    record->Eval = word->EvalRoutine;
    record->Args[0] = word->ValuePtr();
    Constants.Add(word.release());
    return record;
}

double TCustomExpressionParser::EvaluateSubtree(TTreePtr record, bool& isBoolean)
{
    CurrentExpression = ChainTail = nullptr;
    if (IsConstantWord(record->Word))
        CurrentExpression = ChainTail = record.release();
    else
        LinkRecords(record.release());
    const TChainPtr chain(std::exchange(CurrentExpression, nullptr));
    ChainTail = nullptr;
    isBoolean = EndsInBoolean(chain.get());
    return ExecuteChain(chain.get());
}

// A walk in post-order, children left to right. The records' Next fields, unused in a tree,
// hold the walk's stack until each record joins the chain, so linking allocates nothing.
double* TCustomExpressionParser::LinkRecords(TExprRecord* root) noexcept
{
    double* address = nullptr;
    root->Next = nullptr;
    TExprRecord* stack = root;
    while (stack) {
        TExprRecord* record = stack;
        if (TExprRecord** child = NextChild(record)) {
            (*child)->Next = stack;
            stack = *child;
            continue;
        }
        stack = record->Next;
        ReleaseSurplusChildren(record);
        if (IsConstantWord(record->Word)) {
            address = record->Args[0];
            delete record;
        } else {
            AppendToChain(record);
            address = &record->Result;
        }
        if (stack) {
            TExprRecord** slot = NextChild(stack);
            stack->Args[slot - stack->Children] = address;
            *slot = nullptr;
        }
    }
    return address;
}

void TCustomExpressionParser::AppendToChain(TExprRecord* record) noexcept
{
    record->Next = nullptr;
    record->Checkpoint = record->Word->HasSideEffects();
    if (CurrentExpression)
        ChainTail->Next = record;
    else
        CurrentExpression = record;
    ChainTail = record;
}

double TCustomExpressionParser::ExecuteChain(TExprRecord* first)
{
    if (!first)
        return NegativeNaN;
    const auto run = [](TExprRecord& record) { record.Eval(&record); };
    const auto isCheckpoint = [](const TExprRecord& record) { return record.Checkpoint; };
    try {
        return engine::ExecuteCheckedChain(first, run, isCheckpoint)->Result;
    } catch (const platform::Exception&) {
        // The fault has been reported; no later test of the flags may see it again.
        platform::ClearFloatFaults();
        throw;
    }
}

bool TCustomExpressionParser::ResultIsBoolean() const { return EndsInBoolean(CurrentExpression); }

void TCustomExpressionParser::CheckReplacement(TExprWord* oldWord, TExprWord* newWord)
{
    if (oldWord->ArgumentCount() != newWord->ArgumentCount())
        throw platform::Exception(
            "Error in math expression: Cannot replace variable/function NFuntionArg doesn't match");
    double* const oldValue = oldWord->ValuePtr();
    double* const newValue = newWord->ValuePtr();
    // Records that read the old word's value, or run its routine, need the same of the new one.
    if ((oldValue && !newValue) || (oldWord->EvalRoutine && !newWord->EvalRoutine))
        throw platform::Exception("Error in math expression: Cannot replace variable/function " +
                                  oldWord->Name + " by " + newWord->Name);
}

void TCustomExpressionParser::RelinkWord(TExprWord* oldWord, TExprWord* newWord)
{
    CheckReplacement(oldWord, newWord);
    double* const oldValue = oldWord->ValuePtr();
    double* const newValue = newWord->ValuePtr();
    for (TExprRecord* record = CurrentExpression; record; record = record->Next) {
        if (record->Word == oldWord) {
            record->Word = newWord;
            record->Eval = newWord->EvalRoutine;
            record->Checkpoint = newWord->HasSideEffects();
        }
        if (!oldValue)
            continue;
        // A chain that is one constant record reads the value in its first slot.
        const int slots = IsConstantWord(record->Word) ? 1 : record->Word->ArgumentCount();
        for (int slot = 0; slot < slots; ++slot)
            if (record->Args[slot] == oldValue)
                record->Args[slot] = newValue;
    }
}

void TCustomExpressionParser::ReplaceWord(std::string_view oldName,
                                          std::unique_ptr<TExprWord> newWord)
{
    if (const auto [found, index] = Vocabulary.FindKey(oldName); found) {
        if (!newWord)
            throw platform::Exception("Error in math expression: Cannot remove variable/function " +
                                      std::string(oldName));
        RelinkWord(Vocabulary.Items(index), newWord.get());
        Vocabulary.DisposeAt(index);
    }
    if (!newWord)
        return;
    // With its name already taken, the new word stays out of the vocabulary; chains may have
    // been repointed to it, so the parser keeps it alive.
    if (Vocabulary.FindKey(newWord->Name).Found) {
        Constants.Add(newWord.get());
    } else {
        Vocabulary.InsertItem(newWord.get());
    }
    newWord.release();
}

void TCustomExpressionParser::DefineStringWord(std::unique_ptr<TSimpleStringFunction> word)
{
    const std::string name = word->Name;
    ReplaceWord(name, std::move(word));
}

void TCustomExpressionParser::DefineStringFunction(std::string_view name, std::string description,
                                                   TStringRoutine routine)
{
    DefineStringWord(
        std::make_unique<TSimpleStringFunction>(name, std::move(description), routine, nullptr));
}

int TCustomExpressionParser::AddExpression(std::string_view text)
{
    if (text.empty())
        return -1;
    Compile(text);
    return 0;
}

void TCustomExpressionParser::ClearExpressions()
{
    ReleaseChain(CurrentExpression);
    CurrentExpression = ChainTail = nullptr;
}

TExprRecord* TCustomExpressionParser::NewRecord() { return new TExprRecord{}; }

// The tree's Next fields, unused until linking, hold the records still to be freed.
void TCustomExpressionParser::ReleaseTree(TExprRecord* root) noexcept
{
    if (!root)
        return;
    root->Next = nullptr;
    for (TExprRecord* pending = root; pending;) {
        TExprRecord* record = pending;
        pending = record->Next;
        for (TExprRecord* child : record->Children) {
            if (child) {
                child->Next = pending;
                pending = child;
            }
        }
        delete record;
    }
}

void TCustomExpressionParser::ReleaseChain(TExprRecord* first) noexcept
{
    while (first)
        delete std::exchange(first, first->Next);
}
