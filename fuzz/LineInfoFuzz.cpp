// A route folder's "lineInfo.plist" read into a view.
#include "FuzzView.h"
#include "inspector/WandrelRouteInfoInspector.h"
#include "tracing/WandrelTracingView.h"

#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
    fuzzView();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzSandbox::write(QStringLiteral("lineInfo.plist"), data, size);
    WandrelTracingView& v = fuzzView();
    v.loadLineInfo(FuzzSandbox::folder());
    const WandrelRouteInfoInspector& info = v.getInfo();
    if (!info.getLowLightColour().isValid() || !info.getHighLightColour().isValid() ||
        std::isnan(info.getTerrainFactor()))
        std::abort();
    return 0;
}
