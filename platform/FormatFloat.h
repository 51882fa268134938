#pragma once
// The runtime's general number format ("%.10g" for 10 digits) with the count of significant
// digits as a parameter. Number text never passes through the C locale: the decimal separator
// is the process-wide one at the time of formatting.
#include <string>

namespace platform {

// `value` with `significantDigits` (1 to 18; others are clamped) significant digits:
// "INF" / "NAN" (with "-" when the sign bit is set), "0", plain notation when the rounded
// value has from −3 to significantDigits digits before the point, else scientific with an
// exponent of at least 3 digits ("1.23456789E010", "9E-005").
std::string FormatGeneral(long double value, int significantDigits);

}  // namespace platform
