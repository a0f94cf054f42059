#pragma once

#include "labels/WandrelLabel.h"
#include "scale/ScaleBarClient.h"

#include <QObject>
#include <QPointer>
#include <QString>

class QAction;
class QComboBox;
class QDialog;
class QLabel;
class QLineEdit;
class QMainWindow;
class SwinginSlider;
class UnitDataSource;
class WandrelTracingView;
class WindowDesigns;

// The application controller: turns pixels into figures, keeps the window's
// controls in step and carries the window's commands. Its duties are split
// over several source files, one per duty.
class FatController : public QObject, public ScaleBarClient {
    Q_OBJECT
public:
    FatController(WindowDesigns& designs, UnitDataSource& units);
    ~FatController() override;

    void awakeFromNib();

    // Conversions and figures.
    float convertUsingScale(float pixels) const;
    float convertAreaUsingScale(float squarePixels) const;
    float convertToPixels(float distance, const QString& unitShortName) const;
    void displayAnswer();
    void unitsHaveChanged(const QObject* sender);
    void updateInfoFields();
    void scaleHasChanged(QObject* sender) override;
    void setScaleTextVisible(bool visible) override;
    void invalidateCursorRectsForTracingView() override;
    void setWandrelScaleUnits(const QString& title);
    void setWandrelScaleUnits2(const QString& title);
    void setWandrelAnswerUnits(const QString& title);
    void setWandrelAnswerUnits2(const QString& title);
    void setWandrelNumberOfUnits(const QString& text);
    void setWandrelNumberOfUnits2(const QString& text);
    QString getAnswerUnits() const;

    WandrelLabel* getScaleText() const { return scaleText; }
    SwinginSlider* getScaleSlider() const { return scaleSlider; }
    WandrelTracingView* getTracingView() const { return wandrelMainView; }

    // Small window commands.
    void showInformation();
    void closeTheAboutWindow();
    void showPreferences();
    void homePage();
    void updates();

private:
    void connectOutlets(WindowDesigns& designs);
    void connectControls();
    void keepFirstSetInStep();
    void nameForAccessibility(WindowDesigns& designs);
    void createScaleText();

    WindowDesigns& designs;
    UnitDataSource& unitDataSource;

    QMainWindow* wandrelMainWindow = nullptr;
    WandrelTracingView* wandrelMainView = nullptr;
    SwinginSlider* scaleSlider = nullptr;
    QPointer<WandrelLabel> scaleText;
    QDialog* theAboutWindow = nullptr;
    QWidget* preferencesWindow = nullptr;

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
};
