// The coins must be fair and independent, whether the clock stands still between draws (as it
// mostly does) or moves on. A million trials run through the real trial step with the real
// generator from a fixed initial state, so the figures are the same on every run.

#include "fakes.h"

#include <gtest/gtest.h>

#include <ostream>

#include <array>
#include <cmath>
#include <vector>

namespace quindle::testing {
namespace {

constexpr int kTrials = 1'000'000;

struct Tally
{
    std::array<double, kOutcomes> outcomes{};
    std::vector<float> draws;
};

Tally runTrials(Clock &clock)
{
    Module1 record;
    FakeView view;
    Pcg32Source random;
    RecordingDevice sound;
    ExperimentControl control(record, view, random, clock, sound);
    control.load();
    control.activate();
    control.command1Click();

    Tally tally;
    tally.draws.reserve(2 * kTrials);
    for (int trial = 0; trial < kTrials; ++trial) {
        std::array<Int16, kOutcomes> before{};
        for (int n = 1; n <= kOutcomes; ++n)
            before[static_cast<std::size_t>(n - 1)] = record.count(n);
        control.command2Click();
        for (int n = 1; n <= kOutcomes; ++n) {
            if (record.count(n) != before[static_cast<std::size_t>(n - 1)])
                tally.outcomes[static_cast<std::size_t>(n - 1)] += 1;
        }
        tally.draws.push_back(control.rnd1());
        tally.draws.push_back(control.rnd2());
        if (!view.flags.timer2) { // a count passed the limit: clear and carry on
            control.command5Click();
            control.command6Click();
            control.command1Click();
        }
    }
    return tally;
}

double chiSquareOfOutcomes(const Tally &t)
{
    const double expected = kTrials / 4.0;
    double chi = 0;
    for (double observed : t.outcomes)
        chi += (observed - expected) * (observed - expected) / expected;
    return chi;
}

// Coin 1 against coin 2 as a 2 x 2 contingency table.
double chiSquareOfIndependence(const Tally &t)
{
    const double hh = t.outcomes[0], ht = t.outcomes[1], th = t.outcomes[2], tt = t.outcomes[3];
    const double n = hh + ht + th + tt;
    const double head1 = hh + ht, tail1 = th + tt, head2 = hh + th, tail2 = ht + tt;
    const std::array<std::array<double, 2>, 2> observed{{{hh, ht}, {th, tt}}};
    const std::array<double, 2> rows{head1, tail1};
    const std::array<double, 2> columns{head2, tail2};
    double chi = 0;
    for (std::size_t r = 0; r < 2; ++r) {
        for (std::size_t c = 0; c < 2; ++c) {
            const double expected = rows[r] * columns[c] / n;
            chi += (observed[r][c] - expected) * (observed[r][c] - expected) / expected;
        }
    }
    return chi;
}

double lagOneCorrelation(const std::vector<float> &x)
{
    const std::size_t n = x.size() - 1;
    double meanA = 0, meanB = 0;
    for (std::size_t i = 0; i < n; ++i) {
        meanA += x[i];
        meanB += x[i + 1];
    }
    meanA /= static_cast<double>(n);
    meanB /= static_cast<double>(n);
    double cov = 0, varA = 0, varB = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const double a = x[i] - meanA, b = x[i + 1] - meanB;
        cov += a * b;
        varA += a * a;
        varB += b * b;
    }
    return cov / std::sqrt(varA * varB);
}

struct ClockCase
{
    const char *name;
    double start;
    double step; // seconds the clock moves on between two reads
    friend std::ostream &operator<<(std::ostream &out, const ClockCase &row)
    {
        return out << row.name;
    }
};

class Fairness : public ::testing::TestWithParam<ClockCase>
{};

TEST_P(Fairness, OutcomesAreUniformCoinsIndependentDrawsUncorrelated)
{
    FakeClock clock(GetParam().start, GetParam().step);
    const Tally tally = runTrials(clock);

    EXPECT_LT(chiSquareOfOutcomes(tally), 16.27) << "3 df, p = 0.001";
    EXPECT_LT(chiSquareOfIndependence(tally), 10.83) << "1 df, p = 0.001";
    EXPECT_LT(std::abs(lagOneCorrelation(tally.draws)), 0.005);
    for (float d : tally.draws) {
        ASSERT_GE(d, 0.0F);
        ASSERT_LT(d, 1.0F);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Clocks, Fairness,
    ::testing::Values(ClockCase{"frozen", 43200.0, 0.0},
                      // Half a millisecond per read, near noon: single precision resolves
                      // about 4 ms there, so the seed changes every few trials.
                      ClockCase{"steppingAtNoon", 43200.0, 0.0005},
                      // Just after midnight every read gives a new seed.
                      ClockCase{"steppingAfterMidnight", 0.001, 0.0005}),
    rowName<ClockCase>);

TEST(RandomSource, ReseedWithTheSameValueDoesNotRestartTheSequence)
{
    Pcg32Source random;
    random.reseed(100.0F);
    const float first = random.next();
    random.reseed(100.0F);
    const float second = random.next();
    EXPECT_NE(first, second);

    Pcg32Source other;
    other.reseed(100.0F);
    (void)other.next();
    EXPECT_EQ(other.next(), second) << "a repeated seed must leave the state alone";
}

TEST(RandomSource, ADifferentSeedChangesWhatComesNext)
{
    Pcg32Source a, b;
    a.reseed(1.0F);
    b.reseed(2.0F);
    EXPECT_NE(a.nextBits(), b.nextBits());
}

} // namespace
} // namespace quindle::testing
