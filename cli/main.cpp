// moneycalc-cli: the calculator's Calculate command for many amounts at once, from the
// arguments or from the lines of standard input.
#include "BatchCalculator.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

enum ExitStatus { AllSucceeded = 0, SomeFailed = 1, UsageError = 2 };

constexpr const char* Description =
    "计算金额表达式，给出两位小数的金额和大写金额。\n"
    "Calculates money expressions: the amount with two decimals and in uppercase Chinese "
    "numerals.\n";

constexpr const char* Footer = R"(
每个参数是一个计算；没有参数时，标准输入的每一行是一个计算（行尾的 LF 或 CR LF 不算在内）。
以减号开头的表达式放在 -- 之后。变量在整个运行中保留：x:=5 之后，x*2 得 10.00。
输出：每个计算一行：两位小数、TAB、大写金额。失败的计算输出空行（与输入逐行对齐），
报告“序号: 信息”写到标准错误；--json 时报告在对象的 "error" 里。
退出状态：0 全部成功，1 有计算失败，2 用法错误。

Each argument is one calculation; with none, each line of standard input is one (the LF or
CR LF line end is not part of it). Put an expression that begins with a minus sign after --.
Variables keep their values for the whole run: after x:=5, x*2 gives 10.00.
Output: one line per calculation: the two decimals, a TAB, the uppercase amount. A failed
calculation writes an empty line (lines stay aligned with the input) and its report
"number: message" to standard error; with --json the report is the object's "error".
Exit status: 0 all succeeded, 1 some calculation failed, 2 usage error.

示例 Examples:
  moneycalc-cli '(1000*3)-(100-3)*3/2'
  moneycalc-cli --json -- -5 'x:=2' 'x*3'
  moneycalc-cli < amounts.txt > results.txt)";

void AddOptions(CLI::App& app, cli::TBatchSettings& settings, std::vector<std::string>& expressions)
{
    app.footer(Footer);
    app.set_help_flag("-h,--help", "显示本帮助 / print this help");
    app.add_flag_callback("--json", [&settings] { settings.Format = cli::TOutputFormat::Json; },
                          "每个计算输出一个 JSON 对象 / one JSON object per calculation: "
                          "expression, text, result, uppercase, error");
    app.add_flag("--cstyle", settings.CStyle,
                 "使用类 C 语法（= 赋值，== 比较）/ the C-like dialect (= assigns, == compares)");
    app.add_flag_callback("--fold", [&settings] { settings.Folding = calculator::TFolding::On; },
                          "编译时预先计算常量部分 / fold constant parts when compiling");
    app.add_option("expression", expressions, "表达式，每个一个计算 / expressions, one calculation each");
}

void CalculateLines(std::istream& input, cli::TBatchCalculator& calculator)
{
    for (std::string line; std::getline(input, line);) {
        if (line.ends_with('\r'))
            line.pop_back();
        calculator.Calculate(line);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    // Read ahead without writing out each line's result first, unless a person is typing.
    if (!isatty(STDIN_FILENO))
        std::cin.tie(nullptr);

    CLI::App app(Description, "moneycalc-cli");
    cli::TBatchSettings settings;
    std::vector<std::string> expressions;
    AddOptions(app, settings, expressions);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        return app.exit(error) == 0 ? AllSucceeded : UsageError;
    }

    cli::TBatchCalculator calculator(settings, std::cout, std::cerr);
    if (expressions.empty())
        CalculateLines(std::cin, calculator);
    else
        for (const std::string& expression : expressions)
            calculator.Calculate(expression);

    if (!std::cout.flush()) {
        std::cerr << "moneycalc-cli: 无法写出结果 / cannot write the results\n";
        return SomeFailed;
    }
    return calculator.AllSucceeded() ? AllSucceeded : SomeFailed;
}
