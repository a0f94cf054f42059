#pragma once

#include <functional>
#include <string>

// The model's diagnostic lines. The model knows nothing of the application's
// log, so the application hands it a sink; until then lines go nowhere.
class ModelLog {
public:
    using Sink = std::function<void(const std::string&)>;

    static void setSink(Sink sink);
    static void write(const std::string& line);
    // printf's "%f" (six decimals) in any locale: the C library's printf
    // follows the process locale, which the application changes.
    static std::string fixed(float value);
};
