#include "model/MeasurementSettings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

MeasurementSettings complete() {
    MeasurementSettings s;
    s.thisEnd = PointD{40.25, 60};
    s.thatEnd = PointD{240.5, 61};
    s.numberOfUnits = ""; // an emptied field is a choice, not damage
    s.scaleUnits = "km";
    s.answerUnits = "ch";
    s.areaUnits = "ha";
    s.terrainFactor = 110;
    return s;
}

TEST(MeasurementSettings, WhatAWindowCouldHaveSavedIsKeptWhole) {
    MeasurementSettings s = complete();
    EXPECT_FALSE(s.discardUnusable());
    EXPECT_TRUE(s.isComplete());
}

TEST(MeasurementSettings, AnEndThatCannotBeUsedTakesItsPartnerWithIt) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const PointD bad : {PointD{nan, 0}, PointD{0, INFINITY}, PointD{1e9, 10}}) {
        MeasurementSettings s = complete();
        s.thatEnd = bad;
        EXPECT_TRUE(s.discardUnusable());
        EXPECT_FALSE(s.thisEnd || s.thatEnd);
        EXPECT_EQ(s.scaleUnits, "km") << "the rest stays";
    }
    MeasurementSettings lone = complete();
    lone.thatEnd.reset();
    EXPECT_TRUE(lone.discardUnusable());
    EXPECT_FALSE(lone.thisEnd);
}

TEST(MeasurementSettings, TextsAndFactorsNoWindowTakesAreDropped) {
    MeasurementSettings s = complete();
    s.scaleUnits = "";
    s.answerUnits = std::string(MeasurementSettings::longestText + 1, 'm');
    s.areaUnits = "a\nb";
    s.numberOfUnits = std::string("1\0", 2);
    s.terrainFactor = -1;
    EXPECT_TRUE(s.discardUnusable());
    EXPECT_FALSE(s.scaleUnits || s.answerUnits || s.areaUnits || s.numberOfUnits ||
                 s.terrainFactor || s.isComplete());
    EXPECT_TRUE(s.thisEnd && s.thatEnd);
}

} // namespace
