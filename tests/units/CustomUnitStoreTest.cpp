#include "units/CustomUnitStore.h"
#include "units/UnitDataSource.h"

#include "platform/AppDataSandbox.h"
#include "platform/PropertyList.h"

#include "FileBytes.h"

#include <gtest/gtest.h>
#include <plist/plist.h>

namespace {

class CustomUnitStoreTest : public ::testing::Test {
protected:
    QString store() const { return folder.file(QStringLiteral("customUnits.plist")); }
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
    const auto rods = [](const char* factor) {
        return QByteArray("<dict><key>name</key><string>rods</string><key>shortName</key>"
                          "<string>rd</string><key>conversionFactor</key>") +
               factor + "</dict>";
    };
    QByteArray xml = "<plist version=\"1.0\"><dict><key>customUnits</key><array>" +
                     rods("<string>1609.34</string>") +
                     "<dict><key>name</key><integer>7</integer><key>conversionFactor</key>"
                     "<real>5.0292</real><key>area</key><string>YES</string></dict>";
    for (const char* refused :
         {"<string>0</string>", "<string>-2</string>", "<string>abc</string>",
          "<string>1e39</string>", "<string>nan</string>", "<string>-inf</string>", "<true/>"})
        xml += rods(refused);
    xml += "<string>not a unit</string>"
           "<dict><key>conversionFactor</key><string>3 metres</string></dict>"
           "</array></dict></plist>";
    plist_t root = nullptr;
    plist_from_xml(xml.constData(), uint32_t(xml.size()), &root);
    ASSERT_NE(root, nullptr);
    char* binary = nullptr;
    uint32_t length = 0;
    plist_to_bin(root, &binary, &length);
    writeBytes(store(), QByteArray(binary, qsizetype(length)));
    plist_to_bin_free(binary);
    plist_free(root);

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
    // Files the property-list reader refuses are its own tests' matter.
    for (const QByteArray& bytes : {QByteArray("\x00\xffgarbage<plist", 14),
                                    QByteArray("<plist version=\"1.0\"><dict><key>customUnits</key>"
                                               "<string>feet</string></dict></plist>")}) {
        writeBytes(store(), bytes);
        UnitDataSource units;
        EXPECT_EQ(units.getUnitWithShortName("feet"), nullptr);
        EXPECT_EQ(units.count(), 9);
    }
}

} // namespace
