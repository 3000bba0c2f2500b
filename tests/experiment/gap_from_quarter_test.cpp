// An outcome's gap from a quarter, count − trials / 4, along a run's trial log, and the band in
// which chance keeps it about 95 % of the time, which widens as the trials grow.

#include "experiment/expected_range.h"
#include "experiment/gap_from_quarter.h"
#include "experiment/random_source.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

namespace quindle::testing {
namespace {

constexpr Face H = Face::Head, T = Face::Tail;

TEST(GapFromQuarter, FollowsEachCountAgainstAQuarterOfTheTrialsSoFar)
{
    // Head/Head, Head/Head, Tail/Tail, Head/Tail, Head/Head, Tail/Head, Tail/Head, Tail/Tail.
    const std::vector<std::array<Face, 2>> log{{H, H}, {H, H}, {T, T}, {H, T},
                                               {H, H}, {T, H}, {T, H}, {T, T}};
    const std::vector<Gaps> gaps = gapsAlong(log);
    ASSERT_EQ(gaps.size(), log.size());
    const struct
    {
        const char *what;
        std::size_t trials;
        Gaps expected; // Head/Head, Head/Tail, Tail/Head, Tail/Tail
    } rows[] = {
        {"one Head/Head: 1 - 1/4 above, the others a quarter below",
         1,
         {0.75, -0.25, -0.25, -0.25}},
        {"two Head/Head in two", 2, {1.5, -0.5, -0.5, -0.5}},
        {"a Tail/Tail in the third", 3, {1.25, -0.75, -0.75, 0.25}},
        {"four trials, a quarter is one", 4, {1.0, 0.0, -1.0, 0.0}},
        {"after eight, 3, 1, 2 and 2 against 2", 8, {1.0, -1.0, 0.0, 0.0}},
    };
    for (const auto &row : rows)
        for (std::size_t n = 0; n < kOutcomes; ++n)
            EXPECT_EQ(gaps[row.trials - 1][n], row.expected[n])
                << row.what << ", outcome " << n + 1;
    EXPECT_TRUE(gapsAlong({}).empty());
    EXPECT_EQ(gapFromQuarter(600, 2318), 20.5);
    EXPECT_EQ(gapFromQuarter(0, 13), -3.25);
}

TEST(GapFromQuarter, TheFourGapsAlwaysAddUpToNothing)
{
    // The four counts add up to the trials, so the four gaps add up to 0 after every trial of
    // a full run; a gap measured against any other total leaves a remainder.
    Pcg32Source random(2026);
    std::vector<std::array<Face, 2>> log;
    for (int trial = 0; trial < kMaxShownTrials; ++trial)
        log.push_back({random.next() < 0.5F ? H : T, random.next() < 0.5F ? H : T});
    const std::vector<Gaps> gaps = gapsAlong(log);
    ASSERT_EQ(gaps.size(), log.size());
    double widest = 0;
    for (std::size_t trial = 0; trial < gaps.size(); ++trial) {
        ASSERT_EQ(std::accumulate(gaps[trial].begin(), gaps[trial].end(), 0.0), 0.0) << trial + 1;
        for (double gap : gaps[trial])
            widest = std::max(widest, std::abs(gap));
    }
    EXPECT_GT(widest, 5.0); // the counts did not even out
}

// The chance that a count of outcomes with probability 1/4 over n trials lies within
// n/4 ± half, from the binomial distribution itself.
double chanceWithin(int n, double half)
{
    double chance = 0;
    for (int k = 0; k <= n; ++k) {
        if (std::abs(k - n / 4.0) > half)
            continue;
        chance += std::exp(std::lgamma(n + 1.0) - std::lgamma(k + 1.0) - std::lgamma(n - k + 1.0) +
                           k * std::log(0.25) + (n - k) * std::log(0.75));
    }
    return chance;
}

TEST(GapRange, IsTwoStandardDeviationsOfTheCountAndWidensWithTheTrials)
{
    EXPECT_EQ(gapRangeHalfWidth(0), 0.0);
    EXPECT_NEAR(gapRangeHalfWidth(16), 2 * std::sqrt(3.0), 1e-12); // 2 × √(3 × 16 / 16)
    EXPECT_NEAR(gapRangeHalfWidth(400), 17.3205, 0.0001);
    EXPECT_NEAR(gapRangeHalfWidth(4000), 54.7723, 0.0001);
    EXPECT_NEAR(gapRangeHalfWidth(100000), 273.8613, 0.0001);
    // The ratio's range counted in trials: the same band, which narrows in ratio.
    for (const double n : {4.0, 100.0, 4000.0})
        EXPECT_NEAR(gapRangeHalfWidth(n), n * expectedRangeHalfWidth(n), 1e-9) << n;
    // Widening: four times the trials, twice the width.
    double before = 0;
    for (int n = 1; n <= 4096; n *= 4) {
        const double half = gapRangeHalfWidth(n);
        EXPECT_GT(half, before) << n;
        if (before > 0) {
            EXPECT_NEAR(half / before, 2.0, 1e-12) << n;
        }
        before = half;
    }
    // About 95 % of counts lie inside it, by the binomial distribution.
    for (const int n : {400, 1000, 4000}) {
        const double chance = chanceWithin(n, gapRangeHalfWidth(n));
        EXPECT_GT(chance, 0.94) << n;
        EXPECT_LT(chance, 0.965) << n;
    }
}

TEST(GapScale, FitsEveryGapAndTheBandAndFillsThePictureForShortAndLongRuns)
{
    const struct
    {
        const char *what;
        long long trials;
        double widest;
        GapScale expected; // trials, gap, step
    } rows[] = {
        {"no trials: ten across, the band at ten", 0, 0, {10, 3, 1}},
        {"twenty trials fill the axis", 20, 3.5, {20, 4, 1}},
        {"a gap wider than the band", 30, 9.25, {30, 10, 2}},
        {"a full run whose gaps stay in the band: 54.8 at 4000",
         kMaxShownTrials,
         40,
         {4000, 60, 20}},
        {"a full run that strays further", kMaxShownTrials, 70.5, {4000, 80, 20}},
        {"a class of a hundred thousand trials", 100000, 400, {100000, 400, 100}},
        {"a class of 51,000 trials", 51000, 150, {60000, 250, 50}},
        {"a class of 35.5 million", 35'500'000, 2000, {40'000'000, 6000, 2000}},
    };
    for (const auto &row : rows)
        EXPECT_EQ(gapScaleFor(row.trials, row.widest), row.expected) << row.what;

    // Whatever the run: the trials fill more than half the axis, and the widest gap or the band
    // at the axis's end two thirds of its height, in at most five marks each side.
    for (long long trials = 11; trials <= 50'000'000; trials = trials * 3 / 2 + 7) {
        for (const double spread : {0.0, 0.5, 1.0, 1.7, 3.0}) {
            const double widest = spread * gapRangeHalfWidth(static_cast<double>(trials));
            const GapScale scale = gapScaleFor(trials, widest);
            const double reach =
                std::max(widest, gapRangeHalfWidth(static_cast<double>(scale.trials)));
            EXPECT_GE(scale.trials, trials);
            EXPECT_LT(scale.trials, 2 * trials) << trials;
            EXPECT_GE(static_cast<double>(scale.gap), reach) << trials << " " << widest;
            EXPECT_LE(static_cast<double>(scale.gap), 1.5 * reach) << trials << " " << widest;
            EXPECT_EQ(scale.gap % scale.step, 0);
            EXPECT_LE(scale.gap / scale.step, 5);
            EXPECT_EQ(scale.trials % 10, 0); // a round number at every tenth
        }
    }
}

} // namespace
} // namespace quindle::testing
