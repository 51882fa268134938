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

// Whether a tree record keeps child records in its slots: all but constant leaves do.
bool HoldsChildren(const TExprRecord* record)
{
    return record->Word && !IsConstantWord(record->Word);
}

// Arguments beyond the word's argument count are built but never run.
void ReleaseSurplusChildren(TExprRecord* record) noexcept
{
    if (!HoldsChildren(record))
        return;
    for (int slot = std::max(record->Word->ArgumentCount(), 0); slot < MaxArgs; ++slot) {
        TCustomExpressionParser::ReleaseTree(record->Child(slot));
        record->SetChild(slot, nullptr);
    }
}

// The slot that holds the child; the slots before it may already hold linked addresses.
int SlotOf(const TExprRecord* parent, const TExprRecord* child)
{
    int slot = 0;
    while (parent->Child(slot) != child)
        ++slot;
    return slot;
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
            if (!record->Child(slot))
                return false;
            pending.push_back(record->Child(slot));
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
            pending.push_back(record->Child(slot));
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
            pending.push_back({node.Record->Child(slot), self, slot, 1, false});
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
            TExprRecord* parent = node.Parent < 0 ? nullptr : nodes[node.Parent].Record;
            TTreePtr subtree(parent ? parent->Child(node.Slot) : root.release());
            if (parent)
                parent->SetChild(node.Slot, nullptr);
            TExprRecord* folded = FoldedRecord(std::move(subtree));
            if (parent)
                parent->SetChild(node.Slot, folded);
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
// lead back up to each record's parent until the record joins the chain, so linking
// allocates nothing.
double* TCustomExpressionParser::LinkRecords(TExprRecord* root) noexcept
{
    root->Next = nullptr;
    TExprRecord* record = root;
    for (;;) {
        while (record->Word->ArgumentCount() > 0) {
            TExprRecord* child = record->Child(0);
            child->Next = record;
            record = child;
        }
        for (;;) {
            TExprRecord* parent = record->Next;
            const int slot = parent ? SlotOf(parent, record) : 0;
            double* address;
            ReleaseSurplusChildren(record);
            if (IsConstantWord(record->Word)) {
                address = record->Args[0];
                delete record;
            } else {
                AppendToChain(record);
                address = &record->Result;
            }
            if (!parent)
                return address;
            parent->Args[slot] = address;
            if (slot + 1 < parent->Word->ArgumentCount()) {
                record = parent->Child(slot + 1);
                record->Next = parent;
                break;
            }
            record = parent;
        }
    }
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
    // A chain of one constant record copies the constant's value (as CopyValueRoutine does),
    // which cannot fault: nothing to test.
    if (!first->Next && first->Eval == CopyValueRoutine)
        return first->Result = *first->Args[0];
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
        const int slots = HoldsChildren(record) ? MaxArgs : 0;
        for (int slot = 0; slot < slots; ++slot) {
            if (TExprRecord* child = record->Child(slot)) {
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
