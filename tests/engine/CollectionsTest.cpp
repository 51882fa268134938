#include "engine/OObjects.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

namespace {

// A word that reports its destruction.
class TTrackedWord : public TExprWord {
public:
    TTrackedWord(std::string_view name, int& destroyed) : TExprWord(name), FDestroyed(destroyed) {}
    ~TTrackedWord() override { ++FDestroyed; }

private:
    int& FDestroyed;
};

TEST(CompareNames, LettersCompareAsUpperCaseAndOtherBytesAsUnsigned)
{
    EXPECT_EQ(CompareNames("logn", "LogN"), 0);
    EXPECT_LT(CompareNames("a", "^"), 0);  // a compares as 0x41, ^ is 0x5E
    EXPECT_GT(CompareNames("_", "a"), 0);  // _ is 0x5F, a is 0x41
    EXPECT_GT(CompareNames("\xE2\x82\xAC", "z"), 0);
    EXPECT_LT(CompareNames("ab", "abc"), 0);
    EXPECT_GT(CompareNames("abc", "ab"), 0);
}

TEST(TExpressList, KeepsNameOrderAndFindsAnyCapitalisation)
{
    TExpressList list(4);
    for (const char* name : {"^", "pi", "a", "LogN", "+"})
        list.InsertItem(new TExprWord(name));
    std::string order;
    for (const TExprWord* word : list.List())
        order += word->Name + " ";
    EXPECT_EQ(order, "+ a logn pi ^ ");

    const auto found = list.FindKey("LOGN");
    EXPECT_TRUE(found.Found);
    EXPECT_EQ(found.Index, 2);
    const auto missing = list.FindKey("b");
    EXPECT_FALSE(missing.Found);
    EXPECT_EQ(missing.Index, 2);  // where b would go
    EXPECT_EQ(list.IndexOfItem(list.Items(3)), 3);
}

TEST(TExpressList, InsertingATakenNameChangesNothingAndLeavesTheWordWithTheCaller)
{
    int destroyed = 0;
    TExpressList list(4);
    list.InsertItem(new TTrackedWord("pi", destroyed));
    auto second = std::make_unique<TTrackedWord>("PI", destroyed);
    list.InsertItem(second.get());
    EXPECT_EQ(list.Count(), 1);
    EXPECT_NE(list.Items(0), second.get());
    second.reset();
    EXPECT_EQ(destroyed, 1);
}

TEST(TExpressList, ReplaceItemSwapsTheEntryWithoutReleasingIt)
{
    int destroyed = 0;
    TExpressList list(4);
    auto old = std::make_unique<TTrackedWord>("x", destroyed);
    list.InsertItem(old.get());
    auto* replacement = new TTrackedWord("X", destroyed);
    list.ReplaceItem(replacement);
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Items(0), replacement);
    EXPECT_EQ(destroyed, 0);
}

TEST(TExpressList, WithDuplicatesFindsTheFirstOfEqualKeysAndEachItem)
{
    TExpressList list(4);
    list.AllowDuplicates = true;
    auto* first = new TExprWord("x");
    auto* second = new TExprWord("x");
    list.InsertItem(new TExprWord("a"));
    list.InsertItem(first);
    list.InsertItem(second);
    list.InsertItem(new TExprWord("z"));
    EXPECT_EQ(list.FindKey("x").Index, 1);
    EXPECT_EQ(list.IndexOfItem(list.Items(1)), 1);
    EXPECT_EQ(list.IndexOfItem(list.Items(2)), 2);
}

TEST(TOCollection, OwnsItsItemsAndANoOwnerCollectionDoesNot)
{
    int destroyed = 0;
    auto shared = std::make_unique<TTrackedWord>("shared", destroyed);
    {
        TOCollection<TExprWord> owner(2);
        TExprCollection viewer(2);
        owner.Add(new TTrackedWord("a", destroyed));
        owner.Add(new TTrackedWord("b", destroyed));
        owner.Insert(0, new TTrackedWord("c", destroyed));
        viewer.Add(shared.get());
        viewer.DisposeAt(0);
        EXPECT_EQ(viewer.Count(), 0);
        EXPECT_EQ(destroyed, 0);
        EXPECT_EQ(owner.Items(0)->Name, "c");
        owner.DisposeAt(1);
        EXPECT_EQ(destroyed, 1);
        EXPECT_EQ(owner.Items(1)->Name, "b");
    }
    EXPECT_EQ(destroyed, 3);
}

TEST(TOCollection, AnIndexOutsideTheListIsAListError)
{
    TOCollection<TExprWord> list(2);
    list.Add(new TExprWord("a"));
    for (int index : {-1, 1, 5}) {
        try {
            list.Items(index);
            ADD_FAILURE() << index;
        } catch (const platform::EListError& error) {
            EXPECT_EQ(std::string(error.what()), "List index out of bounds (" + std::to_string(index) + ")");
        }
    }
    EXPECT_THROW(list.Insert(2, nullptr), platform::EListError);
    EXPECT_THROW(list.Delete(1), platform::EListError);
}

// A list whose release of its first item fails.
class TFailingRelease : public TNoOwnerCollection<TExprWord> {
public:
    using TNoOwnerCollection::TNoOwnerCollection;
    void DisposeItem(TExprWord* item) override
    {
        if (item->Name == "bad")
            throw std::runtime_error("release failed");
    }
};

TEST(TOCollection, DisposeAllEmptiesTheListEvenWhenAReleaseFails)
{
    TExprWord bad("bad");
    TExprWord good("good");
    TFailingRelease list(2);
    list.Add(&bad);
    list.Add(&good);
    EXPECT_THROW(list.DisposeAll(), std::runtime_error);
    EXPECT_EQ(list.Count(), 0);
}

}  // namespace
