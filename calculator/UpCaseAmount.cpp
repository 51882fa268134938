#include "UpCaseAmount.h"

#include <cmath>
#include <cstdint>
#include <iterator>
#include <limits>
#include <string_view>
#include <utility>

namespace calculator {
namespace {

static_assert(std::numeric_limits<long double>::digits == 64,
              "cents are formed exactly in the x87 extended format");

// The digit numerals 0 to 9, two fillers that are never looked up, then the units of the
// 15 field positions, highest first.
constexpr std::u32string_view UpCaseTable = U"零壹贰叁肆伍陆柒捌玖--万仟佰拾亿仟佰拾万仟佰拾元角分";
constexpr std::size_t FirstUnit = 12;
constexpr std::size_t FieldWidth = 15;
constexpr std::int64_t LargestCents = 999'999'999'999'999;

// The replacements that tidy the spelled-out field, applied in this order. The repeated
// pairs are needed: earlier pairs create new occurrences for the later ones.
constexpr std::pair<std::u32string_view, std::u32string_view> UpCaseRules[] = {
    {U"零元", U"元"},
    {U"零拾", U"零"},
    {U"零佰", U"零"},
    {U"零仟", U"零"},
    {U"零万", U"万"},
    {U"零亿", U"亿"},
    {U"亿万", U"亿"},
    {U"零零零", U"零"},
    {U"零零", U"零"},
    {U"零万", U"万"},
    {U"零亿", U"亿"},
    {U"亿万", U"亿"},
    {U"零元", U"元"},
};
static_assert(std::size(UpCaseRules) == 13);

constexpr std::u32string_view NoCents = U"零分";
constexpr std::u32string_view NoDimes = U"零角";
constexpr std::u32string_view Exact = U"整";
constexpr std::u32string_view Zero = U"零";
constexpr std::string_view ZeroAmount = "零元整";
constexpr std::string_view Negative = "负";

// A double times 100 needs at most 58 significant bits, so the extended product is exact
// and the rounding to even sees the true halves.
std::int64_t RoundToCents(double amount)
{
    if (!std::isfinite(amount))
        throw EAmountOutOfRange();
    const long double cents = std::nearbyint(static_cast<long double>(amount) * 100.0L);
    if (std::fabs(cents) > static_cast<long double>(LargestCents))
        throw EAmountOutOfRange();
    return static_cast<std::int64_t>(cents);
}

// The cents right-aligned in the field: every digit gives its numeral and the unit of its
// position, zeros included.
std::u32string SpellField(std::int64_t cents)
{
    const std::string digits = std::to_string(cents);
    const std::size_t firstPosition = FieldWidth - digits.size();
    std::u32string text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        text += UpCaseTable[digits[i] - '0'];
        text += UpCaseTable[FirstUnit + firstPosition + i];
    }
    return text;
}

// Non-overlapping, left to right; inserted text is not scanned again.
void ReplaceAll(std::u32string& text, std::u32string_view old, std::u32string_view replacement)
{
    std::size_t found = text.find(old);
    if (found == std::u32string::npos)
        return;
    std::u32string result;
    std::size_t start = 0;
    do {
        result.append(text, start, found - start).append(replacement);
        start = found + old.size();
    } while ((found = text.find(old, start)) != std::u32string::npos);
    text = std::move(result.append(text, start));
}

void Tidy(std::u32string& text)
{
    for (const auto& [old, replacement] : UpCaseRules)
        ReplaceAll(text, old, replacement);
    const bool noCents = text.find(NoCents) != std::u32string::npos;
    ReplaceAll(text, NoDimes, noCents ? Exact : Zero);
    ReplaceAll(text, NoCents, U"");
}

void AppendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace

EAmountOutOfRange::EAmountOutOfRange()
    : Exception("金额超出范围，无法写成大写。能写成大写的金额最大为 9999999999999.99 元。")
{
}

std::string AmountToUpCase(double amount)
{
    const std::int64_t cents = RoundToCents(amount);
    // Nothing left after tidying would leave a blank on a bill.
    if (cents == 0)
        return std::string(ZeroAmount);
    std::u32string text = SpellField(cents < 0 ? -cents : cents);
    Tidy(text);
    std::string result(cents < 0 ? Negative : "");
    result.reserve(result.size() + 3 * text.size());
    for (const char32_t c : text)
        AppendUtf8(result, c);
    return result;
}

}  // namespace calculator
