// One game as every front end plays it: what a new game, a turn, a save
// and a restore do beyond the company.
#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "CompanyBuilder.h"
#include "GameSession.h"
#include "RecordingView.h"

namespace dzwonex::testing {
namespace {

// The career's store in memory: what it was given, and a milestone another
// game reached meanwhile.
struct StoreLog final : CareerStore {
    int32_t EnterTerm(const Term& term, const std::string& user, const std::string& date, uint32_t seed) override {
        entered.push_back({term.years, user, date, seed});
        return 4;
    }
    void KeepBook(MilestoneBook& book) override {
        ++kept;
        book.reached[msFiveYears] = MilestoneReached{1, "elsewhere"};
    }
    struct Entry {
        int32_t years;
        std::string user, date;
        uint32_t seed;
    };
    std::vector<Entry> entered;
    int kept = 0;
};

class GameSessionTest : public ::testing::Test {
protected:
    GameSession Started(uint32_t seed, CareerStore* store = nullptr) {
        GameSession session(
            view, seed, [] { return std::string("2026-12-08"); }, store);
        session.Game().Reset("Jan Kowalski");
        session.Game().SetMapPictureSize(1400, 1000);
        session.Game().SetBannerStripHeight(200);
        return session;
    }
    RecordingView view;
};

TEST_F(GameSessionTest, ANewGameBeginsItsTermRunsAndCourseOnItsFirstDay) {
    GameSession session = Started(77);
    session.NewGame(2);
    EXPECT_EQ(session.Seed(), 77u);
    EXPECT_EQ(session.CurrentTerm().years, 2);
    EXPECT_EQ(session.CurrentTerm().startDay, session.Game().Day());
    EXPECT_EQ(session.CompanyHistory().Size(), 1u);
    for (int day = 0; day < 40; ++day) session.NextDay();
    EXPECT_NE(session.Progress(), MilestoneProgress{});
    // The next game's seed is where the generator stood; all else starts again.
    session.Game().Reset("Jan Kowalski");
    const uint32_t state = session.Game().GeneratorState();
    session.NewGame(0);
    EXPECT_EQ(session.Seed(), state);
    EXPECT_FALSE(session.CurrentTerm().Chosen());
    EXPECT_EQ(session.CompanyHistory().Size(), 1u);
    EXPECT_EQ(session.Progress().daysWithoutDebt, 0);
}

TEST_F(GameSessionTest, ATermServedEntersTheRecordsOnceWithItsSeed) {
    StoreLog store;
    GameSession session = Started(5, &store);
    session.NewGame(1);
    GameSession::Outcome last;
    for (int day = 0; day < Term::kYearDays; ++day) last = session.NextDay();
    EXPECT_EQ(last.end, TermEnd::Completed);
    EXPECT_EQ(last.place, 4);
    ASSERT_EQ(store.entered.size(), 1u);
    EXPECT_EQ(store.entered[0].seed, 5u);
    EXPECT_EQ(store.entered[0].user, "Jan Kowalski");
    EXPECT_EQ(store.entered[0].date, "2026-12-08");
    // A million in the bank is a milestone the next day.
    CompanyBuilder(session.Game()).Cash(2000000);
    for (int day = 0; day < 30; ++day) session.NextDay();
    EXPECT_EQ(store.entered.size(), 1u);
    // Each milestone reached went to the store, and what it merged came back.
    EXPECT_GT(store.kept, 0);
    EXPECT_TRUE(session.Book().reached[msFiveYears].has_value());
}

TEST_F(GameSessionTest, ASavedGameRestoresWholeAndABrokenOneChangesNothing) {
    GameSession played = Started(11);
    played.NewGame(5);
    for (int day = 0; day < 70; ++day) {
        played.NextDay();
        played.AnswerNo();
    }
    const SavedGame saved = played.Save();

    GameSession other = Started(99);
    other.NewGame(0);
    other.Restore(saved);
    EXPECT_TRUE(other.Save() == saved);

    // A broken rule: the company refuses, and nothing of the session moves.
    GameSession kept = Started(12);
    kept.NewGame(2);
    const SavedGame before = kept.Save();
    SavedGame broken = saved;
    broken.company.day = -1;
    EXPECT_THROW(kept.Restore(broken), std::invalid_argument);
    EXPECT_TRUE(kept.Save() == before);

    // A file without a course or milestone runs: both start here.
    SavedGame bare{saved.company, SavedHistory{}};
    other.Restore(bare);
    EXPECT_EQ(other.CompanyHistory().Size(), 1u);
    EXPECT_EQ(other.Progress(), MilestoneProgress{});
    EXPECT_EQ(other.Seed(), std::nullopt);
}

}  // namespace
}  // namespace dzwonex::testing
