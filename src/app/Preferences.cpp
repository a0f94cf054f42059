#include "app/Preferences.h"

#include "app/PreferenceValues.h"
#include "ui_PreferencesWindow.h"

#include "platform/Defaults.h"
#include "platform/Log.h"
#include "platform/PopUpTitles.h"
#include "platform/PreferenceKeys.h"
#include "platform/StringTables.h"
#include "scale/SwinginSlider.h"
#include "tracing/WandrelTracingView.h"

#include <QAbstractButton>
#include <QDir>
#include <QLineEdit>

#include <cmath>

namespace {

QString yesNo(bool yes) {
    return yes ? QStringLiteral("YES") : QStringLiteral("NO");
}

// An end stored beyond any screen (a damaged file) could never be dragged
// back and would turn every figure to 0; it keeps its designed place.
bool withinReach(float x, float y) {
    constexpr float farthest = 1 << 16;
    return std::fabs(x) <= farthest && std::fabs(y) <= farthest;
}

} // namespace

QStringList Preferences::writtenKeys() {
    return PreferenceKeys::colour(PreferenceKeys::mainWindowColour) +
           QStringList{PreferenceKeys::scaleUnits, PreferenceKeys::numberOfUnits,
                       PreferenceKeys::answerUnits} +
           PreferenceKeys::colour(PreferenceKeys::lowLightColour) +
           PreferenceKeys::colour(PreferenceKeys::highLightColour) +
           QStringList{PreferenceKeys::lineWidth,
                       PreferenceKeys::scaleThisEndX,
                       PreferenceKeys::scaleThisEndY,
                       PreferenceKeys::scaleThatEndX,
                       PreferenceKeys::scaleThatEndY,
                       PreferenceKeys::routeFolder,
                       PreferenceKeys::showInfoAtStartup,
                       PreferenceKeys::includeJournalForWeb,
                       PreferenceKeys::includeDistancesForWeb,
                       PreferenceKeys::resizeImagesForWeb,
                       PreferenceKeys::dontShowWaypointAlert,
                       PreferenceKeys::webImageSize};
}

Preferences::Preferences(Defaults& d, PreferenceValues& v, Controls controls)
    : defaults(d), values(v), c(std::move(controls)) {}

void Preferences::showIn(Ui::PreferencesWindow& window) {
    const std::pair<QAbstractButton*, bool*> checks[] = {
        {window.includeJournalForWeb, &values.includeJournalForWeb},
        {window.includeDistancesForWeb, &values.includeDistancesForWeb},
        {window.resizeImagesForWeb, &values.resizeImagesForWeb},
    };
    for (const auto& [box, value] : checks) {
        box->setChecked(*value);
        QObject::connect(box, &QAbstractButton::toggled, box,
                         [value = value](bool on) { *value = on; });
    }
    QAbstractButton* const sizes[PreferenceValues::webImageSizes] = {
        window.webImageSize0, window.webImageSize1, window.webImageSize2};
    sizes[values.webImageSize]->setChecked(true);
    for (int row = 0; row < PreferenceValues::webImageSizes; ++row)
        QObject::connect(sizes[row], &QAbstractButton::toggled, sizes[row], [this, row](bool on) {
            if (on)
                values.webImageSize = row;
        });
}

// Only a stored "NO" turns a box off; anything else keeps its design.
void Preferences::restoreWebChecks() {
    const std::pair<const QString&, bool&> checks[] = {
        {PreferenceKeys::includeJournalForWeb, values.includeJournalForWeb},
        {PreferenceKeys::includeDistancesForWeb, values.includeDistancesForWeb},
        {PreferenceKeys::resizeImagesForWeb, values.resizeImagesForWeb},
    };
    for (const auto& [key, value] : checks)
        if (defaults.stringForKey(key) == u"NO")
            value = false;
}

void Preferences::restoreTint() {
    if (defaults.hasKey(PreferenceKeys::mainWindowColour + u'R'))
        values.tint = defaults.colourForKey(PreferenceKeys::mainWindowColour);
}

void Preferences::restoreScaleBar() {
    if (!c.scaleSlider || !defaults.hasKey(PreferenceKeys::scaleThisEndX))
        return;
    const float thisX = defaults.floatForKey(PreferenceKeys::scaleThisEndX);
    const float thisY = defaults.floatForKey(PreferenceKeys::scaleThisEndY);
    const float thatX = defaults.floatForKey(PreferenceKeys::scaleThatEndX);
    const float thatY = defaults.floatForKey(PreferenceKeys::scaleThatEndY);
    if (withinReach(thisX, thisY))
        c.scaleSlider->moveThisEndToX(thisX, thisY);
    if (withinReach(thatX, thatY))
        c.scaleSlider->moveThatEndToX(thatX, thatY);
    c.scaleSlider->resize();
}

