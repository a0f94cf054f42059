#include "tracing/RouteFragment.h"

#include "inspector/WandrelRouteInfoInspector.h"
#include "model/PointDataSource.h"
#include "platform/NumberText.h"

#include <QRgba64>
#include <QVariantList>

#include <cfloat>
#include <cmath>
#include <memory>

namespace {

QString kindOf(const MyPoint& point) {
    if (point.isWaypoint())
        return QStringLiteral("YES");
    return point.isDistanceMarker() ? QStringLiteral("DISTANCE") : QStringLiteral("NO");
}

QVariantMap pointEntry(const MyPoint& point) {
    return {{QStringLiteral("x"), NumberText::fixed(point.getX())},
            {QStringLiteral("y"), NumberText::fixed(point.getY())},
            {QStringLiteral("isWaypoint"), kindOf(point)},
            {QStringLiteral("name"), QString::fromStdString(point.getPointName())},
            {QStringLiteral("comments"), QString::fromStdString(point.getPointComments())}};
}

// Strings only: a number or a list in their place reads as empty.
QString text(const QVariant& value) {
    return value.typeId() == QMetaType::QString ? value.toString() : QString();
}

void putColour(QVariantMap& dictionary, const QString& prefix, const QColor& colour) {
    const QRgba64 stored = colour.toRgb().rgba64();
    dictionary.insert(prefix + u'R', RouteFragment::component(stored.red()));
    dictionary.insert(prefix + u'G', RouteFragment::component(stored.green()));
    dictionary.insert(prefix + u'B', RouteFragment::component(stored.blue()));
    dictionary.insert(prefix + u'A', RouteFragment::component(stored.alpha()));
}

} // namespace

QVariantMap RouteFragment::fragment(const WandrelRouteInfoInspector& info,
                                    const QString& answerUnits, const PointDataSource& route) {
    QVariantMap dictionary;
    putStyle(dictionary, info);
    dictionary.insert(QStringLiteral("answerUnits"), answerUnits);
    QVariantList points;
    const int64_t n = route.numberOfRowsInTableView(nullptr);
    points.reserve(n);
    for (int64_t i = 0; i < n; ++i)
        points.append(pointEntry(*route.getnthItem(i)));
    dictionary.insert(QStringLiteral("points"), points);
    return dictionary;
}

QVariantMap RouteFragment::lineInfo(const WandrelRouteInfoInspector& info) {
    QVariantMap dictionary;
    putStyle(dictionary, info);
    dictionary.insert(QStringLiteral("terrainFactor"), NumberText::fixed(info.getTerrainFactor()));
    return dictionary;
}

void RouteFragment::loadFragment(const QVariantMap& fragment, WandrelRouteInfoInspector& info,
                                 PointDataSource& route) {
    info.setLowLightColour(colour(fragment, QStringLiteral("LowLightColour")));
    info.setHighLightColour(colour(fragment, QStringLiteral("HighLightColour")));
    info.setLineWidth(number(fragment.value(QStringLiteral("lineWidth"))));
    info.setAnswerUnits(text(fragment.value(QStringLiteral("answerUnits"))));
    appendPoints(fragment.value(QStringLiteral("points")), route);
}

void RouteFragment::loadLineInfo(const QVariantMap& lineInfo, WandrelRouteInfoInspector& info) {
    info.setLowLightColour(colour(lineInfo, QStringLiteral("LowLightColour")));
    info.setHighLightColour(colour(lineInfo, QStringLiteral("HighLightColour")));
    info.setTerrainFactor(number(lineInfo.value(QStringLiteral("terrainFactor"))));
}

float RouteFragment::number(const QVariant& value) {
    double read = 0;
    switch (value.typeId()) {
    case QMetaType::QString:
        read = NumberText::leadingFloat(value.toString());
        break;
    case QMetaType::Double:
        read = value.toDouble();
        break;
    case QMetaType::LongLong:
        read = static_cast<double>(value.toLongLong());
        break;
    default:
        return 0;
    }
    // Beyond the float range the value would turn infinite, or undefined.
    return std::isfinite(read) && std::fabs(read) <= FLT_MAX ? static_cast<float>(read) : 0.0f;
}

QString RouteFragment::component(quint16 stored) {
    double scale = 1;
    for (int digits = 0; digits < 6; ++digits, scale *= 10) {
        const double shortest = std::round(stored / 65535.0 * scale) / scale;
        if (QColor::fromRgbF(static_cast<float>(shortest), 0, 0).rgba64().red() == stored)
            return NumberText::fixed(shortest);
    }
    return NumberText::fixed(stored / 65535.0);
}

void RouteFragment::putStyle(QVariantMap& dictionary, const WandrelRouteInfoInspector& info) {
    putColour(dictionary, QStringLiteral("LowLightColour"), info.getLowLightColour());
    putColour(dictionary, QStringLiteral("HighLightColour"), info.getHighLightColour());
    dictionary.insert(QStringLiteral("lineWidth"), NumberText::fixed(info.getLineWidth()));
}

QColor RouteFragment::colour(const QVariantMap& dictionary, const QString& prefix) {
    const auto part = [&dictionary, &prefix](char16_t c) {
        const float v = number(dictionary.value(prefix + c));
        return v > 0 ? (v < 1 ? v : 1.0f) : 0.0f;
    };
    return QColor::fromRgbF(part(u'R'), part(u'G'), part(u'B'), part(u'A'));
}

void RouteFragment::appendPoints(const QVariant& points, PointDataSource& route) {
    if (points.typeId() != QMetaType::QVariantList)
        return;
    const QVariantList entries = points.toList();
    for (const QVariant& entry : entries) {
        if (entry.typeId() != QMetaType::QVariantMap)
            continue;
        const QVariantMap p = entry.toMap();
        auto point = std::make_unique<MyPoint>(number(p.value(QStringLiteral("x"))),
                                               number(p.value(QStringLiteral("y"))));
        point->setPointName(text(p.value(QStringLiteral("name"))).toStdString());
        point->setPointComments(text(p.value(QStringLiteral("comments"))).toStdString());
        const QString kind = p.value(QStringLiteral("isWaypoint")).toString();
        if (kind == u"DISTANCE")
            point->setDistanceMarker();
        if (kind == u"YES")
            point->setWaypoint(true);
        route.add(std::move(point));
    }
}
