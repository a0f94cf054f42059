#include "app/PictureCommands.h"

#include "app/FatController.h"
#include "app/SnapshotView.h"
#include "app/WindowDesigns.h"
#include "labels/WandrelLabel.h"
#include "platform/Alerts.h"
#include "platform/UiText.h"
#include "scale/SwinginSlider.h"
#include "tracing/WandrelTracingView.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>

namespace {

QString askForFile(QWidget* parent, const QString& suggested) {
    QFileDialog dialog(parent, Wandrel::tr("Export Image"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    const QStringList filters{Wandrel::tr("JPEG image (*.jpg *.jpeg)"),
                              Wandrel::tr("PNG image (*.png)")};
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(QStringLiteral("jpg"));
    // A name typed without a suffix takes the chosen format's.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog, filters](const QString& filter) {
                         dialog.setDefaultSuffix(filter == filters.last() ? QStringLiteral("png")
                                                                          : QStringLiteral("jpg"));
                     });
    dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

bool askForPrinter(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace

PictureCommands::PictureCommands(WindowDesigns& d, FatController& c)
    : designs(d), controller(c), chooseFile(&askForFile), choosePrinter(&askForPrinter) {
    connect(d.acetate.exportJpg, &QAction::triggered, this, &PictureCommands::exportImage);
    connect(d.acetate.printMenuItem, &QAction::triggered, this, &PictureCommands::print);
}

AcetatePicture PictureCommands::gather() const {
    WandrelTracingView& view = *designs.acetate.wandrelMainView;
    AcetatePicture picture;
    picture.size = view.size();
    picture.pixelRatio = view.devicePixelRatioF();
    picture.snapshot = designs.acetate.snapshotView->image();
    RouteScene& scene = picture.route;
    scene.route = &view.getPointDataSource();
    scene.finished = view.isFinished();
    scene.within = false;
    scene.modifyMode = view.isShowingPoints();
    scene.shadeArea = view.isShadingArea();
    scene.viewSize = QSizeF(view.size());
    scene.style = LineStyle{controller.getHighLightColour(), controller.getLowLightColour(),
                            controller.getLineWidth()};
    // The bar draws nothing while hidden, the caption nothing without text.
    SwinginSlider* bar = designs.acetate.scaleSlider;
    if (!bar->isHidden())
        picture.layers.append({PictureExporter::layerOf(*bar, picture.pixelRatio), bar->pos()});
    if (WandrelLabel* caption = controller.getScaleText();
        caption && !caption->string().trimmed().isEmpty())
        picture.layers.append(
            {PictureExporter::layerOf(*caption, picture.pixelRatio), caption->pos()});
    picture.legend = legend();
    return picture;
}

QStringList PictureCommands::legend() const {
    const Ui::UnitViews& figures = designs.unitViews;
    const QString area =
        figures.sqLabel->isHidden() ? Wandrel::tr("Area: %1 %2") : Wandrel::tr("Area: %1 sq %2");
    return {Wandrel::tr("Length: %1 %2")
                .arg(figures.answer2->text(), figures.answerUnits2->currentText()),
            area.arg(figures.areaAnswer->text(), figures.areaUnits->currentText())};
}

void PictureCommands::exportImage() {
    const QString title = Wandrel::tr("Export Image");
    QString folder = controller.getRouteFolder();
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    const QString suggested = QDir(folder).filePath(Wandrel::tr("Acetate.jpg"));
    const QString path = chooseFile(&designs.acetateWindow, suggested);
    if (path.isEmpty())
        return;
    if (!PictureExporter::isWritableName(path)) {
        fail(title, Wandrel::tr("“%1” is not a PNG or JPEG file name. Choose a name ending in "
                                ".png or .jpg.")
                        .arg(QFileInfo(path).fileName()));
        return;
    }
    const QImage picture = PictureExporter::render(gather());
    QString error;
    if (!PictureExporter::write(picture, path, jpegQuality, error))
        fail(title, Wandrel::tr("The picture could not be saved as “%1”: %2")
                        .arg(QDir::toNativeSeparators(path), error));
}

void PictureCommands::print() {
    const QImage picture = PictureExporter::render(gather());
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(picture.width() > picture.height() ? QPageLayout::Landscape
                                                                  : QPageLayout::Portrait);
    if (!choosePrinter(&designs.acetateWindow, printer))
        return;
    if (!PictureExporter::print(picture, printer))
        fail(Wandrel::tr("Print"), Wandrel::tr("The picture could not be printed."));
}

void PictureCommands::fail(const QString& title, const QString& message) const {
    Alerts::run(&designs.acetateWindow, title, message, Wandrel::tr("OK"));
}