void Preferences::restoreUnits() {
    if (defaults.hasKey(PreferenceKeys::answerUnits))
        PopUpTitles::select(c.answerUnits2, defaults.stringForKey(PreferenceKeys::answerUnits));
    if (defaults.hasKey(PreferenceKeys::numberOfUnits) && c.numberOfUnits2)
        c.numberOfUnits2->setText(defaults.stringForKey(PreferenceKeys::numberOfUnits));
    if (defaults.hasKey(PreferenceKeys::scaleUnits))
        PopUpTitles::select(c.scaleUnits2, defaults.stringForKey(PreferenceKeys::scaleUnits));
}

QString Preferences::routeFolder() const {
    if (defaults.hasKey(PreferenceKeys::routeFolder))
        return defaults.stringForKey(PreferenceKeys::routeFolder);
    QString folder = StringTables::translate("Wandrel", "~/Documents");
    if (folder.startsWith(u'~'))
        folder.replace(0, 1, QDir::homePath());
    return folder;
}

void Preferences::restoreShowAtStartup() {
    showAtStartupStored = defaults.stringForKey(PreferenceKeys::showInfoAtStartup) == u"YES";
    if (c.showAtStartupButton && showAtStartupStored)
        c.showAtStartupButton->setChecked(true);
}

void Preferences::setShowAtStartupButton(QAbstractButton* button) {
    c.showAtStartupButton = button;
    if (button && showAtStartupStored)
        button->setChecked(true);
}

void Preferences::restoreWaypointAlert() {
    if (c.tracingView)
        c.tracingView->DontShowWaypointAlert(
            defaults.stringForKey(PreferenceKeys::dontShowWaypointAlert) == u"YES");
}

void Preferences::restoreWebImageSize() {
    if (!defaults.hasKey(PreferenceKeys::webImageSize))
        return;
    const int row = defaults.stringForKey(PreferenceKeys::webImageSize).toInt();
    if (row >= 0 && row < PreferenceValues::webImageSizes)
        values.webImageSize = row;
}

bool Preferences::showInfoAtStartup() const {
    const QString stored = defaults.stringForKey(PreferenceKeys::showInfoAtStartup);
    return stored.isNull() || stored == u"YES";
}

void Preferences::save(const QString& routeFolder) {
    saveTint();
    saveUnits();
    if (c.tracingView)
        c.tracingView->saveDefaults(defaults);
    saveScaleBar();
    defaults.setString(PreferenceKeys::routeFolder, routeFolder);
    saveChecks();
    if (c.tracingView)
        defaults.setString(PreferenceKeys::dontShowWaypointAlert,
                           yesNo(c.tracingView->DontShowWaypointAlertIsSet()));
    saveWebImageSize();
    // The choices of this session are lost; the log must say so.
    if (!defaults.sync())
        wlog(QStringLiteral("preferences were not saved"));
}

// The chosen colour, not the window's, which may have been made more opaque.
void Preferences::saveTint() {
    if (values.tint.isValid())
        defaults.setColour(PreferenceKeys::mainWindowColour, values.tint);
}

void Preferences::saveUnits() {
    defaults.setString(PreferenceKeys::scaleUnits, PopUpTitles::selected(c.scaleUnits2));
    defaults.setString(PreferenceKeys::numberOfUnits,
                       c.numberOfUnits2 ? c.numberOfUnits2->text() : QString());
    defaults.setString(PreferenceKeys::answerUnits, PopUpTitles::selected(c.answerUnits2));
}

void Preferences::saveScaleBar() {
    if (!c.scaleSlider)
        return;
    const QPointF thisEnd = c.scaleSlider->getThisEnd();
    const QPointF thatEnd = c.scaleSlider->getThatEnd();
    defaults.setFloat(PreferenceKeys::scaleThisEndX, static_cast<float>(thisEnd.x()));
    defaults.setFloat(PreferenceKeys::scaleThisEndY, static_cast<float>(thisEnd.y()));
    defaults.setFloat(PreferenceKeys::scaleThatEndX, static_cast<float>(thatEnd.x()));
    defaults.setFloat(PreferenceKeys::scaleThatEndY, static_cast<float>(thatEnd.y()));
}

void Preferences::saveChecks() {
    const bool showAtStartup =
        c.showAtStartupButton ? c.showAtStartupButton->isChecked() : showAtStartupStored;
    defaults.setString(PreferenceKeys::showInfoAtStartup, yesNo(showAtStartup));
    defaults.setString(PreferenceKeys::includeJournalForWeb, yesNo(values.includeJournalForWeb));
    defaults.setString(PreferenceKeys::includeDistancesForWeb,
                       yesNo(values.includeDistancesForWeb));
    defaults.setString(PreferenceKeys::resizeImagesForWeb, yesNo(values.resizeImagesForWeb));
}

void Preferences::saveWebImageSize() {
    defaults.setString(PreferenceKeys::webImageSize, QString::number(values.webImageSize));
}
