// A route fragment file, XML or binary property list, read into a view.
#include "FuzzView.h"
#include "model/PointDataSource.h"
#include "tracing/WandrelTracingView.h"

#include <cmath>
#include <cstdlib>
#include <memory>

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
    fuzzView();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    WandrelTracingView& v = fuzzView();
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
