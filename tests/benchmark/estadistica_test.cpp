// The benchmark's start-up ratio: each start of the program against the
// reference's start just before it.

#include <gtest/gtest.h>

#include "estadistica.h"

namespace {

// The machine slows down halfway through the third pair, after the reference's
// start: the ratio of the medians (120 / 50 = 2.4) follows the slowdown, the
// median of the pairs' ratios does not.
TEST(Estadistica, PairByPairRatioHoldsThroughADriftPlantedMidSeries)
{
    const std::vector<double> referencia { 50, 50, 50, 100, 100 };
    const std::vector<double> programa { 60, 60, 120, 120, 120 };
    EXPECT_DOUBLE_EQ(MedianaDeRazones(programa, referencia), 1.2);
}

// An even count takes the mean of the two middle ratios (1.1 and 1.3); a pair
// with no reference time, and a program start without its pair, count for
// nothing; with no pair at all there is no ratio.
TEST(Estadistica, PairByPairRatioOfAnEvenCountAndOfPairsMissing)
{
    EXPECT_DOUBLE_EQ(MedianaDeRazones({ 10, 11, 13, 20, 99 }, { 10, 10, 10, 10, 0 }), 1.2);
    EXPECT_DOUBLE_EQ(MedianaDeRazones({ 30, 40, 50 }, { 20 }), 1.5);
    EXPECT_DOUBLE_EQ(MedianaDeRazones({}, {}), -1);
}

} // namespace
