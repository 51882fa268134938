#pragma once
// One fuzz input run through the calculator's engine: the bytes are an expression text,
// added and shown by parsers of both dialects, with constant folding on and off, under the
// decimal point and under the decimal comma.
#include <string_view>

namespace fuzzing {

// Adds the text to each long-lived parser and formats its value. Values and errors of the
// system's family are the expected outcomes; anything else (another exception, a crash, a
// sanitizer report, a broken invariant) leaves this function as a finding.
void RunExpression(std::string_view text);

}  // namespace fuzzing
