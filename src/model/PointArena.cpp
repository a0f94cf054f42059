#include "model/PointArena.h"

#include <new>

namespace {

constexpr size_t chunkBytes = PointArena::chunkPoints * sizeof(MyPoint);

} // namespace

// Chunks go back to the heap unpoisoned, or its next user would fault.
PointArena::~PointArena() {
    for (const auto& chunk : chunks)
        ASAN_UNPOISON_MEMORY_REGION(chunk.get(), chunkBytes);
}

MyPoint* PointArena::make(const MyPoint& value) {
    void* slot = takeSlot();
    ASAN_UNPOISON_MEMORY_REGION(slot, sizeof(MyPoint));
    ++liveCount;
    return ::new (slot) MyPoint(value);
}

void PointArena::discardAll(std::vector<MyPoint*>& points) {
    if (points.size() != liveCount) {
        for (MyPoint* point : points)
            discard(point);
    } else {
        for (MyPoint* point : points)
            point->~MyPoint();
        liveCount = 0;
        keepFirstChunkOnly();
    }
    points.clear();
}

void* PointArena::takeSlot() {
    if (!freeSlots.empty()) {
        void* slot = freeSlots.back();
        freeSlots.pop_back();
        return slot;
    }
    if (bumped == capacity()) {
        chunks.push_back(std::make_unique_for_overwrite<Slot[]>(chunkPoints));
        ASAN_POISON_MEMORY_REGION(chunks.back().get(), chunkBytes);
    }
    return slotAt(bumped++);
}

// A route cleared and traced again fills the same chunk from its start;
// the rest would only hold memory a long route once needed.
void PointArena::keepFirstChunkOnly() {
    for (size_t i = 1; i < chunks.size(); ++i)
        ASAN_UNPOISON_MEMORY_REGION(chunks[i].get(), chunkBytes);
    chunks.resize(chunks.empty() ? 0 : 1);
    if (!chunks.empty())
        ASAN_POISON_MEMORY_REGION(chunks.front().get(), chunkBytes);
    bumped = 0;
    freeSlots.clear();
    freeSlots.shrink_to_fit();
}
