#pragma once
// The parser that callers use: the standard vocabulary, a compiled expression per distinct
// text, and results as numbers or as display text.
#include <string>
#include <string_view>

#include "engine/ExpressionList.h"
#include "engine/ParseExpr.h"

class TExpressionParser : public TCustomExpressionParser {
public:
    explicit TExpressionParser(TConstruction construction);
    ~TExpressionParser() override;

    // Repoints every stored expression; raises before changing anything when the new word
    // cannot stand in for the old one.
    void RelinkWord(TExprWord* oldWord, TExprWord* newWord) override;
    // The text of the entry at CurrentIndex.
    std::string CurrentExpressionText() const override;
    // The index of the entry of this text (ignoring case), compiling and appending it when
    // there is none; -1 for an empty text. A text that fails to compile adds nothing.
    int AddExpression(std::string_view text) override;
    // Releases every stored expression; the words, and so the variables' values, stay.
    void ClearExpressions() override;

    // Runs the entry's expression; a negative index gives not-a-number.
    double ExpressionValue(int index)
    {
        if (index < 0)
            return NegativeNaN;
        CurrentExpression = Expressions.Items(index).Expression.get();
        return ExecuteChain(CurrentExpression);
    }
    // The value as "True" or "False" when the expression ends in a truth-value word and the
    // value is near 1 or 0, else in the general format with 10 significant digits.
    std::string ExpressionText(int index);
    // A value of the current expression as ExpressionText shows it, with the given number of
    // significant digits for the general format.
    std::string FormatValue(double value, int significantDigits) const;

    TExpressionList Expressions;
    // The entry last added or found by AddExpression; -1 after an empty text or a clearing.
    int CurrentIndex = -1;

protected:
    // Builds the standard vocabulary.
    void BuildVocabulary() override;
};
