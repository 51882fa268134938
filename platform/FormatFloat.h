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

// The runtime's "0.00" format: at least one integer digit, two decimals, no grouping, "-"
// before a negative value that does not round to zero. Rounds half away from zero on the
// value's 18 significant decimal digits, which give back any decimal text of up to 18 digits
// that the value was read from: 2.675 gives 2.68. From 10^18 on, 15 significant digits with
// an exponent of as few digits as it needs: 1E20.
std::string FormatTwoDecimals(long double value);

}  // namespace platform
