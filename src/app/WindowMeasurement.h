#pragma once

#include "app/MeasurementFile.h"

#include <QStringList>

class FatController;
class WindowDesigns;

// The measurement as the acetate shows it: the route, its style, the scale
// and units its figures are read in, the terrain factor and the picture
// under the route. Gathers it for saving and shows one that was opened.
class WindowMeasurement {
public:
    WindowMeasurement(WindowDesigns& designs, FatController& controller);

    // The files describe the route as it is drawn and measured: the style
    // is the window's, the terrain factor the one the figures use.
    MeasurementFile::Contents capture() const;
    // Replaces what the window shows by an opened measurement, as far as it
    // could be read; the rest keeps the window's. Answers what the user
    // should know, one sentence each.
    QStringList show(const MeasurementFile::Opened& opened, const QString& folder);
    // No route, no picture, flat ground; the scale stays for the next map.
    void clear();
    // Points or a picture: something the user would miss.
    bool holdsWork() const;

private:
    MeasurementSettings settings() const;
    QStringList showSettings(const MeasurementSettings& settings);
    void adoptStyle(const QVariantMap& fragment);

    WindowDesigns& designs;
    FatController& controller;
};
