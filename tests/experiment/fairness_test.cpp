// The coins must be fair and independent even when the clock stands still between draws (the
// worst case: every re-seed then gives the same value, which must not restart the sequence). A
// million trials run through the real trial step with the real generator from a fixed initial
// state, so the figures are the same on every run.

#include "experiment/fakes.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace quindle::testing {
namespace {

TEST(Fairness, OutcomesAreUniformAndTheCoinsIndependent)
{
    constexpr int kTrials = 1'000'000;
    ExperimentRecord record;
    FakeView view;
    Pcg32Source random;
    ScriptedCoins clock; // stands still: every re-seed gets the same value
    ExperimentControl control(record, view, random, clock, view);
    control.start();

    std::array<double, kOutcomes> tally{}; // Head/Head, Head/Tail, Tail/Head, Tail/Tail
    for (int trial = 0; trial < kTrials; ++trial) {
        const std::array<Int16, kOutcomes> before{record.count(1), record.count(2), record.count(3),
                                                  record.count(4)};
        control.runTrial();
        for (int n = 1; n <= kOutcomes; ++n)
            tally[at(n - 1)] += record.count(n) - before[at(n - 1)];
        for (int coin : {1, 2})
            ASSERT_TRUE(control.draw(coin) >= 0.0F && control.draw(coin) < 1.0F);
        view.log.clear();
        if (!view.trial) { // a count passed the limit: clear and carry on
            control.clearCounts();
            control.showGraph();
            control.start();
        }
    }
    double uniform = 0, independence = 0;
    const double head1 = (tally[0] + tally[1]) / kTrials, head2 = (tally[0] + tally[2]) / kTrials;
    for (std::size_t i = 0; i < 4; ++i) {
        uniform += std::pow(tally[i] - kTrials / 4.0, 2) / (kTrials / 4.0);
        // Coin 1 against coin 2 as a 2 x 2 contingency table.
        const double expected = kTrials * (i < 2 ? head1 : 1 - head1) * (i % 2 ? 1 - head2 : head2);
        independence += std::pow(tally[i] - expected, 2) / expected;
    }
    EXPECT_LT(uniform, 16.27) << "chi-square, 3 df, p = 0.001";
    EXPECT_LT(independence, 10.83) << "chi-square, 1 df, p = 0.001";
}

} // namespace
} // namespace quindle::testing
