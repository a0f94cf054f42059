#include "model/PointArena.h"

#include <gtest/gtest.h>

#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#define WANDREL_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define WANDREL_ASAN 1
#endif
#endif
#ifdef WANDREL_ASAN
#include <sanitizer/asan_interface.h>
#endif

namespace {

std::vector<MyPoint*> fill(PointArena& arena, size_t n) {
    std::vector<MyPoint*> made;
    for (size_t i = 0; i < n; ++i)
        made.push_back(arena.make(MyPoint(float(i), -float(i), MyPoint::Waypoint)));
    return made;
}

} // namespace

TEST(PointArenaTest, PointsStayPutAsChunksAreAddedAndFreedSlotsGoLastFreedFirst) {
    PointArena arena;
    std::vector<MyPoint*> made = fill(arena, 2 * PointArena::chunkPoints + 5);
    EXPECT_EQ(arena.capacity(), 3 * PointArena::chunkPoints);
    for (size_t i = 0; i < made.size(); ++i)
        ASSERT_TRUE(made[i]->getX() == float(i) && made[i]->getY() == -float(i) &&
                    made[i]->isWaypoint());
    arena.discard(made[3]);
    arena.discard(made[1]);
    EXPECT_EQ(arena.live(), made.size() - 2);
    EXPECT_EQ(arena.make(MyPoint(7, 7)), made[1]);
    EXPECT_EQ(arena.make(MyPoint(8, 8)), made[3]);
    EXPECT_EQ(made[3]->getX(), 8.0f);
    EXPECT_EQ(arena.make(MyPoint(9, 9)), made.back() + 1);
    made.push_back(made.back() + 1);
    arena.discardAll(made);
    EXPECT_TRUE(made.empty());
}

TEST(PointArenaTest, DiscardingEverythingKeepsOneChunkAndStartsOver) {
    PointArena arena;
    std::vector<MyPoint*> made = fill(arena, 2 * PointArena::chunkPoints + 5);
    MyPoint* const first = made.front();
    std::vector<MyPoint*> some(made.end() - 5, made.end());
    arena.discardAll(some);
    EXPECT_EQ(arena.capacity(), 3 * PointArena::chunkPoints) << "a part only frees slots";
    made.resize(made.size() - 5);
    arena.discardAll(made);
    EXPECT_EQ(arena.live(), 0u);
    EXPECT_EQ(arena.capacity(), PointArena::chunkPoints);
    EXPECT_EQ(arena.make(MyPoint()), first);
}

// Under the sanitizer a visit to a free slot would fault.
TEST(PointArenaTest, TheNewestSlotGoesBackAndWalksInPlaceNeedNoHoles) {
    PointArena arena;
    std::vector<MyPoint*> made = fill(arena, PointArena::chunkPoints + 2);
    size_t visited = 0;
    const auto visit = [&visited](MyPoint& /*point*/) { ++visited; };
    arena.discard(made.back());
    EXPECT_TRUE(arena.visitInPlace(visit));
    EXPECT_EQ(visited, made.size() - 1) << "no hole where the newest point was";
    arena.discard(made[1]);
    EXPECT_FALSE(arena.visitInPlace(visit)) << "a hole among the points";
    EXPECT_EQ(arena.make(MyPoint()), made[1]);
    EXPECT_EQ(arena.make(MyPoint()), made.back());
    visited = 0;
    EXPECT_TRUE(arena.visitInPlace(visit));
    EXPECT_EQ(visited, made.size());
    arena.discardAll(made);
}

#ifdef WANDREL_ASAN
TEST(PointArenaTest, FreeSlotsArePoisonedUntilReused) {
    PointArena arena;
    std::vector<MyPoint*> made = fill(arena, 3);
    EXPECT_TRUE(__asan_address_is_poisoned(made[2] + 1)) << "never handed out";
    arena.discard(made[1]);
    EXPECT_TRUE(__asan_address_is_poisoned(made[1]));
    EXPECT_FALSE(__asan_address_is_poisoned(made[0]));
    EXPECT_EQ(arena.make(MyPoint()), made[1]);
    EXPECT_FALSE(__asan_address_is_poisoned(made[1]));
    MyPoint* const first = made[0];
    arena.discardAll(made);
    EXPECT_TRUE(__asan_address_is_poisoned(first)) << "starting over poisons the kept chunk";
}
#endif
