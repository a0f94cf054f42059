#include "platform/StringTables.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtEndian>
#include <gtest/gtest.h>

#include <cstring>

namespace {

class GermanUnits : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char*, int) const override {
        if (qstrcmp(context, "Wandrel") == 0 && qstrcmp(source, "Units") == 0)
            return QStringLiteral("Einheiten");
        return QString();
    }
    bool isEmpty() const override { return false; }
};

void append32(QByteArray& bytes, quint32 value) {
    const quint32 big = qToBigEndian(value);
    bytes.append(reinterpret_cast<const char*>(&big), 4);
}

void appendBlock(QByteArray& bytes, char tag, const QByteArray& block) {
    bytes.append(tag);
    append32(bytes, quint32(block.size()));
    bytes.append(block);
}

quint32 elfHash(const char* text) {
    quint32 h = 0;
    for (const auto* k = reinterpret_cast<const uchar*>(text); *k; ++k) {
        h = (h << 4) + *k;
        const quint32 g = h & 0xf0000000;
        if (g != 0)
            h ^= g >> 24;
        h &= ~g;
    }
    return h ? h : 1;
}

// The smallest .qm file lrelease could have written: one message, found
// through the hash table.
QByteArray oneMessageQm(const char* context, const char* source, const QString& translation) {
    QByteArray message;
    message.append('\x03'); // translation, UTF-16 big-endian
    append32(message, quint32(translation.size() * 2));
    for (QChar c : translation) {
        const quint16 big = qToBigEndian(c.unicode());
        message.append(reinterpret_cast<const char*>(&big), 2);
    }
    message.append('\x07'); // context
    append32(message, quint32(std::strlen(context)));
    message.append(context);
    message.append('\x06'); // source text
    append32(message, quint32(std::strlen(source)));
    message.append(source);
    message.append('\x01'); // end

    QByteArray hashes;
    append32(hashes, elfHash(source));
    append32(hashes, 0);

    const uchar magic[] = {0x3c, 0xb8, 0x64, 0x18, 0xca, 0xef, 0x9c, 0x95,
                           0xcd, 0x21, 0x1c, 0xbf, 0x60, 0xa1, 0xbd, 0xdd};
    QByteArray qm(reinterpret_cast<const char*>(magic), sizeof magic);
    appendBlock(qm, 0x42, hashes);
    appendBlock(qm, 0x69, message);
    return qm;
}

} // namespace

TEST(StringTables, UntranslatedKeysShowThemselves) {
    EXPECT_EQ(StringTables::translate("Wandrel", "No route to save"),
              QStringLiteral("No route to save"));
    EXPECT_EQ(StringTables::translate("Did-ir", "Über"), QStringLiteral("Über"));
}

TEST(StringTables, AnInstalledTranslatorIsUsed) {
    GermanUnits german;
    ASSERT_TRUE(QCoreApplication::installTranslator(&german));
    EXPECT_EQ(StringTables::translate("Wandrel", "Units"), QStringLiteral("Einheiten"));
    EXPECT_EQ(StringTables::translate("Did-ir", "Units"), QStringLiteral("Units"));
    QCoreApplication::removeTranslator(&german);
    EXPECT_EQ(StringTables::translate("Wandrel", "Units"), QStringLiteral("Units"));
}

TEST(StringTables, InstallsTheFileForTheLocale) {
    QTemporaryDir dir;
    QFile qm(dir.filePath(QStringLiteral("wandrel_de.qm")));
    ASSERT_TRUE(qm.open(QIODevice::WriteOnly));
    qm.write(oneMessageQm("Wandrel", "Scale", QStringLiteral("Maßstab")));
    qm.close();

    auto* app = QCoreApplication::instance();
    EXPECT_EQ(StringTables::installTranslations(*app, QLocale(QLocale::Japanese), dir.path()),
              nullptr);
    QTranslator* translator = StringTables::installTranslations(
        *app, QLocale(QLocale::German, QLocale::Switzerland), dir.path());
    ASSERT_NE(translator, nullptr);
    EXPECT_EQ(translator->parent(), app);
    EXPECT_EQ(StringTables::translate("Wandrel", "Scale"), QStringLiteral("Maßstab"));
    EXPECT_EQ(StringTables::translate("Did-ir", "Scale"), QStringLiteral("Scale"));
    delete translator; // uninstalls itself
    EXPECT_EQ(StringTables::translate("Wandrel", "Scale"), QStringLiteral("Scale"));
}
