#pragma once

#include "model/TableView.h"
#include "model/rtOwnedItems.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cctype>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

// An ordered collection that owns its items and compares them by identity.
// Look-ups hand out non-owning pointers; an item removed from the collection
// is destroyed, and subclasses hear of it first through willRemove().
// `Items` decides where the items live (see rtOwnedItems): it turns a handed
// in item into an entry, names the item of an entry and destroys them.
template <typename T, typename Items = rtOwnedItems<T>> class rtDataSource {
public:
    using Entry = typename Items::Entry;

    rtDataSource() = default;
    virtual ~rtDataSource() { storage.discardAll(collection); }
    rtDataSource(const rtDataSource&) = delete;
    rtDataSource& operator=(const rtDataSource&) = delete;

    virtual T* add(std::unique_ptr<T> item) {
        if (!item)
            return nullptr;
        collection.push_back(storage.adopt(std::move(item)));
        return appended();
    }

    void clear() {
        for (const Entry& entry : collection)
            willRemove(Items::pointer(entry));
        storage.discardAll(collection);
        inStorageOrder = 0;
    }

    // An item not held changes nothing. Every entry is made by the storage,
    // so an item is held at most once.
    void deleteItem(const T* item) {
        const int64_t i = item ? indexOf(item) : -1;
        if (i < 0)
            return;
        willRemove(item);
        keepOrderBefore(static_cast<size_t>(i));
        const auto at = collection.begin() + static_cast<std::ptrdiff_t>(i);
        Entry gone = std::move(*at);
        collection.erase(at);
        storage.discard(gone);
    }

    void deleteLastItem() {
        if (collection.empty())
            return;
        willRemove(Items::pointer(collection.back()));
        storage.discard(collection.back());
        collection.pop_back();
        keepOrderBefore(collection.size());
    }

    int64_t count() const { return static_cast<int64_t>(collection.size()); }

    // Index of the first occurrence, or -1.
    int64_t indexOf(const T* item) const {
        for (size_t i = 0; i < collection.size(); ++i)
            if (Items::pointer(collection[i]) == item)
                return static_cast<int64_t>(i);
        return -1;
    }

    T* getFirstItem() const { return getnthItem(0); }

    T* getnthItem(int64_t n) const {
        if (n < 0 || n >= count())
            return nullptr;
        return Items::pointer(collection[static_cast<size_t>(n)]);
    }

    T* getNextItem(const T* item) const {
        const int64_t i = indexOf(item);
        return i < 0 ? nullptr : getnthItem(i + 1);
    }

    T* getItemById(int64_t id) const {
        for (const Entry& entry : collection)
            if (static_cast<int64_t>(entry->getId()) == id)
                return Items::pointer(entry);
        return nullptr;
    }

    // Counts every item, visible or not, so it equals getnthItem().
    T* getnthVisibleItem(int64_t n) const { return getnthItem(n); }

    virtual int64_t numberOfRowsInTableView(const TableView* /*table*/) const { return count(); }

    virtual std::string objectValueForTableColumn(const TableView* /*table*/,
                                                  const std::string& /*column*/,
                                                  int32_t /*row*/) const {
        return {};
    }

    void sortByColumn(const std::string& column, bool ascending) {
        sortByColumn(column, ascending, 0);
    }

    // Adjacent exchange passes until one pass exchanges nothing. Ascending
    // leaves the greatest text first; options other than 0..2 compare nothing.
    void sortByColumn(const std::string& column, bool ascending, int32_t options) {
        if (options < 0 || options > 2)
            return;
        bool exchanged = true;
        while (exchanged) {
            exchanged = false;
            for (size_t i = 0; i + 1 < collection.size(); ++i) {
                const int order =
                    compareNoCase(fieldOf(*Items::pointer(collection[i]), column),
                                  fieldOf(*Items::pointer(collection[i + 1]), column));
                if ((ascending && order < 0) || (!ascending && order > 0)) {
                    std::swap(collection[i], collection[i + 1]);
                    keepOrderBefore(i);
                    exchanged = true;
                }
            }
        }
    }

    // Exchanges the positions of two held items; otherwise changes nothing.
    void swop(const T* a, const T* b) {
        const int64_t i = indexOf(a);
        const int64_t j = indexOf(b);
        if (i < 0 || j < 0)
            return;
        std::swap(collection[static_cast<size_t>(i)], collection[static_cast<size_t>(j)]);
        keepOrderBefore(static_cast<size_t>(std::min(i, j)));
    }

protected:
    // Called before an item is destroyed, while it is still valid.
    virtual void willRemove(const T* /*item*/) {}

    T* insertAfterIndex(int64_t index, std::unique_ptr<T> item) {
        keepOrderBefore(static_cast<size_t>(index + 1));
        const auto at = collection.begin() + static_cast<std::ptrdiff_t>(index + 1);
        return Items::pointer(*collection.insert(at, storage.adopt(std::move(item))));
    }

    // Appends a copy of `value` that the storage makes in place, with no
    // heap object in between; only for storage that can (PointArena).
    T* addCopy(const T& value) {
        collection.push_back(storage.make(value));
        return appended();
    }

    const std::vector<Entry>& items() const { return collection; }
    // How many leading entries lie in the storage in their own order (see
    // Items::holdsAt), so that a walk may read them where they lie.
    size_t leadingInStorageOrder() const { return inStorageOrder; }
    const Items& itemStorage() const { return storage; }

    // Removes every item that `picks` chooses, asking once about each. All
    // are reported through willRemove() while the collection is still
    // whole, then destroyed last first, so storage that reuses their places
    // hands them out again in collection order; then the rest close up.
    template <typename Predicate> void removeIf(Predicate picks) {
        std::vector<uint64_t> picked((collection.size() + 63) / 64);
        markPicked(picks, picked, 0, collection.size());
        reportPicked(picked, 0, collection.size());
        eachPickedLastFirst(picked, [this](size_t i) { storage.discard(collection[i]); });
        closeUp(picked);
    }

    // Removes what `picks` chooses and puts new items among the rest, in
    // one pass. Each item is asked about once, and each picked one reported
    // through willRemove() with the route still whole. The kept items are
    // shown to `place` in order, a stretch at a time, as place(stretch,
    // put); put(i, value) sets a copy of `value` in front of stretch[i], i
    // never going back. Only for storage that makes copies (PointArena).
    // The collection changes only at the end, so a copy that cannot be made
    // leaves it as it was; the picked items are destroyed last.
    template <typename Predicate, typename Place> void replaceIf(Predicate picks, Place place) {
        static_assert(std::is_same_v<Entry, T*>, "kept entries are copied, not moved");
        std::vector<uint64_t> picked((collection.size() + 63) / 64);
        std::vector<Entry> rebuilt;
        rebuilt.reserve(collection.size());
        size_t changedFrom = SIZE_MAX;
        std::array<Entry, stretchLength> stretch;
        size_t flushed = 0;
        const auto flush = [&](size_t upTo) {
            rebuilt.insert(rebuilt.end(), stretch.begin() + flushed, stretch.begin() + upTo);
            flushed = upTo;
        };
        const auto put = [&](size_t before, const T& value) {
            flush(before);
            changedFrom = std::min(changedFrom, rebuilt.size());
            if (rebuilt.size() == rebuilt.capacity())
                rebuilt.reserve(2 * rebuilt.size() + 1); // so no copy is made and then lost
            rebuilt.push_back(storage.make(value));
        };
        // A stretch's items are still in the cache for `place`.
        for (size_t from = 0; from < collection.size(); from += stretchLength) {
            const size_t to = std::min(collection.size(), from + stretchLength);
            markPicked(picks, picked, from, to);
            reportPicked(picked, from, to);
            const size_t kept = keptIn(picked, from, to, stretch);
            flushed = 0;
            place(std::span<T* const>(stretch.data(), kept), put);
            flush(kept);
        }
        changedFrom = std::min(changedFrom, firstPicked(picked));
        if (changedFrom == SIZE_MAX)
            return;
        keepOrderBefore(changedFrom);
        collection.swap(rebuilt);
        eachPickedLastFirst(picked, [&](size_t i) { storage.discard(rebuilt[i]); });
    }

private:
    T* appended() {
        if constexpr (requires { storage.holdsAt(collection.back(), size_t{}); })
            if (inStorageOrder + 1 == collection.size() &&
                storage.holdsAt(collection.back(), inStorageOrder))
                ++inStorageOrder;
        return Items::pointer(collection.back());
    }

    // Entries from `index` on may no longer be in the storage's order.
    void keepOrderBefore(size_t index) { inStorageOrder = std::min(inStorageOrder, index); }

    // A whole number of words, so that the stretches start on a word.
    static constexpr size_t stretchLength = 1024;

    // Sets the bits of the entries from `from` (a word's first) up to `to`
    // that `picks` chooses. Asked without a branch, the items of the next
    // word fetched ahead, so a long walk keeps many items in flight; each
    // answer enters at the top and the word fills downwards.
    template <typename Predicate>
    void markPicked(Predicate& picks, std::vector<uint64_t>& picked, size_t from, size_t to) const {
        for (size_t w = from / 64; w * 64 < to; ++w) {
            const size_t first = w * 64;
            const size_t last = std::min(to, first + 64);
            const size_t ahead = std::min(collection.size(), last + 64);
            for (size_t i = last; i < ahead; i += 4)
                __builtin_prefetch(Items::pointer(collection[i]));
            uint64_t bits = 0;
            for (size_t i = first; i < last; ++i)
                bits = (bits >> 1) |
                       (uint64_t{static_cast<bool>(picks(*Items::pointer(collection[i])))} << 63);
            picked[w] = bits >> (64 - (last - first));
        }
    }

    // Reports the picked entries from `from` (a word's first) up to `to`, in
    // order.
    void reportPicked(const std::vector<uint64_t>& picked, size_t from, size_t to) {
        for (size_t w = from / 64; w * 64 < to; ++w)
            for (uint64_t bits = picked[w]; bits != 0; bits &= bits - 1)
                willRemove(Items::pointer(
                    collection[w * 64 + static_cast<size_t>(std::countr_zero(bits))]));
    }

    // Copies the entries from `from` up to `to` that are not picked into
    // `stretch`, without a branch; returns how many.
    size_t keptIn(const std::vector<uint64_t>& picked, size_t from, size_t to,
                  std::array<Entry, stretchLength>& stretch) const {
        size_t kept = 0;
        for (size_t i = from; i < to; ++i) {
            stretch[kept] = collection[i];
            kept += 1 - ((picked[i / 64] >> (i % 64)) & 1);
        }
        return kept;
    }

    // The index of the first picked entry, or SIZE_MAX.
    static size_t firstPicked(const std::vector<uint64_t>& picked) {
        const auto hit =
            std::find_if(picked.begin(), picked.end(), [](uint64_t bits) { return bits != 0; });
        return hit == picked.end() ? SIZE_MAX
                                   : static_cast<size_t>(hit - picked.begin()) * 64 +
                                         static_cast<size_t>(std::countr_zero(*hit));
    }

    template <typename Visit>
    static void eachPickedLastFirst(const std::vector<uint64_t>& picked, Visit visit) {
        for (size_t w = picked.size(); w-- > 0;)
            for (uint64_t bits = picked[w]; bits != 0;) {
                const int b = 63 - std::countl_zero(bits);
                bits &= ~(uint64_t{1} << b);
                visit(w * 64 + static_cast<size_t>(b));
            }
    }

    // Moves the kept entries down over the picked ones, whose items are
    // already destroyed. Every entry from the first word with a pick is
    // written, picked or not, and only kept ones advance: no branch per
    // entry. Those before the first pick move onto themselves, unchanged.
    void closeUp(const std::vector<uint64_t>& picked) {
        const size_t firstPick = firstPicked(picked);
        if (firstPick == SIZE_MAX)
            return;
        keepOrderBefore(firstPick);
        size_t write = firstPick / 64 * 64;
        for (size_t w = firstPick / 64; w < picked.size(); ++w) {
            const size_t to = std::min(collection.size(), w * 64 + 64);
            uint64_t bits = picked[w];
            for (size_t i = w * 64; i < to; ++i, bits >>= 1) {
                collection[write] = std::move(collection[i]);
                write += 1 - (bits & 1);
            }
        }
        collection.erase(collection.begin() + static_cast<std::ptrdiff_t>(write), collection.end());
    }

    static std::string fieldOf(const T& item, const std::string& column) {
        if constexpr (requires { item.getFieldByName(column); })
            return item.getFieldByName(column);
        else
            return {};
    }

    static int compareNoCase(const std::string& a, const std::string& b) {
        const size_t n = std::min(a.size(), b.size());
        for (size_t i = 0; i < n; ++i) {
            const int x = std::tolower(static_cast<unsigned char>(a[i]));
            const int y = std::tolower(static_cast<unsigned char>(b[i]));
            if (x != y)
                return x < y ? -1 : 1;
        }
        return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
    }

    Items storage;
    std::vector<Entry> collection;
    size_t inStorageOrder = 0;
};
