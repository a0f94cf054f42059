#include "app/WindowDesigns.h"

namespace {

template <typename Window, typename Design>
Window* load(Design& design, QWidget* owner, Qt::WindowFlags flags) {
    auto* window = new Window(owner, flags); // owned by the acetate
    design.setupUi(window);
    return window;
}

} // namespace

WindowDesigns::WindowDesigns(QMainWindow& window) : acetateWindow(window) {
    acetate.setupUi(&window);
    // The unit views are lent to the main toolbar as its items; this is
    // where they wait, unseen, while the toolbar does not show them.
    unitViewsWidget = load<QWidget>(unitViews, &window, {});
    unitViewsWidget->hide();
    preferencesWindow = load<QWidget>(preferences, &window, Qt::Tool);
    informationWindow = load<QDialog>(information, &window, Qt::Sheet);
    distanceMarkerDialog = load<QDialog>(distanceMarkers, &window, Qt::Sheet);
    waypointDetailsWindow = load<QDialog>(waypointDetails, &window, Qt::Dialog);
    unitEditSheet = load<QDialog>(unitEdit, preferencesWindow, Qt::Sheet);
    saveSheet = load<QDialog>(save, &window, Qt::Sheet);
    zoomWindow = load<QWidget>(zoom, &window, Qt::Tool);
    for (QDialog* sheet : {informationWindow, distanceMarkerDialog, unitEditSheet, saveSheet})
        sheet->setWindowModality(Qt::WindowModal);
    QObject::connect(save.saveButtons, &QDialogButtonBox::accepted, saveSheet, &QDialog::accept);
}
