#pragma once

#include <cstddef>
#include <memory>

// An item to go in front of the one now at index `before` of a collection;
// an index at or past the end appends.
template <typename T> struct rtInsertion {
    size_t before;
    std::unique_ptr<T> item;
};
