#include "CommaLocale.h"

#include "platform/NumberText.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <limits>

namespace {

// printf in the C locale is the reference the texts must match.
QString printed(const char* format, double value) {
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    std::setlocale(LC_NUMERIC, "C");
    char buffer[1024];
    std::snprintf(buffer, sizeof buffer, format, value);
    std::setlocale(LC_NUMERIC, saved.c_str());
    return QString::fromLatin1(buffer);
}

const double samples[] = {0.0,     -0.0,     1.0,      2.5,      0.125,     0.0005,  1.0005,
                          2.675,   -3.14159, 999.9995, 123456.0, 1234567.,  1e6,     1e-5,
                          0.0001,  1e20,     1e-7,     100.0,    0.1f,      1.0 / 3, -2.5e-300,
                          DBL_MAX, DBL_MIN,  4.35,     0.05,     1e15 + 0.3};

} // namespace

TEST(NumberText, FixedAndGeneralMatchPrintf) {
    for (double v : samples) {
        EXPECT_EQ(NumberText::fixed(v), printed("%f", v)) << v;
        EXPECT_EQ(NumberText::fixed3(v), printed("%1.3f", v)) << v;
        EXPECT_EQ(NumberText::fixed1(v), printed("%1.1f", v)) << v;
        EXPECT_EQ(NumberText::general(v), printed("%g", v)) << v;
    }
    EXPECT_EQ(NumberText::general(1e6), u"1e+06");
    EXPECT_EQ(NumberText::general(0.0001), u"0.0001");
    EXPECT_EQ(NumberText::general(123456.0), u"123456");
    EXPECT_EQ(NumberText::fixed3(2.0), u"2.000");
}

TEST(NumberText, NonFiniteValuesReadAsPrintfWritesThem) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (double v : {inf, -inf, nan, -nan}) {
        EXPECT_EQ(NumberText::fixed3(v), printed("%1.3f", v));
        EXPECT_EQ(NumberText::general(v), printed("%g", v));
    }
    EXPECT_EQ(NumberText::fixed3(-inf), u"-inf");
    EXPECT_EQ(NumberText::fixed(std::copysign(nan, -1.0)), u"-nan");
}

TEST(NumberText, LeadingNumber) {
    const struct {
        const char* text;
        double value;
    } cases[] = {{"abc", 0},    {"  12.5km", 12.5}, {"-3", -3},      {"1e3", 1000},   {"", 0},
                 {".", 0},      {"1,5", 1},         {"+2", 2},       {".5", 0.5},     {"-.5", -0.5},
                 {"1.", 1},     {"1e", 1},          {"1e+", 1},      {"2E-2x", 0.02}, {"\t\n 7", 7},
                 {"--1", 0},    {"- 1", 0},         {"0x1A", 0},     {"inf", 0},      {"nan", 0},
                 {"1e-400", 0}, {"007", 7},         {"3.25.1", 3.25}};
    for (const auto& c : cases)
        EXPECT_EQ(NumberText::leadingNumber(QString::fromUtf8(c.text)), c.value) << c.text;
    EXPECT_EQ(NumberText::leadingNumber(QStringLiteral("1e400")),
              std::numeric_limits<double>::infinity());
    EXPECT_EQ(NumberText::leadingNumber(QStringLiteral("-99e999")),
              -std::numeric_limits<double>::infinity());
    EXPECT_EQ(NumberText::leadingNumber(QStringLiteral("0.0000001e-320")), 0.0);
    EXPECT_EQ(NumberText::leadingFloat(QStringLiteral("0.1")), 0.1f);
    EXPECT_EQ(NumberText::leadingFloat(QStringLiteral("1e39")),
              std::numeric_limits<float>::infinity());
}

TEST(NumberText, CommaLocaleChangesNothing) {
    CommaLocale comma;
    if (!comma.isActive())
        GTEST_SKIP() << "no comma-decimal locale installed";
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%1.1f", 1.5);
    ASSERT_STREQ(buffer, "1,5"); // the locale really is in force
    EXPECT_EQ(NumberText::fixed3(1234.5678), u"1234.568");
    EXPECT_EQ(NumberText::fixed(0.5), u"0.500000");
    EXPECT_EQ(NumberText::general(2.5e-7), u"2.5e-07");
    EXPECT_EQ(NumberText::leadingNumber(QStringLiteral("12.75")), 12.75);
    EXPECT_EQ(NumberText::leadingNumber(QStringLiteral("1,5")), 1.0);
}
