#pragma once
// A parser's compiled expressions in the order they were added, each with its text exactly as
// given. A text is found ignoring letter case through a hashed index of the case-folded
// texts, which gives the first matching entry because no two entries differ in case only.
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "engine/ParseExpr.h"
#include "platform/Exceptions.h"

struct TExpressionEntry {
    std::string Text;
    TCustomExpressionParser::TChainPtr Expression;
};

class TExpressionList {
public:
    int Count() const { return static_cast<int>(FEntries.size()); }
    // The entry at the index; an index outside the list raises the list's error.
    const TExpressionEntry& Items(int index) const
    {
        if (index < 0 || index >= Count())
            throw platform::EListError(index);
        return FEntries[static_cast<std::size_t>(index)];
    }
    std::span<const TExpressionEntry> Entries() const { return FEntries; }

    // The index of the entry whose text equals the text ignoring case, or -1.
    int IndexOf(std::string_view text) const;
    // Appends the text with its chain, which the list then owns, and returns its index. The
    // text must not be in the list yet. When appending fails, the chain is released and the
    // list stays as it was.
    int Add(std::string_view text, TCustomExpressionParser::TChainPtr expression);
    // Releases every compiled expression and empties the list.
    void Clear();

private:
    std::vector<TExpressionEntry> FEntries;
    std::unordered_map<std::string, int> FIndexOfFoldedText;
};
