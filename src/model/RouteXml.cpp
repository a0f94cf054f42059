#include "model/RouteXml.h"

#include "model/ModelLog.h"
#include "model/PointDataSource.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <random>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// One element on lines of its own: "<tag>\n", the value, "</tag>\n".
void element(std::string& out, const char* tag, const std::string& value) {
    out.append("<").append(tag).append(">\n");
    out.append(value);
    out.append("</").append(tag).append(">\n");
}

const char* kindOf(const MyPoint& point) {
    if (point.isWaypoint())
        return "YES";
    return point.isDistanceMarker() ? "DISTANCE" : "NO";
}

void appendPoint(std::string& out, const MyPoint& point) {
    out += "<point>\n";
    element(out, "x", RouteXml::fixed(point.getX(), 1));
    element(out, "y", RouteXml::fixed(point.getY(), 1));
    element(out, "iswaypoint", kindOf(point));
    element(out, "name", RouteXml::escaped(point.getPointName()));
    element(out, "comments", RouteXml::escaped(point.getPointComments()));
    out += "</point>\n";
}

void appendSettings(std::string& out, const RouteXml::Settings& s) {
    out += "<distances>\n";
    element(out, "thisEndX", RouteXml::fixed(s.thisEnd.x, 6));
    element(out, "thisEndY", RouteXml::fixed(s.thisEnd.y, 6));
    element(out, "thatEndX", RouteXml::fixed(s.thatEnd.x, 6));
    element(out, "thatEndY", RouteXml::fixed(s.thatEnd.y, 6));
    element(out, "scaleUnits", RouteXml::escaped(s.scaleUnits));
    element(out, "numberOfUnits", RouteXml::escaped(s.numberOfUnits));
    element(out, "answerUnits", RouteXml::escaped(s.answerUnits));
    element(out, "windowX", RouteXml::fixed(s.windowX, 0));
    element(out, "windowY", RouteXml::fixed(s.windowY, 0));
    out += "</distances>\n";
}

struct FileClose {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// A new file beside `target`, opened only if nothing of that name exists.
std::pair<fs::path, std::FILE*> temporaryBeside(const fs::path& target) {
    std::random_device random;
    for (int attempt = 0; attempt < 16; ++attempt) {
        fs::path candidate = target;
        candidate += ".tmp" + std::to_string(random());
        if (std::FILE* file = std::fopen(candidate.c_str(), "wbx"))
            return {candidate, file};
        if (errno != EEXIST)
            break;
    }
    return {{}, nullptr};
}

// The whole text goes to a new file that is renamed over `target` once it
// is complete, so readers see the old file or the new one, never a part.
bool replaceFile(const fs::path& target, const std::string& text) {
    auto [temporary, raw] = temporaryBeside(target);
    if (!raw)
        return false;
    std::unique_ptr<std::FILE, FileClose> file(raw);
    bool written = std::fwrite(text.data(), 1, text.size(), file.get()) == text.size();
    written = std::fflush(file.get()) == 0 && written;
    written = std::fclose(file.release()) == 0 && written;
    std::error_code error;
    if (written)
        fs::rename(temporary, target, error);
    if (!written || error) {
        fs::remove(temporary, error);
        return false;
    }
    return true;
}

} // namespace

std::string RouteXml::text(const PointDataSource& route, const Settings& settings) {
    std::string out = "<wandrel>\n<route>\n";
    for (int64_t i = 0; i < route.count(); ++i)
        appendPoint(out, *route.getnthItem(i));
    appendSettings(out, settings);
    out += "</route></wandrel>\n";
    return out;
}

bool RouteXml::write(const std::string& folder, const PointDataSource& route,
                     const Settings& settings) {
    const fs::path path(folder);
    std::error_code error;
    // An existing folder is no failure; any other shows up below, as a
    // failed write.
    fs::create_directory(path, error);
    // Linux file systems keep no hidden-extension attribute for the folder.
    const fs::path file = path / "route.xml";
    if (replaceFile(file, text(route, settings)))
        return true;
    ModelLog::write("Unsuccessful saving route to " + file.string());
    return false;
}

std::string RouteXml::escaped(const std::string& value) {
    std::string out;
    out.reserve(value.size());
    for (const char c : value) {
        if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else if (c == '&')
            out += "&amp;";
        else
            out += c;
    }
    return out;
}

std::string RouteXml::fixed(double value, int decimals) {
    if (std::isnan(value))
        return std::signbit(value) ? "-nan" : "nan";
    if (std::isinf(value))
        return value < 0 ? "-inf" : "inf";
    // The largest double needs 309 digits before the point.
    std::array<char, 400> text{};
    const auto result = std::to_chars(text.data(), text.data() + text.size(), value,
                                      std::chars_format::fixed, decimals);
    return std::string(text.data(), result.ptr);
}
