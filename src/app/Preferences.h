#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>

class Defaults;
class QAbstractButton;
class QComboBox;
class QLineEdit;
class SwinginSlider;
class WandrelTracingView;
struct PreferenceValues;
namespace Ui {
class PreferencesWindow;
}

// The user's preferences: every key of the defaults store, what start-up
// restores from it and what shutdown writes back. Keys are named here and
// nowhere else.
class Preferences {
public:
    // The controls of the acetate the preferences live in. Any may be
    // absent: its key is then neither read nor written. The rest live in
    // the values.
    struct Controls {
        SwinginSlider* scaleSlider = nullptr;
        QLineEdit* numberOfUnits2 = nullptr;
        QComboBox* scaleUnits2 = nullptr;
        QComboBox* answerUnits2 = nullptr;
        QAbstractButton* showAtStartupButton = nullptr;
        WandrelTracingView* tracingView = nullptr;
    };

    // Every key shutdown writes, in the order it writes them.
    static QStringList writtenKeys();

    Preferences(Defaults& defaults, PreferenceValues& values, Controls controls);

    // The preferences window, just made: its boxes show the values and keep
    // them from then on.
    void showIn(Ui::PreferencesWindow& window);

    void restoreWebChecks();
    void restoreTint();
    void restoreScaleBar();
    // Selects the stored unit titles and sets the stored number; run again
    // once the pop-ups are filled, so that any stored unit takes.
    void restoreUnits();
    // The stored folder, or the Documents folder in the user's home.
    QString routeFolder() const;
    void restoreShowAtStartup();
    // The information sheet's box, made only when the sheet is first shown:
    // it takes the stored choice then, and until then the choice is kept.
    void setShowAtStartupButton(QAbstractButton* button);
    void restoreWaypointAlert();
    void restoreWebImageSize();
    // The information sheet is shown unless the user turned it off.
    bool showInfoAtStartup() const;

    // Writes every preference, then the store to disk.
    void save(const QString& routeFolder);

private:
    void saveTint();
    void saveUnits();
    void saveScaleBar();
    void saveChecks();
    void saveWebImageSize();

    Defaults& defaults;
    PreferenceValues& values;
    Controls c;
    bool showAtStartupStored = false;
};
