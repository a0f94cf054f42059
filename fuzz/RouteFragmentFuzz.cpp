// A route fragment file, XML or binary property list, read into a view.
#include "FuzzSandbox.h"
#include "model/PointDataSource.h"
#include "tracing/WandrelTracingView.h"

#include <cmath>
#include <cstdlib>
#include <memory>

namespace {

std::unique_ptr<WandrelTracingView>& view() {
    static std::unique_ptr<WandrelTracingView> v;
    return v;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
    FuzzSandbox::start(FuzzSandbox::Widgets);
    view() = std::make_unique<WandrelTracingView>();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    WandrelTracingView& v = *view();
    // Each input starts from an empty route; fragments append.
    v.setDataSource(std::make_unique<PointDataSource>());
    v.readFromFragmentFile(FuzzSandbox::write(QStringLiteral("fragment.plist"), data, size));
    const PointDataSource& route = v.getPointDataSource();
    for (int64_t i = 0; i < route.numberOfRowsInTableView(nullptr); ++i) {
        const MyPoint& p = *route.getnthItem(i);
        // The reader promises finite coordinates, whatever the file says.
        if (!std::isfinite(p.getX()) || !std::isfinite(p.getY()))
            std::abort();
    }
    (void)v.totalDistance();
    (void)v.totalArea();
    return 0;
}
