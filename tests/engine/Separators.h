#pragma once
// Sets the process-wide decimal and list separators, and restores them afterwards.
#include "platform/LocaleSeparators.h"

class TSeparators {
public:
    TSeparators(char decimal, char list)
        : FDecimal(platform::DecimalSeparator()), FList(platform::ListSeparator())
    {
        platform::SetDecimalSeparator(decimal);
        platform::SetListSeparator(list);
    }
    ~TSeparators()
    {
        platform::SetDecimalSeparator(FDecimal);
        platform::SetListSeparator(FList);
    }
    TSeparators(const TSeparators&) = delete;
    TSeparators& operator=(const TSeparators&) = delete;

private:
    char FDecimal;
    char FList;
};
