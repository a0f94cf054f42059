// Start-up: the caption, the unit pop-ups and the first figures.
#include "app/FatController.h"

#include "labels/WandrelLabel.h"
#include "platform/StringTables.h"
#include "scale/SwinginSlider.h"
#include "tracing/WandrelTracingView.h"
#include "units/UnitDataSource.h"

#include <QComboBox>

void FatController::awakeFromNib() {
    // The bar's designed place: bottom left, above the caption.
    scaleSlider->setFrameOrigin(QPointF(40, 40));
    createScaleText();
    unitDataSource.populatePopUpButton(scaleUnits2, false);
    unitDataSource.populatePopUpButton(answerUnits2, false);
    unitDataSource.populatePopUpButton(areaUnits, true);
    // The first set lists the same units so that it can mirror the second.
    unitDataSource.populatePopUpButton(scaleUnits, false);
    unitDataSource.populatePopUpButton(answerUnits, false);
    switchPreset();
    unitsHaveChanged(this);
}

void FatController::createScaleText() {
    scaleText = new WandrelLabel(QRectF(10, 10, 500, 20), wandrelMainView); // owned by the view
    scaleText->setAccessibleName(StringTables::translate("Wandrel", "Scale caption"));
    scaleText->setString(QStringLiteral("Scale is 1 mile"));
    scaleText->show();
}
