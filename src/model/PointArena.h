#pragma once

#include "model/MyPoint.h"

#include <cstddef>
#include <memory>
#include <vector>

// Storage for a route's points: fixed-size chunks that never move, filled in
// creation order, so a route walked from start to finish reads memory
// mostly in sequence and a point's address stays valid until it is
// discarded. A discarded point's slot goes to a later point; discarding
// every point at once starts over in the first chunk and frees the others.
// Under AddressSanitizer a free slot is poisoned, so a stale pointer faults.
// Serves as the item storage of an rtDataSource<MyPoint, PointArena>.
class PointArena {
public:
    using Entry = MyPoint*;
    static constexpr size_t chunkPoints = 1024;

    PointArena() = default;
    ~PointArena();
    PointArena(const PointArena&) = delete;
    PointArena& operator=(const PointArena&) = delete;

    MyPoint* make(const MyPoint& value);
    // Takes the point's value; the handed-in object itself is destroyed.
    MyPoint* adopt(std::unique_ptr<MyPoint> point) { return make(*point); }
    static MyPoint* pointer(MyPoint* entry) { return entry; }

    // Destroys a point this arena made; its slot becomes free.
    void discard(MyPoint* point);
    // Destroys the points and empties the list. When they are all the arena
    // holds, it starts over with one chunk; otherwise their slots become free.
    void discardAll(std::vector<MyPoint*>& points);

    // Points made and not discarded.
    size_t live() const { return liveCount; }
    // Slots in the chunks held, free or not.
    size_t capacity() const { return chunks.size() * chunkPoints; }

private:
    struct Slot {
        alignas(MyPoint) std::byte bytes[sizeof(MyPoint)];
    };

    void* takeSlot();
    void keepFirstChunkOnly();

    std::vector<std::unique_ptr<Slot[]>> chunks;
    size_t bumped = 0; // slots ever handed out from the chunks, in order
    size_t liveCount = 0;
    std::vector<void*> freeSlots; // taken from the back
};
