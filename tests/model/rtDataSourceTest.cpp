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
