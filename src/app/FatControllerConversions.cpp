// Turning pixels into figures and showing them.
#include "app/FatController.h"

#include "inspector/WandrelRouteInfoInspector.h"
#include "labels/WandrelLabel.h"
#include "platform/Log.h"
#include "platform/NumberText.h"
#include "platform/PopUpTitles.h"
#include "platform/StringTables.h"
#include "scale/SwinginSlider.h"
#include "tracing/WandrelTracingView.h"
#include "units/UnitDataSource.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {

QString textOf(const QLineEdit* field) {
    return field ? field->text() : QString();
}

} // namespace

float FatController::convertUsingScale(float pixels) const {
    const float length = scaleSlider ? scaleSlider->floatValue() : 0.0f;
    float v = pixels / length;
    v = v * NumberText::leadingFloat(textOf(numberOfUnits2));
    const QString scaleTitle = PopUpTitles::selected(scaleUnits2);
    const QString answerTitle = PopUpTitles::selected(answerUnits2);
    if (scaleTitle == answerTitle)
        return v;
    const WandrelUnit* scale = unitDataSource.getUnitWithShortName(scaleTitle.toStdString());
    const WandrelUnit* wanted = unitDataSource.getUnitWithShortName(answerTitle.toStdString());
    // A unit the registry lacks converts to nothing.
    v = scale ? scale->whatsThisInMeters(v) : 0.0f;
    return wanted ? wanted->whatsThisNumberOfMeters(v) : 0.0f;
}

float FatController::convertAreaUsingScale(float squarePixels) const {
    const float length = scaleSlider ? scaleSlider->floatValue() : 0.0f;
    const float number = NumberText::leadingFloat(textOf(numberOfUnits2));
    float v = squarePixels / (length * length);
    v = v * (number * number);
    const QString scaleTitle = PopUpTitles::selected(scaleUnits2);
    const QString areaTitle = PopUpTitles::selected(areaUnits);
    if (scaleTitle == areaTitle)
        return v;
    const WandrelUnit* scale = unitDataSource.getUnitWithShortName(scaleTitle.toStdString());
    const WandrelUnit* wanted = unitDataSource.getUnitWithShortName(areaTitle.toStdString());
    v = scale ? scale->whatsThisInMetersSquared(v) : 0.0f;
    return wanted ? wanted->whatsThisNumberOfSquareMeters(v) : 0.0f;
}

float FatController::convertToPixels(float distance, const QString& unitShortName) const {
    const float length = scaleSlider ? scaleSlider->floatValue() : 0.0f;
    float v = distance * length;
    v = v / NumberText::leadingFloat(textOf(numberOfUnits2));
    const QString scaleTitle = PopUpTitles::selected(scaleUnits2);
    if (scaleTitle != unitShortName) {
        const WandrelUnit* given = unitDataSource.getUnitWithShortName(unitShortName.toStdString());
        const WandrelUnit* scale = unitDataSource.getUnitWithShortName(scaleTitle.toStdString());
        v = given ? given->whatsThisInMeters(v) : 0.0f;
        v = scale ? scale->whatsThisNumberOfMeters(v) : 0.0f;
    }
    wlog(QStringLiteral("answer: ") + NumberText::fixed(v));
    return v;
}

void FatController::displayAnswer() {
    const float distance =
        convertUsingScale(wandrelMainView ? wandrelMainView->totalDistance() : 0);
    const QString distanceText = NumberText::fixed3(distance);
    if (answer)
        answer->setText(distanceText);
    if (answer2)
        answer2->setText(distanceText);
    if (wandrelMainView) {
        wandrelMainView->setAnswer(distanceText);
        wandrelMainView->update();
        wandrelMainView->refreshInfoTable();
    }
    const float area = convertAreaUsingScale(wandrelMainView ? wandrelMainView->totalArea() : 0);
    const QString areaText = NumberText::fixed3(area);
    if (areaAnswer)
        areaAnswer->setText(areaText);
    if (wandrelMainView)
        wandrelMainView->setAreaAnswer(areaText);
}

