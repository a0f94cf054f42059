#pragma once

#include <cstdint>

// One count for the whole process, bumped whenever an object holding a
// counter is made, copied into or destroyed, and by its owner on every
// other change it wants seen. A picture drawn at one count is still true
// while the count stays the same. Touched only from the thread that owns
// the routes.
class ChangeCounter {
public:
    ChangeCounter() noexcept { ++total; }
    ChangeCounter(const ChangeCounter& /*other*/) noexcept { ++total; }
    ChangeCounter& operator=(const ChangeCounter& /*other*/) noexcept {
        ++total;
        return *this;
    }
    ~ChangeCounter() { ++total; }

    void bump() noexcept { ++total; }
    static uint64_t count() noexcept { return total; }

private:
    inline static uint64_t total = 0;
};
