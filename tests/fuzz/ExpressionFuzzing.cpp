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

// The user's locale gives the separators: the decimal point with the comma between arguments,
// or the decimal comma with the semicolon.
struct TSeparatorPair {
    char Decimal;
    char List;
};

struct TFuzzedParser {
    TSeparatorPair Separators;
    bool CStyle;
    bool FoldConstants;
    std::unique_ptr<TCStyleParser> Parser;
};

void UseSeparators(TSeparatorPair separators)
{
    platform::SetDecimalSeparator(separators.Decimal);
    platform::SetListSeparator(separators.List);
}

void Renew(TFuzzedParser& fuzzed)
{
    UseSeparators(fuzzed.Separators);
    fuzzed.Parser = TCustomExpressionParser::Create<TCStyleParser>();
    fuzzed.Parser->SetCStyle(fuzzed.CStyle);
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
    UseSeparators(fuzzed.Separators);
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
    constexpr TSeparatorPair Point{'.', ','};
    constexpr TSeparatorPair Comma{',', ';'};
    static std::array<TFuzzedParser, 8> parsers{{
        {Point, false, false, nullptr},
        {Point, false, true, nullptr},
        {Point, true, false, nullptr},
        {Point, true, true, nullptr},
        {Comma, false, false, nullptr},
        {Comma, false, true, nullptr},
        {Comma, true, false, nullptr},
        {Comma, true, true, nullptr},
    }};
    static int inputs = 0;
    if (inputs++ % InputsPerParserLife == 0) {
        for (TFuzzedParser& fuzzed : parsers)
            Renew(fuzzed);
    }
    for (TFuzzedParser& fuzzed : parsers)
        Evaluate(fuzzed, text);
}

}  // namespace fuzzing
