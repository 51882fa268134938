#include <gtest/gtest.h>

#include <string>
#include <typeinfo>
#include <vector>

#include "ParserFixture.h"

namespace {

constexpr const char* TooFewArguments =
    "Error in math expression: Syntax error: function or operand has too few arguments";

class CStyleParserTest : public ParserTest<TCStyleParser> {
protected:
    void ExpectOutcomes(std::initializer_list<std::pair<const char*, const char*>> cases)
    {
        for (const auto& [text, outcome] : cases)
            EXPECT_EQ(Outcome(*Parser, text), outcome) << text;
    }

    const TExprWord* Word(std::string_view name) const
    {
        const auto [found, index] = Parser->Vocabulary.FindKey(name);
        return found ? Parser->Vocabulary.Items(index) : nullptr;
    }

    std::vector<TExprWord*> Words() const
    {
        const auto words = Parser->Vocabulary.List();
        return {words.begin(), words.end()};
    }
};

TEST_F(CStyleParserTest, ANewParserSpeaksTheCLikeDialect)
{
    EXPECT_TRUE(Parser->CStyle());
    const struct {
        const char* Text;
        const std::type_info& Class;
        int Priority;
        int Args;
        const char* Description;
    } words[] = {
        {"fact", typeid(TFunction), 0, 1, "factorial"},
        {"div", typeid(TFunction), 0, 2, "integer division"},
        {"perc", typeid(TFunction), 0, 1, "percentage"},
        {"%", typeid(TFunction), 30, 2, ""},
        {"||", typeid(TBooleanFunction), 70, 2, ""},
        {"&&", typeid(TBooleanFunction), 70, 2, ""},
        {"==", typeid(TBooleanFunction), 50, 2, ""},
        {"=", typeid(TFunction), 200, 2, ""},
        {"!=", typeid(TBooleanFunction), 50, 2, ""},
        {"!", typeid(TBooleanFunction), 60, 1, ""},
    };
    for (const auto& expected : words) {
        const auto* word = dynamic_cast<const TFunction*>(Word(expected.Text));
        ASSERT_NE(word, nullptr) << expected.Text;
        EXPECT_EQ(typeid(*word), expected.Class) << expected.Text;
        EXPECT_EQ(word->Priority, expected.Priority) << expected.Text;
        EXPECT_EQ(word->IsOperator(), expected.Priority > 0) << expected.Text;
        EXPECT_EQ(word->ArgumentCount(), expected.Args) << expected.Text;
        EXPECT_EQ(word->GetDescription(), expected.Description) << expected.Text;
    }
    for (const char* gone : {"mod", "or", "and", ":=", "<>", "not"})
        EXPECT_EQ(Word(gone), nullptr) << gone;
    EXPECT_EQ(Parser->Vocabulary.Count(), 63);
    EXPECT_EQ(Parser->Constants.Count(), 0);  // no new word was left out of the vocabulary

    ExpectOutcomes({
        {"5 == 5", "True"},
        {"7 % 3", "1"},
        {"perc(50)", "0.5"},
        {"fact(4)", "24"},
        {"div(7, 2)", "3"},
        {"50%", TooFewArguments},
        {"x = 2", "2"},
        {"x * 3", "6"},
        {"!0", "True"},
        {"6 && 3", "2"},
        {"6 || 3", "7"},
        {"1 != 2", "True"},
        {"2 ^ 3", "8"},
        {"'a' == 'a'", "== is not a valid string operand"},
    });
}

TEST_F(CStyleParserTest, TheStandardDialectIsTheStandardVocabularyWordForWord)
{
    Parser->SetCStyle(false);
    EXPECT_FALSE(Parser->CStyle());
    const auto standard = TCustomExpressionParser::Create<TExpressionParser>();
    ASSERT_EQ(Parser->Vocabulary.Count(), standard->Vocabulary.Count());
    for (int index = 0; index < standard->Vocabulary.Count(); ++index) {
        const TExprWord& word = *Parser->Vocabulary.Items(index);
        const TExprWord& expected = *standard->Vocabulary.Items(index);
        EXPECT_EQ(word.Name, expected.Name);
        EXPECT_EQ(typeid(word), typeid(expected)) << expected.Name;
        EXPECT_EQ(word.EvalRoutine, expected.EvalRoutine) << expected.Name;
        EXPECT_EQ(word.ArgumentCount(), expected.ArgumentCount()) << expected.Name;
        EXPECT_EQ(word.IsOperator(), expected.IsOperator()) << expected.Name;
        EXPECT_EQ(word.GetDescription(), expected.GetDescription()) << expected.Name;
        EXPECT_EQ(word.HasSideEffects(), expected.HasSideEffects()) << expected.Name;
        if (const auto* function = dynamic_cast<const TFunction*>(&expected)) {
            EXPECT_EQ(dynamic_cast<const TFunction&>(word).Priority, function->Priority)
                << expected.Name;
        }
    }
    for (const char* gone : {"fact", "perc", "==", "!=", "&&", "||"})
        EXPECT_EQ(Word(gone), nullptr) << gone;

    ExpectOutcomes({
        {"5 = 5", "True"},
        {"7 mod 3", "1"},
        {"50%", "0.5"},
        {"4!", "24"},
        {"7 div 2", "3"},
        {"x := 2", "2"},
        {"x * 3", "6"},
    });
}

TEST_F(CStyleParserTest, StoredExpressionsFollowTheSwitch)
{
    Parser->FoldConstants = false;
    const int remainder = Parser->AddExpression("7 % 3");
    const int factorial = Parser->AddExpression("fact(3)");
    const int assignment = Parser->AddExpression("z = 4");
    Parser->SetCStyle(false);

    EXPECT_EQ(Parser->ExpressionValue(remainder), 1);
    EXPECT_EQ(Parser->Expressions.Items(remainder).Expression->Word, Word("mod"));
    EXPECT_EQ(Parser->ExpressionValue(factorial), 6);
    EXPECT_EQ(Parser->ExpressionValue(assignment), 4);
    EXPECT_EQ(Outcome(*Parser, "z"), "4");
    EXPECT_EQ(Parser->AddExpression("7 % 3"), remainder);
    EXPECT_EQ(Parser->ExpressionText(remainder), "1");
}

TEST_F(CStyleParserTest, SwitchingToTheDialectInForceChangesNothing)
{
    Parser->AddExpression("7 % 3");
    for (const bool on : {true, false}) {
        Parser->SetCStyle(on);
        const std::vector<TExprWord*> before = Words();
        Parser->SetCStyle(on);
        EXPECT_EQ(Words(), before);
        EXPECT_EQ(Parser->CStyle(), on);
    }
    EXPECT_EQ(Parser->ExpressionValue(0), 1);
}

}  // namespace
