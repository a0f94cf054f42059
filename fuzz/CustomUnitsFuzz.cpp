// The user's "customUnits.plist".
#include "FuzzSandbox.h"
#include "units/CustomUnitStore.h"

#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
    FuzzSandbox::start(FuzzSandbox::Core);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString path = FuzzSandbox::write(QStringLiteral("customUnits.plist"), data, size);
    for (const auto& unit : CustomUnitStore::read(path)) {
        // Every unit read divides figures: a zero, negative or non-finite
        // factor must never get through.
        const float factor = unit->getConversionFactor();
        if (!std::isfinite(factor) || !(factor > 0) || !unit->isEditable())
            std::abort();
    }
    return 0;
}
