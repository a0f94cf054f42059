#include "model/rtDataSource.h"
#include "model/MyPoint.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// Answers a real sort key, so the direction of the exchanges shows.
struct Named : dataObject {
    explicit Named(std::string n) : name(std::move(n)) {}
    std::string getFieldByName(const std::string& /*column*/) const override { return name; }
    std::string name;
};

struct CollectionTest : ::testing::Test {
    CollectionTest() {
        for (const char* n : {"b", "A", "d", "C"})
            held.push_back(records.add(std::make_unique<Named>(n)));
    }
    std::string names() const {
        std::string out;
        for (int64_t i = 0; i < records.count(); ++i)
            out += records.getnthItem(i)->name;
        return out;
    }

    rtDataSource<Named> records;
    std::vector<Named*> held;
    const Named stranger{"b"};
};

} // namespace

TEST(MyPointTest, KindIsOverwrittenNotCombined) {
    MyPoint p(0, 0, MyPoint::DistanceMarker);
    p.setWaypoint(false);
    EXPECT_EQ(p.getPointType(), MyPoint::Regular);
    p.setDistanceMarker();
    p.setWaypoint(true);
    EXPECT_EQ(p.getPointType(), MyPoint::Waypoint);
}

TEST_F(CollectionTest, LooksUpRemovesAndSwopsByIdentity) {
    EXPECT_EQ(records.getnthItem(-1), nullptr);
    EXPECT_EQ(records.getnthItem(4), nullptr);
    EXPECT_EQ(records.getnthItem(3), held[3]);
    EXPECT_EQ(records.getNextItem(held[3]), nullptr);
    EXPECT_EQ(records.getNextItem(&stranger), nullptr);
    EXPECT_EQ(records.getItemById(0), held[0]);
    EXPECT_EQ(records.getItemById(1), nullptr);

    records.deleteItem(records.add(std::make_unique<Named>("b")));
    records.deleteItem(&stranger);
    records.swop(held[1], &stranger);
    EXPECT_EQ(records.getFirstItem(), held[0]);
    EXPECT_EQ(names(), "bAdC");

    records.swop(held[0], held[3]);
    records.deleteItem(held[1]);
    records.deleteLastItem();
    EXPECT_EQ(names(), "Cd");
}

TEST_F(CollectionTest, AscendingSortPutsGreatestFirstIgnoringCase) {
    records.sortByColumn("name", true);
    EXPECT_EQ(names(), "dCbA");
    records.sortByColumn("name", false);
    EXPECT_EQ(names(), "AbCd");
    records.sortByColumn("name", true, 3);
    EXPECT_EQ(names(), "AbCd") << "unknown options compare nothing";
}

namespace {

// Counts the live instances, so a leak or a second destruction shows.
struct Counted : dataObject {
    explicit Counted(int k) : kind(k) { ++alive; }
    ~Counted() override { --alive; }
    Counted(const Counted&) = delete;
    Counted& operator=(const Counted&) = delete;
    static inline int alive = 0;
    int kind;
};

struct Counting : rtDataSource<Counted> {
    void removeKind(int kind) {
        removeIf([kind](const Counted& c) { return c.kind == kind; });
    }
    void insertInFront(int kind) {
        std::vector<Insertion> one;
        one.push_back({0, std::make_unique<Counted>(kind)});
        insertAll(std::move(one));
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
        records.insertInFront(7);
        EXPECT_EQ(Counted::alive, 3);
        EXPECT_TRUE(records.getnthItem(1) == kept && records.getnthItem(2)->kind == 1);
        records.clear();
        EXPECT_EQ(Counted::alive, 0);
        records.add(std::make_unique<Counted>(0));
    }
    EXPECT_EQ(Counted::alive, 0);
}
