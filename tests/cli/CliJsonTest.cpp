// The command-line calculator's JSON output, parsed back.
#include "CliRunner.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>
#include <vector>

namespace {

using Json = nlohmann::ordered_json;

// Each line of the output as an object; ordered objects compare with their key order.
std::vector<Json> Objects(const std::string& output)
{
    std::vector<Json> objects;
    for (const std::string& line : Lines(output))
        objects.push_back(Json::parse(line));
    return objects;
}

std::vector<Json> Expected(const std::vector<std::string>& texts)
{
    std::vector<Json> objects;
    for (const std::string& text : texts)
        objects.push_back(Json::parse(text));
    return objects;
}

TEST(CliJson, EachCalculationIsOneObjectWithTheKeysThatApplyInOrder)
{
    const CliRun run = RunCli({"--json", "--", "-5", "1>2", "", "1/0", "10^13"});
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Errors, "");  // the reports are in the objects
    EXPECT_EQ(Objects(run.Output), Expected({
        R"({"expression":"-5","text":"-5","result":"-5.00","uppercase":"负伍元整"})",
        R"({"expression":"1>2","text":"False","error":{"kind":"error",
            "message":"计算错误，请仔细检查表达式输入是否正确。",
            "details":"'False' is not a valid floating point value"}})",
        R"({"expression":"","error":{"kind":"warning","message":"请输入表达式。"}})",
        R"({"expression":"1/0","error":{"kind":"error",
            "message":"计算错误，请仔细检查表达式输入是否正确。",
            "details":"Floating point division by zero"}})",
        R"({"expression":"10^13","text":"1E013","result":"10000000000000.00","error":{
            "kind":"error","message":"计算错误，请仔细检查表达式输入是否正确。",
            "details":"金额超出范围，无法写成大写。能写成大写的金额最大为 9999999999999.99 元。"}})",
    }));
}

TEST(CliJson, LinesOfTheInputBecomeObjectsWithoutTheirLineEnds)
{
    const CliRun run = RunCli({"--json"}, "x:=1.5\r\nx*2\n");
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(Objects(run.Output), Expected({
        R"({"expression":"x:=1.5","text":"1.5","result":"1.50","uppercase":"壹元伍角"})",
        R"({"expression":"x*2","text":"3","result":"3.00","uppercase":"叁元整"})",
    }));
}

TEST(CliJson, TextIsWrittenAsUtf8AndBytesThatAreNotBecomeReplacementCharacters)
{
    const CliRun run = RunCli({"--json", "\xff(1)", "1+1"});
    EXPECT_THAT(run.Output, ::testing::HasSubstr("贰元整"));
    EXPECT_THAT(run.Output, ::testing::Not(::testing::HasSubstr("\\u")));
    const std::vector<Json> objects = Objects(run.Output);  // strict parsing: valid UTF-8
    ASSERT_EQ(objects.size(), 2u);
    EXPECT_EQ(objects[0]["expression"], "\uFFFD(1)");
    EXPECT_EQ(objects[0]["error"]["details"],
              "Error in math expression: \uFFFD is an unknown function");
}

}  // namespace
