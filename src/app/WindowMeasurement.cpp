#include "app/WindowMeasurement.h"

#include "app/AcetateController.h"
#include "app/FatController.h"
#include "app/PreferenceValues.h"
#include "app/SnapshotView.h"
#include "app/WindowDesigns.h"
#include "inspector/WandrelRouteInfoInspector.h"
#include "model/RouteXml.h"
#include "platform/PopUpTitles.h"
#include "platform/UiText.h"
#include "scale/SwinginSlider.h"
#include "tracing/RouteFragment.h"
#include "tracing/WandrelTracingView.h"

#include <QAbstractSlider>
#include <QComboBox>
#include <QLineEdit>

#include <algorithm>
#include <cmath>

namespace {

PointD pointD(QPointF p) {
    return {p.x(), p.y()};
}

// Every key of a fragment's style; one missing reads as 0 and could make
// the route invisible.
bool holdsStyle(const QVariantMap& fragment) {
    for (const char* prefix : {"LowLightColour", "HighLightColour"})
        for (const char component : {'R', 'G', 'B', 'A'})
            if (!fragment.contains(QLatin1String(prefix) + QLatin1Char(component)))
                return false;
    return fragment.contains(QStringLiteral("lineWidth"));
}

} // namespace

WindowMeasurement::WindowMeasurement(WindowDesigns& d, FatController& c)
    : designs(d), controller(c) {}

MeasurementFile::Contents WindowMeasurement::capture() const {
    const WandrelTracingView& view = *designs.acetate.wandrelMainView;
    // The route's inspector keeps a style of its own that is not drawn; the
    // files take the drawn one, without changing the inspector.
    WandrelRouteInfoInspector drawn;
    drawn.setHighLightColour(controller.getHighLightColour());
    drawn.setLowLightColour(controller.getLowLightColour());
    drawn.setLineWidth(controller.getLineWidth());
    drawn.setTerrainFactor(view.getTerrainFactor());

    MeasurementFile::Contents c;
    c.settings = settings();
    c.fragment = RouteFragment::fragment(drawn, view.getAnswerUnits(), view.getPointDataSource());
    c.lineInfo = RouteFragment::lineInfo(drawn);
    c.stats = controller.getAcetate().routeStats();
    RouteXml::Settings xml;
    xml.thisEnd = *c.settings.thisEnd;
    xml.thatEnd = *c.settings.thatEnd;
    xml.numberOfUnits = *c.settings.numberOfUnits;
    xml.scaleUnits = *c.settings.scaleUnits;
    xml.answerUnits = *c.settings.answerUnits;
    xml.windowX = static_cast<float>(designs.acetateWindow.x());
    xml.windowY = static_cast<float>(designs.acetateWindow.y());
    c.routeXml = RouteXml::text(view.getPointDataSource(), xml);
    c.snapshot = designs.acetate.snapshotView->image();
    return c;
}

MeasurementSettings WindowMeasurement::settings() const {
    const SwinginSlider& bar = *designs.acetate.scaleSlider;
    MeasurementSettings s;
    s.thisEnd = pointD(bar.thisEndOnParent());
    s.thatEnd = pointD(bar.thatEndOnParent());
    s.numberOfUnits = designs.unitViews.numberOfUnits2->text().toStdString();
    s.scaleUnits = PopUpTitles::selected(designs.unitViews.scaleUnits2).toStdString();
    s.answerUnits = PopUpTitles::selected(designs.unitViews.answerUnits2).toStdString();
    s.areaUnits = PopUpTitles::selected(designs.unitViews.areaUnits).toStdString();
    s.terrainFactor = designs.acetate.wandrelMainView->getTerrainFactor();
    return s;
}

QStringList WindowMeasurement::show(const MeasurementFile::Opened& opened, const QString& folder) {
    clear();
    QStringList problems;
    if (opened.hasSettings)
        problems += showSettings(opened.settings);
    WandrelTracingView& view = *designs.acetate.wandrelMainView;
    if (opened.fragment) {
        RouteFragment::loadFragment(*opened.fragment, view.getInfo(), view.getPointDataSource());
        view.setFinished(true);
    }
    if (opened.lineInfo)
        RouteFragment::loadLineInfo(*opened.lineInfo, view.getInfo());
    if (opened.fragment)
        adoptStyle(*opened.fragment);
    controller.getAcetate().setImageForSnapshotView(MeasurementFile::snapshotName, folder);
    if (opened.damaged)
        problems.prepend(Wandrel::tr("Parts of the measurement could not be read; they keep "
                                     "what the window showed before."));
    controller.updateInfoFields();
    controller.unitsHaveChanged(&controller);
    view.resetCursorRects();
    view.update();
    return problems;
}

QStringList WindowMeasurement::showSettings(const MeasurementSettings& s) {
    if (s.thisEnd && s.thatEnd)
        designs.acetate.scaleSlider->placeEnds(QPointF(s.thisEnd->x, s.thisEnd->y),
                                               QPointF(s.thatEnd->x, s.thatEnd->y));
    // The first set of scale controls follows the second by itself.
    if (s.numberOfUnits)
        controller.setWandrelNumberOfUnits2(QString::fromStdString(*s.numberOfUnits));
    QStringList problems;
    const std::pair<QComboBox*, const std::optional<std::string>&> units[] = {
        {designs.unitViews.scaleUnits2, s.scaleUnits},
        {designs.unitViews.answerUnits2, s.answerUnits},
        {designs.unitViews.areaUnits, s.areaUnits},
    };
    for (const auto& [box, unit] : units) {
        if (!unit)
            continue;
        const QString title = QString::fromStdString(*unit);
        if (!PopUpTitles::select(box, title))
            problems << Wandrel::tr("The unit “%1” is not among your units, so the figures are "
                                    "shown in “%2”.")
                            .arg(title, PopUpTitles::selected(box));
    }
    if (s.terrainFactor)
        designs.acetate.wandrelMainView->setTerrainFactor(
            std::round(std::clamp(*s.terrainFactor, float(PreferenceValues::flatTerrain),
                                  float(PreferenceValues::steepestTerrain))));
    return problems;
}

// The drawn style is the window's; a fragment that holds a whole style,
// with a width the window offers, brings its own.
void WindowMeasurement::adoptStyle(const QVariantMap& fragment) {
    const WandrelRouteInfoInspector& info = designs.acetate.wandrelMainView->getInfo();
    const float width = info.getLineWidth();
    if (!holdsStyle(fragment) ||
        !(width >= PreferenceValues::thinnestLine && width <= PreferenceValues::widestLine))
        return;
    controller.setHighLightColour(info.getHighLightColour());
    controller.setLowLightColour(info.getLowLightColour());
    controller.setLineWidth(width);
}

void WindowMeasurement::clear() {
    WandrelTracingView& view = *designs.acetate.wandrelMainView;
    view.reset();
    view.resetTerrainFactor();
}

bool WindowMeasurement::holdsWork() const {
    return designs.acetate.wandrelMainView->getPointDataSource().count() > 0 ||
           designs.acetate.snapshotView->hasImage();
}
