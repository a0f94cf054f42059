// The route's settings as the rest of the application reaches them, file
// drops and the zoom window.
#include "tracing/TracingViewClient.h"
#include "tracing/WandrelTracingView.h"

#include "inspector/WandrelRouteInfoInspector.h"
#include "platform/Log.h"

#include <QAbstractSlider>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>

namespace {

// A drag that carries file names, as opposed to text, pictures or web links.
QStringList localFiles(const QMimeData* mime) {
    QStringList paths;
    if (!mime || !mime->hasUrls())
        return paths;
    for (const QUrl& url : mime->urls())
        if (url.isLocalFile())
            paths << url.toLocalFile();
    return paths;
}

} // namespace

QColor WandrelTracingView::getHighLightColour() const {
    return info->getHighLightColour();
}

QColor WandrelTracingView::getLowLightColour() const {
    return info->getLowLightColour();
}

float WandrelTracingView::getLineWidth() const {
    return info->getLineWidth();
}

void WandrelTracingView::setHighLightColour(const QColor& colour) {
    info->setHighLightColour(colour);
}

void WandrelTracingView::setLowLightColour(const QColor& colour) {
    info->setLowLightColour(colour);
}

void WandrelTracingView::setLineWidth(float width) {
    info->setLineWidth(width);
}

void WandrelTracingView::setAnswer(const QString& text) {
    info->setAnswer(text);
}

void WandrelTracingView::setAreaAnswer(const QString& text) {
    info->setAreaAnswer(text);
}

void WandrelTracingView::setScale(const QString& text) {
    info->setScale(text);
}

void WandrelTracingView::setScaleUnits(const QString& title) {
    info->setScaleUnits(title);
}

void WandrelTracingView::setAnswerUnits(const QString& title) {
    info->setAnswerUnits(title);
}

void WandrelTracingView::setAreaUnits(const QString& title) {
    info->setAreaUnits(title);
}

QString WandrelTracingView::getAnswer() const {
    return info->getAnswer();
}

QString WandrelTracingView::getAreaAnswer() const {
    return info->getAreaAnswer();
}

QString WandrelTracingView::getScale() const {
    return info->getScale();
}

QString WandrelTracingView::getScaleUnits() const {
    return info->getScaleUnits();
}

QString WandrelTracingView::getAnswerUnits() const {
    if (!info)
        wlog(QStringLiteral("info is nil"));
    const QString own = info ? info->getAnswerUnits() : QString();
    if (own.isEmpty() && fatController)
        return fatController->getAnswerUnits();
    return own;
}

void WandrelTracingView::reloadData() {
    info->reloadData();
}

void WandrelTracingView::refreshInfoTable() {
    info->reloadData();
}

void WandrelTracingView::unitsHaveChanged() {
    if (fatController)
        fatController->unitsHaveChanged(this);
}

void WandrelTracingView::updateInfoFields() {
    if (fatController)
        fatController->updateInfoFields();
}

void WandrelTracingView::showInfo() {
    info->showWindow();
}

void WandrelTracingView::dragEnterEvent(QDragEnterEvent* event) {
    if (localFiles(event->mimeData()).isEmpty()) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void WandrelTracingView::dropEvent(QDropEvent* event) {
    const QStringList paths = localFiles(event->mimeData());
    if (!paths.isEmpty())
        emit fileDropped(paths.first(), toView(event->position()));
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void WandrelTracingView::showSlider() {
    if (!zoomWindow || zoomWindow->isVisible())
        return;
    // Its lower-left corner on the acetate's lower-left corner.
    const QRect frame = window()->frameGeometry();
    zoomWindow->move(frame.left(), frame.bottom() + 1 - zoomWindow->frameGeometry().height());
    minX = pointDataSource->getMinX();
    minY = pointDataSource->getMinY();
    if (zoomSlider)
        zoomSlider->setValue(1);
    zoomWindow->show();
    zoomWindow->raise();
    zoomWindow->activateWindow();
}

void WandrelTracingView::hideSlider() {
    if (zoomSlider && zoomSlider->value() != 1)
        zoomRoute();
    if (zoomWindow)
        zoomWindow->hide();
    if (zoomSlider)
        zoomSlider->setValue(1);
}
