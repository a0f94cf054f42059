#pragma once

#include <QColor>
#include <QString>
#include <QVariant>
#include <QVariantMap>

class PointDataSource;
class WandrelRouteInfoInspector;

// The dictionaries of a route fragment (its style, answer unit and points)
// and of a route folder's "lineInfo.plist" (its style and terrain factor).
// Numbers are written as "%f" strings; readers take them as strings or as
// numbers, and anything else, missing, not a number or not finite, as 0.
class RouteFragment {
public:
    // A fragment of a million points is about 250 MB of XML.
    static constexpr qint64 maximumFileSize = 512LL * 1024 * 1024;

    static QVariantMap fragment(const WandrelRouteInfoInspector& info, const QString& answerUnits,
                                const PointDataSource& route);
    static QVariantMap lineInfo(const WandrelRouteInfoInspector& info);

    // Hands the style and answer unit to the inspector and appends the
    // points to the route.
    static void loadFragment(const QVariantMap& fragment, WandrelRouteInfoInspector& info,
                             PointDataSource& route);
    // Colours and terrain factor; the line width stays as it is.
    static void loadLineInfo(const QVariantMap& lineInfo, WandrelRouteInfoInspector& info);

    static float number(const QVariant& value);
    // A colour's stored 16-bit component in "%f": the shortest decimal that
    // gives the same component back, so 0.85 reads "0.850000", not "0.850004".
    static QString component(quint16 stored);

private:
    static void putStyle(QVariantMap& dictionary, const WandrelRouteInfoInspector& info);
    static QColor colour(const QVariantMap& dictionary, const QString& prefix);
    static void appendPoints(const QVariant& points, PointDataSource& route);
};
