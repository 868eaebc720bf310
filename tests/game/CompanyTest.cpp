#include <limits>

#include "Amounts.h"
#include "GameFixture.h"
#include "Limits.h"
#include "Texts.h"

namespace dzwonex::testing {

using CompanyState = GameTest;

TEST_F(CompanyState, CashIsHeldAtTheTop) {
    build.Cash(2147483000);
    build.AddMoney(1000);
    EXPECT_EQ(game->Cash().Value(), 2147483647);
    EXPECT_EQ(view.Text(Control::lblKasa), "2147 483 647 zł");
}

TEST_F(CompanyState, CashIsHeldAtTheBottomInsteadOfWrapping) {
    build.Cash(std::numeric_limits<int32_t>::min() + 10);
    build.AddMoney(-1000);
    EXPECT_EQ(game->Cash().Value(), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(view.Text(Control::lblKasa), "-2147 483 648 zł");
    build.AddMoney(5);
    EXPECT_EQ(game->Cash().Value(), std::numeric_limits<int32_t>::min() + 5);
}

TEST_F(CompanyState, CashMayGoNegative) {
    build.Cash(7500);
    build.AddMoney(-20000);
    EXPECT_EQ(game->Cash().Value(), -12500);
    EXPECT_EQ(view.Text(Control::lblKasa), "-12 500 zł");
}

TEST_F(CompanyState, OpinionAndQualityShowRoundedHalfToEven) {
    const std::pair<double, const char*> cases[] = {{1.5, "2"},   {0.5, "0"},  {-3.7, "-4"},     {2.5, "2"},
                                                    {-2.5, "-2"}, {-0.4, "0"}, {1234.6, "1 235"}};
    for (const auto& [value, text] : cases) {
        build.Opinion(value);
        build.AddOpinion(0);
        EXPECT_EQ(view.Text(Control::lblOpinia), text) << value;
        build.Quality(0);
        build.AddQuality(value);
        EXPECT_EQ(view.Text(Control::lblJakosc), text) << value;
        EXPECT_EQ(game->Quality(), value);
    }
}

// Past the limit a level is held, and shown, at the limit.
TEST_F(CompanyState, AnAbsurdOpinionOrQualityIsHeldAtTheLimit) {
    build.Opinion(1e12);
    build.AddOpinion(0);
    EXPECT_EQ(game->Opinion(), kLevelLimit);
    EXPECT_EQ(view.Text(Control::lblOpinia), "1 000 000");
    build.Quality(-kLevelLimit + 1);
    build.AddQuality(-5);
    EXPECT_EQ(game->Quality(), -kLevelLimit);
    EXPECT_EQ(view.Text(Control::lblJakosc), "-1 000 000");
}

TEST_F(CompanyState, AddSubscriberShowsTheNewCountBeforeReturning) {
    const long repaints = view.MapRepaints();
    build.AddSubscriber(skBooth);
    const auto booth = game->Subscribers(skBooth).back();
    EXPECT_EQ(view.Text(Control::lbl6), "1");
    EXPECT_EQ(view.MapRepaints(), repaints + 1);
    EXPECT_GE(booth->X(), 0);
    EXPECT_LT(booth->X(), 1400);
    EXPECT_GE(booth->Y(), 0);
    EXPECT_LT(booth->Y(), 1000);
}

TEST_F(CompanyState, NewPointDrawsXBeforeY) {
    Lcg32 expected(lcg->State());
    const int x = expected.Random(1400);
    const int y = expected.Random(1000);
    build.AddSubscriber(skPhone);
    const auto p = game->Subscribers(skPhone).back();
    EXPECT_EQ(p->X(), x);
    EXPECT_EQ(p->Y(), y);
}

TEST_F(CompanyState, RemovedPointStaysReadableThroughAReference) {
    build.Counts({3, 0, 0, 0, 0, 0});
    auto middle = game->Subscribers(skPhone)[1];
    auto last = game->Subscribers(skPhone)[2];
    const int x = middle->X(), y = middle->Y();
    build.RemoveSubscriberAt(skPhone, 1);
    EXPECT_EQ(game->Count(skPhone), 2);
    EXPECT_EQ(view.Text(Control::lbl1), "2");
    EXPECT_EQ(game->Subscribers(skPhone)[1], last);  // the list keeps its order
    EXPECT_EQ(middle->X(), x);
    EXPECT_EQ(middle->Y(), y);
    EXPECT_FALSE(game->IsListed(middle.get()));
}

TEST_F(CompanyState, ALeftPointIsFreedWhenNothingRefersToIt) {
    build.AddSubscriber(skSdi);
    std::weak_ptr<const MapPoint> point = game->Subscribers(skSdi).front();
    build.RemoveSubscriberAt(skSdi, 0);
    EXPECT_TRUE(point.expired());
}

TEST_F(CompanyState, CountsUseTheAmountFormat) {
    build.Counts({1049, 38, 0, 0, 2, 26});
    game->SetLanguage(Language::Polish);  // shows every label
    build.AddSubscriber(skPhone);
    EXPECT_EQ(view.Text(Control::lbl1), "1 050");
    EXPECT_EQ(view.Text(Control::lbl2), "38");
    EXPECT_EQ(view.Text(Control::lbl3), "0");
    EXPECT_EQ(view.Text(Control::lbl6), "26");
}

// Changing the language mid-game shows every label again in the new words
// at once, but draws nothing, keeps the timer running as it was, and leaves
// the letters already in the inbox as they were written.
TEST_F(CompanyState, SwitchingLanguageRewritesTheLabelsOnly) {
    game->NewGame();
    for (int day = 0; day < 40; ++day) game->NextDay();
    const CompanySnapshot before = game->Snapshot();
    const int restarts = view.TimerRestarts();
    const int period = view.TimerPeriod();

    game->SetLanguage(Language::English);
    EXPECT_EQ(view.Text(Control::lblKasa), FormatMoney(game->Cash().Value(), Language::English));
    EXPECT_EQ(view.Text(Control::lbl1), FormatAmount(game->Count(skPhone), Language::English));
    EXPECT_EQ(view.Text(Control::lblSpeed1), "Game speed: 5");
    EXPECT_EQ(view.Text(Control::lblSpeed2), "Year: 1  Month: 2  Day: 12");
    EXPECT_EQ(view.Text(Control::tabSprawy), "Cases (" + std::to_string(game->Cases().size()) + ")");
    EXPECT_EQ(view.Text(Control::lblTytul), before.cases.front().title);
    EXPECT_EQ(view.TimerRestarts(), restarts);
    EXPECT_EQ(view.TimerPeriod(), period);
    const CompanySnapshot after = game->Snapshot();
    EXPECT_EQ(after.generator, before.generator);
    ASSERT_EQ(after.cases.size(), before.cases.size());
    for (size_t i = 0; i < after.cases.size(); ++i) EXPECT_EQ(after.cases[i].body, before.cases[i].body);

    game->PressMap(5, 5);  // a booth or a disconnection: either is written in English now
    const std::string title = game->CurrentCase()->title;
    const TextCatalogue& english = Texts(Language::English);
    EXPECT_TRUE(title == english.boothTitle || title == english.disconnectTitle) << title;
    game->SetLanguage(Language::Polish);
    EXPECT_EQ(view.Text(Control::lblKasa), FormatAmount(game->Cash().Value()) + " zł");
    EXPECT_EQ(view.Text(Control::lblSpeed2), "Rok: 1  Miesiąc: 2  Dzień: 12");
}

}  // namespace dzwonex::testing

namespace dzwonex::testing {

TEST_F(CompanyState, EachActionReportsWhatItChangedAndANewGameNothing) {
    game->NewGame();
    EXPECT_EQ(view.Reports(), 0);
    EXPECT_EQ(view.DaysBooked(), 1);

    // A day: its cash change is the day's account, booked before the report.
    const Money cashBefore = game->Cash();
    game->NextDay();
    ASSERT_TRUE(view.LastReport());
    EXPECT_EQ(view.LastReport()->action, Action::Day);
    const DayAccount& day = view.BookedDay();
    EXPECT_EQ(day, game->LastDay());
    EXPECT_EQ(view.LastReport()->effects.cash, game->Cash().Value() - cashBefore.Value());

    // Tak on an SDI application: one more SDI line, nothing proposed.
    while (!game->Cases().empty()) game->AnswerOk();
    build.Opinion(0.4);  // shown as 0 before and after unless the draw moves it
    Case& c = build.AppendCase();
    c.kind = ckSdiRequest;
    build.ShowCurrentCase();
    const int32_t sdi = game->Count(skSdi);
    game->AnswerYes();
    EXPECT_EQ(view.LastReport()->action, Action::Yes);
    EXPECT_EQ(view.LastReport()->effects.counts[skSdi - 1], 1);
    EXPECT_EQ(game->Count(skSdi), sdi + 1);
    EXPECT_FALSE(view.LastReport()->proposal);

    // A press on a subscriber proposes its disconnection; on empty ground, a booth.
    const auto phone = game->Subscribers(skPhone).front();
    game->PressMap(phone->X(), phone->Y());
    EXPECT_EQ(view.LastReport()->action, Action::MapPress);
    EXPECT_EQ(view.LastReport()->effects.newCases, 1);
    ASSERT_TRUE(view.LastReport()->proposal);
    EXPECT_EQ(view.LastReport()->proposal->kind, game->HitAt(phone->X(), phone->Y()).kind);
    EXPECT_EQ(view.LastReport()->proposal->countChange, -1);
    EXPECT_EQ(view.LastReport()->proposal->opinionSign, -1);
    const long reports = view.Reports();
    game->AnswerNo();
    EXPECT_EQ(view.Reports(), reports + 1);
    EXPECT_TRUE(view.LastReport()->effects.Empty());
}

}  // namespace dzwonex::testing
