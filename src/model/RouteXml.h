#pragma once

#include "model/PointD.h"

#include <string>

class PointDataSource;

// "route.xml" in a route folder: every point of the route with its kind,
// then the scale it was measured at and a window position. Nothing reads it
// back.
class RouteXml {
public:
    struct Settings {
        PointD thisEnd;
        PointD thatEnd;
        std::string numberOfUnits;
        std::string scaleUnits;
        std::string answerUnits;
        float windowX = 0;
        float windowY = 0;
    };

    static std::string text(const PointDataSource& route, const Settings& settings);
    // Writes the text into `folder`, creating the folder when nothing is
    // there. The old file is replaced only by a complete new one; a failed
    // write is logged and answers false.
    static bool write(const std::string& folder, const PointDataSource& route,
                      const Settings& settings);
    // `value` with "<", ">" and "&" as entity references.
    static std::string escaped(const std::string& value);
    // printf's "%.<decimals>f" with "." whatever the locale.
    static std::string fixed(double value, int decimals);
};
