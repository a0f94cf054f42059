// A route folder's "lineInfo.plist" read into a view.
#include "FuzzSandbox.h"
#include "inspector/WandrelRouteInfoInspector.h"
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
    FuzzSandbox::write(QStringLiteral("lineInfo.plist"), data, size);
    WandrelTracingView& v = *view();
    v.loadLineInfo(FuzzSandbox::folder());
    const WandrelRouteInfoInspector& info = v.getInfo();
    if (!info.getLowLightColour().isValid() || !info.getHighLightColour().isValid() ||
        std::isnan(info.getTerrainFactor()))
        std::abort();
    return 0;
}
