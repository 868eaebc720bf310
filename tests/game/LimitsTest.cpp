// The limits that stop a growth the rules would carry on without end: the
// cap of a kind, the cap of the inbox and the last day (the levels are held
// in CompanyTest). None may change a draw below them.
#include <limits>

#include "Amounts.h"
#include "GameFixture.h"
#include "Limits.h"

namespace dzwonex::testing {

using Limits = GameTest;

// A drift takes the same points, with the same draws, as taking one after
// another from the list as it stands would: a few from a long list, most
// of a short one (drawn places that often fall next to those taken), and
// many at once.
TEST_F(Limits, ADriftRemovesWhatOneRemovalAfterAnotherWould) {
    struct Row {
        int32_t count, removals;
    };
    const Row rows[] = {{5000, 1},    {5000, 2},    {5000, 7},    {80, 64},    {80, 65},
                        {5000, 2000}, {5000, 4999}, {5000, 5000}, {5000, 9000}};
    for (const Row& row : rows) {
        const int32_t removals = row.removals;
        SCOPED_TRACE(std::to_string(removals) + " of " + std::to_string(row.count));
        build.Counts({0, row.count, 0, 0, 0, 0});
        PointList expected = game->Subscribers(skIsdn);
        Lcg32 draws(lcg->State());
        for (int32_t i = 0; i < removals && !expected.empty(); ++i)
            expected.erase(expected.begin() + draws.Random(static_cast<int32_t>(expected.size())));
        build.DriftSubscribers(skIsdn, -removals);
        EXPECT_EQ(game->Subscribers(skIsdn), expected);
        EXPECT_EQ(lcg->State(), draws.State());
        EXPECT_EQ(view.Text(Control::lbl2), FormatAmount(static_cast<int32_t>(expected.size())));
    }
}

TEST_F(Limits, AFullKindTakesNoPointAndDrawsNothingForIt) {
    build.Counts({kMaxPointsOfKind - 1, 0, 0, 0, 0, kMaxPointsOfKind});
    // One short of the cap: one point, with its two draws, and no more.
    Lcg32 draws(lcg->State());
    draws.Random(1400);
    draws.Random(1000);
    build.DriftSubscribers(skPhone, 1000000);
    EXPECT_EQ(game->Count(skPhone), kMaxPointsOfKind);
    EXPECT_EQ(lcg->State(), draws.State());
    build.AddSubscriber(skPhone);
    build.Opinion(kLevelLimit);
    build.GrowPhones();  // draws its real only
    draws.RandomReal();
    EXPECT_EQ(game->Count(skPhone), kMaxPointsOfKind);
    EXPECT_EQ(lcg->State(), draws.State());

    // A booth accepted at the booths' cap goes up nowhere and costs nothing.
    build.Cash(5000);
    Case& booth = build.PushCase();
    booth.kind = ckBooth;
    booth.param = 10;
    booth.param2 = 10;
    game->AnswerYes();
    EXPECT_EQ(game->Count(skBooth), kMaxPointsOfKind);
    EXPECT_EQ(game->Cash().Value(), 5000);
    EXPECT_TRUE(game->Cases().empty());
    EXPECT_EQ(lcg->State(), draws.State());

    // The largest drift empties a full list at once (one removal after
    // another would shift the list for minutes).
    build.DriftSubscribers(skPhone, std::numeric_limits<int32_t>::min());
    EXPECT_EQ(game->Count(skPhone), 0);
}

TEST(FullInbox, ADayDrawsEachChanceAndAddsNothing) {
    // Every chance comes up (all draws 0), so an inbox with room would get
    // a raise, a praise letter and three proposals.
    const std::vector<int> chancesOnly = {17, 25,  200, -1, -1,  -1, -1, -1, 256, -1, -1,
                                          -1, 128, -1,  -1, 100, 64, 32, 48, 48,  48};
    for (const bool full : {true, false}) {
        SCOPED_TRACE(full ? "full" : "one short");
        ScriptedRandom* draws = new ScriptedRandom({}, 0.0);
        RecordingView view;
        Company game(view, std::unique_ptr<RandomSource>(draws));
        game.SetMapPictureSize(1400, 1000);
        CompanyBuilder build(game);
        build.Opinion(0.5).Quality(0.5);
        while (game.Cases().size() < kMaxCases - (full ? 0 : 1)) build.AppendCase();
        game.NextDay();
        std::vector<int> got;
        for (const auto& d : draws->Draws()) got.push_back(d.real ? -1 : d.n);
        if (full) {
            EXPECT_EQ(got, chancesOnly);
        } else {
            EXPECT_GT(got.size(), chancesOnly.size());
        }
        EXPECT_EQ(game.Cases().size(), kMaxCases);

        // A press on the map only sounds.
        const size_t drawn = draws->Draws().size();
        const long clicks = view.ClickSounds();
        game.PressMap(700, 500);
        EXPECT_EQ(game.Cases().size(), kMaxCases);
        EXPECT_EQ(draws->Draws().size(), drawn);
        EXPECT_EQ(view.ClickSounds(), clicks + 1);
    }
}

TEST_F(Limits, TheCalendarStopsOnItsLastDay) {
    game->NewGame();
    build.SetDay(kLastDay - 1);
    game->NextDay();
    EXPECT_EQ(game->Day(), kLastDay);
    EXPECT_EQ(view.Text(Control::lblSpeed2), "Rok: 1000000  Miesiąc: 12  Dzień: 30");
    const CompanySnapshot last = game->Snapshot();
    game->NextDay();
    EXPECT_EQ(game->Snapshot(), last);
    EXPECT_EQ(view.Text(Control::lblSpeed2), "Rok: 1000000  Miesiąc: 12  Dzień: 30");
}

}  // namespace dzwonex::testing
