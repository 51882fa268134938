// The first steps of compiling: cutting the text into words, and the syntax checks and
// rewrites that prepare the words for tree building.
#include <algorithm>
#include <charconv>
#include <typeinfo>
#include <vector>

#include "engine/ParseExpr.h"
#include "platform/LocaleSeparators.h"
#include "platform/NumberText.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsHexDigit(char c) { return IsDigit(c) || (c >= 'a' && c <= 'f'); }
bool IsIdentifierChar(char c) { return IsDigit(c) || c == '_' || (c >= 'a' && c <= 'z'); }
bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The scan state that ScanToken and ScanNumber share: the text, the scan position, the
// token start and whether the token is a literal.
class TTokenScanner {
public:
    TTokenScanner(std::string_view text, char hexPrefix, char decimalMark,
                  const TExpressList& vocabulary)
        : FText(text), FHexPrefix(hexPrefix), FDecimalMark(decimalMark), FVocabulary(vocabulary)
    {
    }

    bool AtEnd() const { return FPos >= FText.size(); }
    std::string_view Token() const { return Trimmed(FText.substr(FTokenStart, FPos - FTokenStart)); }
    bool IsLiteral() const { return FConstant; }

    void ScanToken()
    {
        while (FPos + 1 < FText.size() && FText[FPos] == ' ')
            ++FPos;
        FTokenStart = FPos;
        FConstant = false;
        if (AtEnd())
            return;
        const char c = FText[FPos];
        if (c == FHexPrefix) {
            const std::size_t digits = ++FPos;
            ScanNumber(true);
            if (FPos == digits) {
                FConstant = false;
                SkipWhile(IsIdentifierChar);
            }
        } else if (c == FDecimalMark || IsDigit(c)) {
            ScanNumber(false);
        } else if (c == '\'') {
            FConstant = true;
            FPos = std::min(FText.find('\'', FPos + 1), FText.size() - 1) + 1;
        } else if (IsIdentifierChar(c)) {
            SkipWhile(IsIdentifierChar);
        } else if (c == '<' || c == '>' || c == '=') {
            ++FPos;
            TakeIf(Next() == '<' || Next() == '=' || Next() == '>');
        } else if (c == '&' || c == '|') {
            ++FPos;
            TakeIf(Next() == c);
        } else if (c == ':' || c == '!') {
            ++FPos;
            TakeIf(Next() == '=');
        } else if (c == '+' || c == '-') {
            ++FPos;
            TakeIf(Next() == c && FVocabulary.FindKey(std::string(2, c)).Found);
        } else {
            TakeCharacter();
        }
    }

private:
    void ScanNumber(bool hexDigits)
    {
        FConstant = true;
        SkipWhile(hexDigits ? IsHexDigit : IsDigit);
        if (TakeIf(Next() == FDecimalMark))
            SkipWhile(IsDigit);
        if (TakeIf(Next() == 'e')) {
            TakeIf(Next() == '+' || Next() == '-');
            SkipWhile(IsDigit);
        }
    }

    // One character: a byte, or a whole UTF-8 sequence, so that no token holds half of one.
    void TakeCharacter()
    {
        const bool sequence = static_cast<unsigned char>(FText[FPos++]) >= 0xC0;
        for (int more = 0; sequence && more < 3 && (static_cast<unsigned char>(Next()) & 0xC0) == 0x80;
             ++more)
            ++FPos;
    }

    char Next() const { return AtEnd() ? '\0' : FText[FPos]; }

    // Takes the character at the position when the condition (on that character) holds.
    bool TakeIf(bool condition)
    {
        if (condition)
            ++FPos;
        return condition;
    }

    template <class TPredicate>
    void SkipWhile(TPredicate predicate)
    {
        while (!AtEnd() && predicate(FText[FPos]))
            ++FPos;
    }

    const std::string_view FText;
    const char FHexPrefix;
    const char FDecimalMark;
    const TExpressList& FVocabulary;
    std::size_t FPos = 0;
    std::size_t FTokenStart = 0;
    bool FConstant = false;
};

// A literal's word, kept in the constant store; a hexadecimal literal becomes the decimal
// text of its value.
TExprWord* LiteralWord(std::string_view token, char hexPrefix, TOCollection<TExprWord>& constants)
{
    std::string text(token);
    if (token.front() == hexPrefix) {
        char digits[16];
        const auto result = std::to_chars(digits, digits + sizeof digits, platform::HexLiteralToInt(token));
        text.assign(digits, result.ptr);
    }
    std::unique_ptr<TExprWord> word;
    if (text.front() == '\'')
        word = std::make_unique<TStringConstant>(text);
    else
        word = std::make_unique<TDoubleConstant>(text, text);
    constants.Add(word.get());
    return word.release();
}

