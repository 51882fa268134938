#include "CalculationLines.h"

#include <nlohmann/json.hpp>

namespace cli {
namespace {

using calculator::TCalculation;
using calculator::TReportKind;
using Json = nlohmann::ordered_json;

void AddIfFormed(Json& object, const char* key, const std::optional<std::string>& text)
{
    if (text)
        object[key] = *text;
}

Json ErrorObject(const TCalculation& calculation)
{
    Json error;
    error["kind"] = calculation.Report == TReportKind::Warning ? "warning" : "error";
    error["message"] = calculation.Message;
    if (calculation.Report == TReportKind::Error)
        error["details"] = calculation.Details;
    return error;
}

}  // namespace

std::string ResultLine(const TCalculation& calculation)
{
    if (calculation.Report != TReportKind::None)
        return {};
    return *calculation.ResultText + '\t' + *calculation.UpCaseText;
}

std::string ReportLine(std::size_t number, const TCalculation& calculation)
{
    std::string line = std::to_string(number) + ": " + calculation.Message;
    if (!calculation.Details.empty())
        line += ' ' + calculation.Details;
    return line;
}

std::string JsonLine(std::string_view expression, const TCalculation& calculation)
{
    Json object;
    object["expression"] = expression;
    AddIfFormed(object, "text", calculation.ValueText);
    AddIfFormed(object, "result", calculation.ResultText);
    AddIfFormed(object, "uppercase", calculation.UpCaseText);
    if (calculation.Report != TReportKind::None)
        object["error"] = ErrorObject(calculation);
    return object.dump(-1, ' ', false, Json::error_handler_t::replace);
}

}  // namespace cli
