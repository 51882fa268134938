#pragma once
// The Calculate command without its window: from the expression text to the texts the window
// shows, or to the report of what went wrong. The window and the command-line calculator
// both run it.
#include <optional>
#include <string>
#include <string_view>

class TCStyleParser;

namespace calculator {

inline constexpr std::string_view EmptyExpressionWarning = "请输入表达式。";
inline constexpr std::string_view CalculationErrorMessage =
    "计算错误，请仔细检查表达式输入是否正确。";

enum class TReportKind { None, Warning, Error };

// Whether the expression is compiled with its constant parts evaluated in advance. The
// window compiles without; the command-line calculator may ask for folding.
enum class TFolding { Off, On };

struct TCalculation {
    // The engine's display text of the value ("%.10g", "True", "False"), once evaluated.
    std::optional<std::string> ValueText;
    // The value with two decimals, once it was formed.
    std::optional<std::string> ResultText;
    // The two-decimal amount in uppercase numerals, once it was formed.
    std::optional<std::string> UpCaseText;
    TReportKind Report = TReportKind::None;
    std::string Message;  // the report's fixed sentence
    std::string Details;  // the error's own message; empty for the warning
};

// A blank text gives the warning and touches nothing. Otherwise the text, untrimmed, is
// compiled with the given folding (or found among the parser's stored texts) and evaluated
// once; the value becomes the two-decimal text and that text the uppercase amount. An error
// of the exception family on the way ends the command with the error report; whatever was
// formed before it stays in the result.
TCalculation Calculate(TCStyleParser& parser, std::string_view expressionText,
                       TFolding folding = TFolding::Off);

}  // namespace calculator
