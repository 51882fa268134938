#include <gtest/gtest.h>

#include <typeinfo>

#include "EngineFixture.h"

namespace {

TEST_F(EngineTest, TokenizingAndCheckingRewriteTheWords)
{
    struct {
        const char* Text;
        const char* Words;
    } cases[] = {
        {"1+2", "1 + 2"},
        {"1+\r\n2", "1 + 2"},
        {"  1 +\t2  ", "1 + 2"},
        {"-5", "-@ 5"},
        {"2 - - 3", "2 - -@ 3"},
        {"2 * - + - 3", "2 * +@ 3"},
        {"5--3", "5 - -@ 3"},
        {"(-1, -+-2)", "( -@ 1 , +@ 2 )"},
        {"not not x", "x"},
        {"not not not x", "not x"},
        {"(not not 1)", "( 1 )"},
        {"2 not not 1", "2 not not 1"},
        {"2 ^ 3", "2 ^@ 3"},
        {"2 ^ 1e-3", "2 ^@ 1e-3"},
        {"2 ^ 3.0", "2 ^ 3.0"},
        {"2 ^ pi", "2 ^ pi"},
        {"2 ^ x", "2 ^ x"},
        {"$ff + 1", "255 + 1"},
        {"$ffffffff", "-1"},
        {"$xyz + $", "$xyz + $"},
        {"PI*Max(1,2)", "pi * max ( 1 , 2 )"},
        {"x:=1", "x := 1"},
        {".5+1.", ".5 + 1."},
        {"1 + \xE2\x82\xAC", "1 + \xE2\x82\xAC"},
        {"'abc", "'abc"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Words(c.Text), c.Words) << c.Text;
}

TEST_F(EngineTest, OperatorTokensAreFormedWhetherTheVocabularyKnowsThemOrNot)
{
    EXPECT_EQ(Tokens("a<=b=<c<>d><e>>f==g"), "a <= b =< c <> d >< e >> f == g");
    EXPECT_EQ(Tokens("a!=b!c:=d:e"), "a != b ! c := d : e");
    EXPECT_EQ(Tokens("a&&b||c&d|e"), "a && b || c & d | e");
    EXPECT_EQ(Tokens("a#b;c?[d]{e}`f\\g~h"), "a # b ; c ? [ d ] { e } ` f \\ g ~ h");
}

TEST_F(EngineTest, TwoCharacterSignsNeedTheirWordInTheVocabulary)
{
    Parser->ReplaceWord("--", std::make_unique<TFunction>("--", testdialect::Negate, 1, true, 5));
    EXPECT_EQ(Words("5--3"), "5 -- 3");
    EXPECT_EQ(Words("5++3"), "5 + +@ 3");
}

TEST_F(EngineTest, StringLiteralsBindIntoStringWords)
{
    const std::unique_ptr<TExprCollection> words = Parser->Tokenize("'abc' = 'abd' + pos('B', 'ABC')");
    Parser->CheckAndResolve(*words);
    ASSERT_EQ(words->Count(), 3);
    const auto* comparison = dynamic_cast<const TLogicalStringOper*>(words->Items(0));
    ASSERT_NE(comparison, nullptr);
    EXPECT_EQ(comparison->ResultKind(), wkBoolean);
    EXPECT_EQ(comparison->FirstArg->GetTextValue(), "abc");
    EXPECT_EQ(comparison->SecondArg->GetTextValue(), "abd");
    const auto* position = dynamic_cast<const TSimpleStringFunction*>(words->Items(2));
    ASSERT_NE(position, nullptr);
    EXPECT_EQ(position->Name, "pos");
    EXPECT_EQ(position->ResultKind(), wkNumber);
    EXPECT_EQ(position->FirstArg->GetTextValue(), "b");
    EXPECT_EQ(position->SecondArg->GetTextValue(), "abc");
    EXPECT_EQ(Words("pos('x')"), "pos");
}

TEST_F(EngineTest, AStringFunctionOfAVaryingTemplateIsVarying)
{
    Parser->DefineStringWord(std::make_unique<TVaryingStringFunction>(
        "rpos", "", testdialect::Position, nullptr));
    const std::unique_ptr<TExprCollection> words = Parser->Tokenize("rpos('a')");
    Parser->CheckAndResolve(*words);
    ASSERT_EQ(words->Count(), 1);
    EXPECT_EQ(typeid(*words->Items(0)), typeid(TVaryingStringFunction));
}

TEST_F(EngineTest, UnknownNamesBecomeVariablesOfTheParserEvenWhenCompilingFails)
{
    EXPECT_EQ(CompileError("foo(1)"), "Error in math expression: foo is an unknown function");
    const auto [found, index] = Parser->Vocabulary.FindKey("FOO");
    ASSERT_TRUE(found);
    EXPECT_EQ(typeid(*Parser->Vocabulary.Items(index)), typeid(TGeneratedVariable));
    EXPECT_EQ(Words("foo"), "foo");
}

TEST_F(EngineTest, TheParserReadsNumbersWithItsOwnDecimalMark)
{
    std::unique_ptr<TTestParser> commaParser;
    {
        const TSeparators comma(',', ';');
        commaParser = TCustomExpressionParser::Create<TTestParser>();
    }
    EXPECT_EQ(commaParser->DecimalMark, ',');
    EXPECT_EQ(commaParser->ArgumentSeparator, ';');
    EXPECT_EQ(commaParser->Evaluate("max(1,5; 2) * 2"), 4.0);
    EXPECT_EQ(platform::DecimalSeparator(), '.');

    // The separator is restored also when a literal fails to convert.
    try {
        commaParser->Compile("1,5e + 1");
        ADD_FAILURE();
    } catch (const platform::EConvertError& error) {
        EXPECT_STREQ(error.what(), "'1,5e' is not a valid floating point value");
    }
    EXPECT_EQ(platform::DecimalSeparator(), '.');
    EXPECT_THROW(commaParser->Compile("(1"), EParserException);
    EXPECT_EQ(platform::DecimalSeparator(), '.');

    // With ',' as its decimal mark, "1.5" is two words: 1 and a name.
    const std::unique_ptr<TExprCollection> words = commaParser->Tokenize("2 ^ 3,0");
    commaParser->CheckAndResolve(*words);
    EXPECT_EQ(words->Items(1)->Name, "^");
}

}  // namespace
