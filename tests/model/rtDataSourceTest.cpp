#include "model/rtDataSource.h"
#include "model/MyPoint.h"
#include "model/dataObject.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// A record that answers a real sort key, so the exchange direction shows.
class NamedRecord : public dataObject {
public:
    explicit NamedRecord(std::string n) : name(std::move(n)) {}
    std::string getFieldByName(const std::string& /*column*/) const override { return name; }

private:
    std::string name;
};

class CollectionTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (int i = 0; i < 4; ++i)
            held.push_back(points.add(std::make_unique<MyPoint>(float(i), 0.0f)));
    }

    std::vector<MyPoint*> order() const {
        std::vector<MyPoint*> out;
        for (int64_t i = 0; i < points.count(); ++i)
            out.push_back(points.getnthItem(i));
        return out;
    }

    rtDataSource<MyPoint> points;
    std::vector<MyPoint*> held;
};

std::vector<std::string> namesOf(const rtDataSource<NamedRecord>& records) {
    std::vector<std::string> out;
    for (int64_t i = 0; i < records.count(); ++i)
        out.push_back(records.getnthItem(i)->getFieldByName("name"));
    return out;
}

} // namespace

TEST(MyPointTest, NewPointIsRegularVisibleAtOriginWithIdZero) {
    const MyPoint p;
    EXPECT_EQ(p.getX(), 0.0f);
    EXPECT_EQ(p.getY(), 0.0f);
    EXPECT_EQ(p.getPointType(), MyPoint::Regular);
    EXPECT_FALSE(p.isWaypoint());
    EXPECT_FALSE(p.isDistanceMarker());
    EXPECT_TRUE(p.getVisible());
    EXPECT_EQ(p.getId(), 0);
}

TEST(MyPointTest, KindIsOverwrittenNotCombined) {
    MyPoint p;
    p.setDistanceMarker();
    EXPECT_TRUE(p.isDistanceMarker());
    p.setWaypoint(false);
    EXPECT_EQ(p.getPointType(), MyPoint::Regular);
    EXPECT_FALSE(p.isDistanceMarker());

    p.setDistanceMarker();
    p.setWaypoint(true);
    EXPECT_TRUE(p.isWaypoint());
    EXPECT_FALSE(p.isDistanceMarker());
}

TEST(MyPointTest, NamesAndCommentsAreDropped) {
    MyPoint p;
    p.setPointName("Summit");
    p.setPointComments("steep");
    EXPECT_EQ(p.getPointName(), "");
    EXPECT_EQ(p.getPointComments(), "");
}

TEST(DataObjectTest, MatchesAnythingAndHasNoFields) {
    const dataObject d;
    EXPECT_TRUE(d.contains(nullptr));
    EXPECT_TRUE(d.contains(&d));
    EXPECT_EQ(d.getFieldByName("name"), "");
}

TEST_F(CollectionTest, IndexedLookUpsOutOfRangeGiveNothing) {
    EXPECT_EQ(points.getnthItem(-1), nullptr);
    EXPECT_EQ(points.getnthItem(points.count()), nullptr);
    EXPECT_EQ(points.getnthItem(points.count() - 1), held.back());
    EXPECT_EQ(points.getnthVisibleItem(-1), nullptr);
    EXPECT_EQ(points.getnthVisibleItem(4), nullptr);

    const rtDataSource<MyPoint> empty;
    EXPECT_EQ(empty.getnthItem(0), nullptr);
    EXPECT_EQ(empty.getFirstItem(), nullptr);
    EXPECT_EQ(empty.getItemById(0), nullptr);
}

TEST_F(CollectionTest, VisibleWalkCountsHiddenItemsToo) {
    held[1]->setVisible(false);
    EXPECT_EQ(points.getnthVisibleItem(1), held[1]);
    EXPECT_EQ(points.getnthVisibleItem(2), held[2]);
}

