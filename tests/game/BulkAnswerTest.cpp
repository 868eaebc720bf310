// A group of like cases answered at once is the same game as answering them
// one by one: the same draws, texts and state, over many seeds.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "BulkAnswer.h"
#include "Company.h"
#include "GameFixture.h"
#include "RecordingView.h"

namespace dzwonex::testing {
namespace {

// A game of its own: a new company that lets its inbox fill for `days`.
struct Played {
    Played(uint32_t seed, int32_t days) : game(view, std::make_unique<Lcg32>(seed)) {
        game.Reset("Jan Kowalski");
        game.SetMapPictureSize(1400, 1000);
        game.SetBannerStripHeight(200);
        game.NewGame();
        for (int32_t d = 0; d < days; ++d) game.NextDay();
    }
    // All that a state line is made of.
    std::vector<std::string> Line() const {
        std::vector<std::string> line;
        for (int c = 0; c < kControlCount; ++c) line.push_back(view.Text(static_cast<Control>(c)));
        for (int b = 0; b < kButtonCount; ++b) line.push_back(view.Enabled(static_cast<Button>(b)) ? "on" : "off");
        line.push_back(std::to_string(view.ButtonSounds()) + " " + std::to_string(view.Page()));
        return line;
    }

    RecordingView view;
    Company game;
};

void Give(Company& game, Answer answer) {
    if (answer == Answer::Yes) game.AnswerYes();
    if (answer == Answer::No) game.AnswerNo();
    if (answer == Answer::Ok) game.AnswerOk();
}

TEST(BulkAnswer, IsTheSameAsAnsweringTheGroupOneByOne) {
    int groups = 0, withLetters = 0;
    for (uint32_t seed = 1; seed <= 60; ++seed) {
        for (Answer answer : {Answer::Yes, Answer::No, Answer::Ok}) {
            Played bulk(seed, 40 + static_cast<int32_t>(seed % 7)), single(seed, 40 + static_cast<int32_t>(seed % 7));
            // A front case that varies with the seed; the same in both games.
            const size_t pick = seed * 7 % bulk.game.Cases().size();
            bulk.game.BringToFront(pick);
            single.game.BringToFront(pick);
            const int32_t count = GroupSize(bulk.game, answer);
            if (count == 0) continue;
            ++groups;

            // One by one, from where the group stood at the start: each case
            // is picked where it now stands (earlier ones answered, letters
            // pushed in front) and answered.
            const Case front = *single.game.CurrentCase();
            std::vector<size_t> places;
            std::vector<std::string> others;
            for (size_t i = 0; i < single.game.Cases().size(); ++i) {
                const Case& c = single.game.Cases()[i];
                if (c.kind == front.kind && c.title == front.title)
                    places.push_back(i);
                else
                    others.push_back(c.title + c.body);
            }
            ASSERT_EQ(places.size(), static_cast<size_t>(count));
            size_t letters = 0;
            for (size_t j = 0; j < places.size(); ++j) {
                const size_t before = single.game.Cases().size();
                single.game.BringToFront(places[j] - j + letters);
                Give(single.game, answer);
                letters += single.game.Cases().size() + 1 - before;
            }

            EXPECT_EQ(AnswerGroup(bulk.game, answer), count);
            EXPECT_EQ(bulk.game.Snapshot(), single.game.Snapshot()) << "seed " << seed;
            EXPECT_EQ(bulk.Line(), single.Line()) << "seed " << seed;

            // The letters wait at the front; behind them the rest of the
            // inbox, in its order, with none of the group left.
            const auto& cases = bulk.game.Cases();
            ASSERT_EQ(cases.size(), others.size() + letters);
            for (size_t i = 0; i < cases.size(); ++i) {
                if (i < letters)
                    EXPECT_EQ(cases[i].kind, ckInfo);
                else
                    EXPECT_EQ(cases[i].title + cases[i].body, others[i - letters]) << "seed " << seed;
            }
            withLetters += letters > 0;
        }
    }
    // The seeds reached groups of every answer, refusals among them.
    EXPECT_GE(groups, 100);
    EXPECT_GE(withLetters, 10);
}

class BulkAnswerGroup : public GameTest {
protected:
    void Add(int32_t kind, const char* title, int32_t param = 0) {
        Case& c = build.AppendCase();
        c.kind = kind;
        c.title = title;
        c.param = param;
    }
    std::vector<std::string> Inbox() {
        std::vector<std::string> inbox;
        for (const Case& c : game->Cases()) inbox.push_back(std::to_string(c.kind) + " " + c.title);
        return inbox;
    }
};

// "Bluzgi" is both a letter and a proposal: a group never mixes them, and
// each answer takes only what its button would.
TEST_F(BulkAnswerGroup, TakesTheFrontCasesKindAndTitleAndOnlyTheAnswerItsButtonsOffer) {
    EXPECT_EQ(GroupSize(*game, Answer::Ok), 0);
    Add(ckInfo, "Bluzgi");
    Add(ckQuality, "Bluzgi", 2);
    Add(ckInfo, "Pozdrowienia dla firmy");
    Add(ckInfo, "Bluzgi");
    Add(ckQuality, "Bluzgi", -1);
    EXPECT_EQ(GroupSize(*game, Answer::Yes), 0);
    EXPECT_EQ(AnswerGroup(*game, Answer::No), 0);
    EXPECT_EQ(game->Cases().size(), 5u);
    EXPECT_EQ(AnswerGroup(*game, Answer::Ok), 2);
    EXPECT_EQ(Inbox(), (std::vector<std::string>{"11 Bluzgi", "0 Pozdrowienia dla firmy", "11 Bluzgi"}));
    EXPECT_EQ(GroupSize(*game, Answer::Ok), 0);
    EXPECT_EQ(AnswerGroup(*game, Answer::Yes), 2);
    EXPECT_EQ(game->Quality(), 1);
    EXPECT_EQ(Inbox(), (std::vector<std::string>{"0 Pozdrowienia dla firmy"}));
    // The page shows the case left, as after any answer.
    EXPECT_EQ(view.Text(Control::lblTytul), "Pozdrowienia dla firmy");
}

}  // namespace
}  // namespace dzwonex::testing
