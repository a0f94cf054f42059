#include "units/UnitDataSource.h"

#include <QComboBox>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

QStringList titles(const QComboBox& box) {
    QStringList out;
    for (int i = 0; i < box.count(); ++i)
        out << box.itemText(i);
    return out;
}

} // namespace

TEST(WandrelUnit, BuiltInUnitsConvertInSinglePrecisionThroughMetres) {
    UnitDataSource units;
    const WandrelUnit* mile = units.getUnitWithShortName("mile(s)");
    ASSERT_NE(mile, nullptr);
    EXPECT_EQ(mile->whatsThisInMeters(2), 3218.688f);
    EXPECT_EQ(mile->whatsThisInMetersSquared(1), 1609.344f * 1609.344f);
    EXPECT_EQ(units.getUnitWithShortName("km")->whatsThisNumberOfMeters(1000), 1.0f);
    EXPECT_EQ(units.getUnitWithShortName("ha")->whatsThisInMetersSquared(1), 10000.0f);
    EXPECT_FLOAT_EQ(units.getUnitWithShortName("ac")->whatsThisNumberOfSquareMeters(4046.9956f),
                    1.0f);
}

TEST(UnitDataSource, BuildsOnFirstLookUpAndMatchesShortNamesExactly) {
    UnitDataSource units;
    EXPECT_EQ(units.count(), 0);
    const WandrelUnit* km = units.getUnitWithShortName("km");
    ASSERT_NE(km, nullptr);
    for (const char* near : {"KM", "km ", "Kilometres"})
        EXPECT_EQ(units.getUnitWithShortName(near), nullptr) << near;
    EXPECT_EQ(units.count(), 9);
}

TEST(UnitDataSource, FillsPopUpsInRegistryOrderAndARefillKeepsTheSelection) {
    UnitDataSource units;
    QComboBox lengths;
    QComboBox areas;
    units.populatePopUpButton(&lengths, false);
    units.populatePopUpButton(&lengths, false);
    units.populatePopUpButton(&areas, true);
    EXPECT_EQ(titles(lengths), QStringList({"mile(s)", "km", "m", "ft", "in", "cm", "mm"}));
    EXPECT_EQ(titles(areas),
              QStringList({"mile(s)", "km", "m", "ft", "in", "cm", "mm", "ac", "ha"}));
    EXPECT_EQ(lengths.currentText(), "mile(s)");

    lengths.setCurrentIndex(lengths.findText("ft"));
    units.updateAllButtons();
    EXPECT_EQ(lengths.count(), 7);
    EXPECT_EQ(lengths.currentText(), "ft");
    // A unit that is gone leaves the first item selected.
    units.deleteItem(units.getUnitWithShortName("ft"));
    units.updateAllButtons();
    EXPECT_EQ(lengths.findText("ft"), -1);
    EXPECT_EQ(lengths.currentIndex(), 0);
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
