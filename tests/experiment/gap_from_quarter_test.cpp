// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

// An outcome's gap from a quarter along a run, its band, and its scales.

#include "experiment/expected_range.h"
#include "experiment/gap_from_quarter.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quindle::testing {
namespace {

constexpr Face H = Face::Head, T = Face::Tail;

TEST(GapFromQuarter, FollowsEachCountAgainstAQuarterOfTheTrialsWithinAWideningRange)
{
    // Head/Head twice, Tail/Tail, Head/Tail, then after eight trials 3, 1, 2 and 2 against 2.
    const std::vector<Gaps> gaps =
        gapsAlong(LoggedTrials{{H, H}, {H, H}, {T, T}, {H, T}, {H, H}, {T, H}, {T, H}, {T, T}});
    ASSERT_EQ(gaps.size(), 8U);
    EXPECT_EQ(gaps[0], (Gaps{0.75, -0.25, -0.25, -0.25}));
    EXPECT_EQ(gaps[2], (Gaps{1.25, -0.75, -0.75, 0.25}));
    EXPECT_EQ(gaps[3], (Gaps{1.0, 0.0, -1.0, 0.0}));
    EXPECT_EQ(gaps[7], (Gaps{1.0, -1.0, 0.0, 0.0}));
    EXPECT_TRUE(gapsAlong({}).empty());
    EXPECT_EQ(gapRangeHalfWidth(0), 0.0); // its band's width, as drawn, in the gap view's test
}

TEST(GapAxes, TheTrialsAxisEndsAtARoundNumberFromTheTrialsAlone)
{
    EXPECT_EQ(gapTrialsAxisEnd(0), 10);
    EXPECT_EQ(gapTrialsAxisEnd(20), 20); // a short run fills the axis
    EXPECT_EQ(gapTrialsAxisEnd(21), 30);
    EXPECT_EQ(gapTrialsAxisEnd(4000), 4000); // a full run
    for (long long trials = 11; trials <= 50'000'000; trials = trials * 3 / 2 + 7) {
        const long long end = gapTrialsAxisEnd(trials);
        EXPECT_TRUE(end >= trials && end < 2 * trials) << trials; // more than half the axis
        EXPECT_EQ(end % 10, 0) << trials;                         // its tenths are whole
    }
}

TEST(GapAxes, TheGapAxisHoldsTheWidestGapAndTheBandInAtMostFiveRoundMarks)
{
    const auto band = [](long long trials) { return gapRangeHalfWidth(double(trials)); };
    EXPECT_EQ(gapAxisFor(0, band(10)), (GapAxis{3, 1}));        // the band at 10 is 2.7
    EXPECT_EQ(gapAxisFor(3.5, band(20)), (GapAxis{4, 1}));      // the gap wider than the band
    EXPECT_EQ(gapAxisFor(70.5, band(4000)), (GapAxis{80, 20})); // wider than the band's 54.8
    EXPECT_EQ(gapAxisFor(0.75, band(4000)), (GapAxis{60, 20})); // the band's 54.8
    // Whatever the run: two thirds of the height or more, five marks at most each side.
    for (long long trials = 11; trials <= 50'000'000; trials = trials * 3 / 2 + 7) {
        for (const double spread : {0.0, 1.0, 3.0}) {
            const double widest = spread * band(trials);
            const GapAxis axis = gapAxisFor(widest, band(gapTrialsAxisEnd(trials)));
            const double reach = std::max(widest, band(gapTrialsAxisEnd(trials)));
            const auto end = static_cast<double>(axis.end);
            EXPECT_TRUE(end >= reach && end <= 1.5 * reach) << trials << " " << widest;
            EXPECT_TRUE(axis.end % axis.step == 0 && axis.end / axis.step <= 5) << trials;
        }
    }
}

} // namespace
} // namespace quindle::testing
