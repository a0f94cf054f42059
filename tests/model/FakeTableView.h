#pragma once

#include "model/Rect.h"
#include "model/TableView.h"

// Stands in for the inspector's table: counts reloads, keeps a frame.
class FakeTableView : public TableView {
public:
    void reloadData() override { ++reloads; }
    Rect enclosingScrollFrame() const override { return frame; }
    void setEnclosingScrollFrame(const Rect& f) override { frame = f; }

    int reloads = 0;
    Rect frame;
};
