#include "experiment/experiment_control.h"

#include <gtest/gtest.h>

#include <limits>

namespace quindle {
namespace {

TEST(Arithmetic, AdditionStaysInSixteenBitsOrRaises)
{
    EXPECT_EQ(checkedAdd(32766, 1), 32767);
    EXPECT_EQ(checkedAdd(-32767, -1), -32768);
    EXPECT_THROW((void)checkedAdd(32767, 1), OverflowError);
    EXPECT_THROW((void)checkedAdd(-32768, -1), OverflowError);
}

TEST(Arithmetic, RoundingGoesHalfToEvenAndRaisesOutOfRange)
{
    const std::pair<double, int> rows[] = {{12.5, 12}, {37.5, 38},  {0.5, 0},        {0.5000001, 1},
                                           {-2.5, -2}, {33.33, 33}, {32767.4, 32767}};
    for (const auto &[x, rounded] : rows)
        EXPECT_EQ(roundToInt16(x), rounded) << x;
    EXPECT_THROW((void)roundToInt16(32767.5), OverflowError);
    EXPECT_THROW((void)roundToInt16(std::numeric_limits<double>::quiet_NaN()), OverflowError);
    EXPECT_EQ(percentage(3, 8), 38);
    EXPECT_EQ(percentage(1000, 1000), 100);
}

TEST(Arithmetic, TextsHaveNoBlankAndRatiosThreeDecimals)
{
    EXPECT_EQ(decimalText(1000), "1000");
    const std::pair<double, const char *> rows[] = {
        {1.0 / 4, "0.250"}, {1.0 / 3, "0.333"},       {2.0 / 3, "0.667"},   {1.0, "1.000"},
        {0.0, "0.000"},     {1999.0 / 4000, "0.500"}, {1.0 / 4000, "0.000"}};
    for (const auto &[ratio, text] : rows)
        EXPECT_EQ(ratioText(ratio), text) << ratio;
}

} // namespace
} // namespace quindle
