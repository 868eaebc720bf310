#include <gtest/gtest.h>

#include "Random.h"

using dzwonex::Lcg32;

// Expected values worked out from state := state * 134775813 + 1 (mod 2^32)
// and Random(n) = (state * n) >> 32, outside this code.
TEST(Lcg32, FollowsTheRecurrenceFromSeedZero) {
    Lcg32 rng(0);
    EXPECT_EQ(rng.Random(100), 0);
    EXPECT_EQ(rng.State(), 1u);
    EXPECT_EQ(rng.Random(100), 3);
    EXPECT_EQ(rng.State(), 134775814u);
    EXPECT_EQ(rng.Random(100), 86);
    EXPECT_EQ(rng.State(), 3698175007u);
}

TEST(Lcg32, DrawsAndRealsFromSeed42) {
    Lcg32 rng(42);
    EXPECT_EQ(rng.Random(17), 5);
    EXPECT_EQ(rng.Random(25), 21);
    EXPECT_EQ(rng.Random(200), 41);
    EXPECT_DOUBLE_EQ(rng.RandomReal(), 673767206.0 / 4294967296.0);
    EXPECT_EQ(rng.State(), 673767206u);
}

TEST(Lcg32, WrapsAroundAtTheTopOfTheRange) {
    Lcg32 rng(4294967295u);
    EXPECT_EQ(rng.Random(10), 9);
    EXPECT_EQ(rng.State(), 4160191484u);
    EXPECT_EQ(rng.Random(10), 2);
    EXPECT_EQ(rng.State(), 866343917u);
}

TEST(Lcg32, LargeRangeUsesTheHighWord) {
    Lcg32 rng(123456789);
    EXPECT_EQ(rng.Random(5001), 2719);
    EXPECT_EQ(rng.Random(5), 1);
    EXPECT_EQ(rng.Random(1000), 390);
}

TEST(Lcg32, EmptyRangeStillAdvancesAndYieldsZero) {
    Lcg32 rng(0);
    EXPECT_EQ(rng.Random(0), 0);
    EXPECT_EQ(rng.State(), 1u);
    EXPECT_EQ(rng.Random(-5), 0);
    EXPECT_EQ(rng.State(), 134775814u);
}

TEST(Lcg32, RealsStayBelowOne) {
    Lcg32 rng(0xFFFFFFFFu);
    for (int i = 0; i < 100000; ++i) {
        const double r = rng.RandomReal();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
    }
}
