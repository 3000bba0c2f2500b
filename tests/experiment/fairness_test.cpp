// The coins must be fair and independent even when the clock stands still between draws (the
// worst case: every re-seed then gives the same value). A million trials run through the real
// trial step with the real generator from a fixed initial state, so the figures are the same on
// every run.

#include "fakes.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

namespace quindle::testing {
namespace {

TEST(Fairness, OutcomesAreUniformCoinsIndependentAndDrawsUncorrelated)
{
    constexpr int kTrials = 1'000'000;
    ExperimentRecord record;
    FakeView view;
    Pcg32Source random;
    FakeClock clock;
    ExperimentControl control(record, view, random, clock, view);
    control.start();

    std::array<double, kOutcomes> tally{};
    std::vector<float> draws;
    draws.reserve(2 * kTrials);
    for (int trial = 0; trial < kTrials; ++trial) {
        std::array<Int16, kOutcomes> before{};
        for (int n = 1; n <= kOutcomes; ++n)
            before[static_cast<std::size_t>(n - 1)] = record.count(n);
        control.runTrial();
        for (int n = 1; n <= kOutcomes; ++n)
            tally[static_cast<std::size_t>(n - 1)] +=
                record.count(n) - before[static_cast<std::size_t>(n - 1)];
        for (int coin : {1, 2}) {
            ASSERT_GE(control.draw(coin), 0.0F);
            ASSERT_LT(control.draw(coin), 1.0F);
            draws.push_back(control.draw(coin));
        }
        view.log.clear();
        if (!view.trial) { // a count passed the limit: clear and carry on
            control.clearCounts();
            control.showGraph();
            control.start();
        }
    }

    double uniform = 0;
    for (double observed : tally)
        uniform += (observed - kTrials / 4.0) * (observed - kTrials / 4.0) / (kTrials / 4.0);
    EXPECT_LT(uniform, 16.27) << "chi-square, 3 df, p = 0.001";

    // Coin 1 against coin 2 as a 2 x 2 contingency table.
    const double head1 = tally[0] + tally[1], head2 = tally[0] + tally[2];
    double independence = 0;
    for (int c1 = 0; c1 < 2; ++c1) {
        for (int c2 = 0; c2 < 2; ++c2) {
            const double expected =
                (c1 == 0 ? head1 : kTrials - head1) * (c2 == 0 ? head2 : kTrials - head2) / kTrials;
            const double observed = tally[static_cast<std::size_t>(2 * c1 + c2)];
            independence += (observed - expected) * (observed - expected) / expected;
        }
    }
    EXPECT_LT(independence, 10.83) << "chi-square, 1 df, p = 0.001";

    double sum = 0, sumSquares = 0, lagged = 0;
    for (std::size_t i = 0; i + 1 < draws.size(); ++i) {
        sum += draws[i];
        sumSquares += static_cast<double>(draws[i]) * draws[i];
        lagged += static_cast<double>(draws[i]) * draws[i + 1];
    }
    const auto n = static_cast<double>(draws.size() - 1);
    const double mean = sum / n, variance = sumSquares / n - mean * mean;
    EXPECT_LT(std::abs((lagged / n - mean * mean) / variance), 0.005) << "lag-1 correlation";
}

TEST(RandomSource, ARepeatedSeedDoesNotRestartTheSequenceNorChangeIt)
{
    Pcg32Source random;
    random.reseed(100.0F);
    const float first = random.next();
    random.reseed(100.0F);
    const float second = random.next();
    EXPECT_NE(first, second);

    Pcg32Source same;
    same.reseed(100.0F);
    (void)same.next();
    EXPECT_EQ(same.next(), second) << "a repeated seed leaves the state alone";

    Pcg32Source other;
    other.reseed(101.0F);
    EXPECT_NE(other.next(), first);
}

} // namespace
} // namespace quindle::testing
