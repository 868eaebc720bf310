#include "GameFixture.h"
#include "Speed.h"

namespace dzwonex::testing {

using Speed = GameTest;

TEST(SpeedGauge, PixelsMapToTwentyPixelBands) {
    const std::pair<int, int> presses[] = {{0, 0},     {100, 5}, {19, 0},  {20, 1},  {199, 9},    {200, 10},
                                           {5000, 10}, {-1, 0},  {-19, 0}, {-20, 0}, {-100000, 0}};
    for (const auto& [x, speed] : presses) EXPECT_EQ(SpeedStepAtPixel(x, 200), speed) << x;
    // Any width: half of it is 5. A gauge with no width cannot divide by zero.
    EXPECT_EQ(SpeedStepAtPixel(75, 150), 5);
    EXPECT_EQ(SpeedStepAtPixel(10, 0), 0);
}

TEST_F(Speed, EachStepSetsItsLabelAndTimer) {
    // From 5 to 0 and back: the stopped clock runs again; steps past the
    // ends are held to them.
    const std::pair<int, int> steps[] = {{0, 0}, {5, 5}, {1, 1}, {9, 9}, {10, 10}, {11, 10}, {-3, 0}, {5, 5}};
    for (const auto& [step, speed] : steps) {
        game->SetSpeedStep(step);
        EXPECT_EQ(game->SpeedPosition(), speed) << step;
        EXPECT_EQ(view.Speed(), speed) << step;
        EXPECT_EQ(view.Text(Control::lblSpeed1), "Szybkość gry: " + std::to_string(speed)) << step;
        EXPECT_EQ(view.TimerPeriod(), speed ? (11 - speed) * 2000 : 0) << step;
    }
}

TEST_F(Speed, SameStepKeepsTheTimersCount) {
    game->SetSpeedStep(5);
    const int restarts = view.TimerRestarts();
    game->SetSpeedStep(5);
    EXPECT_EQ(view.TimerRestarts(), restarts);
    game->SetSpeedStep(6);  // 5 -> 6 restarts with 10 s
    EXPECT_EQ(view.TimerRestarts(), restarts + 1);
    EXPECT_EQ(view.TimerPeriod(), 10000);
    game->SetSpeedStep(0);  // stop
    game->SetSpeedStep(6);  // a stopped timer starts a full period
    EXPECT_EQ(view.TimerRestarts(), restarts + 2);
}

TEST(SpeedGauge, NewGameStartsAtFive) {
    RecordingView view;
    Company game(view, std::make_unique<Lcg32>(3));
    game.SetMapPictureSize(100, 100);
    game.NewGame();
    EXPECT_EQ(game.SpeedPosition(), 5);
    EXPECT_EQ(view.TimerPeriod(), 12000);
}

}  // namespace dzwonex::testing
