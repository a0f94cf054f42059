// A measurement folder's own settings ("measurement.plist") read back and
// laid on a scale bar, as opening a measurement does.
#include "FuzzSandbox.h"
#include "app/MeasurementFile.h"
#include "scale/SwinginSlider.h"

#include <QWidget>

#include <cmath>
#include <cstdlib>
#include <memory>

namespace {

SwinginSlider& fuzzBar() {
    static std::unique_ptr<QWidget> acetate = [] {
        FuzzSandbox::start(FuzzSandbox::Widgets);
        auto widget = std::make_unique<QWidget>();
        widget->resize(1280, 800);
        new SwinginSlider(widget.get()); // owned by the widget
        return widget;
    }();
    return *acetate->findChild<SwinginSlider*>();
}

// Whatever the file says, only values a window could have saved come back.
void check(const MeasurementSettings& s) {
    if (s.thisEnd.has_value() != s.thatEnd.has_value() ||
        (s.thisEnd && !(MeasurementSettings::usableEnd(*s.thisEnd) &&
                        MeasurementSettings::usableEnd(*s.thatEnd))))
        std::abort();
    if (s.numberOfUnits && !MeasurementSettings::usableNumber(*s.numberOfUnits))
        std::abort();
    for (const auto* unit : {&s.scaleUnits, &s.answerUnits, &s.areaUnits})
        if (*unit && !MeasurementSettings::usableUnit(**unit))
            std::abort();
    if (s.terrainFactor && !MeasurementSettings::usableTerrainFactor(*s.terrainFactor))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
    fuzzBar();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzSandbox::write(MeasurementFile::settingsName, data, size);
    const MeasurementFile::Opened opened = MeasurementFile::read(FuzzSandbox::folder());
    check(opened.settings);
    if (opened.settings.thisEnd) {
        SwinginSlider& bar = fuzzBar();
        const PointD a = *opened.settings.thisEnd;
        const PointD b = *opened.settings.thatEnd;
        bar.placeEnds(QPointF(a.x, a.y), QPointF(b.x, b.y));
        const QPointF laid = bar.thisEndOnParent() - QPointF(a.x, a.y);
        if (!std::isfinite(bar.floatValue()) || std::abs(laid.x()) + std::abs(laid.y()) > 1e-6)
            std::abort();
    }
    return 0;
}
