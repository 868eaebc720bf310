#include <gtest/gtest.h>

#include <limits>
#include <tuple>

#include "Amounts.h"
#include "Money.h"

using namespace dzwonex;

TEST(FormatAmount, GroupsDigitsWithAtMostTwoSpaces) {
    const std::pair<int32_t, const char*> table[] = {
        {0, "0"},
        {-5, "-5"},
        {999, "999"},
        {1000, "1 000"},
        {-1234, "-1 234"},
        {999999, "999 999"},
        {1000000, "1 000 000"},
        {123456789, "123 456 789"},
        {1234567890, "1234 567 890"},
        {2147483647, "2147 483 647"},
        {-999, "-999"},
        {-1000, "-1 000"},
        {-12500, "-12 500"},
    };
    for (const auto& [value, text] : table) EXPECT_EQ(FormatAmount(value), text) << value;
}

TEST(FormatAmount, SmallestValueKeepsItsSign) {
    EXPECT_EQ(FormatAmount(std::numeric_limits<int32_t>::min()), "-2147 483 648");
}

TEST(FormatAmount, EnglishGroupsEveryThreeDigitsWithCommas) {
    const std::tuple<int32_t, const char*, const char*> table[] = {
        {0, "0", "PLN 0"},
        {999, "999", "PLN 999"},
        {1000, "1,000", "PLN 1,000"},
        {-1234, "-1,234", "PLN -1,234"},
        {24867, "24,867", "PLN 24,867"},
        {1234567890, "1,234,567,890", "PLN 1,234,567,890"},
        {std::numeric_limits<int32_t>::min(), "-2,147,483,648", "PLN -2,147,483,648"},
    };
    for (const auto& [value, amount, money] : table) {
        EXPECT_EQ(FormatAmount(value, Language::English), amount) << value;
        EXPECT_EQ(FormatMoney(value, Language::English), money) << value;
    }
    EXPECT_EQ(FormatAmount(1234567890, Language::Polish), "1234 567 890");
    EXPECT_EQ(FormatMoney(-24867, Language::Polish), "-24 867 zł");
}

TEST(Rounding, TiesGoToTheEvenNeighbour) {
    EXPECT_EQ(RoundHalfEven(2.5), 2.0);
    EXPECT_EQ(RoundHalfEven(3.5), 4.0);
    EXPECT_EQ(RoundHalfEven(-2.5), -2.0);
    EXPECT_EQ(RoundHalfEven(-0.5), -0.0);
    EXPECT_EQ(RoundHalfEven(-1.5), -2.0);
    EXPECT_EQ(RoundHalfEven(10159.5), 10160.0);
    EXPECT_EQ(RoundHalfEven(4487.5), 4488.0);
    EXPECT_EQ(RoundToInt32(-0.4), 0);
    EXPECT_EQ(RoundToInt32(-3.7), -4);
    EXPECT_EQ(RoundToInt32(0.5), 0);
    EXPECT_EQ(RoundToInt32(1.5), 2);
}

TEST(Rounding, HoldsAtTheEndsOfTheRange) {
    EXPECT_EQ(RoundToInt32(1e300), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(RoundToInt32(-1e300), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(RoundToInt32(std::numeric_limits<double>::infinity()), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(RoundToInt32(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(Money(int64_t{1} << 40).Value(), Money::kMax);
    EXPECT_EQ(Money(-(int64_t{1} << 40)).Value(), Money::kMin);
    // Paying the smallest amount there is cannot wrap either.
    EXPECT_EQ((Money(0) - Money(Money::kMin)).Value(), Money::kMax);
}
