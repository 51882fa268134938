#include "engine/CStyleParser.h"

#include <memory>

#include "engine/StandardRoutines.h"

namespace {

constexpr bool Operator = true;
constexpr TStoring Stores = TStoring::IntoFirstOperand;

}  // namespace

TCStyleParser::TCStyleParser(TConstruction construction) : TExpressionParser(construction) {}

void TCStyleParser::BuildVocabulary()
{
    TExpressionParser::BuildVocabulary();
    SetCStyle(true);
}

void TCStyleParser::SetCStyle(bool on)
{
    // The steps of a switch expect the other dialect's words: run on the dialect in force,
    // they would stop part way at a word of the wrong shape.
    if (on == FCStyle)
        return;
    FCStyle = on;
    if (on)
        ReplaceStandardWords();
    else
        ReplaceCStyleWords();
}

// Each new text is free when its word comes in: "==" takes "=" before ":=" becomes "=", and
// "!" becomes "fact" before "not" becomes "!".
void TCStyleParser::ReplaceStandardWords()
{
    using namespace engine::routines;
    ReplaceWord("!", std::make_unique<TFunction>("fact", "factorial", Factorial, 1));
    ReplaceWord("div", std::make_unique<TFunction>("div", "integer division", IntegerQuotient, 2));
    ReplaceWord("%", std::make_unique<TFunction>("perc", "percentage", Percent, 1));
    ReplaceWord("mod", std::make_unique<TFunction>("%", IntegerRemainder, 2, Operator, 30));
    ReplaceWord("or", std::make_unique<TBooleanFunction>("||", Or, 2, Operator, 70));
    ReplaceWord("and", std::make_unique<TBooleanFunction>("&&", And, 2, Operator, 70));
    ReplaceWord("=", std::make_unique<TBooleanFunction>("==", Equal, 2, Operator, 50));
    ReplaceWord(":=", std::make_unique<TFunction>("=", Assign, 2, Operator, 200, Stores));
    ReplaceWord("<>", std::make_unique<TBooleanFunction>("!=", NotEqual, 2, Operator, 50));
    ReplaceWord("not", std::make_unique<TBooleanFunction>("!", Not, 1, Operator, 60));
}

// The same in reverse: "!" becomes "not" before "fact" becomes "!", and "=" becomes ":="
// before "==" becomes "=".
void TCStyleParser::ReplaceCStyleWords()
{
    using namespace engine::routines;
    ReplaceWord("!", std::make_unique<TBooleanFunction>("not", Not, 1, Operator, 60));
    ReplaceWord("fact", std::make_unique<TFunction>("!", Factorial, 1, Operator, 10));
    ReplaceWord("div", std::make_unique<TFunction>("div", IntegerQuotient, 2, Operator, 30));
    ReplaceWord("%", std::make_unique<TFunction>("mod", IntegerRemainder, 2, Operator, 30));
    ReplaceWord("perc", std::make_unique<TFunction>("%", Percent, 1, Operator, 10));
    ReplaceWord("||", std::make_unique<TBooleanFunction>("or", Or, 2, Operator, 70));
    ReplaceWord("&&", std::make_unique<TBooleanFunction>("and", And, 2, Operator, 70));
    ReplaceWord("=", std::make_unique<TFunction>(":=", Assign, 2, Operator, 200, Stores));
    ReplaceWord("==", std::make_unique<TBooleanFunction>("=", Equal, 2, Operator, 50));
    ReplaceWord("!=", std::make_unique<TBooleanFunction>("<>", NotEqual, 2, Operator, 50));
}
