#include "fakes.h"

#include <gtest/gtest.h>

#include <ostream>

#include <limits>

namespace quindle {
namespace {

struct AddRow
{
    const char *name;
    int a, b;
    int sum; // ignored when it overflows
    bool overflows;
    friend std::ostream &operator<<(std::ostream &out, const AddRow &row)
    {
        return out << row.name;
    }
};

class CheckedAdd : public ::testing::TestWithParam<AddRow>
{};

TEST_P(CheckedAdd, AddsWithinSixteenBitsOrRaises)
{
    const auto &row = GetParam();
    const auto a = static_cast<Int16>(row.a), b = static_cast<Int16>(row.b);
    if (row.overflows)
        EXPECT_THROW((void)checkedAdd(a, b), OverflowError);
    else
        EXPECT_EQ(checkedAdd(a, b), row.sum);
}

INSTANTIATE_TEST_SUITE_P(Rows, CheckedAdd,
                         ::testing::Values(AddRow{"small", 1000, 1, 1001, false},
                                           AddRow{"topEdge", 32766, 1, 32767, false},
                                           AddRow{"pastTop", 32767, 1, 0, true},
                                           AddRow{"bottomEdge", -32767, -1, -32768, false},
                                           AddRow{"pastBottom", -32768, -1, 0, true}),
                         testing::rowName<AddRow>);

struct RoundRow
{
    const char *name;
    double x;
    int rounded;
    bool overflows;
    friend std::ostream &operator<<(std::ostream &out, const RoundRow &row)
    {
        return out << row.name;
    }
};

class RoundToInt16 : public ::testing::TestWithParam<RoundRow>
{};

TEST_P(RoundToInt16, RoundsHalfToEven)
{
    const auto &row = GetParam();
    if (row.overflows)
        EXPECT_THROW((void)roundToInt16(row.x), OverflowError);
    else
        EXPECT_EQ(roundToInt16(row.x), row.rounded);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RoundToInt16,
    ::testing::Values(
        RoundRow{"twelveAndAHalfDown", 12.5, 12, false},
        RoundRow{"thirtySevenAndAHalfUp", 37.5, 38, false}, RoundRow{"halfToZero", 0.5, 0, false},
        RoundRow{"justAboveHalf", 0.5000001, 1, false},
        RoundRow{"negativeHalfToEven", -2.5, -2, false}, RoundRow{"oneThird", 33.333, 33, false},
        RoundRow{"hundred", 100.0, 100, false}, RoundRow{"roundsIntoRange", 32767.4, 32767, false},
        RoundRow{"roundsOutOfRange", 32767.5, 0, true},
        RoundRow{"notANumber", std::numeric_limits<double>::quiet_NaN(), 0, true}),
    testing::rowName<RoundRow>);

struct RatioRow
{
    const char *name;
    int count, total;
    const char *text;
    friend std::ostream &operator<<(std::ostream &out, const RatioRow &row)
    {
        return out << row.name;
    }
};

class RatioText : public ::testing::TestWithParam<RatioRow>
{};

TEST_P(RatioText, FormatsAsZeroPointThreeDecimals)
{
    const auto &row = GetParam();
    EXPECT_EQ(ratioText(static_cast<double>(row.count) / row.total), row.text);
}

INSTANTIATE_TEST_SUITE_P(Rows, RatioText,
                         ::testing::Values(RatioRow{"quarter", 1, 4, "0.250"},
                                           RatioRow{"third", 1, 3, "0.333"},
                                           RatioRow{"twoThirds", 2, 3, "0.667"},
                                           RatioRow{"whole", 1, 1, "1.000"},
                                           RatioRow{"none", 0, 7, "0.000"},
                                           RatioRow{"roundsUpInThirdDecimal", 1999, 4000, "0.500"},
                                           RatioRow{"smallestNonZero", 1, 4000, "0.000"}),
                         testing::rowName<RatioRow>);

TEST(Percentage, IsCountOverTotalTimesHundredRoundedHalfToEven)
{
    EXPECT_EQ(percentage(1, 8), 12);
    EXPECT_EQ(percentage(3, 8), 38);
    EXPECT_EQ(percentage(1, 3), 33);
    EXPECT_EQ(percentage(2, 3), 67);
    EXPECT_EQ(percentage(0, 5), 0);
    EXPECT_EQ(percentage(1000, 1000), 100);
}

TEST(DecimalText, HasNoLeadingBlank)
{
    EXPECT_EQ(decimalText(0), "0");
    EXPECT_EQ(decimalText(1000), "1000");
    EXPECT_EQ(decimalText(-5), "-5");
}

} // namespace
} // namespace quindle
