#pragma once

#include <QImage>
#include <QString>

// Images that come with the application, by name and type: ("camera", "tif")
// is <root>/camera.tif. The root is ":/images" unless a test points it at a
// folder of its own.
class Resources {
public:
    // A null image when there is no such image or it cannot be decoded.
    static QImage image(const QString& name, const QString& type);
    static QString path(const QString& name, const QString& type);
    static void setRoot(const QString& root);
    static QString root();
};
