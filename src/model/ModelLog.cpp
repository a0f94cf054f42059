#include "model/ModelLog.h"

#include <charconv>
#include <cmath>

namespace {

ModelLog::Sink& sink() {
    static ModelLog::Sink instance;
    return instance;
}

} // namespace

void ModelLog::setSink(Sink s) {
    sink() = std::move(s);
}

void ModelLog::write(const std::string& line) {
    if (sink())
        sink()(line);
}

std::string ModelLog::fixed(float value) {
    if (std::isnan(value))
        return std::signbit(value) ? "-nan" : "nan";
    if (std::isinf(value))
        return value < 0 ? "-inf" : "inf";
    // The largest float needs 39 digits before the point.
    char text[64];
    const auto written = std::to_chars(text, text + sizeof text, static_cast<double>(value),
                                       std::chars_format::fixed, 6);
    return std::string(text, written.ptr);
}
