#pragma once

#include <memory>
#include <vector>

// How an rtDataSource holds its items unless told otherwise: each one its
// own heap object, owned by its entry.
template <typename T> class rtOwnedItems {
public:
    using Entry = std::unique_ptr<T>;

    static T* pointer(const Entry& entry) { return entry.get(); }
    Entry adopt(std::unique_ptr<T> item) { return item; }
    void discard(Entry& entry) { entry.reset(); }
    void discardAll(std::vector<Entry>& entries) { entries.clear(); }
};
