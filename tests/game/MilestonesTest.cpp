// The milestones: each recognised from the company, announced once across
// games, and kept as text that may come back damaged.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>

#include "GameFixture.h"
#include "Milestones.h"

namespace dzwonex::testing {
namespace {

Rating Rated(int32_t total) {
    Rating r;
    r.total = total;
    return r;
}

class MilestonesTest : public GameTest {
protected:
    // The company as it stands lives `days` days more; what was announced.
    std::vector<MilestoneId> Live(int32_t days, int32_t rating = 0) {
        std::vector<MilestoneId> all;
        for (int32_t d = 0; d < days; ++d) {
            build.SetDay(game->Day() + 1);
            for (MilestoneId id : tracker.AfterDay(*game, Rated(rating), "2026-12-07")) all.push_back(id);
        }
        return all;
    }
    bool Has(const std::vector<MilestoneId>& ids, MilestoneId id) {
        return std::find(ids.begin(), ids.end(), id) != ids.end();
    }

    MilestoneTracker tracker;
};

TEST_F(MilestonesTest, EachIsRecognisedFromTheCompany) {
    const struct {
        MilestoneId id;
        std::function<void(CompanyBuilder&)> set;
        int32_t days;       // lived with that state
        int32_t rating;     // each day
        int32_t justShort;  // days that are not yet enough (0: one day does it)
        std::vector<MilestoneId> alongWith = {};
    } rows[] = {
        {msIsdn100,
         [](CompanyBuilder& b) {
             b.Counts({0, 100, 0, 0, 0, 0});
         },
         1, 0, 0},
        {msSdi100,
         [](CompanyBuilder& b) {
             b.Counts({0, 0, 100, 0, 0, 0});
         },
         1, 0, 0},
        {msNeostrada100,
         [](CompanyBuilder& b) {
             b.Counts({0, 0, 0, 100, 0, 0});
         },
         1, 0, 0},
        {msPolpak10,
         [](CompanyBuilder& b) {
             b.Counts({0, 0, 0, 0, 10, 0});
         },
         1, 0, 0},
        {msPhones2000,
         [](CompanyBuilder& b) {
             b.Counts({2000, 0, 0, 0, 0, 0});
         },
         1, 0, 0},
        {msFullRange,
         [](CompanyBuilder& b) {
             b.Counts({50, 50, 50, 50, 50, 0});
         },
         1,
         0,
         0,
         {msPolpak10}},
        {msFirstMillion, [](CompanyBuilder& b) { b.Cash(1000000); }, 1, 0, 0},
        {msHundredMillion, [](CompanyBuilder& b) { b.Cash(100000000); }, 1, 0, 0, {msFirstMillion}},
        {msYearWithoutDebt, [](CompanyBuilder& b) { b.Cash(0); }, 360, 0, 359},
        {msSixMonthsGoodOpinion, [](CompanyBuilder& b) { b.Opinion(MilestoneTracker::kGoodOpinion); }, 180, 0, 179},
        {msTownFavourite, [](CompanyBuilder& b) { b.Opinion(50); }, 1, 0, 0},
        {msModernEquipment, [](CompanyBuilder& b) { b.Quality(20); }, 1, 0, 0},
        {msGoodCompany, [](CompanyBuilder&) {}, 1, 700, 0},
        {msModelCompany, [](CompanyBuilder&) {}, 1, 900, 0, {msGoodCompany}},
        {msFiveYears, [](CompanyBuilder& b) { b.SetDay(5 * 360 - 2); }, 2, 0, 1},
    };
    for (const auto& row : rows) {
        tracker = MilestoneTracker();
        build.SetDay(0);
        // In debt, and a case waiting: no other milestone comes by itself.
        build.Counts({0, 0, 0, 0, 0, 0}).Cash(-1).Opinion(0).Quality(0).ClearCases().AppendCase();
        row.set(build);
        if (row.justShort > 0) {
            EXPECT_FALSE(Has(Live(row.justShort, row.rating), row.id)) << row.id;
        }
        const auto reached = Live(row.days - row.justShort, row.rating);
        EXPECT_TRUE(Has(reached, row.id)) << row.id;
        // Nothing else along with it: each condition is its own.
        EXPECT_EQ(reached.size(), 1 + row.alongWith.size()) << row.id;
        for (MilestoneId also : row.alongWith) EXPECT_TRUE(Has(reached, also)) << row.id;
    }
}

TEST_F(MilestonesTest, RunsOfDaysStartAgainWhenBroken) {
    build.Cash(5);
    Live(200);
    build.Cash(-1);
    EXPECT_TRUE(Live(1).empty());
    build.Cash(5);
    EXPECT_FALSE(Has(Live(359), msYearWithoutDebt));
    EXPECT_TRUE(Has(Live(1), msYearWithoutDebt));
    EXPECT_EQ(tracker.Progress().daysWithoutDebt, 360);

    // Out of debt: only after a month in it.
    build.Cash(-1);
    Live(29);
    build.Cash(0);
    EXPECT_FALSE(Has(Live(1), msOutOfDebt));
    build.Cash(-1);
    Live(30);
    build.Cash(0);
    EXPECT_TRUE(Has(Live(1), msOutOfDebt));
}

TEST_F(MilestonesTest, TenNewBoothsCountFromTheFirstDaySeenAndAMonthInProfitFromTheDaysAccounts) {
    build.Counts({0, 0, 0, 0, 10, 24}).Cash(-1).AppendCase();
    EXPECT_EQ(Live(1), std::vector<MilestoneId>{msPolpak10});
    for (int i = 0; i < 9; ++i) build.AddSubscriber(skBooth);
    EXPECT_TRUE(Live(1).empty());
    build.AddSubscriber(skBooth);
    EXPECT_EQ(Live(1), std::vector<MilestoneId>{msTenNewBooths});

    // Ten Polpak-T lines bring more than they cost.
    std::vector<MilestoneId> reached;
    for (int d = 0; d < 30; ++d) {
        build.CollectIncome();
        build.PayExpenses();
        build.Cash(-1);
        reached = Live(1);
        if (d < 29) {
            ASSERT_TRUE(reached.empty()) << d;
        }
    }
    EXPECT_EQ(reached, std::vector<MilestoneId>{msMonthInProfit});
}

TEST_F(MilestonesTest, ACleanInboxIsTheInboxEmptiedOnAMonthsLastDay) {
    build.Cash(-1);
    build.AppendCase();
    build.SetDay(29);
    EXPECT_TRUE(tracker.AfterDay(*game, Rated(0), "d").empty());
    game->AnswerOk();
    build.SetDay(28);
    EXPECT_TRUE(tracker.AfterAnswer(*game, "d").empty());
    build.SetDay(59);
    EXPECT_EQ(tracker.AfterAnswer(*game, "d"), std::vector<MilestoneId>{msCleanInbox});
}

TEST_F(MilestonesTest, EachIsAnnouncedOnceInAllGamesAndKeptWithItsDayAndDate) {
    build.Counts({0, 100, 0, 0, 0, 0}).Cash(-1);
    build.SetDay(41);
    EXPECT_EQ(tracker.AfterDay(*game, Rated(0), "2026-12-07"), std::vector<MilestoneId>{msIsdn100});
    EXPECT_TRUE(tracker.AfterDay(*game, Rated(0), "2026-12-08").empty());
    EXPECT_EQ(tracker.Book().reached[msIsdn100], (MilestoneReached{41, "2026-12-07"}));
    EXPECT_EQ(tracker.Book().Count(), 1);

    // Another game, or the book read back in another run: not again.
    tracker.NewGame();
    EXPECT_EQ(tracker.Progress(), MilestoneProgress{});
    EXPECT_TRUE(tracker.AfterDay(*game, Rated(0), "2027-01-01").empty());
    MilestoneTracker nextRun(MilestonesFromJson(MilestonesToJson(tracker.Book())));
    EXPECT_TRUE(nextRun.AfterDay(*game, Rated(0), "2027-01-01").empty());
    EXPECT_EQ(nextRun.Book(), tracker.Book());
}

TEST(Milestones, HaveANameAndAWayInBothLanguagesAndAKeyEach) {
    std::set<std::string> keys, names[2];
    for (int i = 0; i < kMilestoneCount; ++i) {
        const auto id = static_cast<MilestoneId>(i);
        keys.insert(MilestoneKey(id));
        int l = 0;
        for (Language language : {Language::Polish, Language::English}) {
            ASSERT_NE(MilestoneName(id, language), nullptr) << i;
            ASSERT_NE(MilestoneHow(id, language), nullptr) << i;
            EXPECT_NE(std::string(MilestoneHow(id, language)), "") << i;
            names[l++].insert(MilestoneName(id, language));
        }
    }
    EXPECT_EQ(keys.size(), static_cast<size_t>(kMilestoneCount));
    EXPECT_EQ(names[0].size(), static_cast<size_t>(kMilestoneCount));
    EXPECT_EQ(names[1].size(), static_cast<size_t>(kMilestoneCount));
}

TEST(Milestones, TheBookComesBackFromItsTextAndADamagedOneIsRefusedWithTheReason) {
    MilestoneBook book;
    book.reached[msFiveYears] = MilestoneReached{1800, "2026-12-07"};
    book.reached[msIsdn100] = MilestoneReached{0, ""};
    EXPECT_EQ(MilestonesFromJson(MilestonesToJson(book)), book);
    // A key from a newer game is skipped.
    EXPECT_EQ(MilestonesFromJson(R"({"reached":{"moon-landing":{"day":1,"date":"x"}}})"), MilestoneBook{});

    const struct {
        std::string text;
        const char* reason;
    } rows[] = {
        {"", "not JSON"},
        {"{\"reached\":{", "not JSON"},
        {std::string(70000, ' '), "larger than 64 KiB"},
        {"{}", "no \"reached\""},
        {R"({"reached":[]})", "no \"reached\""},
        {R"({"reached":{"sdi-100":5}})", "\"sdi-100\" is not an object"},
        {R"({"reached":{"sdi-100":{"day":-1,"date":"x"}}})", "\"day\" is not a whole number"},
        {R"({"reached":{"sdi-100":{"day":1e40,"date":"x"}}})", "\"day\""},
        {R"({"reached":{"sdi-100":{"day":1}}})", "\"date\" is not a text"},
        {R"({"reached":{"sdi-100":{"day":1,"date":")" + std::string(65, 'x') + "\"}}}", "\"date\" is longer"},
    };
    for (const auto& r : rows) {
        try {
            MilestonesFromJson(r.text);
            ADD_FAILURE() << "taken: " << r.text.substr(0, 80);
        } catch (const MilestonesError& e) {
            EXPECT_NE(std::string(e.what()).find(r.reason), std::string::npos) << e.what();
        }
    }
}

}  // namespace
}  // namespace dzwonex::testing
