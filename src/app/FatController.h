#pragma once

#include "app/PreferenceValues.h"
#include "inspector/InspectorClient.h"
#include "labels/WandrelLabel.h"
#include "scale/ScaleBarClient.h"
#include "tracing/TracingViewClient.h"

#include <QColor>
#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

class AcetateController;
class ColourWell;
class Defaults;
class MarkerCommands;
class MeasurementDocument;
class Preferences;
class MyPoint;
class PictureCommands;
class QAbstractSlider;
class QAction;
class QComboBox;
class QDialog;
class QImage;
class QLabel;
class QLineEdit;
class QMainWindow;
class SwinginSlider;
class ToolbarItems;
class UnitDataSource;
class UnitsTab;
class WandrelTracingView;
class WaypointDetails;
class WindowDesigns;
namespace Ui {
class PreferencesWindow;
}

// The application controller: turns pixels into figures, keeps the window's
// controls in step and carries the window's commands. Its duties are split
// over several source files, one per duty.
class FatController : public QObject,
                      public ScaleBarClient,
                      public TracingViewClient,
                      public InspectorClient {
    Q_OBJECT
public:
    FatController(WindowDesigns& designs, UnitDataSource& units);
    ~FatController() override;

    // Start-up: restores the preferences and wires the window together.
    void awakeFromNib();
    // Shutdown: writes every preference and the user's units.
    void applicationWillTerminate();

    // Conversions and figures.
    float convertUsingScale(float pixels) const override;
    float convertAreaUsingScale(float squarePixels) const;
    float convertToPixels(float distance, const QString& unitShortName) const;
    void displayAnswer() override;
    void unitsHaveChanged(const QObject* sender) override;
    void updateInfoFields() override;
    void scaleHasChanged(QObject* sender) override;
    void setScaleTextVisible(bool visible) override;
    void invalidateCursorRectsForTracingView() override;
    void setWandrelScaleUnits(const QString& title);
    void setWandrelScaleUnits2(const QString& title);
    void setWandrelAnswerUnits(const QString& title);
    void setWandrelAnswerUnits2(const QString& title);
    void setWandrelNumberOfUnits(const QString& text);
    void setWandrelNumberOfUnits2(const QString& text);
    QString getAnswerUnits() const override;
    // The acetate became the active window.
    void windowDidBecomeKey();

    // Line styles.
    void switchPreset();
    void factoryDefaults();
    void engineersPen();
    void highlighterPen();
    void markerPen();
    void pastelGreen();
    void pastelPink();
    void setHighLightColour(const QColor& colour);
    void setLowLightColour(const QColor& colour);
    void setHighLightColour(const ColourWell* well);
    void setLowLightColour(const ColourWell* well);
    void setLineWidth(float width);
    QColor getHighLightColour() const override { return highLightColour; }
    QColor getLowLightColour() const override { return lowLightColour; }
    float getLineWidth() const override { return lineWidth; }

    // Route commands and the questions of the one tracing view.
    void undoPoint();
    void toggleDragmode();
    void setDragmode(bool modify);
    void createWayPoint();
    // The next click places nothing in these states.
    void createSpeechBubble();
    void createImageAttachment();
    void createCircle();
    void setChangesMade(bool changed) override;
    WandrelTracingView* getViewLastClicked() const;
    WandrelTracingView* tracingViewBeingDragged() override;
    WandrelTracingView* tracingViewWithPointBeingDragged() override;
    void findHitAndPassDragEvent(const TracingEvent& event) override;
    bool findHitPointAndPassDragEvent(const TracingEvent& event) override;
    bool allTracingViewsFinished() override;
    void clearImageView(QObject* sender) override;
    void clearFileName() override;

    WandrelLabel* getScaleText() const { return scaleText; }
    SwinginSlider* getScaleSlider() const override { return scaleSlider; }
    WandrelTracingView* getTracingView() const { return wandrelMainView; }
    WandrelTracingView* addTracingView(QObject* view) const;
    void invalidateRectOnAllAdditionalViews() {}
    void clearAdditionalViews() {}
    // Empty, with a log line, while unset.
    QString getRouteFolder() const;
    void setRouteFolder(const QString& folder) { routeFolder = folder; }

    // Distance markers and waypoint details, carried by collaborators.
    void createDistanceMarkers(QWidget* sender);
    void removeDistanceMarkers();
    void setRemoveMarkerMenuItem(bool enabled);
    void showPointInspector(MyPoint* point);
    void finishEditingPointDetails();

    // The acetate, its picture and the route's statistics, carried by a
    // collaborator.
    void makeWindowTransparent();
    // `view` is always the acetate's picture.
    void setImageForSnapshotView(QWidget* view, const QString& file, const QString& folder);
    void closeAcetateWindow();
    static QImage resizeImage(const QImage& image, float maxDimension);
    void saveRouteStats(const QString& folder) const;
    void showConfigurationChangeWarning();
    void showSaveAsSheet();
    // A file handed over by the system is taken and left alone.
    bool openFile(const QString& /*path*/) { return true; }
    AcetateController& getAcetate() const { return *acetate; }
    // The measurement as a document: the File menu's New, Open and Save.
    MeasurementDocument& getDocument() const { return *document; }
    // The picture's export and printing.
    PictureCommands& getPictureCommands() const { return *pictureCommands; }

    // The two toolbars; their item table is in ToolbarItems.
    void createToolbars();
    void customiseToolbar();
    void switchPrefsTab(int tag);
    ToolbarItems& getToolbarItems() const { return *toolbarItems; }

    // What the preferences window shows, made or not.
    PreferenceValues& getPreferenceValues() { return preferenceValues; }

    // Small window commands.
    void showInformation();
    void closeTheAboutWindow();
    // Ends the modal dialog in front, as if cancelled.
    void abortModal();
    void showPreferences();
    void homePage();
    void updates();

private:
    void restorePreferences();
    void wireTracingView();
    void fillUnitPopUps();
    void finishStartup();
    void connectOutlets(WindowDesigns& designs);
    void connectControls();
    void keepFirstSetInStep();
    void nameForAccessibility();
    void adoptPreferencesWindow(Ui::PreferencesWindow& window);
    void namePreferencesForAccessibility(Ui::PreferencesWindow& window);
    void createScaleText();
    void connectStyleControls();
    void connectRouteCommands();
    void connectInspector();
    void adoptInspectorUnits(const QObject* sender);
    void updateSquareLabel();
    void applyStyle(const QColor& high, const QColor& low, float width, bool lowFirst);

    WindowDesigns& designs;
    UnitDataSource& unitDataSource;
    std::unique_ptr<UnitsTab> unitsTab;
    std::unique_ptr<Defaults> defaults;
    std::unique_ptr<Preferences> preferences;

    QMainWindow* wandrelMainWindow = nullptr;
    WandrelTracingView* wandrelMainView = nullptr;
    SwinginSlider* scaleSlider = nullptr;
    QAction* dragmodeMenuItem = nullptr;
    QPointer<WandrelLabel> scaleText;
    PreferenceValues preferenceValues;

    QLineEdit* answer = nullptr;
    QLineEdit* numberOfUnits = nullptr;
    QComboBox* scaleUnits = nullptr;
    QComboBox* answerUnits = nullptr;
    QLineEdit* answer2 = nullptr;
    QLineEdit* numberOfUnits2 = nullptr;
    QComboBox* scaleUnits2 = nullptr;
    QComboBox* answerUnits2 = nullptr;
    QLineEdit* areaAnswer = nullptr;
    QComboBox* areaUnits = nullptr;
    QLabel* sqLabel = nullptr;

    QComboBox* presets = nullptr;
    ColourWell* highLightColourWell = nullptr;
    ColourWell* lowLightColourWell = nullptr;
    QAbstractSlider* lineWidthSlider = nullptr;
    QColor highLightColour;
    QColor lowLightColour;
    float lineWidth = 0;
    QString routeFolder;
    std::unique_ptr<MarkerCommands> markerCommands;
    std::unique_ptr<WaypointDetails> waypointDetails;
    // After the collaborators its items act on, so it goes first.
    std::unique_ptr<AcetateController> acetate;
    std::unique_ptr<MeasurementDocument> document;
    std::unique_ptr<PictureCommands> pictureCommands;
    std::unique_ptr<ToolbarItems> toolbarItems;
};
