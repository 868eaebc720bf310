#include "GameFixture.h"

namespace dzwonex::testing {

using CaseQueue = GameTest;

TEST_F(CaseQueue, EmptyQueueShowsNothingAndOkOnlySounds) {
    game->ShowCurrentCase();
    EXPECT_EQ(view.Text(Control::tabSprawy), "Sprawy (0)");
    EXPECT_EQ(view.Text(Control::lblTytul), "");
    EXPECT_EQ(view.Text(Control::memSprawa), "");
    EXPECT_FALSE(view.Enabled(Button::btnYes));
    EXPECT_FALSE(view.Enabled(Button::btnNo));
    EXPECT_FALSE(view.Enabled(Button::btnOK));
    game->btnOKClick();
    EXPECT_EQ(view.ButtonSounds(), 1);
    EXPECT_TRUE(game->FCases.empty());
}

TEST_F(CaseQueue, ButtonsFollowTheFrontCaseKind) {
    TSprawa& info = game->AppendCase();
    info.Title = "A";
    game->ShowCurrentCase();
    EXPECT_TRUE(view.Enabled(Button::btnOK));
    EXPECT_FALSE(view.Enabled(Button::btnYes));

    TSprawa& question = game->PushCase();
    question.Kind = ckRaise;
    question.Title = "B";
    game->ShowCurrentCase();
    EXPECT_EQ(view.Text(Control::lblTytul), "B");
    EXPECT_TRUE(view.Enabled(Button::btnYes));
    EXPECT_TRUE(view.Enabled(Button::btnNo));
    EXPECT_FALSE(view.Enabled(Button::btnOK));

    // A kind outside 0..11 shows its text but leaves the buttons alone.
    TSprawa& odd = game->PushCase();
    odd.Kind = 42;
    odd.Title = "C";
    odd.Body = "ciało";
    game->ShowCurrentCase();
    EXPECT_EQ(view.Text(Control::lblTytul), "C");
    EXPECT_EQ(view.Text(Control::memSprawa), "ciało");
    EXPECT_TRUE(view.Enabled(Button::btnYes));
    EXPECT_FALSE(view.Enabled(Button::btnOK));
    EXPECT_EQ(view.Text(Control::tabSprawy), "Sprawy (3)");

    // OK dismisses the front case whatever its kind, and the one behind returns.
    game->btnOKClick();
    EXPECT_EQ(view.Text(Control::lblTytul), "B");
    game->btnOKClick();
    EXPECT_EQ(view.Text(Control::lblTytul), "A");
    EXPECT_TRUE(view.Enabled(Button::btnOK));
    EXPECT_FALSE(view.Enabled(Button::btnNo));
    game->btnOKClick();
    EXPECT_EQ(view.Text(Control::tabSprawy), "Sprawy (0)");
    EXPECT_FALSE(view.Enabled(Button::btnOK));
    EXPECT_EQ(view.ButtonSounds(), 3);
}

TEST_F(CaseQueue, AppendingChangesOnlyTheCount) {
    TSprawa& first = game->AppendCase();
    first.Title = "Pierwsza";
    game->ShowCurrentCase();
    TSprawa& second = game->AppendCase();
    second.Kind = ckQuality;
    second.Title = "Druga";
    game->ShowCurrentCase();
    EXPECT_EQ(view.Text(Control::lblTytul), "Pierwsza");
    EXPECT_TRUE(view.Enabled(Button::btnOK));
    EXPECT_EQ(view.Text(Control::tabSprawy), "Sprawy (2)");
}

TEST_F(CaseQueue, CaptionUsesTheAmountFormat) {
    for (int i = 0; i < 1000; ++i) game->AppendCase();
    game->ShowCurrentCase();
    EXPECT_EQ(view.Text(Control::tabSprawy), "Sprawy (1 000)");
    for (int i = 0; i < 234; ++i) game->AppendCase();
    game->ShowCurrentCase();
    EXPECT_EQ(view.Text(Control::tabSprawy), "Sprawy (1 234)");
    game->btnOKClick();
    EXPECT_EQ(view.Text(Control::tabSprawy), "Sprawy (1 233)");
}

TEST_F(CaseQueue, OkDestroysTheCaseButNotItsPoint) {
    auto p = PointAt(skPhone, 10, 10);
    const long cases = TSprawa::LiveCount();
    TSprawa& c = game->PushCase();
    c.Kind = ckDisconnect;
    c.Subject = p;
    EXPECT_EQ(TSprawa::LiveCount(), cases + 1);
    game->btnOKClick();
    EXPECT_EQ(TSprawa::LiveCount(), cases);
    EXPECT_TRUE(game->IsListed(p.get()));
}

}  // namespace dzwonex::testing
