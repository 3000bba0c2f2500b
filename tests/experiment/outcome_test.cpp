// SPDX-FileCopyrightText: 2026 The Quindle developers
// SPDX-License-Identifier: MIT

// An outcome's place among the four, its share and percentage, and the range tests at their
// edges.

#include "experiment/expected_range.h"
#include "experiment/outcome.h"

#include <gtest/gtest.h>

#include <optional>
#include <tuple>

namespace quindle::testing {
namespace {

TEST(Outcome, EachOutcomeHasItsOwnPlaceAndANumberThatNamesNoneIsASubscriptError)
{
    // The place in an array of four, or none for a number outside 1..4.
    const std::pair<int, std::optional<std::size_t>> cases[] = {
        {0, std::nullopt}, {1, 0}, {2, 1}, {3, 2}, {4, 3}, {5, std::nullopt}};
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
    EXPECT_EQ(ratioOf(7, 0), 0.0);
    EXPECT_EQ(ratioOf(1, 4), 0.25);
    // Whole percent, an exact half to the even neighbour.
    const std::tuple<Int16, Int16, Int16> percentages[] = {
        {1, 8, 12}, {3, 8, 38}, {5, 8, 62}, {2, 3, 67}, {4, 4, 100}};
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
    // An outcome counted k times took about 4k trials: its ratio's range is the one over those.
    EXPECT_EQ(expectedTrialsFor(1000), 4000);
}

} // namespace
} // namespace quindle::testing
