#include "BatchCalculator.h"

#include "CalculationLines.h"

#include <ostream>

namespace cli {

using calculator::TCalculation;
using calculator::TReportKind;

TBatchCalculator::TBatchCalculator(const TBatchSettings& settings, std::ostream& output,
                                   std::ostream& reports)
    : FSettings(settings), FOutput(output), FReports(reports)
{
    // A new parser speaks the C-like dialect.
    FParser->SetCStyle(settings.CStyle);
}

void TBatchCalculator::Calculate(std::string_view expression)
{
    ++FCount;
    const TCalculation calculation = calculator::Calculate(*FParser, expression, FSettings.Folding);
    FAnyFailed = FAnyFailed || calculation.Report != TReportKind::None;
    if (FSettings.Format == TOutputFormat::Json)
        FOutput << JsonLine(expression, calculation) << '\n';
    else
        WriteText(calculation);
}

void TBatchCalculator::WriteText(const TCalculation& calculation)
{
    FOutput << ResultLine(calculation) << '\n';
    // One write per report: the error stream flushes after every write.
    if (calculation.Report != TReportKind::None)
        FReports << ReportLine(FCount, calculation) + '\n';
}

}  // namespace cli
