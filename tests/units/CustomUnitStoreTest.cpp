#include "units/CustomUnitStore.h"
#include "units/UnitDataSource.h"

#include "platform/AppDataSandbox.h"
#include "platform/PropertyList.h"

#include <QFile>
#include <gtest/gtest.h>
#include <plist/plist++.h>

namespace {

class CustomUnitStoreTest : public ::testing::Test {
protected:
    QString store() const { return folder.file(QStringLiteral("customUnits.plist")); }
    void storeBytes(const QByteArray& bytes) const {
        QFile out(store());
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(bytes);
    }
    QVariantList storedUnits() const {
        return PropertyList::read(store())
            .value_or(QVariantMap())
            .value(QStringLiteral("customUnits"))
            .toList();
    }
    static WandrelUnit* addCustom(UnitDataSource& units, const char* name, const char* shortName,
                                  float factor, bool area) {
        units.ensureBuilt();
        auto unit = std::make_unique<WandrelUnit>(name, shortName, factor, area);
        unit->setEditable(true);
        return units.add(std::move(unit));
    }

    TemporaryAppDataFolder folder;
};

TEST_F(CustomUnitStoreTest, SavedUnitsComeBackExactlyAfterTheBuiltInOnes) {
    {
        UnitDataSource units;
        addCustom(units, "statute miles", "smi", 1609.344f, false);
        addCustom(units, "chains square", "ch²", 20.1168f, true);
        units.saveCustomUnits();
    }
    const QVariantList stored = storedUnits();
    ASSERT_EQ(stored.size(), 2);
    const QVariantMap first = stored[0].toMap();
    EXPECT_EQ(first.value("conversionFactor"), "1609.34399");
    EXPECT_EQ(first.value("area"), false);
    EXPECT_EQ(stored[1].toMap().value("shortName"), "ch²");

    UnitDataSource again;
    const WandrelUnit* miles = again.getUnitWithShortName("smi");
    ASSERT_EQ(again.count(), 11);
    EXPECT_EQ(again.indexOf(miles), 9);
    EXPECT_EQ(miles->getConversionFactor(), 1609.344f);
    EXPECT_TRUE(miles->isEditable());
    const WandrelUnit* chains = again.getnthItem(10);
    EXPECT_EQ(chains->getName(), "chains square");
    EXPECT_EQ(chains->getConversionFactor(), 20.1168f);
    EXPECT_TRUE(chains->isArea());
    EXPECT_EQ(again.objectValueForTableColumn(nullptr, "conversionFactor", 9), "1609.34");
}

TEST_F(CustomUnitStoreTest, DeletingTheLastUnitSticksButAnUnbuiltRegistryWipesNothing) {
    {
        UnitDataSource units;
        addCustom(units, "leagues", "lea", 4828.032f, false);
        units.saveCustomUnits();
    }
    UnitDataSource neverBuilt;
    neverBuilt.saveCustomUnits();
    EXPECT_EQ(storedUnits().size(), 1);

    UnitDataSource units;
    units.deleteItem(units.getUnitWithShortName("lea"));
    units.saveCustomUnits();
    ASSERT_TRUE(PropertyList::read(store()).has_value());
    EXPECT_TRUE(storedUnits().isEmpty());
    UnitDataSource later;
    EXPECT_EQ(later.getUnitWithShortName("lea"), nullptr);
    EXPECT_EQ(later.count(), 9);
}

// Written by hand or by another program: binary form, numbers where text
// belongs and the other way round, six-digit factors, damage.
TEST_F(CustomUnitStoreTest, ReadsWhatItCanOfABinaryStoreOfMixedKinds) {
    const auto entry = [](const PList::Node& factor) {
        PList::Dictionary unit;
        unit.Set("name", PList::String("rods"));
        unit.Set("shortName", PList::String("rd"));
        unit.Set("conversionFactor", factor);
        return unit;
    };
    // Append() takes a copy.
    PList::Array list;
    PList::Dictionary sixDigits = entry(PList::String("1609.34"));
    list.Append(&sixDigits);
    PList::Dictionary numbers = entry(PList::Real(5.0292));
    numbers.Set("name", PList::Integer(uint64_t(7)));
    numbers.Set("area", PList::String("YES"));
    list.Append(&numbers);
    for (const char* bad : {"0", "-2", "abc", "1e39"}) {
        PList::Dictionary refused = entry(PList::String(bad));
        list.Append(&refused);
    }
    PList::String notAUnit("not a unit");
    list.Append(&notAUnit);
    PList::Dictionary noNames;
    noNames.Set("conversionFactor", PList::String("3 metres"));
    list.Append(&noNames);
    PList::Dictionary root;
    root.Set("customUnits", list);
    const std::vector<char> binary = root.ToBin();
    storeBytes(QByteArray(binary.data(), qsizetype(binary.size())));

    UnitDataSource units;
    units.ensureBuilt();
    ASSERT_EQ(units.count(), 12);
    EXPECT_EQ(units.getnthItem(9)->getConversionFactor(), 1609.34f);
    EXPECT_FALSE(units.getnthItem(9)->isArea());
    EXPECT_EQ(units.getnthItem(10)->getName(), "7");
    EXPECT_EQ(units.getnthItem(10)->getConversionFactor(), 5.0292f);
    EXPECT_TRUE(units.getnthItem(10)->isArea());
    EXPECT_EQ(units.getnthItem(11)->getName(), "");
    EXPECT_EQ(units.getnthItem(11)->getConversionFactor(), 3.0f);
}

TEST_F(CustomUnitStoreTest, AMalformedStoreLoadsNoUnits) {
    for (const QByteArray& bytes :
         {QByteArray("\x00\xffgarbage<plist", 14), QByteArray("bplist00\x01\x02"),
          QByteArray("<plist version=\"1.0\"><dict><key>customUnits</key>"
                     "<string>feet</string></dict></plist>"),
          QByteArray("<plist version=\"1.0\"><array><dict/></array></plist>")}) {
        storeBytes(bytes);
        UnitDataSource units;
        EXPECT_EQ(units.getUnitWithShortName("feet"), nullptr);
        EXPECT_EQ(units.count(), 9);
    }
}

} // namespace
