#include "GameFixture.h"

namespace dzwonex::testing {

using Decisions = GameTest;

namespace {
const Case& Front(const Company& g) { return g.Cases().front(); }
}  // namespace

TEST_F(Decisions, EveryAnswerOnAQuestionSoundsTwice) {
    for (int kind = ckDisconnect; kind <= ckQuality; ++kind) {
        for (bool yes : {true, false}) {
            build.ClearCases();
            Case& c = build.AppendCase();
            c.kind = kind;
            c.param2 = skSdi;
            build.ShowCurrentCase();
            const long before = view.ButtonSounds();
            yes ? game->AnswerYes() : game->AnswerNo();
            EXPECT_EQ(view.ButtonSounds(), before + 2) << kind << (yes ? " tak" : " nie");
        }
    }
}

TEST_F(Decisions, MessagesAndAnEmptyQueueOnlySound) {
    game->AnswerYes();
    game->AnswerNo();
    EXPECT_EQ(view.ButtonSounds(), 2);
    Case& info = build.AppendCase();
    info.title = "List";
    build.ShowCurrentCase();
    game->AnswerYes();
    game->AnswerNo();
    EXPECT_EQ(view.ButtonSounds(), 4);
    EXPECT_EQ(game->Cases().size(), 1u);
    Case& odd = build.PushCase();
    odd.kind = -3;
    game->AnswerYes();
    EXPECT_EQ(game->Cases().size(), 2u);
}

TEST_F(Decisions, DisconnectRemovesThePointAndCostsOpinion) {
    auto p = build.PointAt(skBooth, 10, 10);
    game->PressMap(10, 10);
    Lcg32 copy(lcg->State());
    const double r = copy.RandomReal();
    build.Opinion(0);
    game->AnswerYes();
    EXPECT_EQ(game->Count(skBooth), 0);
    EXPECT_DOUBLE_EQ(game->Opinion(), -r * 6);
    EXPECT_TRUE(game->Cases().empty());
}

TEST_F(Decisions, DisconnectOfAPointThatAlreadyLeft) {
    auto p = build.PointAt(skPhone, 10, 10);
    build.PointAt(skPhone, 500, 500);
    game->PressMap(10, 10);
    game->PressMap(10, 10);  // two cases for the same point
    const long repaints = view.MapRepaints();
    build.Opinion(0);
    game->AnswerYes();
    EXPECT_EQ(game->Count(skPhone), 1);
    EXPECT_EQ(view.MapRepaints(), repaints + 1);
    // The second case still reads the point, removes nothing, refreshes nothing,
    // and still costs opinion.
    ASSERT_EQ(Front(*game).subject, p);
    EXPECT_FALSE(game->IsListed(p.get()));
    const double opinion = game->Opinion();
    game->AnswerYes();
    EXPECT_EQ(game->Count(skPhone), 1);
    EXPECT_EQ(view.MapRepaints(), repaints + 1);
    EXPECT_LE(game->Opinion(), opinion);
    EXPECT_GT(game->Opinion(), opinion - 1);
    EXPECT_TRUE(game->Cases().empty());
}

TEST_F(Decisions, RefusalLettersStandInFrontSignedWithTheUserName) {
    struct Row {
        int kind;
        const char* title;
        const char* tail;
    };
    const Row rows[] = {
        {ckSdiRequest, "Odpowiedź na SDI", "łącza stałego SDI w tej lokalizacji.\r\n\r\n  Jan Kowalski"},
        {ckSdiBribe, "Odpowiedź na SDI", "łącza stałego SDI w tej lokalizacji.\r\n\r\n  Jan Kowalski"},
        {ckNeostradaRequest, "Odpowiedź na Neostradę",
         "Ta jakże nowoczesna i wspaniała technologia jest dopiero w fazie testów w naszym kraju.\r\n\r\n  Jan "
         "Kowalski"},
        {ckNeostradaBribe, "Odpowiedź na Neostradę", "w naszym kraju.\r\n\r\n  Jan Kowalski"},
        {ckPolpakRequest, "Odpowiedź na Polpak-T",
         "szerokopasmowego łącza do Internetu typu Polpak-T w tej lokalizacji.\r\n\r\n  Jan Kowalski"},
        {ckPolpakBribe, "Odpowiedź na Polpak-T", "Polpak-T w tej lokalizacji.\r\n\r\n  Jan Kowalski"},
    };
    for (const Row& row : rows) {
        build.ClearCases();
        Case& waiting = build.AppendCase();
        waiting.kind = ckRaise;
        waiting.title = "Czeka";
        Case& app = build.PushCase();
        app.kind = row.kind;
        app.param = 500;
        build.ShowCurrentCase();
        const int32_t money = game->Cash().Value();
        game->AnswerNo();
        ASSERT_EQ(game->Cases().size(), 2u);
        const Case& letter = Front(*game);
        EXPECT_EQ(letter.kind, ckInfo);
        EXPECT_EQ(letter.title, row.title);
        EXPECT_EQ(letter.body.rfind("Szanowny panie.\r\n\r\nZ przykrością muszę poinformować", 0), 0u);
        EXPECT_EQ(letter.body.substr(letter.body.size() - std::string(row.tail).size()), row.tail);
        EXPECT_EQ(view.Text(Control::lblTytul), row.title);
        EXPECT_TRUE(view.Enabled(Button::btnOK));
        EXPECT_FALSE(view.Enabled(Button::btnYes));
        EXPECT_EQ(game->Cases()[1].title, "Czeka");
        EXPECT_EQ(game->Cash().Value(), money);  // refusing keeps the envelope out
    }
}

TEST_F(Decisions, EmptyUserNameLeavesTheTwoSpaces) {
    game->Reset("");
    Case& app = build.AppendCase();
    app.kind = ckSdiRequest;
    game->AnswerNo();
    const std::string& body = Front(*game).body;
    EXPECT_EQ(body.substr(body.size() - 6), "\r\n\r\n  ");
}

TEST_F(Decisions, EnvelopesMoveOpinionTheSameWayForBothAnswers) {
    for (bool yes : {true, false}) {
        build.ClearCases();
        build.Opinion(0);
        build.Cash(0);
        Case& app = build.AppendCase();
        app.kind = ckPolpakBribe;
        app.param = 5000;
        Lcg32 copy(lcg->State());
        if (yes) copy.Random(1400), copy.Random(1000);  // the new subscriber's place
        const double r = copy.RandomReal();
        yes ? game->AnswerYes() : game->AnswerNo();
        EXPECT_DOUBLE_EQ(game->Opinion(), 5 * r - 2.5);
        EXPECT_EQ(game->Cash().Value(), yes ? 5000 : 0);
        EXPECT_EQ(game->Count(skPolpak), yes ? 1 : 0);
        build.ClearKind(skPolpak);
    }
}

TEST_F(Decisions, BoothIsBuiltWhereThePlayerPressedEvenWithoutCash) {
    build.Cash(300);
    game->PressMap(640, 480);
    game->AnswerYes();
    ASSERT_EQ(game->Count(skBooth), 1);
    EXPECT_EQ(game->Subscribers(skBooth)[0]->X(), 640);
    EXPECT_EQ(game->Subscribers(skBooth)[0]->Y(), 480);
    EXPECT_EQ(game->Cash().Value(), -700);
    EXPECT_GE(game->Opinion(), 0);
    EXPECT_LT(game->Opinion(), 10);
}

TEST_F(Decisions, SpyReportRemovesFromTheKindItNames) {
    build.Counts({5, 5, 5, 5, 5, 5});
    for (int kind : {skSdi, skNeostrada}) {
        Case& c = build.AppendCase();
        c.kind = ckSpyReport;
        c.param = 3;
        c.param2 = kind;
        build.Opinion(0);
        build.Quality(0);
        game->AnswerYes();
        EXPECT_EQ(game->Count(kind), 4);
        EXPECT_EQ(game->Opinion(), -3);
        EXPECT_EQ(game->Quality(), 3);
    }
    EXPECT_EQ(game->Count(skPhone), 5);
    EXPECT_EQ(game->Count(skBooth), 5);
    // With nobody of that kind left only opinion and quality move.
    build.ClearKind(skSdi);
    Case& c = build.AppendCase();
    c.kind = ckSpyReport;
    c.param = 4;
    c.param2 = skSdi;
    const uint32_t state = lcg->State();
    game->AnswerYes();
    EXPECT_EQ(lcg->State(), state);
    EXPECT_EQ(game->Opinion(), -7);
    EXPECT_EQ(game->Quality(), 7);
}

TEST_F(Decisions, RaiseAndQuality) {
    Case& raise = build.AppendCase();
    raise.kind = ckRaise;
    build.Opinion(0);
    game->AnswerYes();
    EXPECT_EQ(game->Opinion(), 0);
    Case& again = build.AppendCase();
    again.kind = ckRaise;
    game->AnswerNo();
    EXPECT_LE(game->Opinion(), 0);
    EXPECT_GT(game->Opinion(), -10);

    Case& q = build.AppendCase();
    q.kind = ckQuality;
    q.param = -4;
    build.Quality(1);
    game->AnswerYes();
    EXPECT_EQ(game->Quality(), -3);
    EXPECT_EQ(view.Text(Control::lblJakosc), "-3");
    Case& q2 = build.AppendCase();
    q2.kind = ckQuality;
    q2.param = 5;
    game->AnswerNo();
    EXPECT_EQ(game->Quality(), -3);
}

TEST_F(Decisions, ApplicationsAcceptedAddTheirKind) {
    const std::pair<int, int> rows[] = {
        {ckSdiRequest, skSdi},           {ckSdiBribe, skSdi},         {ckNeostradaRequest, skNeostrada},
        {ckNeostradaBribe, skNeostrada}, {ckPolpakRequest, skPolpak}, {ckPolpakBribe, skPolpak}};
    for (const auto& [kind, sub] : rows) {
        const int before = game->Count(sub);
        Case& c = build.AppendCase();
        c.kind = kind;
        game->AnswerYes();
        EXPECT_EQ(game->Count(sub), before + 1) << kind;
        EXPECT_TRUE(game->Cases().empty());
    }
}

}  // namespace dzwonex::testing
