// A ratio's 95 % range; an outcome's gap from a quarter along a run, its band, and its scales.

#include "experiment/expected_range.h"
#include "experiment/gap_from_quarter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

namespace quindle::testing {
namespace {

constexpr Face H = Face::Head, T = Face::Tail;

TEST(ExpectedRange, IsTwoStandardErrorsEitherSideOfAQuarterAroundFourTrialsATime)
{
    // One standard error is sqrt(0.1875 / trials): 0.025 over 300 trials, 0.0025 over 30000.
    const std::tuple<double, long long, bool> cases[] = {
        {0.25, 0, false},     {0.2001, 300, true},   {0.2999, 300, true},    {0.1999, 300, false},
        {0.3001, 300, false}, {0.2549, 30000, true}, {0.2551, 30000, false}, {1.0, 1, true},
    };
    for (const auto &[ratio, trials, inside] : cases)
        EXPECT_EQ(insideExpectedRange(ratio, trials), inside) << ratio << " " << trials;
    // An outcome counted k times took about 4k trials; after 100 times, 0.25 ± 0.0433.
    EXPECT_EQ(expectedTrialsFor(1), 4);
    EXPECT_EQ(expectedTrialsFor(1000), 4000);
    EXPECT_NEAR(expectedRangeHalfWidth(double(expectedTrialsFor(100))), 0.0433, 0.0001);
}

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

TEST(GapScale, HoldsEveryGapAndTheBandAndFillsThePictureForShortAndLongRuns)
{
    EXPECT_EQ(gapScaleFor(0, 0), (GapScale{10, 3, 1}));           // the band at 10 is 2.7
    EXPECT_EQ(gapScaleFor(20, 3.5), (GapScale{20, 4, 1}));        // a short run fills the axis
    EXPECT_EQ(gapScaleFor(4000, 70.5), (GapScale{4000, 80, 20})); // wider than the band's 54.8
    EXPECT_EQ(gapScaleFor(51000, 150), (GapScale{60000, 250, 50}));
    // Whatever the run: more than half the axis, two thirds of the height, five marks at most.
    for (long long trials = 11; trials <= 50'000'000; trials = trials * 3 / 2 + 7) {
        for (const double spread : {0.0, 1.0, 3.0}) {
            const double widest = spread * gapRangeHalfWidth(static_cast<double>(trials));
            const GapScale scale = gapScaleFor(trials, widest);
            const double reach =
                std::max(widest, gapRangeHalfWidth(static_cast<double>(scale.trials)));
            EXPECT_TRUE(scale.trials >= trials && scale.trials < 2 * trials) << trials;
            const auto gap = static_cast<double>(scale.gap);
            EXPECT_TRUE(gap >= reach && gap <= 1.5 * reach) << trials << " " << widest;
            EXPECT_TRUE(scale.gap % scale.step == 0 && scale.gap / scale.step <= 5) << trials;
        }
    }
}

} // namespace
} // namespace quindle::testing
