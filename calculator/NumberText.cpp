#include "NumberText.h"

#include "platform/Exceptions.h"
#include "platform/LocaleSeparators.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

namespace calculator {
namespace {

static_assert(std::numeric_limits<long double>::digits == 64,
              "numbers are read into the x87 extended format");

// Enough digits to give back every decimal text of up to 18 digits that a value came from.
constexpr int ExactDigits = 18;
constexpr int ExponentFormDigits = 15;
constexpr long double ExponentFormFrom = 1e18L;

class Scanner {
public:
    explicit Scanner(std::string_view text) : FText(text) {}

    bool Take(char c)
    {
        if (AtEnd() || FText[FPosition] != c)
            return false;
        ++FPosition;
        return true;
    }

    std::string_view Digits()
    {
        const std::size_t start = FPosition;
        while (!AtEnd() && FText[FPosition] >= '0' && FText[FPosition] <= '9')
            ++FPosition;
        return FText.substr(start, FPosition - start);
    }

    // from_chars reads no "+", so only a "-" is copied.
    void CopySign(std::string& number)
    {
        if (Take('-'))
            number += '-';
        else
            Take('+');
    }

    void SkipSpaces()
    {
        while (Take(' ')) {
        }
    }

    bool AtEnd() const { return FPosition == FText.size(); }

private:
    std::string_view FText;
    std::size_t FPosition = 0;
};

// The number in the form that std::from_chars reads ("." as separator, no "+"), or nothing
// when the text is not a number.
std::optional<std::string> Normalised(std::string_view text, char separator)
{
    Scanner scanner(text);
    std::string number;
    scanner.SkipSpaces();
    scanner.CopySign(number);
    const std::string_view integer = scanner.Digits();
    number += integer;
    std::string_view fraction;
    if (scanner.Take(separator)) {
        fraction = scanner.Digits();
        number.append(".").append(fraction);
    }
    if (integer.empty() && fraction.empty())
        return std::nullopt;
    if (scanner.Take('E') || scanner.Take('e')) {
        number += 'e';
        scanner.CopySign(number);
        const std::string_view exponent = scanner.Digits();
        if (exponent.empty())
            return std::nullopt;
        number += exponent;
    }
    scanner.SkipSpaces();
    if (!scanner.AtEnd())
        return std::nullopt;
    return number;
}

// A value as significant decimal digits: D.DDD... times 10 to the power of Exponent.
struct DecimalDigits {
    std::string Digits;
    int Exponent = 0;
};

// The magnitude correctly rounded to `count` significant digits.
DecimalDigits SignificantDigits(long double magnitude, int count)
{
    std::array<char, 64> buffer;
    const char* end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                    std::chars_format::scientific, count - 1).ptr;
    const std::string_view text(buffer.data(), end);
    const std::size_t exponentMark = text.find('e');
    DecimalDigits decimal;
    decimal.Digits = text.substr(0, exponentMark);
    if (count > 1)
        decimal.Digits.erase(1, 1);
    std::string_view exponent = text.substr(exponentMark + 1);
    if (exponent.front() == '+')
        exponent.remove_prefix(1);
    std::from_chars(exponent.data(), exponent.data() + exponent.size(), decimal.Exponent);
    return decimal;
}

void Increment(std::string& digits)
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

// The digits of the value in cents (at least three), rounded half away from zero on the
// decimal digits.
std::string RoundedCents(const DecimalDigits& decimal)
{
    std::string cents;
    const int kept = decimal.Exponent + 3;
    if (kept >= 0) {
        const auto keptDigits = static_cast<std::size_t>(kept);
        cents = decimal.Digits.substr(0, keptDigits);
        cents.resize(keptDigits, '0');
        if (keptDigits < decimal.Digits.size() && decimal.Digits[keptDigits] >= '5')
            Increment(cents);
    }
    if (cents.size() < 3)
        cents.insert(0, 3 - cents.size(), '0');
    return cents;
}

std::string FixedWithTwoDecimals(long double magnitude, bool negative)
{
    const std::string cents = RoundedCents(SignificantDigits(magnitude, ExactDigits));
    const bool isZero = cents.find_first_not_of('0') == std::string::npos;
    std::string text = negative && !isZero ? "-" : "";
    text.append(cents, 0, cents.size() - 2);
    text += platform::DecimalSeparator();
    text.append(cents, cents.size() - 2);
    return text;
}

std::string WithExponent(long double magnitude, bool negative)
{
    DecimalDigits decimal = SignificantDigits(magnitude, ExponentFormDigits);
    decimal.Digits.erase(decimal.Digits.find_last_not_of('0') + 1);
    std::string text = negative ? "-" : "";
    text += decimal.Digits.front();
    if (decimal.Digits.size() > 1)
        text.append(1, platform::DecimalSeparator()).append(decimal.Digits, 1);
    return text + "E" + std::to_string(decimal.Exponent);
}

}  // namespace

long double TextToFloat(std::string_view text)
{
    const std::optional<std::string> number = Normalised(text, platform::DecimalSeparator());
    long double value = 0;
    if (number) {
        const char* end = number->data() + number->size();
        const auto [stop, error] = std::from_chars(number->data(), end, value);
        if (error == std::errc{} && stop == end)
            return value;
    }
    throw platform::EConvertError("'" + std::string(text) + "' is not a valid floating point value");
}

std::string FormatTwoDecimals(long double value)
{
    const bool negative = std::signbit(value);
    const long double magnitude = std::fabs(value);
    if (std::isnan(value))
        return negative ? "-NAN" : "NAN";
    if (std::isinf(value))
        return negative ? "-INF" : "INF";
    if (magnitude >= ExponentFormFrom)
        return WithExponent(magnitude, negative);
    return FixedWithTwoDecimals(magnitude, negative);
}

}  // namespace calculator
