#include "ExpressionFuzzing.h"

#include <array>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>

#include "engine/CStyleParser.h"
#include "platform/Exceptions.h"
#include "platform/LocaleSeparators.h"

namespace fuzzing {

namespace {

// A parser keeps every distinct text it compiled and every new name as a variable, by
// design. Under millions of inputs that is unbounded memory, so the parsers are made anew
// after this many inputs; up to then, later inputs meet the stored texts and variables of
// earlier ones.
constexpr int InputsPerParserLife = 4096;

// The longest display text: "-1.234567891E-308".
constexpr std::size_t LongestDisplayText = 17;

struct TFuzzedParser {
    bool CStyle;
    bool FoldConstants;
    std::unique_ptr<TCStyleParser> Parser;
};

std::unique_ptr<TCStyleParser> NewParser(bool cStyle)
{
    auto parser = TCustomExpressionParser::Create<TCStyleParser>();
    parser->SetCStyle(cStyle);
    return parser;
}

// The x87 stack is empty between two calls: an instruction sequence that leaves a value
// behind turns later arithmetic into spurious invalid operations.
void CheckFloatStackEmpty()
{
    std::uint16_t status;
    __asm__ __volatile__("fnstsw %0" : "=am"(status));
    if (((status >> 11) & 7) != 0)
        throw std::logic_error("x87 stack not empty after an evaluation");
}

void CheckDisplayText(const std::string& text)
{
    if (text.empty() || text.size() > LongestDisplayText)
        throw std::logic_error("display text of unexpected length: \"" + text + "\"");
}

void Evaluate(TFuzzedParser& fuzzed, std::string_view text)
{
    TCStyleParser& parser = *fuzzed.Parser;
    parser.FoldConstants = fuzzed.FoldConstants;
    try {
        const int index = parser.AddExpression(text);
        CheckDisplayText(parser.ExpressionText(index));
        // A second run meets what the first left: incremented literals, assigned variables.
        CheckDisplayText(parser.ExpressionText(index));
    } catch (const platform::Exception&) {
    }
    CheckFloatStackEmpty();
}

}  // namespace

void RunExpression(std::string_view text)
{
    static std::array<TFuzzedParser, 4> parsers{{
        {false, false, nullptr},
        {false, true, nullptr},
        {true, false, nullptr},
        {true, true, nullptr},
    }};
    static int inputs = 0;
    if (inputs++ % InputsPerParserLife == 0) {
        platform::SetDecimalSeparator('.');
        platform::SetListSeparator(',');
        for (TFuzzedParser& fuzzed : parsers)
            fuzzed.Parser = NewParser(fuzzed.CStyle);
    }
    for (TFuzzedParser& fuzzed : parsers)
        Evaluate(fuzzed, text);
}

}  // namespace fuzzing
