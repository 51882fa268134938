#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <string>
#include <typeinfo>

#include "EngineFixture.h"

namespace {

using WordList = std::vector<std::string>;

std::string Repeat(std::string_view text, int times)
{
    std::string repeated;
    repeated.reserve(text.size() * times);
    for (int i = 0; i < times; ++i)
        repeated += text;
    return repeated;
}

// The constant word whose value a record's slot reads, if it is one of the parser's.
const TExprWord* ConstantAt(const TTestParser& parser, const double* address)
{
    for (const TExprWord* word : parser.Constants.List())
        if (const_cast<TExprWord*>(word)->ValuePtr() == address)
            return word;
    return nullptr;
}

class Folding : public EngineTest, public testing::WithParamInterface<bool> {
protected:
    void SetUp() override { Parser->FoldConstants = GetParam(); }
};

TEST_P(Folding, OperatorsBindByPriorityAndAssociateToTheLeft)
{
    struct {
        const char* Text;
        double Value;
    } cases[] = {
        {"7", 7},
        {"1 + 2 * 3 - 4", 3},
        {"8 - 3 - 2", 3},
        {"8 / 2 / 2", 2},
        {"2 ^ 3 ^ 2", 64},
        {"2 ^ 3.0 ^ 2.0", 64},
        {"-2 ^ 2", 4},
        {"2 * -3 + 1", -5},
        {"(((5)))", 5},
        {"(1 + 2) * (3 + 4)", 21},
        {"((1 + 2)) * 3", 9},
        {"max(1, max(5, 2))", 5},
        {"max((1), (2 + 3) * 2)", 10},
        {"not 1 = 2", 1},
        {"3 ! + 1", 7},
        {"2 * 3 !", 12},
        {"-(2 + 3)", -5},
        {"pi * 2", 2 * 3.141592653589793},
        {"pos('b', 'abc') + 1", 3},
        {"'ABC' = 'abc'", 1},
        {"'b' = 'a'", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Parser->Evaluate(c.Text), c.Value) << c.Text;
}

TEST_P(Folding, OperandsThatNoOperatorJoinsAreDroppedOrIgnored)
{
    struct {
        const char* Text;
        double Value;
    } cases[] = {
        {"2 sin(0)", 0},                 // words before a call are dropped
        {"1 + 2 sin(0)", 1},
        {"3 ! 2", 6},                    // an operand after a postfix operator is ignored
        {"sin(0, 5)", 0},                // an argument beyond the count is ignored
        {"max(1, 2, 3, 4, 5, 6)", 2},
        {"max(1, 2) pos('c', 'abc')", 3},  // an operand after the call replaces its last argument
    };
    for (const auto& c : cases)
        EXPECT_EQ(Parser->Evaluate(c.Text), c.Value) << c.Text;
}

TEST_P(Folding, AVariableKeepsItsValueAcrossExpressions)
{
    EXPECT_TRUE(std::isnan(Parser->Evaluate("x + 1")));
    EXPECT_EQ(Parser->Evaluate("x := 3"), 3);
    EXPECT_EQ(Parser->Evaluate("x * 2"), 6);
}

TEST_P(Folding, AVaryingWordGivesANewValueAtEachRun)
{
    Parser->AddExpression("tick + 1");
    EXPECT_EQ(Parser->ExecuteChain(Parser->CurrentExpression), 2);
    EXPECT_EQ(Parser->ExecuteChain(Parser->CurrentExpression), 3);
}

INSTANTIATE_TEST_SUITE_P(OnAndOff, Folding, testing::Bool());

TEST_F(EngineTest, TheWorkedExampleLinksIntoAChainInPostOrder)
{
    Parser->FoldConstants = false;
    Parser->AddExpression("1 + 2 * 3 - 4");
    EXPECT_EQ(ChainWords(), (WordList{"*", "+", "-"}));
    const TExprRecord* times = Parser->CurrentExpression;
    const TExprRecord* plus = times->Next;
    const TExprRecord* minus = plus->Next;
    // Literals are read in place; operations read their operands' results.
    EXPECT_EQ(ConstantAt(*Parser, times->Args[0])->Name, "2");
    EXPECT_EQ(ConstantAt(*Parser, times->Args[1])->Name, "3");
    EXPECT_EQ(ConstantAt(*Parser, plus->Args[0])->Name, "1");
    EXPECT_EQ(plus->Args[1], &times->Result);
    EXPECT_EQ(minus->Args[0], &plus->Result);
    EXPECT_EQ(ConstantAt(*Parser, minus->Args[1])->Name, "4");
    EXPECT_EQ(Parser->ChainTail, minus);
    EXPECT_EQ(Parser->ExecuteChain(Parser->CurrentExpression), 3);
    EXPECT_EQ(times->Result, 6);
    EXPECT_EQ(plus->Result, 7);
}

TEST_F(EngineTest, ChainsHoldOnlyTheOperationsTheyRun)
{
    Parser->FoldConstants = false;
    struct {
        const char* Text;
        WordList Chain;
    } cases[] = {
        {"(((5)))", {"5"}},
        {"(1 + 2) * (3 + 4)", {"+", "+", "*"}},
        {"-5", {"-@"}},
        {"3 ! 2", {"!"}},
        {"2 sin(0)", {"sin"}},
        {"sin(1, 2 + 3)", {"sin"}},
        {"pos('a', 'b') = 0", {"pos", "="}},
    };
    for (const auto& c : cases) {
        Parser->AddExpression(c.Text);
        EXPECT_EQ(ChainWords(), c.Chain) << c.Text;
    }
}

TEST_F(EngineTest, PrefixAndPostfixOperatorsTakeTheirOperandInTheFirstSlot)
{
    struct {
        const char* Text;
        WordList Children;  // the root's children, by slot
    } cases[] = {
        {"-5", {"5"}},
        {"3 !", {"3"}},
        {"3 ! 2", {"3", "2"}},  // the second lands beyond the argument count
        {"1 - 2", {"1", "2"}},
        {"2 sin(0)", {"0"}},
    };
    for (const auto& c : cases) {
        std::unique_ptr<TExprCollection> words = Parser->Tokenize(c.Text);
        Parser->CheckAndResolve(*words);
        const auto root = Parser->BuildTree(std::move(words), c.Text);
        WordList children;
        for (int slot = 0; slot < MaxArgs; ++slot)
            if (const TExprRecord* child = root->Child(slot))
                children.push_back(child->Word->Name);
        EXPECT_EQ(children, c.Children) << c.Text;
    }
}

TEST_F(EngineTest, FoldingLeavesOneConstantRecordOrKeepsTheVaryingWords)
{
    Parser->AddExpression("2 * 3");
    ASSERT_EQ(ChainWords().size(), 1u);
    EXPECT_EQ(typeid(*Parser->CurrentExpression->Word), typeid(TDoubleConstant));
    EXPECT_EQ(*Parser->CurrentExpression->Args[0], 6);
    EXPECT_FALSE(Parser->ResultIsBoolean());

    Parser->AddExpression("x + 2 * 3");
    EXPECT_EQ(ChainWords(), (WordList{"+"}));
    EXPECT_EQ(Parser->CurrentExpression->Args[0], Parser->Vocabulary.Items(Parser->Vocabulary.FindKey("x").Index)->ValuePtr());
    EXPECT_EQ(*Parser->CurrentExpression->Args[1], 6);

    Parser->AddExpression("tick * (1 + 1) + max(1, 2)");
    EXPECT_EQ(ChainWords(), (WordList{"tick", "*", "+"}));

    Parser->AddExpression("1 = 1");
    EXPECT_EQ(typeid(*Parser->CurrentExpression->Word), typeid(TBooleanConstant));
    EXPECT_TRUE(Parser->ResultIsBoolean());
    Parser->AddExpression("'a' = 'b'");
    EXPECT_TRUE(Parser->ResultIsBoolean());
    Parser->FoldConstants = false;
    Parser->AddExpression("1 = 1");
    EXPECT_TRUE(Parser->ResultIsBoolean());
    Parser->AddExpression("(1 = 1) + 0");
    EXPECT_FALSE(Parser->ResultIsBoolean());
}

TEST_F(EngineTest, AnArithmeticFaultRaisesWhileFoldingOrWhileRunning)
{
    EXPECT_EQ(CompileError("1 / 0"), "Floating point division by zero");
    // The first subtree in the order of the walk raises, before one nested deeper.
    EXPECT_EQ(CompileError("(1 / 0) + x * (0 / 0)"), "Floating point division by zero");
    EXPECT_EQ(CompileError("x * (0 / 0) + (1 / 0)"), "Invalid floating point operation");

    Parser->FoldConstants = false;
    ASSERT_EQ(CompileError("2 + 1 / 0"), "no error");
    for (int run = 0; run < 2; ++run) {  // the chain stays and runs again
        try {
            Parser->ExecuteChain(Parser->CurrentExpression);
            ADD_FAILURE();
        } catch (const platform::EZeroDivide& error) {
            EXPECT_STREQ(error.what(), "Floating point division by zero");
        }
    }
}

// Every failure of tokenizing, checking and tree building, with its message.
TEST_F(EngineTest, MalformedExpressionsRaiseTheirMessages)
{
    struct {
        const char* Text;
        const char* Message;
    } cases[] = {
        {"(1", "Unequal brackets"},
        {"1))", "Unequal brackets"},
        {"2 3", "Error in math expression: 2 two space limited variables/constants"},
        {"2 pi", "Error in math expression: 2 two space limited variables/constants"},
        {"1.2.3", "Error in math expression: 1.2 two space limited variables/constants"},
        {"'it''s'", "Error in math expression: 'it' two space limited variables/constants"},
        {"a && b", "Error in math expression: a two space limited variables/constants"},
        {"foo(1)", "Error in math expression: foo is an unknown function"},
        {"()", "Error in math expression: Empty brackets ()"},
        {"max()", "Error in math expression: Empty brackets ()"},
        {"1 + (", "Unequal brackets"},
        {"(1)(2)", "Error in math expression: Missing operand between )("},
        {"(1)2", "Error in math expression: Missing operand between ) and constant/variable"},
        {"(1)x", "Error in math expression: Missing operand between ) and constant/variable"},
        {"2(1)", "Error in math expression: Missing operand between constant/variable and ("},
        {"pi(1)", "Error in math expression: Missing operand between constant/variable and ("},
        {"'a' + 'b'", "+ is not a valid string operand"},
        {"'a' max 'b'", "max is not a valid string operand"},
        {"2e", "'2e' is not a valid floating point value"},
        {"1 + .", "'.' is not a valid floating point value"},
        {"1e999", "'1e999' is not a valid floating point value"},
        {"$123456789", "'$123456789' is not a valid integer value"},
        {"$ff.5", "'$ff.5' is not a valid integer value"},
        {"1 +", "Error in math expression: Syntax error: function or operand has too few arguments"},
        {"sin", "Error in math expression: Syntax error: function or operand has too few arguments"},
        {"max(1)", "Error in math expression: Syntax error: function or operand has too few arguments"},
        {"not", "Error in math expression: Syntax error: function or operand has too few arguments"},
        {"1 , 2", "Error in math expression: Syntax error in expression 1 , 2"},
        {"1,000+2", "Error in math expression: Syntax error in expression 1,000+2"},
        {"  X ,\r\nY ", "Error in math expression: Syntax error in expression   X ,\r\nY "},
        {"(1 , 2) + 3", "Error in math expression: Syntax error in expression (1 , 2) + 3"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CompileError(c.Text), c.Message) << c.Text;
}

// Inputs the basic rules leave without a result; each is rejected with its own message.
TEST_F(EngineTest, InputsWithoutADefinedResultAreRejected)
{
    struct {
        const char* Text;
        const char* Message;
    } cases[] = {
        {"not not", "Error in math expression: Syntax error: function or operand has too few arguments"},
        {"1 + not not", "Error in math expression: Syntax error: function or operand has too few arguments"},
        {"sin 5", "Error in math expression: sin must be followed by ("},
        {"2 sin", "Error in math expression: sin must be followed by ("},
        {"", "Error in math expression: Empty expression"},
        {" \r\n\t", "Error in math expression: Empty expression"},
        {"max(1, 2, 3, 4, 5, 6, 7)", "Error in math expression: max has more than 6 arguments"},
        {"max(1,)", "Error in math expression: Empty argument of max"},
        {"max(, 1)", "Error in math expression: Empty argument of max"},
        {",", "Error in math expression: , is not an operand"},
        {"(,)", "Error in math expression: , is not an operand"},
        {"1 + ) * ( 2", "Error in math expression: Syntax error in expression 1 + ) * ( 2"},
        {"1 + ) + sin(1 sin", "Error in math expression: ) is not an operand"},
        {"'abc'", "Error in math expression: 'abc' is a string, not a number"},
        {"'a' + 1", "Error in math expression: 'a' is a string, not a number"},
        {"max('a', 1)", "Error in math expression: 'a' is a string, not a number"},
        {"pos", "Error in math expression: pos takes one or two string arguments"},
        {"pos + 1", "Error in math expression: pos takes one or two string arguments"},
        {"pos(1)", "Error in math expression: pos takes one or two string arguments"},
        {"pos('a', 1)", "Error in math expression: pos takes one or two string arguments"},
        {"pos 'a'", "Error in math expression: pos takes one or two string arguments"},
        {"pos('a' + 'b')", "Error in math expression: pos takes one or two string arguments"},
        {"pos('a', 'b', 'c')", "Error in math expression: pos takes one or two string arguments"},
        {"pos('a', 'b', 'c', 'd')", "Error in math expression: pos takes one or two string arguments"},
        // Outside a string function's call two literals around a separator stay a comparison.
        {"max('a', 'b')", ", is not a valid string operand"},
    };
    for (const auto& c : cases) {
        // The base class compiles any text, the empty one included.
        std::string message = "no error";
        try {
            Parser->Compile(c.Text);
        } catch (const EParserException& error) {
            message = error.what();
        }
        EXPECT_EQ(message, c.Message) << c.Text;
    }
}

TEST_F(EngineTest, DeepInputGivesAResultOrAClearErrorWithoutExhaustingTheStack)
{
    constexpr int Deep = 100'000;
    EXPECT_EQ(Parser->Evaluate(Repeat("(", Deep) + "1" + Repeat(")", Deep)), 1);
    EXPECT_EQ(Parser->Evaluate(Repeat("-", Deep + 1) + "5"), -5);
    EXPECT_EQ(Parser->Evaluate(Repeat("- ", Deep) + "5"), 5);
    EXPECT_EQ(Parser->Evaluate(Repeat("not ", Deep) + "0"), 0);
    EXPECT_EQ(Parser->Evaluate(Repeat("not ", Deep + 1) + "0"), 1);
    for (const bool fold : {false, true}) {
        Parser->FoldConstants = fold;
        EXPECT_EQ(Parser->Evaluate("0" + Repeat("+1", Deep)), Deep);
        EXPECT_EQ(Parser->Evaluate("x := 0" + Repeat("+1", Deep)), Deep);
        EXPECT_EQ(Parser->Evaluate(Repeat("(1+", 900) + "1" + Repeat(")", 900)), 901);
    }
    for (const std::string& text : {Repeat("-(", Deep) + "1" + Repeat(")", Deep),
                                    Repeat("1+(", Deep) + "1" + Repeat(")", Deep),
                                    Repeat("sin(", Deep) + "1" + Repeat(")", Deep)})
        EXPECT_EQ(CompileError(text), "Error in math expression: Expression nested too deeply");
}

TEST_F(EngineTest, ReplacingAWordRepointsTheCompiledChains)
{
    Parser->FoldConstants = false;
    const int maxIndex = Parser->AddExpression("max(2, 3) + pi");
    Parser->ReplaceWord("MAX", std::make_unique<TFunction>("min", "", [](TExprRecord* Rec) {
        Rec->Result = std::min(*Rec->Args[0], *Rec->Args[1]);
    }, 2));
    Parser->ReplaceWord("pi", std::make_unique<TConstant>("pi", "", 10));
    EXPECT_FALSE(Parser->Vocabulary.FindKey("max").Found);
    EXPECT_TRUE(Parser->Vocabulary.FindKey("min").Found);
    EXPECT_EQ(Parser->ExecuteChain(Parser->Chain(maxIndex)), 12);
    Parser->AddExpression("pi");
    EXPECT_EQ(Parser->ExecuteChain(Parser->CurrentExpression), 10);
    Parser->AddExpression("x");  // a chain that is one constant record, repointed below
    Parser->ReplaceWord("x", std::make_unique<TConstant>("x", "", 4));
    EXPECT_EQ(Parser->ExecuteChain(Parser->CurrentExpression), 4);
    Parser->ClearExpressions();
    EXPECT_EQ(Parser->Evaluate("min(2, 3) + pi"), 12);
}

TEST_F(EngineTest, AReplacementThatCannotStandInForTheOldWordChangesNothing)
{
    Parser->FoldConstants = false;
    Parser->AddExpression("max(2, 3)");
    try {
        Parser->ReplaceWord("max", std::make_unique<TFunction>("max", "", testdialect::Sine, 1));
        ADD_FAILURE();
    } catch (const EParserException&) {
        ADD_FAILURE() << "not the base exception";
    } catch (const platform::Exception& error) {
        EXPECT_STREQ(error.what(),
                     "Error in math expression: Cannot replace variable/function NFuntionArg doesn't match");
    }
    EXPECT_THROW(Parser->ReplaceWord("pi", std::make_unique<TFunction>("pi", "", testdialect::Tick, 0)),
                 platform::Exception);
    EXPECT_THROW(Parser->ReplaceWord("max", nullptr), platform::Exception);
    EXPECT_EQ(Parser->ExecuteChain(Parser->CurrentExpression), 3);
    EXPECT_EQ(Parser->Evaluate("max(1, 2) + pi"), 2 + 3.141592653589793);
}

TEST_F(EngineTest, AReplacementWhoseNameIsTakenStaysAliveForTheChainsRepointedToIt)
{
    Parser->FoldConstants = false;
    Parser->AddExpression("sin(0) + 1");
    Parser->ReplaceWord("sin", std::make_unique<TFunction>("max", "", testdialect::Negate, 1));
    EXPECT_FALSE(Parser->Vocabulary.FindKey("sin").Found);
    EXPECT_EQ(Parser->ExecuteChain(Parser->CurrentExpression), 1);
    EXPECT_EQ(Parser->Evaluate("max(1, 2)"), 2);
}

TEST_F(EngineTest, RedefiningAStringFunctionLeavesEarlierCallsAlone)
{
    Parser->FoldConstants = false;
    Parser->AddExpression("pos('b', 'abc')");
    Parser->DefineStringFunction("pos", "", [](std::string_view, std::string_view) { return 9.0L; });
    EXPECT_EQ(Parser->ExecuteChain(Parser->CurrentExpression), 2);
    EXPECT_EQ(Parser->Evaluate("pos('b', 'abc')"), 9);
}

TEST_F(EngineTest, TheBaseClassAddsAndClearsOneChain)
{
    class TBareParser : public TCustomExpressionParser {
    public:
        explicit TBareParser(TConstruction construction) : TCustomExpressionParser(construction) {}
        std::string CurrentExpressionText() const override { return {}; }

    protected:
        void BuildVocabulary() override
        {
            Vocabulary.InsertItem(new TFunction("+", testdialect::Add, 2, true, 40));
        }
    };
    const auto parser = TCustomExpressionParser::Create<TBareParser>();
    EXPECT_EQ(parser->AddExpression(""), -1);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(parser->ExecuteChain(parser->CurrentExpression)),
              0xFFF8000000000000u);  // no chain
    EXPECT_EQ(parser->AddExpression("1 + 2"), 0);
    EXPECT_EQ(parser->ExecuteChain(parser->CurrentExpression), 3);
    parser->ClearExpressions();
    EXPECT_EQ(parser->CurrentExpression, nullptr);
    EXPECT_EQ(parser->AddExpression("2 + 2"), 0);  // released with the parser
}

}  // namespace
