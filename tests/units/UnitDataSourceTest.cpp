#include "units/UnitDataSource.h"

#include <QComboBox>
#include <QStringList>
#include <gtest/gtest.h>

#include <cmath>

namespace {

QStringList titles(const QComboBox& box) {
    QStringList out;
    for (int i = 0; i < box.count(); ++i)
        out << box.itemText(i);
    return out;
}

} // namespace

TEST(WandrelUnit, ConvertsInSinglePrecisionThroughMetres) {
    UnitDataSource units;
    const WandrelUnit* mile = units.getUnitWithShortName("mile(s)");
    ASSERT_NE(mile, nullptr);
    EXPECT_EQ(mile->whatsThisInMeters(2), 2 * 1609.344f);
    EXPECT_FLOAT_EQ(mile->whatsThisInMeters(2), 3218.688f);
    EXPECT_EQ(units.getUnitWithShortName("km")->whatsThisNumberOfMeters(1000), 1.0f);

    EXPECT_EQ(units.getUnitWithShortName("ha")->whatsThisInMetersSquared(1), 10000.0f);
    EXPECT_EQ(units.getUnitWithShortName("m")->whatsThisInMetersSquared(1), 1.0f);
    EXPECT_EQ(mile->whatsThisInMetersSquared(1), 1609.344f * 1609.344f);
    EXPECT_FLOAT_EQ(units.getUnitWithShortName("ac")->whatsThisNumberOfSquareMeters(4046.9956f),
                    1.0f);
}

TEST(WandrelUnit, DefaultsAndAbsentNames) {
    WandrelUnit unit;
    EXPECT_EQ(unit.getConversionFactor(), 1.0f);
    EXPECT_FALSE(unit.isArea());
    EXPECT_FALSE(unit.isEditable());
    unit.setName("leagues");
    unit.setName(static_cast<const char*>(nullptr));
    EXPECT_EQ(unit.getName(), "leagues");

    // A zero factor divides by zero rather than failing.
    unit.setConversionFactor(0);
    EXPECT_TRUE(std::isinf(unit.whatsThisNumberOfMeters(1)));
}

TEST(UnitDataSource, LooksUpExactlyAndBuildsOnce) {
    UnitDataSource units;
    EXPECT_EQ(units.count(), 0);
    const WandrelUnit* km = units.getUnitWithShortName("km");
    ASSERT_NE(km, nullptr);
    EXPECT_EQ(km->getName(), "Kilometres");
    EXPECT_EQ(units.count(), 9);
    EXPECT_EQ(units.getUnitWithShortName("KM"), nullptr);
    EXPECT_EQ(units.getUnitWithShortName("km "), nullptr);
    EXPECT_EQ(units.getUnitWithShortName("Kilometres"), nullptr);
    EXPECT_EQ(units.getUnitWithName("Kilometres"), km);
    units.getUnitWithName("nothing");
    EXPECT_EQ(units.count(), 9);
}

TEST(UnitDataSource, FillsPopUpsInRegistryOrder) {
    UnitDataSource units;
    QComboBox lengths;
    QComboBox areas;
    units.populatePopUpButton(&lengths, false);
    units.populatePopUpButton(&areas, true);
    EXPECT_EQ(titles(lengths), QStringList({"mile(s)", "km", "m", "ft", "in", "cm", "mm"}));
    EXPECT_EQ(titles(areas),
              QStringList({"mile(s)", "km", "m", "ft", "in", "cm", "mm", "ac", "ha"}));
    EXPECT_EQ(lengths.currentText(), "mile(s)");
}

TEST(UnitDataSource, RefillKeepsTheSelectedTitle) {
    UnitDataSource units;
    QComboBox box;
    units.populatePopUpButton(&box, false);
    units.populatePopUpButton(&box, false);
    box.setCurrentIndex(box.findText("ft"));
    units.updateAllButtons();
    EXPECT_EQ(box.count(), 7);
    EXPECT_EQ(box.currentText(), "ft");

    // A unit that is gone leaves the first item selected.
    units.deleteItem(units.getUnitWithShortName("ft"));
    units.updateAllButtons();
    EXPECT_EQ(box.findText("ft"), -1);
    EXPECT_EQ(box.currentIndex(), 0);
}

static QStringList logged;

static void capture(QtMsgType, const QMessageLogContext&, const QString& line) {
    logged << line;
}

TEST(UnitDataSource, ForgetsPopUpsThatAreGoneAndLogsAbsentOnes) {
    UnitDataSource units;
    {
        QComboBox transient;
        units.populatePopUpButton(&transient, false);
    }
    logged.clear();
    const QtMessageHandler previous = qInstallMessageHandler(capture);
    units.populatePopUpButton(nullptr, false);
    units.updateAllButtons(); // must not touch the destroyed pop-up
    qInstallMessageHandler(previous);
    EXPECT_EQ(logged, QStringList({"button is nil", "updating 1 buttons"}));
}
