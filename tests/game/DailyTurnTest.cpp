#include "GameFixture.h"

namespace dzwonex::testing {

using DailyTurn = GameTest;

TEST_F(DailyTurn, CalendarHasTwelveMonthsOfThirtyDays) {
    const std::pair<int, const char*> days[] = {
        {0, "Rok: 1  Miesiąc: 1  Dzień: 1"},   {29, "Rok: 1  Miesiąc: 1  Dzień: 30"},
        {30, "Rok: 1  Miesiąc: 2  Dzień: 1"},  {359, "Rok: 1  Miesiąc: 12  Dzień: 30"},
        {360, "Rok: 2  Miesiąc: 1  Dzień: 1"}, {3599, "Rok: 10  Miesiąc: 12  Dzień: 30"},
    };
    for (const auto& [day, text] : days) {
        build.SetDay(day);
        EXPECT_EQ(game->Day(), day);
        EXPECT_EQ(view.Text(Control::lblSpeed2), text) << day;
    }
}

struct Costs {
    std::string staff, repairs, equipment;
};

class Expenses : public GameTest {
protected:
    Costs Pay(std::array<int, 6> counts, double quality, int32_t money = 0) {
        build.Counts(counts);
        build.Quality(quality);
        build.Cash(money);
        build.PayExpenses();
        return {view.Text(Control::lblPracownicy), view.Text(Control::lblNaprawy), view.Text(Control::lblSprzet)};
    }
};

TEST_F(Expenses, WorkedExample) {
    const Costs c = Pay({1000, 33, 16, 4, 2, 24}, 0, 50000);
    EXPECT_EQ(c.staff, "8 975");
    EXPECT_EQ(c.repairs, "11 344");
    EXPECT_EQ(c.equipment, "10 160");
    EXPECT_EQ(game->Cash().Value(), 50000 - 8975 - 11344 - 10160);
    EXPECT_EQ(Pay({1000, 33, 16, 4, 2, 24}, -5).equipment, "9 660");
    EXPECT_EQ(Pay({1000, 33, 16, 4, 2, 24}, 2.5).equipment, "10 410");
    EXPECT_EQ(Pay({1000, 33, 16, 4, 2, 24}, -101).equipment, "60");
    EXPECT_EQ(Pay({1000, 33, 16, 4, 2, 24}, -102).equipment, "0");
}

TEST_F(Expenses, NoSubscribersCostOnlyTheEquipment) {
    const Costs none = Pay({0, 0, 0, 0, 0, 0}, 0);
    EXPECT_EQ(none.staff, "0");
    EXPECT_EQ(none.repairs, "0");
    EXPECT_EQ(none.equipment, "0");
    EXPECT_EQ(Pay({0, 0, 0, 0, 0, 0}, 3.25).equipment, "325");
    EXPECT_EQ(Pay({0, 0, 0, 0, 0, 0}, -3).equipment, "0");
}

TEST_F(Expenses, OnePhoneLine) {
    const Costs c = Pay({1, 0, 0, 0, 0, 0}, 0);
    EXPECT_EQ(c.staff, "260");
    EXPECT_EQ(c.repairs, "0");
    EXPECT_EQ(c.equipment, "130");
}

TEST_F(Expenses, RepairTiesRoundToEven) {
    EXPECT_EQ(Pay({8, 0, 0, 0, 0, 0}, 0).repairs, "0");    // 0.5
    EXPECT_EQ(Pay({24, 0, 0, 0, 0, 0}, 0).repairs, "4");   // 4.5
    EXPECT_EQ(Pay({40, 0, 0, 0, 0, 0}, 0).repairs, "12");  // 12.5
    EXPECT_EQ(Pay({0, 0, 0, 0, 0, 4}, 0).repairs, "4");    // S = 24 from booths
}

TEST_F(Expenses, HugeListsDoNotOverflowTheRepairSquare) {
    // S = 100 000: S * S needs more than 32 bits.
    EXPECT_EQ(Pay({100000, 0, 0, 0, 0, 0}, 0).repairs, "78 125 000");
}

TEST_F(DailyTurn, IncomeDrawsRatesInOrder) {
    build.Counts({10, 2, 1, 1, 3, 5});
    build.Cash(0);
    Lcg32 copy(lcg->State());
    const int phone = 17 + copy.Random(17);
    const int isdn = 88 + copy.Random(25);
    const int polpak = copy.Random(200);
    build.CollectIncome();
    EXPECT_EQ(game->Cash().Value(), phone * 10 + isdn * 2 + 150 + 300 + polpak + 2000 * 3);
    EXPECT_EQ(lcg->State(), copy.State());
}

TEST_F(DailyTurn, PhoneDriftWithAVeryBadOpinionEmptiesASmallList) {
    build.Counts({3, 0, 0, 0, 0, 0});
    build.Opinion(-100);  // drift between -14 and -6
    build.GrowPhones();
    EXPECT_EQ(game->Count(skPhone), 0);
    EXPECT_EQ(view.Text(Control::lbl1), "0");
}

TEST_F(DailyTurn, PhoneDriftStaysInItsRange) {
    for (int day = 0; day < 300; ++day) {
        build.Counts({500, 0, 0, 0, 0, 0});
        build.Opinion(-100);
        build.GrowPhones();
        ASSERT_GE(game->Count(skPhone), 500 - 14);
        ASSERT_LE(game->Count(skPhone), 500 - 6);
        build.Counts({500, 0, 0, 0, 0, 0});
        build.Opinion(0);
        build.GrowPhones();
        ASSERT_GE(game->Count(skPhone), 496);
        ASSERT_LE(game->Count(skPhone), 504);
    }
}

TEST_F(DailyTurn, IsdnDriftSeesThePhonesAfterTheirDrift) {
    // With 1000 phones, opinion 0 and quality 0 the ISDN drift is -3 .. 1.
    for (int day = 0; day < 200; ++day) {
        build.Counts({1000, 100, 0, 0, 0, 0});
        build.GrowIsdn();
        ASSERT_GE(game->Count(skIsdn), 97);
        ASSERT_LE(game->Count(skIsdn), 101);
    }
    // A high quality drives them away faster.
    build.Counts({0, 100, 0, 0, 0, 0});
    build.Quality(50);
    build.GrowIsdn();
    EXPECT_LE(game->Count(skIsdn), 100 - 5);
}

TEST(IsdnDrift, PhonesCountInThousandsAsAReal) {
    // n = Round(O/10 - Q/10 - 4r + c1/1000) with r = 0: 1 500 phones are 1.5,
    // not 1, and a tie goes to the even neighbour.
    const std::pair<int, int> rows[] = {{1499, 1}, {1500, 2}, {2500, 2}, {3500, 4}, {0, 0}};
    for (const auto& [phones, added] : rows) {
        RecordingView view;
        Company game(view, std::make_unique<ScriptedRandom>(std::vector<double>{}, 0.0));
        game.SetMapPictureSize(1400, 1000);
        CompanyBuilder build(game);
        build.Counts({phones, 10, 0, 0, 0, 0});
        build.GrowIsdn();
        EXPECT_EQ(game.Count(skIsdn), 10 + added) << phones;
    }
}

TEST(DailyTurnOrder, AQuietDayDrawsExactlyThisSequence) {
    // An empty company at opinion 0 and quality 0: the rates, the two
    // drifts, then the generators' fixed draws. Opinion 0 draws no letter
    // gate, quality 0 only the two unconditional proposal gates.
    const std::vector<int> expected = {17, 25, 200, -1, -1, -1, -1, -1, 256, -1, -1, -1, 128, -1, -1, 100, 64, 48, 48};
    int quietDays = 0;
    for (uint32_t seed = 1; seed < 200; ++seed) {
        Lcg32 base(seed);
        auto log = std::make_unique<LoggingRandom>(base);
        LoggingRandom* logged = log.get();
        RecordingView view;
        Company game(view, std::move(log));
        game.SetMapPictureSize(1400, 1000);
        game.NextDay();
        if (!game.Cases().empty() || game.Count(skPhone) != 0) continue;  // not a quiet day
        ++quietDays;
        std::vector<int> got;
        for (const auto& d : logged->Draws()) got.push_back(d.real ? -1 : d.n);
        ASSERT_EQ(got, expected) << "seed " << seed;
        EXPECT_EQ(game.Day(), 1);
    }
    EXPECT_GT(quietDays, 50);
}

}  // namespace dzwonex::testing
