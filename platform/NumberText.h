#pragma once
// Number literals to numbers, with the process-wide decimal separator and without the C
// locale. Both throw platform::EConvertError with the runtime's messages.
#include <cstdint>
#include <string_view>

namespace platform {

// Decimal text to the nearest double: an optional sign, digits with at most one decimal
// separator (DecimalSeparator()) and at least one digit, and an optional exponent (e or E,
// an optional sign, digits). "1.", ".5" and "2.5e-3" are numbers; "2e", "." and "1e400"
// (beyond the double range) are not. A value too small for a double becomes zero.
// Error: "'%s' is not a valid floating point value".
double TextToFloat(std::string_view text);

// A hexadecimal literal: one prefix character followed by hexadecimal digits, at most 8 of
// them significant (leading zeros do not count), read as a 32-bit two's-complement value.
// Error: "'%s' is not a valid integer value", with the whole literal.
std::int32_t HexLiteralToInt(std::string_view literal);

}  // namespace platform
