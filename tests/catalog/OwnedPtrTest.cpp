// The owning pointer containers of the tree and the document: what they delete, and what they
// give back without deleting.
#include <gtest/gtest.h>
#include "catalog/OwnedPtrSet.h"
#include "catalog/OwnedPtrVector.h"

namespace
{

// Counts its own deletions in a counter the test owns.
struct Counted
{
    explicit Counted(int* deletions) : m_deletions(deletions) {}
    ~Counted() { ++*m_deletions; }
    int* m_deletions;
};

TEST(OwnedPtrSet, DeletesWhatItHoldsAndNothingItReleased)
{
    int deletions = 0;
    Counted* released = new Counted(&deletions);
    {
        OwnedPtrSet<Counted> set;
        Counted* destroyed = new Counted(&deletions);
        set.Adopt(new Counted(&deletions));
        set.Adopt(released);
        set.Adopt(destroyed);
        EXPECT_TRUE(set.Release(released));
        EXPECT_FALSE(set.Release(released));  // no longer here: nothing happens
        set.Destroy(destroyed);
        EXPECT_EQ(1, deletions);
        set.Destroy(released);  // not here: not deleted
        EXPECT_EQ(1, deletions);
        EXPECT_EQ(1u, set.size());
    }
    EXPECT_EQ(2, deletions);  // the one still held went with the set
    delete released;
    EXPECT_EQ(3, deletions);
}

TEST(OwnedPtrVector, DeleteAllAndTheDestructorDeleteEveryElementOnce)
{
    int deletions = 0;
    {
        OwnedPtrVector<Counted> vector;
        std::vector<Counted*>& plain = vector;  // what the loader appends to
        plain.push_back(new Counted(&deletions));
        plain.push_back(new Counted(&deletions));
        vector.DeleteAll();
        EXPECT_EQ(2, deletions);
        EXPECT_TRUE(vector.empty());
        plain.push_back(new Counted(&deletions));
    }
    EXPECT_EQ(3, deletions);
}

}  // namespace
