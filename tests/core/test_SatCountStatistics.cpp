// The histograms of the counts of satellites in view and in use.
#include "common/SatCountStatistics.h"

#include <gtest/gtest.h>

using namespace trakora;

namespace {

TEST(SatCountStatistics, BinsStopAtTwelveUnlessTheyGrowWithTheLargestCount)
{
    SatCountStatistics fixed;
    fixed.AddSample(14, 40);
    fixed.AddSample(-2, 3);
    EXPECT_EQ(std::tuple(fixed.Bins(), fixed.InViewCount(12), fixed.TrackedCount(12), fixed.InViewCount(0)),
              std::tuple(13, 1, 1, 1));
    EXPECT_DOUBLE_EQ(fixed.InViewAverage(), 6.0) << "averages take the counts themselves";

    SatCountStatistics growing;
    growing.SetGrowing(true);
    for (auto [inView, used] : {std::pair(35, 26), std::pair(40, 27), std::pair(40, 70), std::pair(7, 5)})
        growing.AddSample(inView, used);
    // 70 used is more than the table holds: it lands in the last bin there is.
    EXPECT_EQ(std::tuple(growing.Bins(), growing.Bin(70), growing.InViewCount(40), growing.TrackedCount(64)),
              std::tuple(SatCountStatistics::MaxBins, 64, 2, 1));
    EXPECT_DOUBLE_EQ(growing.InViewPercent(40), 50.0);

    SatCountStatistics shrinking;
    shrinking.SetGrowing(true);
    shrinking.AddSample(20, 15);
    EXPECT_EQ(shrinking.Bins(), 21);
    shrinking.SetGrowing(false); // back to GPS talkers: what lay beyond 12 counts in bin 12
    EXPECT_EQ(std::tuple(shrinking.Bins(), shrinking.InViewCount(12), shrinking.TrackedCount(12), shrinking.Bin(20)),
              std::tuple(13, 1, 1, 12));
    shrinking.Clear();
    EXPECT_EQ(std::tuple(shrinking.Bins(), shrinking.SampleCount()), std::tuple(13, 0));
}

} // namespace
