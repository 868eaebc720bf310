#include "GameFixture.h"

namespace dzwonex::testing {

using CaseQueue = GameTest;

TEST_F(CaseQueue, EmptyQueueShowsNothingAndOkOnlySounds) {
    build.ShowCurrentCase();
    EXPECT_EQ(view.Text(Control::tabSprawy), "Sprawy (0)");
    EXPECT_EQ(view.Text(Control::lblTytul), "");
    EXPECT_EQ(view.Text(Control::memSprawa), "");
    EXPECT_FALSE(view.Enabled(Button::btnYes));
    EXPECT_FALSE(view.Enabled(Button::btnNo));
    EXPECT_FALSE(view.Enabled(Button::btnOK));
    game->AnswerOk();
    EXPECT_EQ(view.ButtonSounds(), 1);
    EXPECT_TRUE(game->Cases().empty());
}

TEST_F(CaseQueue, ButtonsFollowTheFrontCaseKind) {
    Case& info = build.AppendCase();
    info.title = "A";
    build.ShowCurrentCase();
    EXPECT_TRUE(view.Enabled(Button::btnOK));
    EXPECT_FALSE(view.Enabled(Button::btnYes));

    Case& question = build.PushCase();
    question.kind = ckRaise;
    question.title = "B";
    build.ShowCurrentCase();
    EXPECT_EQ(view.Text(Control::lblTytul), "B");
    EXPECT_TRUE(view.Enabled(Button::btnYes));
    EXPECT_TRUE(view.Enabled(Button::btnNo));
    EXPECT_FALSE(view.Enabled(Button::btnOK));

    // A kind outside 0..11 shows its text but leaves the buttons alone.
    Case& odd = build.PushCase();
    odd.kind = 42;
    odd.title = "C";
    odd.body = "ciało";
    build.ShowCurrentCase();
    EXPECT_EQ(view.Text(Control::lblTytul), "C");
    EXPECT_EQ(view.Text(Control::memSprawa), "ciało");
    EXPECT_TRUE(view.Enabled(Button::btnYes));
    EXPECT_FALSE(view.Enabled(Button::btnOK));
    EXPECT_EQ(view.Text(Control::tabSprawy), "Sprawy (3)");

    // OK dismisses the front case whatever its kind, and the one behind returns.
    game->AnswerOk();
    EXPECT_EQ(view.Text(Control::lblTytul), "B");
    game->AnswerOk();
    EXPECT_EQ(view.Text(Control::lblTytul), "A");
    EXPECT_TRUE(view.Enabled(Button::btnOK));
    EXPECT_FALSE(view.Enabled(Button::btnNo));
    game->AnswerOk();
    EXPECT_EQ(view.Text(Control::tabSprawy), "Sprawy (0)");
    EXPECT_FALSE(view.Enabled(Button::btnOK));
    EXPECT_EQ(view.ButtonSounds(), 3);
}

TEST_F(CaseQueue, AppendingChangesOnlyTheCount) {
    Case& first = build.AppendCase();
    first.title = "Pierwsza";
    build.ShowCurrentCase();
    Case& second = build.AppendCase();
    second.kind = ckQuality;
    second.title = "Druga";
    build.ShowCurrentCase();
    EXPECT_EQ(view.Text(Control::lblTytul), "Pierwsza");
    EXPECT_TRUE(view.Enabled(Button::btnOK));
    EXPECT_EQ(view.Text(Control::tabSprawy), "Sprawy (2)");
    // Once the message is gone the proposal behind it asks its question.
    game->AnswerOk();
    EXPECT_EQ(view.Text(Control::lblTytul), "Druga");
    EXPECT_TRUE(view.Enabled(Button::btnYes));
    EXPECT_TRUE(view.Enabled(Button::btnNo));
    EXPECT_FALSE(view.Enabled(Button::btnOK));
}

TEST_F(CaseQueue, CaptionUsesTheAmountFormat) {
    for (int i = 0; i < 1000; ++i) build.AppendCase();
    build.ShowCurrentCase();
    EXPECT_EQ(view.Text(Control::tabSprawy), "Sprawy (1 000)");
    for (int i = 0; i < 234; ++i) build.AppendCase();
    build.ShowCurrentCase();
    EXPECT_EQ(view.Text(Control::tabSprawy), "Sprawy (1 234)");
    game->AnswerOk();
    EXPECT_EQ(view.Text(Control::tabSprawy), "Sprawy (1 233)");
}

TEST_F(CaseQueue, OkReleasesTheCasesShareOfItsPoint) {
    // A point named only by a case lives exactly as long as the case.
    std::weak_ptr<const MapPoint> point = build.PointAt(skPhone, 10, 10);
    Case& c = build.PushCase();
    c.kind = ckDisconnect;
    c.subject = point.lock();
    build.RemoveSubscriberAt(skPhone, 0);
    EXPECT_FALSE(point.expired());
    game->AnswerOk();
    EXPECT_TRUE(point.expired());
}

}  // namespace dzwonex::testing
