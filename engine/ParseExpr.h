#pragma once
// The expression engine: compiles a text into an execution chain of records and runs it.
// A dialect derives from TCustomExpressionParser and fills the vocabulary.
#include <memory>
#include <string>
#include <string_view>

#include "engine/OObjects.h"
#include "engine/ParseClass.h"

// A node of an expression tree while compiling, a step of an execution chain afterwards.
struct TExprRecord {
    TEvalRoutine Eval = nullptr;
    TExprRecord* Next = nullptr;  // the next step of the chain
    double Result = 0;
    TExprWord* Word = nullptr;  // not owned
    // Set when linked: the word has side effects, so a run checks for faults before this record.
    bool Checkpoint = false;
    // In a chain: the address of each operand, a child's Result or a constant's value.
    // In a tree: a constant leaf's Args[0] is its word's value; any other record keeps its
    // child records here, in argument order, and owns them.
    double* Args[MaxArgs] = {};

    TExprRecord* Child(int slot) const { return reinterpret_cast<TExprRecord*>(Args[slot]); }
    void SetChild(int slot, TExprRecord* child) { Args[slot] = reinterpret_cast<double*>(child); }
};

class TCustomExpressionParser {
protected:
    // Parsers are made by Create only, so that no dialect is left without its vocabulary.
    class TConstruction {
        friend class TCustomExpressionParser;
        TConstruction() = default;
    };
    explicit TCustomExpressionParser(TConstruction);

public:
    struct TTreeDeleter {
        void operator()(TExprRecord* root) const noexcept { ReleaseTree(root); }
    };
    struct TChainDeleter {
        void operator()(TExprRecord* first) const noexcept { ReleaseChain(first); }
    };
    using TTreePtr = std::unique_ptr<TExprRecord, TTreeDeleter>;
    using TChainPtr = std::unique_ptr<TExprRecord, TChainDeleter>;

    // A new parser of the dialect with its vocabulary built. C++ cannot dispatch to the
    // dialect's BuildVocabulary from the base constructor, so it runs here, right after the
    // dialect's constructor (which takes a TConstruction and passes it on).
    template <class TDialect>
    static std::unique_ptr<TDialect> Create()
    {
        auto parser = std::make_unique<TDialect>(TConstruction{});
        static_cast<TCustomExpressionParser&>(*parser).BuildVocabulary();
        return parser;
    }

    // Releases the current chain. A dialect that overrides ClearExpressions calls it from its
    // own destructor, which runs first.
    virtual ~TCustomExpressionParser();
    TCustomExpressionParser(const TCustomExpressionParser&) = delete;
    TCustomExpressionParser& operator=(const TCustomExpressionParser&) = delete;

    // Compiles the text into a new chain at CurrentExpression, or throws. The previous chain
    // is not released: its holder keeps it.
    bool Compile(std::string_view text);
    // Runs a chain and returns its last record's Result; no chain gives NaN. A fault raises
    // the error of the first record that meets one, and no record with side effects runs
    // after it; the chain can be run again.
    static double ExecuteChain(TExprRecord* first);
    // Whether the current chain ends in a word of boolean result.
    bool ResultIsBoolean() const;

    // Replaces the vocabulary's word of that name, repointing the compiled chains to the new
    // word before the old one is destroyed; without such a word the new one is just added.
    void ReplaceWord(std::string_view oldName, std::unique_ptr<TExprWord> newWord);
    void DefineStringWord(std::unique_ptr<TSimpleStringFunction> word);
    // Defines a string function template, which each call in an expression copies.
    void DefineStringFunction(std::string_view name, std::string description,
                              TStringRoutine routine);

    static TExprRecord* NewRecord();
    static void ReleaseTree(TExprRecord* root) noexcept;
    static void ReleaseChain(TExprRecord* first) noexcept;

    // Repoints the current chain from the old word to the new one.
    virtual void RelinkWord(TExprWord* oldWord, TExprWord* newWord);
    virtual std::string CurrentExpressionText() const = 0;
    // Compiles a non-empty text and returns 0; an empty text gives -1.
    virtual int AddExpression(std::string_view text);
    // Releases the current chain.
    virtual void ClearExpressions();

    const char HexPrefix = '$';
    const char DecimalMark;
    const char ArgumentSeparator;
    bool FoldConstants = true;
    // Literal constants, folded constants and bound string functions.
    TOCollection<TExprWord> Constants{10};
    TExprRecord* ChainTail = nullptr;
    TExprRecord* CurrentExpression = nullptr;
    TExpressList Vocabulary{30};

protected:
    // Adds the dialect's words to Vocabulary.
    virtual void BuildVocabulary() = 0;

    // Raises the error of RelinkWord when the new word cannot stand in for the old one.
    static void CheckReplacement(TExprWord* oldWord, TExprWord* newWord);

    // The steps of Compile.
    std::unique_ptr<TExprCollection> Tokenize(std::string_view text);
    void CheckAndResolve(TExprCollection& words);
    static void CheckBrackets(const TExprCollection& words);
    // Builds the tree by operator priority; the source text is quoted in a syntax error.
    static TTreePtr BuildTree(std::unique_ptr<TExprCollection> words, std::string_view sourceText);
    static bool ArgumentsComplete(const TExprRecord* root);
    TTreePtr FoldTree(TTreePtr root);
    double EvaluateSubtree(TTreePtr record, bool& isBoolean);
    // Appends the tree's operation records to the chain, frees its constant leaves and
    // returns the address the tree's parent reads.
    double* LinkRecords(TExprRecord* root) noexcept;

private:
    static void CheckOperands(const TExprRecord* root);
    TExprRecord* FoldedRecord(TTreePtr subtree);
    void AppendToChain(TExprRecord* record) noexcept;
};
