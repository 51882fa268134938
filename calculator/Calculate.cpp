#include "Calculate.h"

#include "UpCaseAmount.h"
#include "engine/CStyleParser.h"
#include "platform/Exceptions.h"
#include "platform/FormatFloat.h"
#include "platform/NumberText.h"

#include <algorithm>

namespace calculator {
namespace {

constexpr int DisplayDigits = 10;
// Every decimal of up to 15 significant digits survives a double, so the amount reaches the
// two-decimal rounding with all the digits the user's calculation gave it.
constexpr int AmountDigits = 15;

bool IsBlank(std::string_view text)
{
    return std::ranges::all_of(text, [](char c) { return static_cast<unsigned char>(c) <= ' '; });
}

void Evaluate(TCStyleParser& parser, std::string_view expressionText, TFolding folding,
              TCalculation& calculation)
{
    parser.FoldConstants = folding == TFolding::On;
    const int index = parser.AddExpression(expressionText);
    const double value = parser.ExpressionValue(index);
    calculation.ValueText = parser.FormatValue(value, DisplayDigits);
    const long double amount = platform::TextToExtended(parser.FormatValue(value, AmountDigits));
    calculation.ResultText = platform::FormatTwoDecimals(amount);
    // The uppercase text is made from the two-decimal text the user sees.
    const auto shown = static_cast<double>(platform::TextToExtended(*calculation.ResultText));
    calculation.UpCaseText = AmountToUpCase(shown);
}

}  // namespace

TCalculation Calculate(TCStyleParser& parser, std::string_view expressionText, TFolding folding)
{
    TCalculation calculation;
    if (IsBlank(expressionText)) {
        calculation.Report = TReportKind::Warning;
        calculation.Message = EmptyExpressionWarning;
        return calculation;
    }
    try {
        Evaluate(parser, expressionText, folding, calculation);
    } catch (const platform::Exception& error) {
        calculation.Report = TReportKind::Error;
        calculation.Message = CalculationErrorMessage;
        calculation.Details = error.what();
    }
    return calculation;
}

}  // namespace calculator
