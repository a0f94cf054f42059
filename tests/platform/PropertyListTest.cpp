#include "CommaLocale.h"

#include "platform/PropertyList.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QPointF>
#include <QTemporaryDir>
#include <QTimeZone>
#include <gtest/gtest.h>
#include <plist/plist++.h>

#include <random>

namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void store(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QVariantMap everyKind() {
    QVariantMap inner{{QStringLiteral("x"), 2.5}, {QStringLiteral("list"), QVariantList()}};
    return {
        {QStringLiteral("name"), QStringLiteral("Statute mile <&> ü")},
        {QStringLiteral("factor"), 1609.344},
        {QStringLiteral("tiny"), 1e-300},
        {QStringLiteral("count"), qint64(-5)},
        {QStringLiteral("big"), qint64(1) << 40},
        {QStringLiteral("yes"), true},
        {QStringLiteral("no"), false},
        {QStringLiteral("bytes"), QByteArray("a\0b\xff", 4)},
        {QStringLiteral("when"),
         QDateTime(QDate(2020, 5, 17), QTime(10, 20, 30), QTimeZone::utc())},
        {QStringLiteral("items"), QVariantList{1, QStringLiteral("a"), inner}},
        {QStringLiteral("inner"), inner},
        {QStringLiteral("empty"), QVariantMap()},
    };
}

} // namespace

class PropertyListTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path(const char* name = "units.plist") const {
        return dir.filePath(QString::fromLatin1(name));
    }
};

TEST_F(PropertyListTest, WritesXmlThatReadsBackAsWritten) {
    ASSERT_TRUE(PropertyList::write(path(), everyKind()));
    EXPECT_TRUE(contents(path()).startsWith("<?xml"));
    const std::optional<QVariantMap> read = PropertyList::read(path());
    ASSERT_TRUE(read.has_value());
    const QVariantMap expected = everyKind();
    ASSERT_EQ(read->keys(), expected.keys());
    for (const QString& key : expected.keys())
        EXPECT_EQ(read->value(key), expected.value(key)) << key.toStdString();
}

TEST_F(PropertyListTest, ReadsBinaryPropertyLists) {
    PList::Dictionary dictionary;
    dictionary.Set("shortName", PList::String("mi"));
    dictionary.Set("factor", PList::Real(1609.344));
    dictionary.Set("area", PList::Boolean(false));
    const std::vector<char> binary = dictionary.ToBin();
    store(path(), QByteArray(binary.data(), qsizetype(binary.size())));

    const auto read = PropertyList::read(path());
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->value(QStringLiteral("shortName")), QStringLiteral("mi"));
    EXPECT_EQ(read->value(QStringLiteral("factor")).toDouble(), 1609.344);
    EXPECT_EQ(read->value(QStringLiteral("area")), false);
}

TEST_F(PropertyListTest, ReadsHandWrittenXml) {
    store(path(), R"(<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE plist PUBLIC "-//Apple//DTD PLIST 1.0//EN" "http://www.apple.com/DTDs/PropertyList-1.0.dtd">
<plist version="1.0"><dict>
  <key>a &amp; b</key><string>x</string>
  <key>n</key><integer>42</integer>
  <key>r</key><real>0.5</real>
  <key>t</key><true/>
  <key>d</key><date>2001-01-01T00:01:00Z</date>
  <key>b</key><data>AAE=</data>
</dict></plist>)");
    const auto read = PropertyList::read(path());
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->value(QStringLiteral("a & b")), QStringLiteral("x"));
    EXPECT_EQ(read->value(QStringLiteral("n")).toLongLong(), 42);
    EXPECT_EQ(read->value(QStringLiteral("r")).toDouble(), 0.5);
    EXPECT_EQ(read->value(QStringLiteral("t")), true);
    EXPECT_EQ(read->value(QStringLiteral("d")).toDateTime(),
              QDateTime(QDate(2001, 1, 1), QTime(0, 1), QTimeZone::utc()));
    EXPECT_EQ(read->value(QStringLiteral("b")).toByteArray(), QByteArray("\0\1", 2));
}

