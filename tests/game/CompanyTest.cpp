#include <limits>

#include "Amounts.h"
#include "GameFixture.h"

namespace dzwonex::testing {

using Company = GameTest;

TEST_F(Company, CashIsHeldAtTheTop) {
    game->FMoney = 2147483000;
    game->AddMoney(1000);
    EXPECT_EQ(game->FMoney, 2147483647);
    EXPECT_EQ(view.Text(Control::lblKasa), "2147 483 647 zł");
}

TEST_F(Company, CashIsHeldAtTheBottomInsteadOfWrapping) {
    game->FMoney = std::numeric_limits<int32_t>::min() + 10;
    game->AddMoney(-1000);
    EXPECT_EQ(game->FMoney, std::numeric_limits<int32_t>::min());
    EXPECT_EQ(view.Text(Control::lblKasa), "-2147 483 648 zł");
    game->AddMoney(5);
    EXPECT_EQ(game->FMoney, std::numeric_limits<int32_t>::min() + 5);
}

TEST_F(Company, CashMayGoNegative) {
    game->FMoney = 7500;
    game->AddMoney(-20000);
    EXPECT_EQ(game->FMoney, -12500);
    EXPECT_EQ(view.Text(Control::lblKasa), "-12 500 zł");
}

TEST_F(Company, OpinionAndQualityShowRoundedHalfToEven) {
    const std::pair<double, const char*> cases[] = {{1.5, "2"},   {0.5, "0"},  {-3.7, "-4"},     {2.5, "2"},
                                                    {-2.5, "-2"}, {-0.4, "0"}, {1234.6, "1 235"}};
    for (const auto& [value, text] : cases) {
        game->FOpinion = value;
        game->AddOpinion(0);
        EXPECT_EQ(view.Text(Control::lblOpinia), text) << value;
        game->FQuality = 0;
        game->AddQuality(value);
        EXPECT_EQ(view.Text(Control::lblJakosc), text) << value;
        EXPECT_EQ(game->FQuality, value);
    }
}

TEST_F(Company, AnAbsurdOpinionShowsTheEndOfTheRange) {
    game->FOpinion = 1e12;
    game->AddOpinion(0);
    EXPECT_EQ(view.Text(Control::lblOpinia), "2147 483 647");
}

TEST_F(Company, AddSubscriberShowsTheNewCountBeforeReturning) {
    const long repaints = view.MapRepaints();
    auto booth = game->AddSubscriber(skBooth);
    EXPECT_EQ(view.Text(Control::lbl6), "1");
    EXPECT_EQ(view.MapRepaints(), repaints + 1);
    EXPECT_EQ(game->Subscribers(skBooth).back(), booth);
    EXPECT_GE(booth->X, 0);
    EXPECT_LT(booth->X, 1400);
    EXPECT_GE(booth->Y, 0);
    EXPECT_LT(booth->Y, 1000);
}

TEST_F(Company, NewPointDrawsXBeforeY) {
    Lcg32 expected(lcg->State());
    const int x = expected.Random(1400);
    const int y = expected.Random(1000);
    auto p = game->AddSubscriber(skPhone);
    EXPECT_EQ(p->X, x);
    EXPECT_EQ(p->Y, y);
}

TEST_F(Company, RemovedPointStaysReadableThroughAReference) {
    SetCounts({3, 0, 0, 0, 0, 0});
    auto middle = game->Subscribers(skPhone)[1];
    auto last = game->Subscribers(skPhone)[2];
    const int x = middle->X, y = middle->Y;
    game->RemoveSubscriberAt(skPhone, 1);
    EXPECT_EQ(game->Count(skPhone), 2);
    EXPECT_EQ(view.Text(Control::lbl1), "2");
    EXPECT_EQ(game->Subscribers(skPhone)[1], last);  // the list keeps its order
    EXPECT_EQ(middle->X, x);
    EXPECT_EQ(middle->Y, y);
    EXPECT_FALSE(game->IsListed(middle.get()));
}

TEST_F(Company, ALeftPointIsFreedWhenNothingRefersToIt) {
    const long before = TCos::LiveCount();
    game->AddSubscriber(skSdi);
    EXPECT_EQ(TCos::LiveCount(), before + 1);
    game->RemoveSubscriberAt(skSdi, 0);
    EXPECT_EQ(TCos::LiveCount(), before);
}

TEST_F(Company, CountsUseTheAmountFormat) {
    SetCounts({1050, 38, 0, 0, 2, 26});
    game->ShowSubscriberCounts();
    EXPECT_EQ(view.Text(Control::lbl1), "1 050");
    EXPECT_EQ(view.Text(Control::lbl2), "38");
    EXPECT_EQ(view.Text(Control::lbl3), "0");
    EXPECT_EQ(view.Text(Control::lbl6), "26");
}

}  // namespace dzwonex::testing