// The vocabulary's word of that name; an unknown name becomes a new variable of the parser.
TExprWord* NamedWord(std::string_view token, TExpressList& vocabulary)
{
    if (const auto [found, index] = vocabulary.FindKey(token); found)
        return vocabulary.Items(index);
    auto variable = std::make_unique<TGeneratedVariable>(token);
    vocabulary.InsertItem(variable.get());
    return variable.release();
}

TWordKind KindOf(const TExprWord* word) { return word ? word->ResultKind() : wkNumber; }
bool IsLeftBracket(const TExprWord* word) { return KindOf(word) == wkLeftBracket; }
bool IsRightBracket(const TExprWord* word) { return KindOf(word) == wkRightBracket; }
bool IsConstant(const TExprWord* word) { return word && IsConstantWord(word); }
bool IsSign(const TExprWord* word) { return word->Name == "+" || word->Name == "-"; }

// Where a sign is a prefix: at the start, or after a separator, an opening bracket or a
// two-operand operator.
bool IsUnaryPosition(const TExprWord* before)
{
    return !before || KindOf(before) == wkComma || IsLeftBracket(before) ||
           (before->IsOperator() && before->ArgumentCount() == 2);
}

// The checks that look at the neighbours of a word, in their order.
void CheckNeighbours(const TExprWord* word, const TExprWord* before, const TExprWord* next)
{
    if (IsConstant(word) && IsConstant(next))
        RaiseMathError(word->Name + " two space limited variables/constants");
    if (next && typeid(*word) == typeid(TGeneratedVariable) && IsLeftBracket(next))
        RaiseMathError(word->Name + " is an unknown function");
    if (IsLeftBracket(word) && (!next || IsRightBracket(next)))
        RaiseMathError("Empty brackets ()");
    if (IsRightBracket(word) && IsLeftBracket(next))
        RaiseMathError("Missing operand between )(");
    if (IsRightBracket(word) && IsConstant(next))
        RaiseMathError("Missing operand between ) and constant/variable");
    if (IsLeftBracket(word) && IsConstant(before))
        RaiseMathError("Missing operand between constant/variable and (");
}

const TSimpleStringFunction* StringFunction(const TExprWord* word)
{
    return word->EvalRoutine == StringFunctionRoutine
               ? dynamic_cast<const TSimpleStringFunction*>(word)
               : nullptr;
}

// A string function is always called with one or two string literals.
void RejectUnbound(const TExprWord* word)
{
    if (const TSimpleStringFunction* function = StringFunction(word); function && !function->FirstArg)
        RaiseMathError(word->Name + " takes one or two string arguments");
}

// The string function whose call's brackets enclose the word at `at`, if any.
const TSimpleStringFunction* EnclosingStringFunction(const std::vector<TExprWord*>& words,
                                                     std::ptrdiff_t at)
{
    int depth = 0;
    for (std::ptrdiff_t j = at - 1; j >= 1; --j) {
        if (IsRightBracket(words[j]))
            ++depth;
        else if (IsLeftBracket(words[j]) && depth-- == 0)
            return StringFunction(words[j - 1]);
    }
    return nullptr;
}

std::unique_ptr<TSimpleStringFunction> MakeStringFunction(const TSimpleStringFunction& model,
                                                          const TExprWord* first,
                                                          const TExprWord* second)
{
    std::string description(model.Description);
    if (model.IsVarying())
        return std::make_unique<TVaryingStringFunction>(model.Name, std::move(description),
                                                        model.StringRoutine, first, second);
    return std::make_unique<TSimpleStringFunction>(model.Name, std::move(description),
                                                   model.StringRoutine, first, second);
}