TEST_F(PropertyListTest, OnlyDictionariesAreAccepted) {
    EXPECT_FALSE(PropertyList::read(path("missing.plist")).has_value());
    EXPECT_FALSE(PropertyList::read(dir.path()).has_value());
    store(path(), QByteArray());
    EXPECT_FALSE(PropertyList::read(path()).has_value());
    store(path(), "<plist version=\"1.0\"><array><string>a</string></array></plist>");
    EXPECT_FALSE(PropertyList::read(path()).has_value());
    store(path(), "<plist version=\"1.0\"><string>a</string></plist>");
    EXPECT_FALSE(PropertyList::read(path()).has_value());
    store(path(), "<plist version=\"1.0\"><dict/></plist>");
    EXPECT_EQ(PropertyList::read(path()), QVariantMap());
}

TEST_F(PropertyListTest, DamagedFilesNeverCrash) {
    ASSERT_TRUE(PropertyList::write(path("good.plist"), everyKind()));
    const QByteArray xml = contents(path("good.plist"));
    PList::Dictionary dictionary;
    dictionary.Set("items", PList::Array());
    dictionary.Set("name", PList::String("metre"));
    dictionary.Set("factor", PList::Real(1.0));
    const std::vector<char> bin = dictionary.ToBin();
    const QByteArray binary(bin.data(), qsizetype(bin.size()));

    std::mt19937 random(20240501);
    for (const QByteArray& original : {xml, binary}) {
        for (qsizetype length = 0; length < original.size(); length += 7) {
            store(path(), original.left(length));
            (void)PropertyList::read(path());
        }
        for (int round = 0; round < 150; ++round) {
            QByteArray damaged = original;
            for (int flips = 0; flips < 4; ++flips)
                damaged[random() % damaged.size()] = char(random() & 0xff);
            store(path(), damaged);
            (void)PropertyList::read(path());
        }
    }
    store(path(), QByteArray(5000, '<'));
    EXPECT_FALSE(PropertyList::read(path()).has_value());
}

TEST_F(PropertyListTest, FailedWritesLeaveTheOldFileAlone) {
    ASSERT_TRUE(PropertyList::write(path(), everyKind()));
    const QByteArray before = contents(path());

    QVariantMap bad = everyKind();
    bad.insert(QStringLiteral("items"), QVariantList{1, QPointF(1, 2)});
    EXPECT_FALSE(PropertyList::write(path(), bad));
    EXPECT_EQ(contents(path()), before);

    const QString nowhere = dir.filePath(QStringLiteral("no/such/folder/units.plist"));
    EXPECT_FALSE(PropertyList::write(nowhere, everyKind()));
    EXPECT_FALSE(QFile::exists(nowhere));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("units.plist")});
}

TEST_F(PropertyListTest, ReadOnlyFolderKeepsTheOldFile) {
    ASSERT_TRUE(PropertyList::write(path(), everyKind()));
    const QByteArray before = contents(path());
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
    QFile probe(dir.filePath(QStringLiteral("probe")));
    if (probe.open(QIODevice::WriteOnly)) {
        probe.remove();
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        GTEST_SKIP() << "permissions do not bind this user";
    }
    EXPECT_FALSE(PropertyList::write(path(), QVariantMap{{QStringLiteral("k"), 1}}));
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(contents(path()), before);
}

TEST_F(PropertyListTest, RealsUseAPointUnderACommaLocale) {
    CommaLocale comma;
    if (!comma.isActive())
        GTEST_SKIP() << "no comma-decimal locale installed";
    ASSERT_TRUE(PropertyList::write(path(), QVariantMap{{QStringLiteral("f"), 1609.344}}));
    EXPECT_TRUE(contents(path()).contains("1609.344"));
    EXPECT_EQ(PropertyList::read(path())->value(QStringLiteral("f")).toDouble(), 1609.344);
}
