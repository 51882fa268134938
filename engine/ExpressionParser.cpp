#include "engine/ExpressionParser.h"

#include <cmath>
#include <utility>

#include "platform/Exceptions.h"
#include "platform/FormatFloat.h"

namespace {

constexpr int DisplayDigits = 10;

}  // namespace

TExpressionParser::TExpressionParser(TConstruction construction)
    : TCustomExpressionParser(construction)
{
}

// The inherited order: the words first, then the compiled expressions (freeing a record
// never touches its word).
TExpressionParser::~TExpressionParser()
{
    Vocabulary.DisposeAll();
    Constants.DisposeAll();
    ClearExpressions();
}

void TExpressionParser::RelinkWord(TExprWord* oldWord, TExprWord* newWord)
{
    CheckReplacement(oldWord, newWord);
    for (const TExpressionEntry& entry : Expressions.Entries()) {
        CurrentExpression = entry.Expression.get();
        TCustomExpressionParser::RelinkWord(oldWord, newWord);
    }
}

std::string TExpressionParser::CurrentExpressionText() const
{
    return Expressions.Items(CurrentIndex).Text;
}

int TExpressionParser::AddExpression(std::string_view text)
{
    if (text.empty())
        return CurrentIndex = -1;
    int index = Expressions.IndexOf(text);
    if (index < 0) {
        Compile(text);
        index = Expressions.Add(text, TChainPtr(std::exchange(CurrentExpression, nullptr)));
    }
    CurrentExpression = Expressions.Items(index).Expression.get();
    return CurrentIndex = index;
}

void TExpressionParser::ClearExpressions()
{
    Expressions.Clear();
    CurrentIndex = -1;
    CurrentExpression = ChainTail = nullptr;
}

std::string TExpressionParser::ExpressionText(int index)
{
    return FormatValue(ExpressionValue(index), DisplayDigits);
}

std::string TExpressionParser::FormatValue(double value, int significantDigits) const
{
    if (ResultIsBoolean()) {
        // Comparing not-a-number with the windows below is an invalid operation.
        if (std::isnan(value))
            throw platform::EInvalidOp();
        if (value > -0.1L && value < 0.1L)
            return "False";
        if (value > 0.9L && value < 1.1L)
            return "True";
    }
    return platform::FormatGeneral(value, significantDigits);
}
