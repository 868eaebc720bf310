// One game, whichever front end keeps it: a game saved by the window loads
// in dzwonex-text and is saved again there, and the window reads back every
// field it wrote; and the other way round.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "Session.h"
#include "Support.h"

namespace dzwonex::uitest {
namespace {

std::string FileName(const QString& path) { return QFile::encodeName(path).toStdString(); }

class OneGameTest : public ::testing::Test {
protected:
    std::unique_ptr<text::Session> TextSession(uint32_t seed) {
        text::Options options;
        options.seed = seed;
        options.user = "Ktoś Inny";
        options.assets = assets.Dir();
        auto session = std::make_unique<text::Session>(options);
        EXPECT_FALSE(session->Start());
        return session;
    }

    static void Run(text::Session& session, const std::string& command) {
        const auto result = session.Execute(command);
        ASSERT_EQ(result.outcome, text::Session::Outcome::Done) << command << ": " << result.error;
    }

    // What makes the test worth its while: every part of the game holds
    // something a lost field would show.
    static void ExpectEveryPartUnderWay(const SavedGame& game) {
        EXPECT_TRUE(game.term.Running());
        EXPECT_GE(game.term.monthlyRatings.size(), 2u);
        ASSERT_TRUE(game.milestones.has_value());
        EXPECT_NE(*game.milestones, MilestoneProgress{});
        EXPECT_TRUE(game.seed.has_value());
        EXPECT_GT(game.history.samples.size(), 60u);
    }

    QString Path(const char* name) const { return QDir(folder.path()).filePath(QString::fromLatin1(name)); }

    TestAssets assets;
    QTemporaryDir folder;
};

TEST_F(OneGameTest, AWindowsGameGoesThroughTheTextFrontEndAndComesBackWhole) {
    SavedGame played;
    {
        WindowUnderTest w(assets.Dir(), 4242);
        // The first game serves a term; two months and more of it.
        for (int day = 0; day < 75; ++day) {
            w->Controller().Clock().MainTimerTimer();
            w->Controller().AnswerNo();
        }
        played = w->Controller().Session().Save();
        ExpectEveryPartUnderWay(played);
        ASSERT_TRUE(w->Controller().Keeper().SaveGameTo(Path("okno.dzwonex")));
    }
    auto text = TextSession(7);
    Run(*text, "load " + FileName(Path("okno.dzwonex")));
    EXPECT_TRUE(text->Played().Save() == played);
    Run(*text, "save " + FileName(Path("tekst.dzwonex")));

    WindowUnderTest again(assets.Dir(), 99);
    ASSERT_TRUE(again->Controller().Keeper().LoadGameFrom(Path("tekst.dzwonex")));
    EXPECT_TRUE(again->Controller().Session().Save() == played);
    EXPECT_TRUE(again.errors->empty());
}

TEST_F(OneGameTest, ATextGameGoesThroughTheWindowAndComesBackWhole) {
    auto text = TextSession(31337);
    Run(*text, "term 2");
    for (int day = 0; day < 75; ++day) {
        Run(*text, "day");
        Run(*text, "nie");
    }
    const SavedGame played = text->Played().Save();
    ExpectEveryPartUnderWay(played);
    Run(*text, "save " + FileName(Path("tekst.dzwonex")));
    {
        WindowUnderTest w(assets.Dir(), 5);
        ASSERT_TRUE(w->Controller().Keeper().LoadGameFrom(Path("tekst.dzwonex")));
        EXPECT_TRUE(w->Controller().Session().Save() == played);
        ASSERT_TRUE(w->Controller().Keeper().SaveGameTo(Path("okno.dzwonex")));
    }
    auto again = TextSession(8);
    Run(*again, "load " + FileName(Path("okno.dzwonex")));
    EXPECT_TRUE(again->Played().Save() == played);
}

}  // namespace
}  // namespace dzwonex::uitest
