#include "app/MarkerCommands.h"

#include "app/FatController.h"
#include "app/WindowDesigns.h"
#include "model/ModelLog.h"
#include "platform/Alerts.h"
#include "platform/Log.h"
#include "platform/NumberText.h"
#include "platform/PopUpTitles.h"
#include "platform/UiText.h"
#include "tracing/WandrelTracingView.h"
#include "units/UnitDataSource.h"

#include <QPushButton>

#include <cmath>

namespace {

// Fills each "%@" or "%g" of a format, in order, with the next text; the
// texts themselves are never scanned, so a unit named "%g" stays as it is.
QString fill(const QString& format, const QStringList& texts) {
    QString out;
    qsizetype next = 0;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const bool slot = format[i] == u'%' && i + 1 < format.size() &&
                          (format[i + 1] == u'@' || format[i + 1] == u'g') && next < texts.size();
        if (slot) {
            out += texts[next++];
            ++i;
        } else {
            out += format[i];
        }
    }
    return out;
}

} // namespace

MarkerCommands::MarkerCommands(WindowDesigns& designs, UnitDataSource& units,
                               FatController& fatController)
    : controller(fatController), unitDataSource(units),
      wandrelMainView(designs.acetate.wandrelMainView), dialog(designs.distanceMarkers),
      scaleUnits2(designs.unitViews.scaleUnits2),
      markerRemoveMenuItem(designs.acetate.markerRemoveMenuItem) {
    dialog.whenBuilt([this](QDialog& window, auto& design) { prepare(window, design); });
    connect(designs.acetate.placeMarkersMenuItem, &QAction::triggered, this,
            &MarkerCommands::showDistanceMarkerDialog);
    connect(markerRemoveMenuItem, &QAction::triggered, this,
            &MarkerCommands::removeDistanceMarkers);
    setRemoveMarkerMenuItem(false);
    // The route writes its marker lines through the model's own hook.
    ModelLog::setSink([](const std::string& line) { wlog(QString::fromStdString(line)); });
}

void MarkerCommands::prepare(QDialog& window, Ui::DistanceMarkerDialog& design) {
    QDialogButtonBox* buttons = design.markerButtons;
    for (QAbstractButton* button : buttons->buttons())
        button->setAccessibleName(button->text());
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, [this, ok] { createDistanceMarkers(ok); });
    connect(buttons, &QDialogButtonBox::rejected, &window, &QDialog::reject);
}

void MarkerCommands::showDistanceMarkerDialog() {
    Ui::DistanceMarkerDialog& design = dialog.ui();
    unitDataSource.populatePopUpButton(design.markerUnits, false);
    design.markerNumber->setFocus();
    design.markerNumber->selectAll();
    dialog.window()->open();
}

void MarkerCommands::createDistanceMarkers(QWidget* sender) {
    const Ui::DistanceMarkerDialog& design = dialog.ui();
    const float number = NumberText::leadingFloat(design.markerNumber->text());
    const QString unit = PopUpTitles::selected(design.markerUnits);
    const float interval = controller.convertToPixels(number, unit);
    wlog(QStringLiteral("intervalInPixels is %1 calculated from %2 and %3")
             .arg(NumberText::fixed(interval), NumberText::fixed(number), unit));
    // Markers closer than this could not be told apart; a scale number of 0
    // makes the interval infinite.
    if (!std::isfinite(interval) || interval < 10) {
        refuse(number, unit);
        return;
    }
    wandrelMainView->addMarkersAt(interval, design.markerShowUnits->isChecked() ? unit : QString(),
                                  number);
    setRemoveMarkerMenuItem(true);
    wandrelMainView->update();
    QWidget* window = sender ? sender->window() : dialog.window();
    if (auto* sheet = qobject_cast<QDialog*>(window))
        sheet->accept();
    else
        window->hide();
    controller.setChangesMade(true);
}

void MarkerCommands::refuse(float number, const QString& unit) {
    const QString message =
        fill(Wandrel::tr("Scale unit is %@. You can't place markers every %g %@"),
             {PopUpTitles::selected(scaleUnits2), NumberText::general(number), unit});
    Alerts::run(dialog.window(), Wandrel::tr("Place Distance Markers"), message, Wandrel::tr("OK"));
}

// Unlike placing, removal leaves the edited mark alone; the markers vanish
// at once rather than at some later redraw.
void MarkerCommands::removeDistanceMarkers() {
    wandrelMainView->removeDistanceMarkers();
    setRemoveMarkerMenuItem(false);
    wandrelMainView->update();
}

void MarkerCommands::setRemoveMarkerMenuItem(bool enabled) {
    markerRemoveMenuItem->setEnabled(enabled);
}
