#pragma once
// Calculations one after another with one parser, set up as the calculator window sets up its
// own: the standard dialect, and every distinct text compiled once and kept, so variables keep
// their values from one calculation to the next.
#include "calculator/Calculate.h"
#include "engine/CStyleParser.h"

#include <cstddef>
#include <iosfwd>
#include <memory>
#include <string_view>

namespace cli {

enum class TOutputFormat { Text, Json };

struct TBatchSettings {
    bool CStyle = false;
    calculator::TFolding Folding = calculator::TFolding::Off;
    TOutputFormat Format = TOutputFormat::Text;
};

class TBatchCalculator {
public:
    // Results go to output, one line per calculation; in the text format the reports of
    // failed calculations go to reports.
    TBatchCalculator(const TBatchSettings& settings, std::ostream& output, std::ostream& reports);

    void Calculate(std::string_view expression);
    bool AllSucceeded() const { return !FAnyFailed; }

private:
    void WriteText(const calculator::TCalculation& calculation);

    TBatchSettings FSettings;
    std::ostream& FOutput;
    std::ostream& FReports;
    std::unique_ptr<TCStyleParser> FParser = TCustomExpressionParser::Create<TCStyleParser>();
    std::size_t FCount = 0;
    bool FAnyFailed = false;
};

}  // namespace cli
