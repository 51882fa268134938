#pragma once
// The number texts of the Calculate command, with the process-wide decimal separator.
#include <string>
#include <string_view>

namespace calculator {

// Reads a decimal number: optional surrounding spaces, an optional sign, digits with an
// optional decimal separator (at least one digit), and an optional exponent of "E" or "e",
// an optional sign and digits: "-1234.5", "1.23456789E010", "9E-005". The result is the
// nearest extended-precision value. Anything else, "INF" and "NAN" included, and values
// beyond the extended range throw platform::EConvertError
// "'<text>' is not a valid floating point value".
long double TextToFloat(std::string_view text);

// The "0.00" format: at least one integer digit, two decimals, no grouping, "-" before a
// negative value that does not round to zero. Rounds half away from zero on the value's
// 18 significant decimal digits, which reproduce any decimal text of up to 18 digits that
// it was read from: 2.675 gives 2.68. From 10^18 on, 15 significant digits with an
// exponent: 1E20.
std::string FormatTwoDecimals(long double value);

}  // namespace calculator
