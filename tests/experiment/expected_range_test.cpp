#include "experiment/expected_range.h"

#include <gtest/gtest.h>

namespace quindle::testing {
namespace {

TEST(ExpectedRange, IsTwoStandardErrorsEitherSideOfAQuarter)
{
    // One standard error is sqrt(0.1875 / trials): 0.025 over 300 trials, 0.0025 over 30000.
    const struct
    {
        double ratio;
        long long trials;
        bool inside;
    } cases[] = {
        {0.25, 0, false},     {0.2001, 300, true},   {0.2999, 300, true},    {0.1999, 300, false},
        {0.3001, 300, false}, {0.2549, 30000, true}, {0.2551, 30000, false}, {1.0, 1, true},
    };
    for (const auto &c : cases)
        EXPECT_EQ(insideExpectedRange(c.ratio, c.trials), c.inside) << c.ratio << " " << c.trials;
}

TEST(ExpectedRange, AnOutcomeCountedKTimesTookAboutFourKTrials)
{
    EXPECT_EQ(expectedTrialsFor(1), 4);
    EXPECT_EQ(expectedTrialsFor(1000), 4000);
    // After 100 times, about 400 trials: 0.25 ± 0.0433.
    EXPECT_NEAR(expectedRangeHalfWidth(double(expectedTrialsFor(100))), 0.0433, 0.0001);
}

} // namespace
} // namespace quindle::testing
