// The clock's one set of reasons to stand: the help, the term's report, the
// dialogs and the player's own pause, in the orders they can come; and in
// the window, every modal dialog asks with the clock standing.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include <QTest>

#include "AchievementsDialog.h"
#include "Company.h"
#include "CompanyBuilder.h"
#include "GameClock.h"
#include "RecordingView.h"
#include "Support.h"
#include "TestRandom.h"

namespace dzwonex::uitest {
namespace {

using dzwonex::testing::CompanyBuilder;

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
const Act DialogOpens = [](GameClock& c, Company&) { c.Hold(PauseReason::Dialog); };
const Act DialogCloses = [](GameClock& c, Company&) { c.Release(PauseReason::Dialog); };
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
        {"an error box over a file dialog", {{DialogOpens, 0}, {DialogOpens, 0}, {DialogCloses, 0}, {DialogCloses, 7}}},
        {"a dialog over the help", {{HelpOpens, 0}, {DialogOpens, 0}, {DialogCloses, 0}, {HelpCloses, 7}}},
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
            if (step.speed > 0) {
                EXPECT_EQ(clock.MainTimer()->interval(), (11 - step.speed) * 2000);
            }
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

// What the clock was doing while a dialog was open.
struct UnderTheDialog {
    int asked = 0;
    int speed = -1;
    bool dayTimer = true;
};

TEST(GameClockTest, EveryModalDialogAsksWithTheClockStandingAndItGoesOnAfter) {
    TestAssets assets;
    UnderTheDialog seen;
    TfrmMain* window = nullptr;
    auto look = [&] {
        ++seen.asked;
        seen.speed = window->Game().SpeedPosition();
        seen.dayTimer = window->Controller().Clock().MainTimer()->isActive();
    };
    // Every dialog is answered as if cancelled (the error box: closed).
    WindowUnderTest w(assets.Dir(), 12345, false, [&](TfrmMainOptions& o) {
        o.reportError = [&](const QString&) { look(); };
        o.askSavePath = [&](QWidget*, const QString&) { return look(), QString(); };
        o.askOpenPath = [&](QWidget*, const QString&) { return look(), QString(); };
        o.confirm = [&](QWidget*, const QString&, const QString&) { return look(), false; };
        o.askTerm = [&](QWidget*, const QString&) { return look(), std::optional<int32_t>(); };
        o.chooseKeptGame = [&](QWidget*, const std::vector<KeptChoice>&) { return look(), QString(); };
    });
    window = w.window.get();
    w.Show();
    GameController& game = w->Controller();
    struct Row {
        const char* dialog;
        std::function<void()> open;
    };
    const std::vector<Row> rows = {
        {"the new game's question", [&] { game.NewGame(); }},
        {"the save dialog", [&] { game.Keeper().SaveGameAs(); }},
        {"the open dialog", [&] { game.Keeper().LoadGameFile(); }},
        {"the kept games' list", [&] { game.Keeper().ChooseKeptGame(); }},
        {"an error box", [&] { game.Keeper().LoadGameFrom(assets.File("no such game.dzwonex")); }},
        {"the question before a group",
         [&] {
             for (int i = 0; i < 2; ++i) {
                 dzwonex::Case& c = CompanyBuilder(game.Game()).PushCase();
                 c.kind = ckRaise;
                 c.title = "Podwyżka";
             }
             CompanyBuilder(game.Game()).ShowCurrentCase();
             game.AnswerWholeGroup(Answer::No);
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.dialog);
        game.PickSpeed(7);
        seen = {};
        row.open();
        ASSERT_EQ(seen.asked, 1);
        EXPECT_EQ(seen.speed, 0);
        EXPECT_FALSE(seen.dayTimer);
        EXPECT_EQ(w->Game().SpeedPosition(), 7);
        EXPECT_TRUE(w.MainTimer->isActive());
    }

    // "Osiągnięcia…" stands beside the game as the help does, and the clock
    // with it until it closes.
    game.PickSpeed(7);
    w->ShowAchievements();
    auto* achievements = w->findChild<TAchievementsDialog*>();
    ASSERT_NE(achievements, nullptr);
    EXPECT_TRUE(achievements->isVisible());
    EXPECT_EQ(w->Game().SpeedPosition(), 0);
    EXPECT_FALSE(w.MainTimer->isActive());
    w->ShowAchievements();  // once more while open: one close lets it go
    achievements->close();
    EXPECT_EQ(w->Game().SpeedPosition(), 7);
    EXPECT_TRUE(w.MainTimer->isActive());
}

// "Zatrzymaj zegar przy nowym pytaniu": off, the clock runs on through a
// flood; on (and kept for the next start), a day that brings a case stops
// it as P would, and P goes on at the speed before.
TEST(GameClockTest, TheOptionStopsTheClockWhenADayBringsACase) {
    TestAssets assets;
    for (const bool on : {false, true}) {
        SCOPED_TRACE(on);
        {
            WindowUnderTest first(assets.Dir());
            first.Show();
            first.PageControl->SetActivePage(kPageMenu);
            auto* option = Control<QCheckBox>(first.window.get(), "chkZatrzymaj");
            EXPECT_FALSE(option->isChecked());
            if (on) QTest::mouseClick(option, Qt::LeftButton);
        }
        WindowUnderTest w(assets.Dir());
        w.Show();
        w.PageControl->SetActivePage(kPageMenu);
        EXPECT_EQ(Control<QCheckBox>(w.window.get(), "chkZatrzymaj")->isChecked(), on);
        GameController& game = w->Controller();
        game.PickSpeed(7);
        bool broughtOne = false;
        for (int day = 0; day < 60 && !broughtOne; ++day) {
            const size_t before = w->Game().Cases().size();
            game.Clock().MainTimerTimer();
            broughtOne = w->Game().Cases().size() > before;
            const bool stopped = on && broughtOne;
            ASSERT_EQ(w->Game().SpeedPosition(), stopped ? 0 : 7) << "day " << day;
            EXPECT_EQ(w.MainTimer->isActive(), !stopped);
        }
        ASSERT_TRUE(broughtOne);
        if (!on) continue;
        game.TogglePause();
        EXPECT_EQ(w->Game().SpeedPosition(), 7);
        EXPECT_TRUE(w.MainTimer->isActive());
    }
}

}  // namespace
}  // namespace dzwonex::uitest
