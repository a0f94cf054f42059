#include "SessionFixture.h"

#include "app/ToolbarItems.h"
#include "inspector/WandrelRouteInfoInspector.h"
#include "platform/Alerts.h"
#include "platform/StringTables.h"
#include "platform/Toolbar.h"
#include "platform/ToolbarItem.h"
#include "platform/UiText.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTranslator>

#include <clocale>
#include <string>

namespace {

// What a German or a French user reads in a few places of every window.
struct Language {
    const char* locale;
    const char* file;
    const char* hideScale;
    const char* generalTab;
    const char* highlighter;
    const char* nameColumn;
    const char* unitSheet;
    const char* welcomeButton;
    const char* caption;
    const char* inspector;
    const char* waypointColumn;
    const char* start;
    const char* alertTitle;
    const char* alertMessage;
    const char* cancel;
};

const Language german{"de_DE",
                      "Datei",
                      "Maßstab ausblenden",
                      "Allgemein",
                      "Textmarker",
                      "Name",
                      "Einheit",
                      "Los geht’s",
                      " Maßstab: 1 km ",
                      "Routeninfo",
                      "Wegpunkt",
                      "Start",
                      "Entfernungsmarken setzen",
                      "Die Maßstabseinheit ist km. Marken können nicht alle 40 m gesetzt werden",
                      "Abbrechen"};

const Language french{
    "fr_FR",
    "Fichier",
    "Masquer l'échelle",
    "Général",
    "Surligneur",
    "Nom",
    "Unité",
    "Commencer",
    " Échelle : 1 km ",
    "Infos sur l'itinéraire",
    "Point de passage",
    "Départ",
    "Placer des marqueurs de distance",
    "L'unité de l'échelle est km. Impossible de placer des marqueurs tous les 40 m",
    "Annuler"};

void PrintTo(const Language& language, std::ostream* out) {
    *out << language.locale;
}

// The string tables of the parameter's locale, installed as main() installs
// them. Comes before the session among the bases, so the windows load
// translated.
class InLanguage : public ::testing::WithParamInterface<Language> {
protected:
    InLanguage() {
        QLocale::setDefault(QLocale(QString::fromLatin1(GetParam().locale)));
        toolkit = StringTables::installToolkitTranslations(*qApp);
        translator = StringTables::installTranslations(*qApp);
    }
    ~InLanguage() {
        // Parented to the application, which outlives every test.
        for (QTranslator* installed : {translator, toolkit}) {
            QCoreApplication::removeTranslator(installed);
            delete installed;
        }
        QLocale::setDefault(QLocale::c());
    }

    QTranslator* translator = nullptr;
    QTranslator* toolkit = nullptr;
};

class Translated : public InLanguage, public Session {
protected:
    Translated() {
        EXPECT_NE(translator, nullptr);
        EXPECT_NE(toolkit, nullptr);
        start();
        window->resize(1200, 640);
        setBarLength(200);
        for (QComboBox* box :
             {d().unitViews.scaleUnits2, d().unitViews.answerUnits2, d().unitViews.areaUnits})
            choose(box, "km");
    }

    const Language& expected() const { return GetParam(); }
};

// One text from each window design, and texts the code makes, translates
// and looks up again.
TEST_P(Translated, MenusToolbarAndPreferencesReadInTheLanguage) {
    EXPECT_EQ(d().acetate.menuFile->title(), expected().file);
    Toolbar* bar = controller().getToolbarItems().mainToolbar();
    EXPECT_EQ(bar->item(QStringLiteral("scaleItemIdentifier"))->text(), expected().hideScale);

    const Ui::PreferencesWindow& prefs = d().preferences.ui();
    EXPECT_EQ(
        prefs.wandrelPrefsTabView->tabText(prefs.wandrelPrefsTabView->indexOf(prefs.generalTab)),
        expected().generalTab);
    EXPECT_EQ(prefs.unitTableView->model()->headerData(0, Qt::Horizontal), expected().nameColumn);
    EXPECT_EQ(d().unitEditSheet->windowTitle(), expected().unitSheet);
    EXPECT_EQ(d().information.ui().closeTheAboutWindowButton->text(), expected().welcomeButton);
    EXPECT_EQ(controller().getScaleText()->string(), expected().caption);
    // The toolkit's own words in the same windows.
    EXPECT_EQ(d().distanceMarkers.ui().markerButtons->button(QDialogButtonBox::Cancel)->text(),
              expected().cancel);

    // The pop-up's titles and the names the controller looks for come from
    // one table, so a translated preset still applies.
    choose(prefs.presets, expected().highlighter);
    EXPECT_EQ(controller().getLineWidth(), 10.0f);
}

TEST_P(Translated, InspectorAndAlertReadInTheLanguage) {
    click({100, 300});
    doubleClick({400, 300});
    d().acetate.showInfoMenuItem->trigger();
    ASSERT_TRUE(inspector().isWindowLoaded());
    EXPECT_EQ(inspector().getWindow()->windowTitle(), expected().inspector);
    const WaypointTableModel& legs = inspector().tableModel();
    EXPECT_EQ(legs.headerData(0, Qt::Horizontal, Qt::DisplayRole), expected().waypointColumn);
    EXPECT_EQ(legs.data(legs.index(0, 0), Qt::DisplayRole), expected().start);

    Alerts::scriptAnswers({});
    placeMarkers(QStringLiteral("40"), QStringLiteral("m"));
    ASSERT_EQ(Alerts::answered().size(), 1);
    EXPECT_EQ(Alerts::answered()[0].title, expected().alertTitle);
    EXPECT_EQ(Alerts::answered()[0].message, expected().alertMessage);
}

// Figures are read back and pasted into spreadsheets: a point, three
// decimals, whatever the language and the C library's locale.
TEST_P(Translated, FiguresKeepTheDecimalPoint) {
    const struct Restore {
        std::string saved = std::setlocale(LC_ALL, nullptr);
        ~Restore() { std::setlocale(LC_ALL, saved.c_str()); }
    } restore;
    std::setlocale(LC_ALL, (std::string(expected().locale) + ".UTF-8").c_str()); // if installed
    click({100, 300});
    click({400, 300});
    doubleClick({400, 500});
    EXPECT_EQ(length(), "2.500");
    EXPECT_EQ(area(), "0.750");
    d().acetate.showInfoMenuItem->trigger();
    EXPECT_EQ(cell(0, 1), "2.500");
}

INSTANTIATE_TEST_SUITE_P(GermanAndFrench, Translated, ::testing::Values(german, french),
                         [](const auto& info) { return std::string(info.param.locale); });

// Run by CTest under LANG=de_DE.UTF-8 and LANG=fr_FR.UTF-8 with
// WANDREL_TEST_LANGUAGE set: the user's locale, as the system reports it,
// chooses the table.
TEST(UserLocale, ChoosesTheStringTable) {
    const QString wanted = qEnvironmentVariable("WANDREL_TEST_LANGUAGE");
    if (wanted.isEmpty())
        GTEST_SKIP() << "needs WANDREL_TEST_LANGUAGE and a matching LANG";
    const Language& language = wanted == u"fr" ? french : german;
    ASSERT_EQ(QLocale::system().name(), language.locale);
    QTranslator* translator = StringTables::installTranslations(*qApp, QLocale::system());
    ASSERT_NE(translator, nullptr);
    EXPECT_EQ(Wandrel::tr("File"), language.file);
    EXPECT_EQ(StringTables::translate("Did-ir", "Unit"), language.unitSheet);
    QCoreApplication::removeTranslator(translator);
    delete translator;
}

} // namespace
