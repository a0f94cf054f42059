#pragma once

#include <QString>
#include <QStringList>

// Every key of the user's defaults store, named once.
namespace PreferenceKeys {
inline const QString includeJournalForWeb = QStringLiteral("includeJournalForWeb");
inline const QString includeDistancesForWeb = QStringLiteral("includeDistancesForWeb");
inline const QString resizeImagesForWeb = QStringLiteral("resizeImagesForWeb");
inline const QString mainWindowColour = QStringLiteral("WandrelMainWindowColour");
inline const QString scaleUnits = QStringLiteral("WandrelScaleUnits");
inline const QString numberOfUnits = QStringLiteral("WandrelNumberOfUnits");
inline const QString answerUnits = QStringLiteral("WandrelAnswerUnits");
inline const QString scaleThisEndX = QStringLiteral("WandrelScaleThisEndX");
inline const QString scaleThisEndY = QStringLiteral("WandrelScaleThisEndY");
inline const QString scaleThatEndX = QStringLiteral("WandrelScaleThatEndX");
inline const QString scaleThatEndY = QStringLiteral("WandrelScaleThatEndY");
inline const QString routeFolder = QStringLiteral("WandrelRouteFolder");
inline const QString showInfoAtStartup = QStringLiteral("WandrelShowInfoAtStartup");
inline const QString dontShowWaypointAlert = QStringLiteral("WandrelDontShowWaypointAlert");
inline const QString webImageSize = QStringLiteral("webImageSize");
// Written by the tracing view as the route's style; never read back.
inline const QString lowLightColour = QStringLiteral("WandrelLowLightColour");
inline const QString highLightColour = QStringLiteral("WandrelHighLightColour");
inline const QString lineWidth = QStringLiteral("WandrelLineWidthSliderVaule");
// The four float keys of a colour stored under a prefix.
inline QStringList colour(const QString& prefix) {
    return {prefix + u'R', prefix + u'G', prefix + u'B', prefix + u'A'};
}
} // namespace PreferenceKeys
