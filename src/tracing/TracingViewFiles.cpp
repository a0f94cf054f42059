// The route's files: a fragment (points, style and answer unit in one
// property list) and a route folder ("route.xml" and "lineInfo.plist").
#include "tracing/WandrelTracingView.h"

#include "inspector/WandrelRouteInfoInspector.h"
#include "platform/Log.h"
#include "platform/PropertyList.h"
#include "tracing/RouteFragment.h"

#include <QDir>
#include <QFile>

namespace {

QString lineInfoFile(const QString& folder) {
    return QDir(folder).filePath(QStringLiteral("lineInfo.plist"));
}

} // namespace

void WandrelTracingView::writeToFileAsFragment(const QString& path) {
    PropertyList::write(path, RouteFragment::fragment(*info, getAnswerUnits(), *pointDataSource));
}

// Appends to the route; the caller redraws and recomputes the figures.
void WandrelTracingView::readFromFragmentFile(const QString& path) {
    const auto fragment = PropertyList::read(path, RouteFragment::maximumFileSize);
    if (!fragment)
        return;
    RouteFragment::loadFragment(*fragment, *info, *pointDataSource);
    finished = true;
    resetCursorRects();
}

void WandrelTracingView::writeToFile(const QString& path, QPointF thisEnd, QPointF thatEnd,
                                     const QString& numberOfUnits, const QString& scaleUnits,
                                     const QString& answerUnits, float windowX, float windowY) {
    pointDataSource->writeToFile(QFile::encodeName(path).toStdString(), {thisEnd.x(), thisEnd.y()},
                                 {thatEnd.x(), thatEnd.y()}, numberOfUnits.toStdString(),
                                 scaleUnits.toStdString(), answerUnits.toStdString(), windowX,
                                 windowY);
    writeInfoToFile(path);
}

void WandrelTracingView::writeInfoToFile(const QString& folder) {
    PropertyList::write(lineInfoFile(folder), RouteFragment::lineInfo(*info));
}

void WandrelTracingView::loadLineInfo(const QString& folder) {
    const auto stats = PropertyList::read(lineInfoFile(folder));
    if (!stats) {
        wlog(QStringLiteral("stats is nil"));
        return;
    }
    RouteFragment::loadLineInfo(*stats, *info);
}
