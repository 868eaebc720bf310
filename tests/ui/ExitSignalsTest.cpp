// The signals that end the game: a hang-up the game was started to ignore
// (nohup) stays ignored, and SIGTERM still closes it.
#include <gtest/gtest.h>

#include <csignal>
#include <vector>

#include <QCoreApplication>

#include "ExitSignals.h"

namespace dzwonex::uitest {
namespace {

TEST(ExitSignalsTest, AHangUpIgnoredAtTheStartStaysIgnored) {
    struct sigaction ignore {
    }, earlier{}, after{};
    ignore.sa_handler = SIG_IGN;
    ASSERT_EQ(::sigaction(SIGHUP, &ignore, &earlier), 0);
    std::vector<int> received;
    {
        ExitSignals exitSignals;
        ASSERT_TRUE(exitSignals.Installed());
        QObject::connect(&exitSignals, &ExitSignals::Received, [&](int signal) { received.push_back(signal); });
        ASSERT_EQ(::raise(SIGHUP), 0);
        ASSERT_EQ(::raise(SIGTERM), 0);
        // One signal is read at each turn of the loop.
        for (int turn = 0; turn < 100 && received.empty(); ++turn) QCoreApplication::processEvents();
    }
    ASSERT_EQ(::sigaction(SIGHUP, &earlier, &after), 0);
    EXPECT_EQ(received, std::vector<int>{SIGTERM});
    EXPECT_EQ(after.sa_handler, SIG_IGN);
}

}  // namespace
}  // namespace dzwonex::uitest
