#pragma once

#include "model/Rect.h"

#include <cstdint>

// What the model needs of a table view that shows one of its collections.
// The widget adapter lives outside the model; the model only ever holds a
// non-owning pointer, and an absent table makes each step do nothing.
class TableView {
public:
    virtual ~TableView() = default;
    virtual void reloadData() = 0;
    // Frame of the scroll view that encloses the table.
    virtual Rect enclosingScrollFrame() const = 0;
    virtual void setEnclosingScrollFrame(const Rect& frame) = 0;
    // The selected row, or -1.
    virtual int64_t selectedRow() const { return -1; }
};
