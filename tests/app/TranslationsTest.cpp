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
#include <string_view>

namespace {

// A text as a German and as a French user reads it.
struct Words {
    const char* german;
    const char* french;
};

QString inLocale(std::string_view locale, Words words) {
    return QString::fromUtf8(locale == "de_DE" ? words.german : words.french);
}

// The string tables of the parameter's locale, installed as main() installs
// them. Comes before the session among the bases, so the windows load
// translated.
class InLanguage : public ::testing::WithParamInterface<const char*> {
protected:
    InLanguage() {
        QLocale::setDefault(QLocale(QString::fromLatin1(GetParam())));
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

    QString in(Words words) const { return inLocale(GetParam(), words); }

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
};

// One text from each window design, and texts the code makes, translates
// and looks up again.
TEST_P(Translated, MenusToolbarAndPreferencesReadInTheLanguage) {
    EXPECT_EQ(d().acetate.menuFile->title(), in({"Datei", "Fichier"}));
    Toolbar* bar = controller().getToolbarItems().mainToolbar();
    EXPECT_EQ(bar->item(QStringLiteral("scaleItemIdentifier"))->text(),
              in({"Maßstab ausblenden", "Masquer l'échelle"}));

    const Ui::PreferencesWindow& prefs = d().preferences.ui();
    EXPECT_EQ(
        prefs.wandrelPrefsTabView->tabText(prefs.wandrelPrefsTabView->indexOf(prefs.generalTab)),
        in({"Allgemein", "Général"}));
    EXPECT_EQ(prefs.unitTableView->model()->headerData(0, Qt::Horizontal), in({"Name", "Nom"}));
    EXPECT_EQ(d().unitEditSheet->windowTitle(), in({"Einheit", "Unité"}));
    EXPECT_EQ(d().information.ui().closeTheAboutWindowButton->text(),
              in({"Los geht’s", "Commencer"}));
    EXPECT_EQ(controller().getScaleText()->string(), in({" Maßstab: 1 km ", " Échelle : 1 km "}));
    // The toolkit's own words in the same windows.
    EXPECT_EQ(d().distanceMarkers.ui().markerButtons->button(QDialogButtonBox::Cancel)->text(),
              in({"Abbrechen", "Annuler"}));

    // The pop-up's titles and the names the controller looks for come from
    // one table, so a translated preset still applies.
    choose(prefs.presets, in({"Textmarker", "Surligneur"}));
    EXPECT_EQ(controller().getLineWidth(), 10.0f);
}

TEST_P(Translated, InspectorAndAlertReadInTheLanguage) {
    click({100, 300});
    doubleClick({400, 300});
    d().acetate.showInfoMenuItem->trigger();
    ASSERT_TRUE(inspector().isWindowLoaded());
    EXPECT_EQ(inspector().getWindow()->windowTitle(), in({"Routeninfo", "Infos sur l'itinéraire"}));
    const WaypointTableModel& legs = inspector().tableModel();
    EXPECT_EQ(legs.headerData(0, Qt::Horizontal, Qt::DisplayRole),
              in({"Wegpunkt", "Point de passage"}));
    EXPECT_EQ(legs.data(legs.index(0, 0), Qt::DisplayRole), in({"Start", "Départ"}));

    Alerts::scriptAnswers({});
    placeMarkers(QStringLiteral("40"), QStringLiteral("m"));
    ASSERT_EQ(Alerts::answered().size(), 1);
    EXPECT_EQ(Alerts::answered()[0].title,
              in({"Entfernungsmarken setzen", "Placer des marqueurs de distance"}));
    EXPECT_EQ(
        Alerts::answered()[0].message,
        in({"Die Maßstabseinheit ist km. Marken können nicht alle 40 m gesetzt werden",
            "L'unité de l'échelle est km. Impossible de placer des marqueurs tous les 40 m"}));
}

// Figures are read back and pasted into spreadsheets: a point, three
// decimals, whatever the language and the C library's locale.
TEST_P(Translated, FiguresKeepTheDecimalPoint) {
    const struct Restore {
        std::string saved = std::setlocale(LC_ALL, nullptr);
        ~Restore() { std::setlocale(LC_ALL, saved.c_str()); }
    } restore;
    std::setlocale(LC_ALL, (std::string(GetParam()) + ".UTF-8").c_str()); // if installed
    click({100, 300});
    click({400, 300});
    doubleClick({400, 500});
    EXPECT_EQ(length(), "2.500");
    EXPECT_EQ(area(), "0.750");
    d().acetate.showInfoMenuItem->trigger();
    EXPECT_EQ(cell(0, 1), "2.500");
}

INSTANTIATE_TEST_SUITE_P(GermanAndFrench, Translated, ::testing::Values("de_DE", "fr_FR"),
                         [](const auto& info) { return std::string(info.param); });

// Run by CTest under LANG=de_DE.UTF-8 and LANG=fr_FR.UTF-8 with
// WANDREL_TEST_LANGUAGE set: the user's locale, as the system reports it,
// chooses the table.
TEST(UserLocale, ChoosesTheStringTable) {
    const QString wanted = qEnvironmentVariable("WANDREL_TEST_LANGUAGE");
    if (wanted.isEmpty())
        GTEST_SKIP() << "needs WANDREL_TEST_LANGUAGE and a matching LANG";
    const char* locale = wanted == u"fr" ? "fr_FR" : "de_DE";
    ASSERT_EQ(QLocale::system().name(), locale);
    QTranslator* translator = StringTables::installTranslations(*qApp, QLocale::system());
    ASSERT_NE(translator, nullptr);
    EXPECT_EQ(Wandrel::tr("File"), inLocale(locale, {"Datei", "Fichier"}));
    EXPECT_EQ(StringTables::translate("Did-ir", "Unit"), inLocale(locale, {"Einheit", "Unité"}));
    QCoreApplication::removeTranslator(translator);
    delete translator;
}

} // namespace
