#include "app/WindowDesigns.h"

namespace {

template <typename Window, typename Design>
Window* load(Design& design, QWidget* owner, Qt::WindowFlags flags) {
    auto* window = new Window(owner, flags); // owned by the acetate
    design.setupUi(window);
    return window;
}

void makeModal(QDialog& sheet) {
    sheet.setWindowModality(Qt::WindowModal);
}

} // namespace

WindowDesigns::WindowDesigns(QMainWindow& window)
    : acetateWindow(window), preferences(window, Qt::Tool | Qt::WindowStaysOnTopHint),
      information(window, Qt::Sheet), distanceMarkers(window, Qt::Sheet),
      waypointDetails(window, Qt::Dialog), save(window, Qt::Sheet) {
    acetate.setupUi(&window);
    // The unit views are lent to the main toolbar as its items; this is
    // where they wait, unseen, while the toolbar does not show them.
    unitViewsWidget = load<QWidget>(unitViews, &window, {});
    unitViewsWidget->hide();
    zoomWindow = load<QWidget>(zoom, &window, Qt::Tool);
    preferences.whenBuilt([this](QWidget& preferencesWindow, auto&) {
        unitEditSheet = load<QDialog>(unitEdit, &preferencesWindow, Qt::Sheet);
        makeModal(*unitEditSheet);
    });
    information.whenBuilt([](QDialog& sheet, auto&) { makeModal(sheet); });
    distanceMarkers.whenBuilt([](QDialog& sheet, auto&) { makeModal(sheet); });
    save.whenBuilt([](QDialog& sheet, Ui::SaveSheet& design) {
        makeModal(sheet);
        QObject::connect(design.saveButtons, &QDialogButtonBox::accepted, &sheet, &QDialog::accept);
    });
}
