#include <gtest/gtest.h>

#include "ParserFixture.h"

namespace {

// Its own process: "random" draws from the generator's initial seed.
TEST(RandomWord, DrawsTheSequenceOfAFreshProcessAndNothingAfterAFault)
{
    const TSeparators separators{'.', ','};
    const auto parser = TCustomExpressionParser::Create<TExpressionParser>();
    parser->FoldConstants = false;
    for (const char* text : {"1/0 + random", "0/0 + randg(0, 1)"})
        EXPECT_THROW(parser->ExpressionValue(parser->AddExpression(text)), platform::EMathError) << text;

    const int index = parser->AddExpression("random");
    EXPECT_EQ(parser->ExpressionValue(index), 0x1p-32);
    EXPECT_EQ(parser->ExpressionValue(index), 134775814 * 0x1p-32);
    EXPECT_EQ(parser->ExpressionValue(index), 3698175007 * 0x1p-32);
}

}  // namespace
