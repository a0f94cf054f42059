#include "model/rtDataSource.h"
#include "model/dataObject.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// Counts the live instances, so a leak or a second destruction shows.
struct Counted : dataObject {
    explicit Counted(int k) : kind(k) { ++alive; }
    ~Counted() { --alive; }
    Counted(const Counted&) = delete;
    Counted& operator=(const Counted&) = delete;
    static inline int alive = 0;
    int kind;
};

struct Counting : rtDataSource<Counted> {
    void removeKind(int kind) {
        removeIf([kind](const Counted& c) { return c.kind == kind; });
    }
    std::vector<int> kinds() const {
        std::vector<int> out;
        for (int64_t i = 0; i < count(); ++i)
            out.push_back(getnthItem(i)->kind);
        return out;
    }
};

} // namespace

TEST(OwnedItemsTest, EveryRemovalDestroysEachItemOnce) {
    {
        Counting records;
        for (int i = 0; i < 6; ++i)
            records.add(std::make_unique<Counted>(i % 3));
        Counted* kept = records.getnthItem(2);
        records.removeKind(0);
        records.deleteItem(records.getnthItem(0));
        records.deleteLastItem();
        EXPECT_EQ(Counted::alive, 2);
        EXPECT_EQ(records.kinds(), (std::vector<int>{2, 1}));
        EXPECT_EQ(records.getnthItem(0), kept);
        records.add(std::make_unique<Counted>(4));
        records.add(std::make_unique<Counted>(5));
        records.removeKind(4);
        EXPECT_EQ(Counted::alive, 3);
        records.clear();
        EXPECT_EQ(Counted::alive, 0);
        records.add(std::make_unique<Counted>(0));
    }
    EXPECT_EQ(Counted::alive, 0);
}

// Records of one kind have no sort key, and every identifier is 0.
TEST(OwnedItemsTest, LookUpsAndExchangesGoByIdentityAndBounds) {
    Counting records;
    for (int i = 0; i < 4; ++i)
        records.add(std::make_unique<Counted>(i));
    const Counted stranger(9);
    EXPECT_EQ(records.getnthItem(-1), nullptr);
    EXPECT_EQ(records.getnthItem(4), nullptr);
    EXPECT_EQ(records.getNextItem(records.getnthItem(3)), nullptr);
    EXPECT_EQ(records.getNextItem(&stranger), nullptr);
    EXPECT_EQ(records.getItemById(0), records.getFirstItem());
    EXPECT_EQ(records.getItemById(1), nullptr);
    records.deleteItem(&stranger);
    records.swop(records.getnthItem(1), &stranger);
    records.sortByColumn("kind", true);
    records.sortByColumn("kind", false);
    EXPECT_EQ(records.kinds(), (std::vector<int>{0, 1, 2, 3}));
    records.swop(records.getnthItem(0), records.getnthItem(3));
    EXPECT_EQ(records.kinds(), (std::vector<int>{3, 1, 2, 0}));
}
