#include "engine/ExpressionList.h"

#include <utility>

int TExpressionList::IndexOf(std::string_view text) const
{
    const auto found = FIndexOfFoldedText.find(LowerCase(text));
    return found == FIndexOfFoldedText.end() ? -1 : found->second;
}

int TExpressionList::Add(std::string_view text, TCustomExpressionParser::TChainPtr expression)
{
    const int index = Count();
    FEntries.push_back({std::string(text), std::move(expression)});
    try {
        FIndexOfFoldedText.emplace(LowerCase(text), index);
    } catch (...) {
        FEntries.pop_back();
        throw;
    }
    return index;
}

void TExpressionList::Clear()
{
    FIndexOfFoldedText.clear();
    FEntries.clear();
}
