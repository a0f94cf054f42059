#pragma once

#include "model/MyPoint.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <vector>

// The sanitizer's macros do nothing in a build without it.
#if defined(__has_include)
#if __has_include(<sanitizer/asan_interface.h>)
#include <sanitizer/asan_interface.h>
#endif
#endif
#ifndef ASAN_POISON_MEMORY_REGION
#define ASAN_POISON_MEMORY_REGION(address, size) ((void)(address), (void)(size))
#define ASAN_UNPOISON_MEMORY_REGION(address, size) ((void)(address), (void)(size))
#endif

// Storage for a route's points: fixed-size chunks that never move, filled in
// creation order, so a route walked from start to finish reads memory
// mostly in sequence and a point's address stays valid until it is
// discarded. A discarded point's slot goes to a later point (the last slot
// handed out is simply taken back); discarding every point at once starts
// over in the first chunk and frees the others.
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

    // Destroys a point this arena made; its slot becomes free. The last
    // slot handed out goes back to the bump, which keeps the slots in use
    // free of holes when the newest point is the one taken away. Inline, as
    // a removal calls it for every point it takes.
    void discard(MyPoint* point) {
        point->~MyPoint();
        ASAN_POISON_MEMORY_REGION(point, sizeof(MyPoint));
        if (bumped > 0 && point == slotAt(bumped - 1))
            --bumped;
        else
            freeSlots.push_back(point);
        --liveCount;
    }
    // Destroys the points and empties the list. When they are all the arena
    // holds, it starts over with one chunk; otherwise their slots become free.
    void discardAll(std::vector<MyPoint*>& points);

    // Points made and not discarded.
    size_t live() const { return liveCount; }

    // Calls `visit` on every live point in the order they lie in memory, so
    // a walk that does not need route order reads no list of pointers.
    // Visits none and answers false while a free slot lies among them.
    template <typename Visit> bool visitInPlace(Visit&& visit) const {
        if (!freeSlots.empty())
            return false;
        for (size_t c = 0; c * chunkPoints < bumped; ++c) {
            Slot* const here = chunks[c].get();
            const size_t n = std::min(chunkPoints, bumped - c * chunkPoints);
            for (size_t k = 0; k < n; ++k) {
                fetchAhead(here + k);
                visit(*std::launder(reinterpret_cast<MyPoint*>(here[k].bytes)));
            }
        }
        return true;
    }

    // Whether `point` sits in the index-th slot handed out.
    bool holdsAt(const MyPoint* point, size_t index) const {
        return index < bumped && slotAt(index) == point;
    }

    // The index of the first of the first n slots handed out whose point
    // `found` chooses, read where they lie; n when none is. The caller
    // knows them all to be live.
    template <typename Found> size_t findInFirst(size_t n, Found&& found) const {
        for (size_t c = 0; c * chunkPoints < n; ++c) {
            const Slot* const here = chunks[c].get();
            const size_t m = std::min(chunkPoints, n - c * chunkPoints);
            for (size_t k = 0; k < m; ++k)
                if (found(*std::launder(reinterpret_cast<const MyPoint*>(here[k].bytes))))
                    return c * chunkPoints + k;
        }
        return n;
    }

    // Slots in the chunks held, free or not.
    size_t capacity() const { return chunks.size() * chunkPoints; }

private:
    // Aligned to their size, so no point straddles two cache lines and
    // poisoning covers whole shadow granules.
    struct Slot {
        alignas(sizeof(MyPoint)) std::byte bytes[sizeof(MyPoint)];
    };

    // So quick a walk outruns the cache's own fetching ahead. Only a hint:
    // an address past the chunk's end is never read, so it is made as a
    // number rather than a pointer.
    static void fetchAhead(const Slot* slot) {
        __builtin_prefetch(
            reinterpret_cast<const void*>(reinterpret_cast<uintptr_t>(slot) + 64 * sizeof(Slot)));
    }

    void* takeSlot();
    void* slotAt(size_t index) const {
        return chunks[index / chunkPoints][index % chunkPoints].bytes;
    }
    void keepFirstChunkOnly();

    std::vector<std::unique_ptr<Slot[]>> chunks;
    size_t bumped = 0; // slots ever handed out from the chunks, in order
    size_t liveCount = 0;
    std::vector<void*> freeSlots; // taken from the back
};
