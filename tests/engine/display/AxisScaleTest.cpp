#include "AxisScale.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>

TEST(AxisScale, TicksAreRoundMultiplesOfOneTwoOrFiveInTheRange)
{
    const struct {
        double from, to;
        int maxCount;
        std::vector<double> ticks;
    } cases[] = {
        {0.0, 1.0, 6, {0.0, 0.2, 0.4, 0.6, 0.8, 1.0}},
        {0.0, 1.0, 5, {0.0, 0.5, 1.0}},
        {-93.1, 0.4, 6, {-80.0, -60.0, -40.0, -20.0, 0.0}},
        {0.013, 0.049, 4, {0.02, 0.03, 0.04}},
        {3.0, 3.0, 4, {3.0}},
        {1000.45, 1000.83, 4, {1000.5, 1000.6, 1000.7, 1000.8}},
        {-DBL_MAX, DBL_MAX, 3, {-1e308, 0.0, 1e308}},
    };
    for (const auto& c : cases) {
        const std::vector<double> ticks = RoundTicks(c.from, c.to, c.maxCount);
        ASSERT_EQ(ticks.size(), c.ticks.size()) << c.from << " " << c.to;
        for (size_t i = 0; i < ticks.size(); ++i)
            EXPECT_NEAR(ticks[i], c.ticks[i], 1e-9 * std::max(1.0, std::fabs(c.ticks[i]))) << c.from << " " << i;
    }
    EXPECT_THROW(RoundTicks(1.0, 0.0, 3), std::invalid_argument);
    EXPECT_THROW(RoundTicks(0.0, 1.0, 0), std::invalid_argument);
}

TEST(AxisScale, TickLabelsCarryTheDecimalsOfTheirStep)
{
    EXPECT_EQ(FormatTick(0.25, 0.05), "0.25");
    EXPECT_EQ(FormatTick(0.2, 0.2), "0.2");
    EXPECT_EQ(FormatTick(-40.0, 20.0), "-40");
    EXPECT_EQ(FormatTick(1e-17, 0.1), "0");
    EXPECT_EQ(FormatTick(3e-7, 1e-7), "3e-07");
    EXPECT_EQ(FormatTick(1000002.0, 2.0), "1000002");
    EXPECT_EQ(FormatTick(2e20, 1e20), "2e+20");
}

TEST(AxisScale, UnitsFollowTheSampleRateAndTheLargestValue)
{
    const struct {
        CAxisUnit unit;
        double factor;
        const char* name;
    } cases[] = {
        {FrequencyUnit(0.0, 0.5), 1.0, "fs"},
        {FrequencyUnit(48000.0, 0.5), 48.0, "kHz"},
        {FrequencyUnit(48000.0, 0.01), 48000.0, "Hz"},
        {FrequencyUnit(8e9, 0.25), 8.0, "GHz"},
        {FrequencyUnit(0.5, 0.5), 0.5, "Hz"},
        {TimeUnit(0.0, 100.0), 1.0, "samples"},
        {TimeUnit(48000.0, 100.0), 1000.0 / 48000.0, "ms"},
        {TimeUnit(48000.0, 30.0), 1e6 / 48000.0, "µs"},
        {TimeUnit(10.0, 100.0), 0.1, "s"},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(c.unit.dFactor, c.factor) << c.name;
        EXPECT_EQ(c.unit.strName, c.name);
    }
    EXPECT_EQ(FormatFrequency(0.25, 48000.0), "12 kHz");
    EXPECT_EQ(FormatFrequency(0.25, 0.0), "0.25 fs");
    EXPECT_EQ(FormatTime(12.0, 48000.0), "250 µs");
    EXPECT_EQ(FormatTime(12.0, 0.0), "12 samples");
}
