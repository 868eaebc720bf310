// The clock's one set of reasons to stand: the help, the term's report and
// the player's own pause, in the orders they can come.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "Company.h"
#include "GameClock.h"
#include "RecordingView.h"
#include "TestRandom.h"

namespace dzwonex::uitest {
namespace {

// A company whose view tells the clock its speed and timer, as the window's
// router does.
struct ClockedView : RecordingView {
    explicit ClockedView(GameClock& c) : clock(c) {}
    void SetSpeedPosition(int position) override { clock.SpeedShown(position); }
    void StartMainTimer(int periodMs) override { clock.StartMainTimer(periodMs); }
    void StopMainTimer() override { clock.StopMainTimer(); }
    GameClock& clock;
};

using Act = std::function<void(GameClock&, Company&)>;
struct Step {
    Act act;
    int speed;  // the speed after it
};
struct Case {
    const char* name;
    std::vector<Step> steps;
};

const Act HelpOpens = [](GameClock& c, Company&) { c.Hold(PauseReason::Help); };
const Act HelpCloses = [](GameClock& c, Company&) { c.Release(PauseReason::Help); };
const Act ReportShows = [](GameClock& c, Company&) { c.Hold(PauseReason::Report); };
const Act ReportRead = [](GameClock& c, Company&) { c.Release(PauseReason::Report); };
const Act ReportReplaced = [](GameClock& c, Company&) { c.Drop(PauseReason::Report); };
const Act PauseKey = [](GameClock& c, Company&) { c.TogglePause(); };
Act Picks(int step) {
    return [step](GameClock& c, Company&) { c.PickSpeed(step); };
}
// The game sets its own speed (a new company starts at 5).
const Act NewCompany = [](GameClock&, Company& g) { g.SetSpeedStep(Company::kStartSpeed); };

TEST(GameClockTest, EachReasonToStandGoesAndTheClockRunsOnAtItsSpeed) {
    const std::vector<Case> cases = {
        {"the help over a running clock", {{HelpOpens, 0}, {HelpCloses, 7}}},
        {"the help over the report", {{ReportShows, 0}, {HelpOpens, 0}, {HelpCloses, 0}, {ReportRead, 7}}},
        {"the report over the help", {{HelpOpens, 0}, {ReportShows, 0}, {ReportRead, 0}, {HelpCloses, 7}}},
        {"a clock the player stopped stays stopped", {{PauseKey, 0}, {HelpOpens, 0}, {HelpCloses, 0}}},
        {"the pause key twice", {{PauseKey, 0}, {PauseKey, 7}}},
        {"a speed picked while the help is open stands", {{HelpOpens, 0}, {Picks(3), 3}, {HelpCloses, 3}}},
        {"a 0 picked while the help is open stands", {{HelpOpens, 0}, {Picks(0), 0}, {HelpCloses, 0}}},
        {"the pause key while the help is open", {{HelpOpens, 0}, {PauseKey, 7}, {HelpCloses, 7}, {PauseKey, 0}}},
        {"a report replaced by another game", {{ReportShows, 0}, {ReportReplaced, 0}, {HelpOpens, 0}, {HelpCloses, 0}}},
        {"a new company while the report stood", {{ReportShows, 0}, {NewCompany, 5}, {HelpOpens, 0}, {HelpCloses, 5}}},
        {"a closing help that never opened", {{HelpCloses, 7}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GameClock clock;
        ClockedView view(clock);
        Company game(view, std::make_unique<Lcg32>(1));
        clock.Drive(game);
        clock.PickSpeed(7);
        int n = 0;
        for (const Step& step : c.steps) {
            SCOPED_TRACE(++n);
            step.act(clock, game);
            EXPECT_EQ(game.SpeedPosition(), step.speed);
            EXPECT_EQ(clock.MainTimer()->isActive(), step.speed > 0);
            if (step.speed > 0) EXPECT_EQ(clock.MainTimer()->interval(), (11 - step.speed) * 2000);
        }
    }
}

TEST(GameClockTest, TheTimersHandlersAskForADayAndABanner) {
    GameClock clock;
    int days = 0, banners = 0;
    QObject::connect(&clock, &GameClock::DayDue, [&] { ++days; });
    QObject::connect(&clock, &GameClock::BannerDue, [&] { ++banners; });
    // The banner turns every minute whatever the speed.
    EXPECT_TRUE(clock.BannerTimer()->isActive());
    EXPECT_EQ(clock.BannerTimer()->interval(), GameClock::kBannerPeriodMs);
    ASSERT_TRUE(QMetaObject::invokeMethod(clock.MainTimer(), "timeout"));
    ASSERT_TRUE(QMetaObject::invokeMethod(clock.BannerTimer(), "timeout"));
    EXPECT_EQ(days, 1);
    EXPECT_EQ(banners, 1);
    clock.Stop();
    EXPECT_FALSE(clock.BannerTimer()->isActive());
}

}  // namespace
}  // namespace dzwonex::uitest
