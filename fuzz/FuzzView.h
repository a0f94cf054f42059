#pragma once

#include "FuzzSandbox.h"
#include "tracing/WandrelTracingView.h"

#include <memory>

// The one tracing view a view-reading harness feeds every input to, made in
// a widget sandbox on first use.
inline WandrelTracingView& fuzzView() {
    static std::unique_ptr<WandrelTracingView> view = [] {
        FuzzSandbox::start(FuzzSandbox::Widgets);
        return std::make_unique<WandrelTracingView>();
    }();
    return *view;
}
