#pragma once
// Money amounts in the uppercase Chinese numerals of invoices and cheques.
#include "platform/Exceptions.h"

#include <string>

namespace calculator {

// The amount has more yuan than the 15-digit field of cents can hold, or is not a number.
class EAmountOutOfRange : public platform::Exception {
public:
    EAmountOutOfRange();
};

// The amount in yuan, rounded to cents with halves to even, as UTF-8 uppercase numerals:
// 1001.01 gives 壹仟零壹元零壹分, 0 gives 零元整, -5 gives 负伍元整. Throws
// EAmountOutOfRange when the rounded magnitude reaches 10^13 yuan, and for NaN and infinities.
std::string AmountToUpCase(double amount);

}  // namespace calculator
