#include "platform/NumberText.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>

TEST(NumberText, FixedAndGeneralMatchPrintfIncludingInfAndNan) {
    const auto printed = [](const char* format, double value) { // in the test main's C locale
        char buffer[1024];
        std::snprintf(buffer, sizeof buffer, format, value);
        return QString::fromLatin1(buffer);
    };
    for (double v : {0.0, -0.0, 0.0005, 1.0005, 2.675, 999.9995, 123456.0, 1e-5, 0.0001, 1e20,
                     double(0.1f), 1.0 / 3, DBL_MAX, DBL_MIN, 1e15 + 0.3, HUGE_VAL, -HUGE_VAL,
                     std::nan(""), -std::nan("")}) {
        EXPECT_EQ(NumberText::fixed(v), printed("%f", v)) << v;
        EXPECT_EQ(NumberText::fixed3(v), printed("%1.3f", v)) << v;
        EXPECT_EQ(NumberText::fixed1(v), printed("%1.1f", v)) << v;
        EXPECT_EQ(NumberText::general(v), printed("%g", v)) << v;
    }
    EXPECT_EQ(NumberText::general(1e6), u"1e+06");
    EXPECT_EQ(NumberText::fixed3(-INFINITY), u"-inf");
}

TEST(NumberText, LeadingNumberReadsOnlyADecimalPrefix) {
    const std::pair<const char*, double> cases[] = {
        {"abc", 0},           {"  12.5km", 12.5}, {".", 0},        {"1,5", 1},
        {"-.5", -0.5},        {"1e+", 1},         {"2E-2x", 0.02}, {"- 1", 0},
        {"0x1A", 0},          {"inf", 0},         {"1e-400", 0},   {"3.25.1", 3.25},
        {"-9e999", -INFINITY}};
    for (auto [text, value] : cases)
        EXPECT_EQ(NumberText::leadingNumber(QString::fromUtf8(text)), value) << text;
    EXPECT_EQ(NumberText::leadingFloat(QStringLiteral("0.1")), 0.1f);
    EXPECT_EQ(NumberText::leadingFloat(QStringLiteral("1e39")), INFINITY);
}
