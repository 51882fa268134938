#include "engine/OObjects.h"

#include <algorithm>

namespace {

unsigned char UpperAZ(char c)
{
    return static_cast<unsigned char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
}

}  // namespace

int CompareNames(std::string_view a, std::string_view b)
{
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t at = 0; at < common; ++at)
        if (const int difference = UpperAZ(a[at]) - UpperAZ(b[at]))
            return difference;
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

int TExpressList::CompareKeys(std::string_view a, std::string_view b) const
{
    return CompareNames(a, b);
}

std::string_view TExpressList::ItemKey(TExprWord* item) const { return item->Name; }