TEST_F(CollectionTest, NextItemOfLastOrForeignItemIsNothing) {
    EXPECT_EQ(points.getNextItem(held[0]), held[1]);
    EXPECT_EQ(points.getNextItem(held.back()), nullptr);
    const MyPoint stranger;
    EXPECT_EQ(points.getNextItem(&stranger), nullptr);
    EXPECT_EQ(points.getNextItem(nullptr), nullptr);
}

TEST_F(CollectionTest, ItemByIdFindsFirstOnlyForZero) {
    EXPECT_EQ(points.getItemById(0), held[0]);
    EXPECT_EQ(points.getItemById(1), nullptr);
    held[2]->setId(7);
    EXPECT_EQ(points.getItemById(7), held[2]);
    EXPECT_EQ(points.getItemById(7 + (int64_t(1) << 32)), nullptr);
}

TEST_F(CollectionTest, EqualContentsAreDistinctItems) {
    MyPoint* twin = points.add(std::make_unique<MyPoint>(0.0f, 0.0f));
    EXPECT_EQ(points.indexOf(twin), 4);
    points.deleteItem(twin);
    EXPECT_EQ(order(), held);
}

TEST_F(CollectionTest, RemovalsOfWhatIsNotHeldChangeNothing) {
    const MyPoint stranger;
    points.deleteItem(&stranger);
    points.deleteItem(nullptr);
    EXPECT_EQ(order(), held);

    rtDataSource<MyPoint> empty;
    empty.deleteLastItem();
    EXPECT_EQ(empty.count(), 0);
}

TEST_F(CollectionTest, RemovalsKeepTheOrderOfTheRest) {
    points.deleteItem(held[1]);
    EXPECT_EQ(order(), (std::vector<MyPoint*>{held[0], held[2], held[3]}));
    points.deleteLastItem();
    EXPECT_EQ(order(), (std::vector<MyPoint*>{held[0], held[2]}));
    points.clear();
    EXPECT_EQ(points.count(), 0);
    EXPECT_EQ(points.getFirstItem(), nullptr);
}

TEST_F(CollectionTest, SwopExchangesOnlyHeldItems) {
    points.swop(held[0], held[3]);
    EXPECT_EQ(order(), (std::vector<MyPoint*>{held[3], held[1], held[2], held[0]}));

    const MyPoint stranger;
    points.swop(held[1], &stranger);
    points.swop(&stranger, held[1]);
    points.swop(held[1], nullptr);
    EXPECT_EQ(order(), (std::vector<MyPoint*>{held[3], held[1], held[2], held[0]}));

    points.swop(held[2], held[2]);
    EXPECT_EQ(order(), (std::vector<MyPoint*>{held[3], held[1], held[2], held[0]}));
}

TEST_F(CollectionTest, SortOfPlainRecordsKeepsOrder) {
    for (const bool ascending : {true, false})
        for (const int32_t options : {0, 1, 2, 5}) {
            points.sortByColumn("x", ascending, options);
            EXPECT_EQ(order(), held);
        }
    points.sortByColumn("x", true);
    EXPECT_EQ(order(), held);
}

TEST(RecordSortTest, AscendingPutsGreatestFirstIgnoringCase) {
    rtDataSource<NamedRecord> records;
    for (const char* n : {"beta", "Alpha", "delta", "Charlie"})
        records.add(std::make_unique<NamedRecord>(n));

    records.sortByColumn("name", true);
    EXPECT_EQ(namesOf(records), (std::vector<std::string>{"delta", "Charlie", "beta", "Alpha"}));
    records.sortByColumn("name", false);
    EXPECT_EQ(namesOf(records), (std::vector<std::string>{"Alpha", "beta", "Charlie", "delta"}));
    records.sortByColumn("name", true, 3);
    EXPECT_EQ(namesOf(records), (std::vector<std::string>{"Alpha", "beta", "Charlie", "delta"}));
}

TEST_F(CollectionTest, BaseTableAnswersCountAndEmptyCells) {
    EXPECT_EQ(points.numberOfRowsInTableView(nullptr), 4);
    for (int32_t row = -1; row <= 4; ++row)
        EXPECT_EQ(points.objectValueForTableColumn(nullptr, "x", row), "");
}
