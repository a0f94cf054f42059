#include "platform/NumberText.h"
#include "platform/PropertyList.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <clocale>
#include <string>

// QApplication puts the C library into the user's locale; a German user's
// comma decimal point must reach neither the figures nor the files.
TEST(CommaLocale, NumberTextAndPropertyListsKeepThePoint) {
    const struct Restore {
        std::string saved = std::setlocale(LC_ALL, nullptr);
        ~Restore() { std::setlocale(LC_ALL, saved.c_str()); }
    } restore;
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8") || *std::localeconv()->decimal_point != ',')
        GTEST_SKIP() << "no comma-decimal locale installed";
    EXPECT_EQ(NumberText::fixed3(1234.5678), u"1234.568");
    EXPECT_EQ(NumberText::leadingNumber(QStringLiteral("12.75")), 12.75);
    EXPECT_EQ(NumberText::leadingNumber(QStringLiteral("1,5")), 1.0);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("f.plist"));
    ASSERT_TRUE(PropertyList::write(path, {{QStringLiteral("f"), 1609.344}}));
    EXPECT_EQ(PropertyList::read(path).value_or(QVariantMap())[QStringLiteral("f")], 1609.344);
}
