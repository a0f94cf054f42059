#pragma once

#include "model/MeasurementSettings.h"

#include <QImage>
#include <QString>
#include <QVariantMap>

#include <optional>
#include <string>

// A measurement on disk: a route folder with the route fragment, the line
// info, "route.xml" and "stats.plist", the settings the figures were read
// with ("measurement.plist") and the acetate's picture, if any
// ("snapshot.png").
class MeasurementFile {
public:
    static const QString fragmentName;
    static const QString lineInfoName;
    static const QString routeXmlName;
    static const QString statsName;
    static const QString settingsName;
    static const QString snapshotName;

    // The files' contents, ready to be written.
    struct Contents {
        QVariantMap fragment;
        QVariantMap lineInfo;
        QVariantMap stats;
        std::string routeXml;
        MeasurementSettings settings;
        QImage snapshot; // null: the folder keeps no picture
    };

    // What could be read back; unusable settings are left out.
    struct Opened {
        std::optional<QVariantMap> fragment;
        std::optional<QVariantMap> lineInfo;
        MeasurementSettings settings;
        bool hasSettings = false;
        // Something the folder should hold was missing or unusable.
        bool damaged = false;

        // A folder with neither a route nor settings holds no measurement.
        bool holdsMeasurement() const { return fragment || hasSettings; }
    };

    // Writes every file into `folder`, making the folder if need be. All are
    // written complete inside the folder first and only then moved over
    // their old versions, so a write that fails on the way (a full disk)
    // leaves the old measurement whole. Answers "" or why it failed, in a
    // sentence for the user.
    static QString write(const QString& folder, const Contents& contents);
    // Reads what it can; files that are missing, unreadable or not regular
    // files (a pipe would never end) count as absent.
    static Opened read(const QString& folder);

    static QVariantMap dictionary(const MeasurementSettings& settings);
    // Values of the wrong kind count as absent; discardUnusable() is left
    // to the caller.
    static MeasurementSettings settings(const QVariantMap& dictionary);
};