void FatController::unitsHaveChanged(const QObject* sender) {
    adoptInspectorUnits(sender);
    if (wandrelMainView && sender == numberOfUnits2)
        wandrelMainView->setScale(textOf(numberOfUnits2));
    if (wandrelMainView && sender == scaleUnits2)
        wandrelMainView->setScaleUnits(PopUpTitles::selected(scaleUnits2));
    if (wandrelMainView && sender == answerUnits2)
        wandrelMainView->setAnswerUnits(PopUpTitles::selected(answerUnits2));
    if (sender == areaUnits)
        updateSquareLabel();
    // The inspector's area pop-up follows its answer unit; the area figure
    // it shows is in the main window's area unit, so that is what it shows.
    if (wandrelMainView)
        wandrelMainView->setAreaUnits(PopUpTitles::selected(areaUnits));
    if (scaleText && scaleSlider && !scaleSlider->isHidden())
        scaleText->setString(StringTables::translate("Wandrel", "Scale is") + " " +
                             textOf(numberOfUnits2) + " " + PopUpTitles::selected(scaleUnits2));
    displayAnswer();
}

// The inspector shows the figures in the main window's units, so a unit
// chosen there becomes the main window's; otherwise the inspector would
// show a figure under the wrong unit.
void FatController::adoptInspectorUnits(const QObject* sender) {
    if (!wandrelMainView || sender != &wandrelMainView->getInfo())
        return;
    const WandrelRouteInfoInspector& info = wandrelMainView->getInfo();
    if (PopUpTitles::select(answerUnits2, info.getAnswerUnits()))
        wandrelMainView->setAnswerUnits(PopUpTitles::selected(answerUnits2));
    if (PopUpTitles::select(areaUnits, info.getAreaUnits()))
        updateSquareLabel();
}

// A length unit squared needs the square marker; an area unit does not.
void FatController::updateSquareLabel() {
    if (!sqLabel)
        return;
    const WandrelUnit* unit =
        unitDataSource.getUnitWithShortName(PopUpTitles::selected(areaUnits).toStdString());
    sqLabel->setVisible(!(unit && unit->isArea()));
}

void FatController::updateInfoFields() {
    if (!wandrelMainView)
        return;
    wandrelMainView->setScale(textOf(numberOfUnits2));
    wandrelMainView->setAnswer(textOf(answer2));
    wandrelMainView->setScaleUnits(PopUpTitles::selected(scaleUnits2));
    wandrelMainView->setAnswerUnits(PopUpTitles::selected(answerUnits2));
    wandrelMainView->setAreaUnits(PopUpTitles::selected(areaUnits));
}

void FatController::scaleHasChanged(QObject* sender) {
    // The bar's place is part of the measurement.
    if (sender && sender == scaleSlider)
        setChangesMade(true);
    displayAnswer();
}

void FatController::setScaleTextVisible(bool visible) {
    if (visible) {
        unitsHaveChanged(this);
        return;
    }
    if (scaleText)
        scaleText->setString(QString());
    if (wandrelMainView)
        wandrelMainView->update();
}

void FatController::setWandrelScaleUnits(const QString& title) {
    PopUpTitles::select(scaleUnits, title);
}
void FatController::setWandrelScaleUnits2(const QString& title) {
    PopUpTitles::select(scaleUnits2, title);
}
void FatController::setWandrelAnswerUnits(const QString& title) {
    PopUpTitles::select(answerUnits, title);
}
void FatController::setWandrelAnswerUnits2(const QString& title) {
    PopUpTitles::select(answerUnits2, title);
}

void FatController::setWandrelNumberOfUnits(const QString& text) {
    if (numberOfUnits)
        numberOfUnits->setText(text);
}

void FatController::setWandrelNumberOfUnits2(const QString& text) {
    if (numberOfUnits2)
        numberOfUnits2->setText(text);
}

QString FatController::getAnswerUnits() const {
    return PopUpTitles::selected(answerUnits2);
}
