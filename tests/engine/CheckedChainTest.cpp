#include "engine/CheckedChain.h"

#include "engine/StandardMath.h"
#include "platform/Exceptions.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace engine {
namespace {

struct Record {
    std::function<long double()> Routine;
    bool SideEffects = false;
    int Runs = 0;
    double Result = 0;
    Record* Next = nullptr;
};

// A chain of records linked in the order given.
class Chain {
public:
    Chain(std::initializer_list<Record> records) : FRecords(records)
    {
        for (std::size_t i = 1; i < FRecords.size(); ++i)
            FRecords[i - 1].Next = &FRecords[i];
    }
    Chain(const Chain&) = delete;
    Chain& operator=(const Chain&) = delete;

    // The error message of one execution, or "no fault".
    std::string Execute()
    {
        const auto run = [](Record& record) {
            ++record.Runs;
            record.Result = static_cast<double>(record.Routine());
        };
        const auto hasSideEffects = [](const Record& record) { return record.SideEffects; };
        try {
            ExecuteCheckedChain(&FRecords.front(), run, hasSideEffects);
        } catch (const platform::Exception& error) {
            return error.what();
        }
        return "no fault";
    }

    int Runs(std::size_t index) const { return FRecords[index].Runs; }

private:
    std::vector<Record> FRecords;
};

Record Fine() { return {[] { return 1.0L; }}; }
Record InvalidOp() { return {[] { return Sqrt(-1); }}; }
Record ZeroDivide() { return {[] { return Ln(0); }}; }
Record Overflow() { return {[] { return Exp(1000); }}; }  // overflows only when stored
Record IntegerDivision() { return {[] { return Div(1, 0); }}; }
Record SideEffect() { return {[] { return 2.0L; }, true}; }

TEST(CheckedChainTest, TheFirstFaultingRecordDecides)
{
    struct Case {
        const char* Name;
        Chain Records;
        std::string Message;
    };
    Case cases[] = {
        {"no fault", {Fine(), SideEffect(), Fine()}, "no fault"},
        {"zero divide, then invalid", {Fine(), ZeroDivide(), InvalidOp()},
         "Floating point division by zero"},
        {"invalid, then zero divide", {InvalidOp(), Fine(), ZeroDivide()},
         "Invalid floating point operation"},
        {"overflow when stored, then zero divide", {Overflow(), ZeroDivide()},
         "Floating point overflow"},
        {"overflow, then an integer division by zero", {Overflow(), IntegerDivision()},
         "Floating point overflow"},
        {"integer division by zero, then invalid", {IntegerDivision(), InvalidOp()},
         "Division by zero"},
        {"fault of the record with side effects", {Fine(), {[] { return Exp(1000); }, true}},
         "Floating point overflow"},
    };
    for (auto& c : cases)
        EXPECT_EQ(c.Records.Execute(), c.Message) << c.Name;
}

TEST(CheckedChainTest, NoSideEffectRunsAfterAFault)
{
    Chain chain{Fine(), ZeroDivide(), SideEffect(), Fine()};
    EXPECT_EQ(chain.Execute(), "Floating point division by zero");
    EXPECT_EQ(chain.Runs(2), 0);
    EXPECT_EQ(chain.Runs(3), 0);
}

TEST(CheckedChainTest, FaultsOfOneKindNeedNoSecondRun)
{
    Chain chain{ZeroDivide(), Fine(), ZeroDivide()};
    EXPECT_EQ(chain.Execute(), "Floating point division by zero");
    EXPECT_EQ(chain.Runs(0), 1);
    EXPECT_EQ(chain.Runs(2), 1);
}

TEST(CheckedChainTest, OnlyTheStretchSinceTheLastSideEffectRunsAgain)
{
    Chain chain{Fine(), SideEffect(), ZeroDivide(), InvalidOp()};
    EXPECT_EQ(chain.Execute(), "Floating point division by zero");
    EXPECT_EQ(chain.Runs(0), 1);
    EXPECT_EQ(chain.Runs(1), 1);
    EXPECT_EQ(chain.Runs(2), 2);
}

}  // namespace
}  // namespace engine
