#pragma once
// The texts the command-line calculator writes for one calculation.
#include "calculator/Calculate.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace cli {

// The two-decimal text, a TAB and the uppercase text; empty for a failed calculation, so
// that a line holds either the whole result or nothing.
std::string ResultLine(const calculator::TCalculation& calculation);

// The report of a failed calculation, headed by its number: "3: <sentence> <details>".
std::string ReportLine(std::size_t number, const calculator::TCalculation& calculation);

// One JSON object in UTF-8, with only the keys that apply, in this order: expression, text,
// result, uppercase, error {kind, message, details}. Bytes that are not UTF-8 become U+FFFD.
std::string JsonLine(std::string_view expression, const calculator::TCalculation& calculation);

}  // namespace cli
