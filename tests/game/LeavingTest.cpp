// The levels the warnings and the help name are where the company's own
// day starts to lose subscribers: each row plays the rule for a season.
#include <gtest/gtest.h>

#include <algorithm>

#include "GameFixture.h"
#include "Leaving.h"

namespace dzwonex::testing {
namespace {

class Leaving : public GameTest {};

TEST_F(Leaving, TheLevelsAreWhereTheDaysLoseSubscribers) {
    struct Row {
        int32_t kind;
        double opinion, quality;
        std::array<int, kKindCount> counts;
        bool leaving;
        int32_t below;  // the level named, when leaving
    };
    const Row rows[] = {
        {skPhone, -3, 0, {500, 0, 0, 0, 0, 0}, true, 0},
        {skPhone, 3, 0, {500, 0, 0, 0, 0, 0}, false, 0},
        // ISDN on opinion − quality, one less for each 100 phone lines.
        {skIsdn, 17, 0, {0, 200, 0, 0, 0, 0}, true, 20},
        {skIsdn, 20, -3, {0, 200, 0, 0, 0, 0}, false, 0},
        {skIsdn, 10, 3, {1000, 200, 0, 0, 0, 0}, true, 10},
        {skIsdn, 10, -3, {1000, 200, 0, 0, 0, 0}, false, 0},
        // SDI and Neostrada on opinion + quality, one less for each 100 of their own lines.
        {skSdi, 1, 3, {0, 0, 20, 0, 0, 0}, true, 5},
        {skSdi, 10, -5, {0, 0, 20, 0, 0, 0}, false, 0},
        {skNeostrada, 0, 1, {0, 0, 0, 300, 0, 0}, true, 2},
        {skNeostrada, 2, 0, {0, 0, 0, 300, 0, 0}, false, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << "kind " << row.kind << " at " << row.opinion << ", " << row.quality);
        build.Counts(row.counts).Opinion(row.opinion).Quality(row.quality);
        std::array<int32_t, kKindCount> counts{};
        for (int32_t kind = 1; kind <= kKindCount; ++kind) counts[static_cast<size_t>(kind - 1)] = game->Count(kind);
        const std::vector<KindLeaving> read = KindsLeaving(row.opinion, row.quality, counts);
        const auto named =
            std::find_if(read.begin(), read.end(), [&](const KindLeaving& k) { return k.kind == row.kind; });
        ASSERT_EQ(named != read.end(), row.leaving);
        if (row.leaving) {
            EXPECT_EQ(named->below, row.below);
        }

        const int32_t before = game->Count(row.kind);
        for (int day = 0; day < 120; ++day) {
            build.ClearCases();
            switch (row.kind) {
                case skPhone:
                    build.GrowPhones();
                    break;
                case skIsdn:
                    build.GrowIsdn();
                    break;
                case skSdi:
                    build.SdiEvents();
                    break;
                default:
                    build.NeostradaEvents();
                    break;
            }
        }
        if (row.leaving) {
            EXPECT_LT(game->Count(row.kind), before);
        } else {
            EXPECT_GE(game->Count(row.kind), before);
        }
    }
}

TEST_F(Leaving, BelowTheEveryDayLevelALineLeavesEachDay) {
    build.Counts({0, 0, 40, 0, 0, 0}).Opinion(LinesLeaveEveryDayBelow(40) - 0.01).Quality(0);
    for (int day = 0; day < 10; ++day) build.SdiEvents();
    EXPECT_LE(game->Count(skSdi), 30);
}

// However many lines there are, the level named is where the kind starts to
// leave: just below it the kind is listed, just above it is not.
TEST(LeavingLevels, TheLevelNamedHoldsAtTheLargestCounts) {
    for (const int32_t count : {0, 1000, 2000000, 2147483647}) {
        SCOPED_TRACE(count);
        const auto listed = [](double opinion, const std::array<int32_t, kKindCount>& counts, int32_t kind) {
            const std::vector<KindLeaving> read = KindsLeaving(opinion, 0, counts);
            return std::any_of(read.begin(), read.end(), [&](const KindLeaving& k) { return k.kind == kind; });
        };
        const std::array<int32_t, kKindCount> isdn{count, 1, 0, 0, 0, 0};
        EXPECT_TRUE(listed(IsdnLeavesBelow(count) - 1, isdn, skIsdn));
        EXPECT_FALSE(listed(IsdnLeavesBelow(count) + 1, isdn, skIsdn));
        const std::array<int32_t, kKindCount> sdi{0, 0, std::max(count, 1), 0, 0, 0};
        EXPECT_TRUE(listed(LinesLeaveBelow(std::max(count, 1)) - 1, sdi, skSdi));
        EXPECT_FALSE(listed(LinesLeaveBelow(std::max(count, 1)) + 1, sdi, skSdi));
    }
}

TEST(LeavingLevels, NobodyLeavesAKindWithNoSubscribers) {
    EXPECT_TRUE(KindsLeaving(-100, -100, {0, 0, 0, 0, 3, 2}).empty());
}

}  // namespace
}  // namespace dzwonex::testing
