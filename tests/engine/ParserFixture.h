#pragma once
// Parsers of the standard vocabulary made under fixed separators ('.' decimal, ',' list), and
// what an expression gives: its display text, its exact value, or the error's message.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "Separators.h"
#include "engine/CStyleParser.h"
#include "engine/ExpressionParser.h"

// The display text of the expression, or the message of the error that adding or running it
// raises.
inline std::string Outcome(TExpressionParser& parser, std::string_view text)
{
    try {
        return parser.ExpressionText(parser.AddExpression(text));
    } catch (const platform::Exception& error) {
        return error.what();
    }
}

// The bits of the expression's value, or the error's message: equal outcomes are equal to the
// last bit.
inline std::string ExactOutcome(TExpressionParser& parser, std::string_view text)
{
    try {
        const double value = parser.ExpressionValue(parser.AddExpression(text));
        return std::to_string(std::bit_cast<std::uint64_t>(value));
    } catch (const platform::Exception& error) {
        return error.what();
    }
}

template <class TParser>
class ParserTest : public testing::Test {
protected:
    TSeparators Separators{'.', ','};
    std::unique_ptr<TParser> Parser = TCustomExpressionParser::Create<TParser>();
};
