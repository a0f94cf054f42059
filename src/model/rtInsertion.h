#pragma once

#include <cstddef>

// An item to go in front of the one now at index `before` of a collection;
// an index at or past the end appends. `Item` is an owning pointer to the
// item, or the item's value for storage that makes its own copies.
template <typename Item> struct rtInsertion {
    size_t before;
    Item item;
};
