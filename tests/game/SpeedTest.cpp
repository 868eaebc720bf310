#include "GameFixture.h"

namespace dzwonex::testing {

using Speed = GameTest;

TEST_F(Speed, PressMapsTwentyPixelBandsToSpeeds) {
    // From 5 to 0 and back to 5: the stopped clock runs again.
    const std::pair<int, int> presses[] = {{0, 0},    {100, 5},   {19, 0}, {20, 1},  {100, 5}, {199, 9},
                                           {200, 10}, {5000, 10}, {-1, 0}, {-19, 0}, {-20, 0}, {-100000, 0}};
    for (const auto& [x, speed] : presses) {
        game->PressSpeedGauge(x);
        game->ReleaseSpeedGauge();
        EXPECT_EQ(game->SpeedPosition(), speed) << x;
        EXPECT_EQ(view.Speed(), speed) << x;
        EXPECT_EQ(view.Text(Control::lblSpeed1), "Szybkość gry: " + std::to_string(speed)) << x;
        EXPECT_EQ(view.TimerPeriod(), speed ? (11 - speed) * 2000 : 0) << x;
    }
}

TEST_F(Speed, DragFollowsThePointerPastBothEdges) {
    game->PressSpeedGauge(100);
    EXPECT_TRUE(game->SpeedDragging());
    game->DragSpeedGauge(250);
    EXPECT_EQ(game->SpeedPosition(), 10);
    EXPECT_EQ(view.TimerPeriod(), 2000);
    game->DragSpeedGauge(-300);
    EXPECT_EQ(game->SpeedPosition(), 0);
    EXPECT_EQ(view.TimerPeriod(), 0);
    game->ReleaseSpeedGauge();
    EXPECT_FALSE(game->SpeedDragging());
    // A move without a press changes nothing.
    game->DragSpeedGauge(150);
    EXPECT_EQ(game->SpeedPosition(), 0);
}

TEST_F(Speed, SameBandKeepsTheTimersCount) {
    game->PressSpeedGauge(100);
    game->ReleaseSpeedGauge();
    const int restarts = view.TimerRestarts();
    game->PressSpeedGauge(105);
    game->DragSpeedGauge(119);
    game->DragSpeedGauge(101);
    EXPECT_EQ(view.TimerRestarts(), restarts);
    game->DragSpeedGauge(120);  // 5 -> 6 restarts with 10 s
    EXPECT_EQ(view.TimerRestarts(), restarts + 1);
    EXPECT_EQ(view.TimerPeriod(), 10000);
    game->DragSpeedGauge(0);    // stop
    game->DragSpeedGauge(120);  // a stopped timer starts a full period
    EXPECT_EQ(view.TimerRestarts(), restarts + 2);
}

TEST(SpeedGauge, NewGameUsesHalfTheGaugeWidth) {
    RecordingView view(150);  // 75 * 10 / 150 = 5
    Company game(view, std::make_unique<Lcg32>(3));
    game.SetMapPictureSize(100, 100);
    game.NewGame();
    EXPECT_EQ(game.SpeedPosition(), 5);
    RecordingView narrow(0);  // a gauge with no width cannot divide by zero
    Company other(narrow, std::make_unique<Lcg32>(3));
    other.PressSpeedGauge(10);
    EXPECT_EQ(other.SpeedPosition(), 0);
}

}  // namespace dzwonex::testing
