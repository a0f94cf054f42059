#pragma once

#include <future>
#include <utility>

// Runs `first` on a thread of its own while `second` runs on this one, and
// returns when both are done; an exception from either is passed on. For
// the halves of a drawing too big for one core to finish in screen time.
template <typename First, typename Second> void bothAtOnce(First&& first, Second&& second) {
    std::future<void> other = std::async(std::launch::async, std::forward<First>(first));
    try {
        second();
    } catch (...) {
        other.wait();
        throw;
    }
    other.get();
}
