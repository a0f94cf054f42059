#include "platform/PropertyList.h"

#include "FileBytes.h"

#include <QDateTime>
#include <QPointF>
#include <QTemporaryDir>
#include <QTimeZone>
#include <gtest/gtest.h>
#include <plist/plist++.h>

#include <random>

class PropertyListTest : public ::testing::Test {
protected:
    void store(const QByteArray& bytes) const { writeBytes(file, bytes); }
    static QVariantMap everyKind() {
        const QVariantMap inner{{QStringLiteral("x"), 2.5}, {QStringLiteral("l"), QVariantList()}};
        return {{QStringLiteral("name"), QStringLiteral("Statute mile <&> ü")},
                {QStringLiteral("big"), qint64(-1) << 40},
                {QStringLiteral("yes"), true},
                {QStringLiteral("bytes"), QByteArray("a\0b\xff", 4)},
                {QStringLiteral("t"), QDateTime::fromSecsSinceEpoch(1589710800, QTimeZone::utc())},
                {QStringLiteral("items"), QVariantList{1, QStringLiteral("a"), inner}},
                {QStringLiteral("empty"), QVariantMap()}};
    }
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("units.plist"));
};

TEST_F(PropertyListTest, WritesXmlAtomicallyThatReadsBackAsWritten) {
    ASSERT_TRUE(PropertyList::write(file, everyKind()));
    const QByteArray before = contents(file);
    EXPECT_TRUE(before.startsWith("<?xml"));
    EXPECT_EQ(PropertyList::read(file), everyKind());

    QVariantMap bad = everyKind();
    bad.insert(QStringLiteral("items"), QVariantList{1, QPointF(1, 2)}); // no plist type
    EXPECT_FALSE(PropertyList::write(file, bad));
    EXPECT_EQ(contents(file), before);
    EXPECT_FALSE(PropertyList::write(dir.filePath(QStringLiteral("no/such/f.plist")), {}));
}

TEST_F(PropertyListTest, OnlyADictionaryAtTheRootIsRead) {
    EXPECT_FALSE(PropertyList::read(dir.path()).has_value());
    for (const char* body : {"", "<plist version=\"1.0\"><array><string>a</string></array></plist>",
                             "<plist version=\"1.0\"><string>a</string></plist>"}) {
        store(body);
        EXPECT_FALSE(PropertyList::read(file).has_value()) << body;
    }
    store("<plist version=\"1.0\"><dict/></plist>");
    EXPECT_EQ(PropertyList::read(file), QVariantMap());
}

TEST_F(PropertyListTest, ReadsBinaryAndNeverCrashesOnDamage) {
    PList::Dictionary dictionary;
    dictionary.Set("factor", PList::Real(1609.344));
    const std::vector<char> bin = dictionary.ToBin();
    const QByteArray binary(bin.data(), qsizetype(bin.size()));
    store(binary);
    EXPECT_EQ(PropertyList::read(file).value_or(QVariantMap())[QStringLiteral("factor")], 1609.344);
    ASSERT_TRUE(PropertyList::write(file, everyKind()));

    std::mt19937 random(20240501);
    for (const QByteArray& original : {contents(file), binary}) {
        // Odd rounds damage the whole file, even ones a longer and longer head of it.
        for (int round = 0; round < 300; ++round) {
            QByteArray damaged = original.left(round % 2 ? original.size() : round * 7 / 2 + 1);
            for (int flips = round % 5; flips > 0; --flips)
                damaged[random() % damaged.size()] = char(random() & 0xff);
            store(damaged);
            (void)PropertyList::read(file);
        }
    }
}

// libplist asserts (aborting the process) on a dictionary key holding a NUL.
TEST_F(PropertyListTest, AKeyWithANulCharacterIsRefusedNotFatal) {
    const auto withKey = [](const char* key) {
        return QByteArray("<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>") + key +
               "</key><string>x</string></dict></plist>";
    };
    for (const char* key : {"a&#0;b", "&#x0;", "&#X00;", "&#abc;"}) {
        store(withKey(key));
        EXPECT_EQ(PropertyList::read(file), std::nullopt) << key;
    }
    // {"é\0": "x"} and {"é": "x"}, binary, the keys in UTF-16.
    store(QByteArray::fromHex("62706c6973743030d101026200e900005178080b1000000000000001010000000000"
                              "00000300000000000000000000000000000012"));
    EXPECT_EQ(PropertyList::read(file), std::nullopt);
    store(QByteArray::fromHex("62706c6973743030d101026100e95178080b0e000000000000010100000000000000"
                              "0300000000000000000000000000000010"));
    EXPECT_EQ(PropertyList::read(file), (QVariantMap{{QStringLiteral("é"), QStringLiteral("x")}}));
    store(withKey("caf&#233;&#38;"));
    EXPECT_EQ(PropertyList::read(file),
              (QVariantMap{{QStringLiteral("café&"), QStringLiteral("x")}}));
}
