#include <gtest/gtest.h>

#include "Platform.h"

namespace dzwonex::testing {

TEST(Platform, ClockSeedIsAMillisecondOfTheDay) { EXPECT_LT(ClockSeed(), 24u * 60 * 60 * 1000); }

}  // namespace dzwonex::testing
