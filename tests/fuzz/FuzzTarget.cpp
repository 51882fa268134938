// The libFuzzer entry: every input is an expression text.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "ExpressionFuzzing.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzing::RunExpression(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
