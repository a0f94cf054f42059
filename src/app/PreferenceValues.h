#pragma once

#include <QColor>

// What the preferences window shows, kept while the window is not made (as
// in most sessions): start-up restores into it, the acetate reads it, the
// window is filled from it when made and writes back to it, and shutdown
// saves it.
struct PreferenceValues {
    // The rows of the web image sizes.
    static constexpr int webImageSizes = 3;
    // The terrain and line-width sliders' ranges, as the window offers them.
    static constexpr int flatTerrain = 100;
    static constexpr int steepestTerrain = 125;
    static constexpr int thinnestLine = 1;
    static constexpr int widestLine = 20;

    // The tint as chosen, before any raising of a too faint one.
    QColor tint;
    // The line-style preset's row.
    int preset = 0;
    bool includeJournalForWeb = true;
    bool includeDistancesForWeb = true;
    bool resizeImagesForWeb = true;
    int webImageSize = 0;
};