// Binds string literals, from the right: a string function's call becomes one bound word,
// and two literals around an operator become one comparison word.
std::vector<TExprWord*> BindStrings(const std::vector<TExprWord*>& words,
                                    TOCollection<TExprWord>& constants)
{
    if (words.empty())
        return {};
    // The words already passed, the nearest last: the word at i + k is Ahead(k).
    std::vector<TExprWord*> passed{words.back()};
    RejectUnbound(words.back());
    const auto ahead = [&passed](std::size_t k) -> TExprWord* {
        return k <= passed.size() ? passed[passed.size() - k] : nullptr;
    };
    const auto keep = [&constants](std::unique_ptr<TSimpleStringFunction> word) {
        constants.Add(word.get());
        return word.release();
    };

    for (std::ptrdiff_t i = static_cast<std::ptrdiff_t>(words.size()) - 2; i >= 0; --i) {
        TExprWord* word = words[i];
        if (KindOf(word) == wkString) {
            const TSimpleStringFunction* function = i >= 2 ? StringFunction(words[i - 2]) : nullptr;
            const bool secondString = KindOf(ahead(2)) == wkString;
            if (function) {
                const bool shaped = IsLeftBracket(words[i - 1]) &&
                                    (secondString ? KindOf(ahead(1)) == wkComma &&
                                                        IsRightBracket(ahead(3))
                                                  : IsRightBracket(ahead(1)));
                if (!shaped)
                    RaiseMathError(function->Name + " takes one or two string arguments");
                TExprWord* second = secondString ? ahead(2) : nullptr;
                passed.resize(passed.size() - (secondString ? 3 : 1));
                passed.push_back(keep(MakeStringFunction(*function, word, second)));
                i -= 2;
                continue;
            }
            if (secondString) {
                // Literals around a separator inside a string function's call are surplus
                // arguments of that call, not a comparison.
                if (KindOf(ahead(1)) == wkComma)
                    if (const TSimpleStringFunction* enclosing = EnclosingStringFunction(words, i))
                        RaiseMathError(enclosing->Name + " takes one or two string arguments");
                TExprWord* right = ahead(2);
                const std::string operatorName = ahead(1)->Name;
                passed.resize(passed.size() - 2);
                passed.push_back(keep(std::make_unique<TLogicalStringOper>(operatorName, word, right)));
                continue;
            }
        }
        RejectUnbound(word);
        passed.push_back(word);
    }
    return {passed.rbegin(), passed.rend()};
}

}  // namespace

std::unique_ptr<TExprCollection> TCustomExpressionParser::Tokenize(std::string_view text)
{
    const std::string lowered = LowerCase(text);
    const platform::DecimalSeparatorScope separator(DecimalMark);
    auto words = std::make_unique<TExprCollection>(10);
    TTokenScanner scanner(Trimmed(lowered), HexPrefix, DecimalMark, Vocabulary);
    do {
        scanner.ScanToken();
        const std::string_view token = scanner.Token();
        if (token.empty())
            continue;
        if (scanner.IsLiteral())
            words->Add(LiteralWord(token, HexPrefix, Constants));
        else
            words->Add(NamedWord(token, Vocabulary));
    } while (!scanner.AtEnd());
    return words;
}

void TCustomExpressionParser::CheckBrackets(const TExprCollection& words)
{
    int depth = 0;
    for (const TExprWord* word : words.List())
        depth += IsLeftBracket(word) ? 1 : IsRightBracket(word) ? -1 : 0;
    if (depth != 0)
        throw EParserException("Unequal brackets");
}

// One pass from the left, checking each word against its neighbours and rewriting sign
// runs, runs of "not" and integer powers; the words are copied once into their new list,
// so that removing runs costs nothing extra.
void TCustomExpressionParser::CheckAndResolve(TExprCollection& words)
{
    CheckBrackets(words);
    const auto vocabularyWord = [this](std::string_view name) -> TExprWord* {
        const auto [found, index] = Vocabulary.FindKey(name);
        return found ? Vocabulary.Items(index) : nullptr;
    };
    TExprWord* const negative = vocabularyWord("-@");
    TExprWord* const positive = vocabularyWord("+@");
    TExprWord* const integerPower = vocabularyWord("^@");

    const std::span<TExprWord* const> in = words.List();
    std::vector<TExprWord*> out;
    out.reserve(in.size());
    for (std::size_t at = 0; at < in.size();) {
        TExprWord* word = in[at];
        const TExprWord* before = out.empty() ? nullptr : out.back();
        std::size_t next = at + 1;
        if (IsSign(word) && IsUnaryPosition(before)) {
            bool negate = word->Name == "-";
            for (; next < in.size() && IsSign(in[next]) && IsUnaryPosition(in[next - 1]); ++next)
                negate = negate != (in[next]->Name == "-");
            if (TExprWord* sign = negate ? negative : positive)
                word = sign;
        } else if (word->Name == "not" && (!before || IsLeftBracket(before) || before->IsOperator())) {
            while (next < in.size() && in[next]->Name == "not")
                ++next;
            if ((next - at) % 2 == 0) {
                // An even run cancels out; at the end nothing is left for it to apply to.
                if (next == in.size())
                    RaiseMathError("Syntax error: function or operand has too few arguments");
                at = next;
                continue;
            }
        }
        const TExprWord* following = next < in.size() ? in[next] : nullptr;
        CheckNeighbours(word, before, following);
        if (word->Name == "^" && integerPower && following &&
            typeid(*following) == typeid(TDoubleConstant) &&
            following->Name.find(DecimalMark) == std::string::npos)
            word = integerPower;
        out.push_back(word);
        at = next;
    }

    const std::vector<TExprWord*> bound = BindStrings(out, Constants);
    words.Clear();
    for (TExprWord* word : bound)
        words.Add(word);
}
