// An outcome's faces and place among the four, its share and percentage, the range tests at
// their edges, and the walk along a trial log against a direct count.

#include "experiment/expected_range.h"
#include "experiment/outcome.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <random>
#include <tuple>

namespace quindle::testing {
namespace {

constexpr Face H = Face::Head, T = Face::Tail;

TEST(Outcome, TwoFacesMakeTheirOutcomeAndALoggedTrialGivesThemBack)
{
    const std::tuple<Face, Face, int> cases[] = {{H, H, 1}, {H, T, 2}, {T, H, 3}, {T, T, 4}};
    for (const auto &[coin1, coin2, outcome] : cases) {
        EXPECT_EQ(outcomeOf(coin1, coin2), outcome);
        EXPECT_EQ(faceOf(outcome, 1), coin1) << outcome;
        EXPECT_EQ(faceOf(outcome, 2), coin2) << outcome;
        const LoggedTrial trial(coin1, coin2);
        const auto &[first, second] = trial;
        EXPECT_EQ(std::pair(first, second), std::pair(coin1, coin2)) << outcome;
        EXPECT_EQ(trial.outcome(), outcome);
        EXPECT_EQ(trial, LoggedTrial(static_cast<std::uint8_t>(outcome)));
    }
}

TEST(Outcome, EachOutcomeHasItsOwnPlaceAndANumberThatNamesNoneIsASubscriptError)
{
    // The place in an array of four, or none for a number outside 1..4.
    const std::pair<int, std::optional<std::size_t>> cases[] = {
        {-1, std::nullopt}, {0, std::nullopt}, {1, 0}, {2, 1}, {3, 2}, {4, 3}, {5, std::nullopt}};
    for (const auto &[outcome, index] : cases) {
        if (index)
            EXPECT_EQ(outcomeIndex(outcome), *index) << outcome;
        else
            EXPECT_THROW((void)outcomeIndex(outcome), SubscriptError) << outcome;
    }
    Tally tally;
    EXPECT_THROW(tally.add(5), SubscriptError);
    EXPECT_EQ(tally, Tally{}) << "nothing is counted for a number that names no outcome";
}

TEST(Outcome, ARatioIsZeroForNoTrialsAndAPercentageOfNoTrialsIsAnOverflow)
{
    const std::tuple<long long, long long, double> ratios[] = {
        {0, 0, 0.0}, {7, 0, 0.0}, {1, 4, 0.25}, {3, 3, 1.0}, {0, 9, 0.0}, {250, 1000, 0.25}};
    for (const auto &[count, trials, ratio] : ratios)
        EXPECT_EQ(ratioOf(count, trials), ratio) << count << " of " << trials;
    // Whole percent, an exact half to the even neighbour.
    const std::tuple<Int16, Int16, Int16> percentages[] = {
        {1, 8, 12}, {3, 8, 38}, {5, 8, 62}, {1, 3, 33}, {2, 3, 67}, {4, 4, 100}, {0, 5, 0}};
    for (const auto &[count, total, percent] : percentages)
        EXPECT_EQ(percentage(count, total), percent) << count << " of " << total;
    EXPECT_THROW((void)percentage(0, 0), OverflowError);
    EXPECT_THROW((void)percentage(3, 0), OverflowError);
}

TEST(Outcome, ARatioAndAGapAreInsideTheirRangeUpToItsEdgeAndNeverForNoTrials)
{
    // Over 3 trials the ratio's range is 0.25 ± 0.5, over 12 it is 0.25 ± 0.25; over 12 trials
    // the gap's band is ± 3 and over 48 it is ± 6, all exact in binary.
    const double above = 1e-9;
    const std::tuple<double, long long, bool> ratios[] = {
        {0.75, 3, true}, {-0.25, 3, true},         {0.75 + above, 3, false}, {0.5, 12, true},
        {0.0, 12, true}, {0.5 + above, 12, false}, {0.0 - above, 12, false}, {0.25, 0, false}};
    for (const auto &[ratio, trials, inside] : ratios)
        EXPECT_EQ(insideExpectedRange(ratio, trials), inside) << ratio << " over " << trials;
    const std::tuple<double, long long, bool> gaps[] = {
        {3.0, 12, true},           {-3.0, 12, true}, {3.0 + above, 12, false}, {6.0, 48, true},
        {-6.0 - above, 48, false}, {0.0, 0, false},  {0.75, 1, true}};
    for (const auto &[gap, trials, inside] : gaps)
        EXPECT_EQ(insideGapBand(gap, trials), inside) << gap << " after " << trials;
}

// A log of `trials` trials of coins drawn from `seed`.
LoggedTrials randomLog(int trials, unsigned seed)
{
    std::minstd_rand random(seed);
    const auto coin = [&random] { return (random() >> 16) % 2 == 0 ? H : T; };
    LoggedTrials log;
    for (int i = 0; i < trials; ++i)
        log.emplace_back(coin(), coin());
    return log;
}

TEST(CountAlong, GivesEachTrialAndTheCountsUpToItAsADirectCountDoes)
{
    const LoggedTrials first = randomLog(40, 3), second = randomLog(61, 5);
    std::vector<std::pair<LoggedTrial, Tally>> seen;
    Tally tally;
    const auto keep = [&seen](LoggedTrial trial, const Tally &counted) {
        seen.emplace_back(trial, counted);
    };
    // Two logs counted into one tally count as the two one after the other.
    countAlong(first, tally, keep);
    countAlong(second, tally, keep);
    LoggedTrials both = first;
    both.insert(both.end(), second.begin(), second.end());
    ASSERT_EQ(seen.size(), both.size());
    EXPECT_EQ(tally, seen.back().second);
    for (const std::size_t at :
         {std::size_t{0}, std::size_t{39}, std::size_t{40}, both.size() - 1}) {
        const auto &[trial, counted] = seen[at];
        EXPECT_EQ(trial, both[at]) << at;
        EXPECT_EQ(counted.trials, static_cast<long long>(at) + 1);
        const auto upTo = both.begin() + static_cast<std::ptrdiff_t>(at) + 1;
        for (int n = 1; n <= kOutcomes; ++n)
            EXPECT_EQ(counted.count(n),
                      std::count(both.begin(), upTo, LoggedTrial(static_cast<std::uint8_t>(n))))
                << "outcome " << n << " after trial " << at + 1;
    }
}

} // namespace
} // namespace quindle::testing
