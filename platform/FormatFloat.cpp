#include "FormatFloat.h"

#include "LocaleSeparators.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>
#include <string_view>

namespace platform {
namespace {

// The value is first expanded to this many digits and only then cut to the wanted count, so a
// digit string like ...4999999999999999 rounds as ...5.
constexpr int ExpansionDigits = 18;
constexpr int SmallestPlainExponent = -3;
constexpr int GeneralExponentWidth = 3;
constexpr int TwoDecimalsExponentDigits = 15;
constexpr long double TwoDecimalsExponentFrom = 1e18L;

// value = 0.Digits × 10^Exponent; Digits starts with a non-zero digit and ends in none.
struct DecimalDigits {
    std::string Digits;
    int Exponent;
};

DecimalDigits Expand(long double magnitude)
{
    char buffer[32];
    const auto end = std::to_chars(buffer, std::end(buffer), magnitude,
                                   std::chars_format::scientific, ExpansionDigits - 1).ptr;
    // d.ddddddddddddddddde±x
    const std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
    const auto exponentMark = text.find('e');
    DecimalDigits decimal{std::string(1, text[0]), 0};
    decimal.Digits.append(text.substr(2, exponentMark - 2));
    const char* exponentText = text.data() + exponentMark + 1;
    if (*exponentText == '+')
        ++exponentText;
    std::from_chars(exponentText, end, decimal.Exponent);
    ++decimal.Exponent;
    return decimal;
}

// Adds one unit in the last place; a carry out of the first digit puts a "1" in front.
void IncrementDigits(std::string& digits)
{
    for (auto digit = digits.rbegin(); digit != digits.rend(); ++digit) {
        if (*digit != '9') {
            ++*digit;
            return;
        }
        *digit = '0';
    }
    digits.insert(digits.begin(), '1');
}

// Cuts to `count` digits, rounding up when the first dropped digit is 5 or more.
void RoundToDigits(DecimalDigits& decimal, std::size_t count)
{
    if (decimal.Digits.size() <= count)
        return;
    const bool roundUp = decimal.Digits[count] >= '5';
    decimal.Digits.resize(count);
    if (!roundUp)
        return;
    IncrementDigits(decimal.Digits);
    if (decimal.Digits.size() > count) {
        decimal.Digits.pop_back();
        ++decimal.Exponent;
    }
}

void RemoveTrailingZeros(std::string& digits)
{
    digits.erase(digits.find_last_not_of('0') + 1);
}

void AppendScientific(std::string& text, const DecimalDigits& decimal, int exponentWidth)
{
    text += decimal.Digits[0];
    if (decimal.Digits.size() > 1) {
        text += DecimalSeparator();
        text.append(decimal.Digits, 1);
    }
    text += 'E';
    const int exponent = decimal.Exponent - 1;
    if (exponent < 0)
        text += '-';
    char digits[8];
    const auto end = std::to_chars(digits, std::end(digits), std::abs(exponent)).ptr;
    const auto width = static_cast<int>(end - digits);
    text.append(static_cast<std::size_t>(std::max(exponentWidth - width, 0)), '0');
    text.append(digits, end);
}

void AppendPlain(std::string& text, const DecimalDigits& decimal)
{
    if (decimal.Exponent <= 0) {
        text += '0';
        text += DecimalSeparator();
        text.append(static_cast<std::size_t>(-decimal.Exponent), '0');
        text += decimal.Digits;
        return;
    }
    const auto wholeDigits = static_cast<std::size_t>(decimal.Exponent);
    text.append(decimal.Digits, 0, wholeDigits);
    if (decimal.Digits.size() > wholeDigits) {
        text += DecimalSeparator();
        text.append(decimal.Digits, wholeDigits);
    } else {
        text.append(wholeDigits - decimal.Digits.size(), '0');
    }
}

// The digits of a non-zero magnitude in cents (at least three), rounded half away from zero.
std::string Cents(long double magnitude)
{
    const DecimalDigits decimal = Expand(magnitude);
    const int kept = decimal.Exponent + 2;
    std::string cents;
    if (kept >= 0) {
        const auto count = static_cast<std::size_t>(kept);
        cents = decimal.Digits.substr(0, count);
        cents.resize(count, '0');
        if (count < decimal.Digits.size() && decimal.Digits[count] >= '5')
            IncrementDigits(cents);
    }
    if (cents.size() < 3)
        cents.insert(0, 3 - cents.size(), '0');
    return cents;
}

std::string WithExponent(long double value)
{
    std::string text = std::signbit(value) ? "-" : "";
    DecimalDigits decimal = Expand(std::fabs(value));
    RoundToDigits(decimal, TwoDecimalsExponentDigits);
    RemoveTrailingZeros(decimal.Digits);
    AppendScientific(text, decimal, 1);
    return text;
}

}  // namespace

std::string FormatGeneral(long double value, int significantDigits)
{
    if (value == 0.0L)
        return "0";
    std::string text = std::signbit(value) ? "-" : "";
    if (std::isinf(value))
        return text + "INF";
    if (std::isnan(value))
        return text + "NAN";

    const int digitCount = std::clamp(significantDigits, 1, ExpansionDigits);

    DecimalDigits decimal = Expand(std::fabs(value));
    RoundToDigits(decimal, static_cast<std::size_t>(digitCount));
    RemoveTrailingZeros(decimal.Digits);
    if (decimal.Exponent > digitCount || decimal.Exponent < SmallestPlainExponent)
        AppendScientific(text, decimal, GeneralExponentWidth);
    else
        AppendPlain(text, decimal);
    return text;
}

std::string FormatTwoDecimals(long double value)
{
    if (!std::isfinite(value))
        return FormatGeneral(value, TwoDecimalsExponentDigits);
    const long double magnitude = std::fabs(value);
    if (magnitude >= TwoDecimalsExponentFrom)
        return WithExponent(value);
    const std::string cents = magnitude == 0.0L ? "000" : Cents(magnitude);
    const bool isZero = cents.find_first_not_of('0') == std::string::npos;
    std::string text = std::signbit(value) && !isZero ? "-" : "";
    text.append(cents, 0, cents.size() - 2);
    text += DecimalSeparator();
    text.append(cents, cents.size() - 2);
    return text;
}

}  // namespace platform
