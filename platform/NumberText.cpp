#include "NumberText.h"

#include <charconv>
#include <string>
#include <system_error>

#include "Exceptions.h"
#include "LocaleSeparators.h"

namespace platform {
namespace {

[[noreturn]] void NotAFloat(std::string_view text)
{
    throw EConvertError("'" + std::string(text) + "' is not a valid floating point value");
}

[[noreturn]] void NotAnInteger(std::string_view text)
{
    throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The parts of a decimal literal, as positions in its text.
struct DecimalParts {
    std::size_t MantissaBegin = 0;  // after the sign
    std::size_t SeparatorAt = std::string_view::npos;
    std::size_t ExponentAt = std::string_view::npos;  // the e or E
};

std::size_t SkipDigits(std::string_view text, std::size_t at)
{
    while (at < text.size() && IsDigit(text[at]))
        ++at;
    return at;
}

// Checks the literal's form and says where its parts lie; false when it is not a number.
bool SplitDecimal(std::string_view text, char separator, DecimalParts& parts)
{
    std::size_t at = 0;
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        ++at;
    parts.MantissaBegin = at;
    std::size_t digits = SkipDigits(text, at) - at;
    at += digits;
    if (at < text.size() && text[at] == separator) {
        parts.SeparatorAt = at++;
        const std::size_t fraction = SkipDigits(text, at) - at;
        digits += fraction;
        at += fraction;
    }
    if (digits == 0)
        return false;
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        parts.ExponentAt = at++;
        if (at < text.size() && (text[at] == '+' || text[at] == '-'))
            ++at;
        const std::size_t exponentDigits = SkipDigits(text, at) - at;
        if (exponentDigits == 0)
            return false;
        at += exponentDigits;
    }
    return at == text.size();
}

// True when a well-formed literal that the conversion found out of range lies below 1 in
// magnitude, so that it underflowed rather than overflowed.
bool IsBelowOne(std::string_view text, const DecimalParts& parts)
{
    const std::size_t mantissaEnd = parts.ExponentAt == std::string_view::npos ? text.size()
                                                                                 : parts.ExponentAt;
    const std::size_t integerEnd = parts.SeparatorAt == std::string_view::npos ? mantissaEnd
                                                                                 : parts.SeparatorAt;
    // Decimal position of the first significant digit: the value is below 10^position.
    long long position = 0;
    bool significant = false;
    for (std::size_t at = parts.MantissaBegin; at < mantissaEnd && !significant; ++at) {
        if (at == parts.SeparatorAt)
            continue;
        significant = text[at] != '0';
        if (significant)
            position = at < integerEnd ? static_cast<long long>(integerEnd - at)
                                       : -static_cast<long long>(at - integerEnd - 1);
    }
    long long exponent = 0;
    if (parts.ExponentAt != std::string_view::npos) {
        std::size_t at = parts.ExponentAt + 1;
        const bool negative = text[at] == '-';
        if (text[at] == '+' || text[at] == '-')
            ++at;
        for (; at < text.size() && exponent < 1'000'000'000; ++at)
            exponent = exponent * 10 + (text[at] - '0');
        if (negative)
            exponent = -exponent;
    }
    return position + exponent <= 0;
}

}  // namespace

double TextToFloat(std::string_view text)
{
    const char separator = DecimalSeparator();
    DecimalParts parts;
    if (!SplitDecimal(text, separator, parts))
        NotAFloat(text);

    // from_chars reads '.' and no leading '+': hand it the literal in that form.
    std::string plain(text.substr(text[0] == '+' ? 1 : 0));
    if (parts.SeparatorAt != std::string_view::npos)
        plain[parts.SeparatorAt - (text[0] == '+' ? 1 : 0)] = '.';

    double value = 0;
    const auto [end, error] =
        std::from_chars(plain.data(), plain.data() + plain.size(), value, std::chars_format::general);
    if (error == std::errc::result_out_of_range && IsBelowOne(text, parts))
        return text[0] == '-' ? -0.0 : 0.0;
    if (error != std::errc() || end != plain.data() + plain.size())
        NotAFloat(text);
    return value;
}

std::int32_t HexLiteralToInt(std::string_view literal)
{
    std::string_view digits = literal.substr(literal.empty() ? 0 : 1);
    if (digits.empty())
        NotAnInteger(literal);
    std::uint32_t value = 0;
    int significant = 0;
    for (const char c : digits) {
        unsigned digit;
        if (IsDigit(c))
            digit = c - '0';
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            NotAnInteger(literal);
        if (value != 0 || digit != 0)
            ++significant;
        if (significant > 8)
            NotAnInteger(literal);
        value = value << 4 | digit;
    }
    return static_cast<std::int32_t>(value);
}

}  // namespace platform
