#include "GameFixture.h"

namespace dzwonex::testing {

using Decisions = GameTest;

namespace {
TSprawa& Front(TGame& g) { return *g.FCases.front(); }
}  // namespace

TEST_F(Decisions, EveryAnswerOnAQuestionSoundsTwice) {
    for (int kind = ckDisconnect; kind <= ckQuality; ++kind) {
        for (bool yes : {true, false}) {
            game->FCases.clear();
            TSprawa& c = game->AppendCase();
            c.Kind = kind;
            c.Param2 = skSdi;
            game->ShowCurrentCase();
            const long before = view.ButtonSounds();
            yes ? game->btnYesClick() : game->btnNoClick();
            EXPECT_EQ(view.ButtonSounds(), before + 2) << kind << (yes ? " tak" : " nie");
        }
    }
}

TEST_F(Decisions, MessagesAndAnEmptyQueueOnlySound) {
    game->btnYesClick();
    game->btnNoClick();
    EXPECT_EQ(view.ButtonSounds(), 2);
    TSprawa& info = game->AppendCase();
    info.Title = "List";
    game->ShowCurrentCase();
    game->btnYesClick();
    game->btnNoClick();
    EXPECT_EQ(view.ButtonSounds(), 4);
    EXPECT_EQ(game->FCases.size(), 1u);
    TSprawa& odd = game->PushCase();
    odd.Kind = -3;
    game->btnYesClick();
    EXPECT_EQ(game->FCases.size(), 2u);
}

TEST_F(Decisions, DisconnectRemovesThePointAndCostsOpinion) {
    auto p = PointAt(skBooth, 10, 10);
    game->paintboxMapaMouseDown(10, 10);
    Lcg32 copy(lcg->State());
    const double r = copy.RandomReal();
    game->FOpinion = 0;
    game->btnYesClick();
    EXPECT_EQ(game->Count(skBooth), 0);
    EXPECT_DOUBLE_EQ(game->FOpinion, -r * 6);
    EXPECT_TRUE(game->FCases.empty());
}

TEST_F(Decisions, DisconnectOfAPointThatAlreadyLeft) {
    auto p = PointAt(skPhone, 10, 10);
    PointAt(skPhone, 500, 500);
    game->paintboxMapaMouseDown(10, 10);
    game->paintboxMapaMouseDown(10, 10);  // two cases for the same point
    const long repaints = view.MapRepaints();
    game->FOpinion = 0;
    game->btnYesClick();
    EXPECT_EQ(game->Count(skPhone), 1);
    EXPECT_EQ(view.MapRepaints(), repaints + 1);
    // The second case still reads the point, removes nothing, refreshes nothing,
    // and still costs opinion.
    ASSERT_EQ(Front(*game).Subject, p);
    EXPECT_FALSE(game->IsListed(p.get()));
    const double opinion = game->FOpinion;
    game->btnYesClick();
    EXPECT_EQ(game->Count(skPhone), 1);
    EXPECT_EQ(view.MapRepaints(), repaints + 1);
    EXPECT_LE(game->FOpinion, opinion);
    EXPECT_GT(game->FOpinion, opinion - 1);
    EXPECT_TRUE(game->FCases.empty());
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
        game->FCases.clear();
        TSprawa& waiting = game->AppendCase();
        waiting.Kind = ckRaise;
        waiting.Title = "Czeka";
        TSprawa& app = game->PushCase();
        app.Kind = row.kind;
        app.Param = 500;
        game->ShowCurrentCase();
        const int32_t money = game->FMoney;
        game->btnNoClick();
        ASSERT_EQ(game->FCases.size(), 2u);
        const TSprawa& letter = Front(*game);
        EXPECT_EQ(letter.Kind, ckInfo);
        EXPECT_EQ(letter.Title, row.title);
        EXPECT_EQ(letter.Body.rfind("Szanowny panie.\r\n\r\nZ przykrością muszę poinformować", 0), 0u);
        EXPECT_EQ(letter.Body.substr(letter.Body.size() - std::string(row.tail).size()), row.tail);
        EXPECT_EQ(view.Text(Control::lblTytul), row.title);
        EXPECT_TRUE(view.Enabled(Button::btnOK));
        EXPECT_FALSE(view.Enabled(Button::btnYes));
        EXPECT_EQ(game->FCases[1]->Title, "Czeka");
        EXPECT_EQ(game->FMoney, money);  // refusing keeps the envelope out
    }
}

TEST_F(Decisions, EmptyUserNameLeavesTheTwoSpaces) {
    game->UserName = "";
    TSprawa& app = game->AppendCase();
    app.Kind = ckSdiRequest;
    game->btnNoClick();
    const std::string& body = Front(*game).Body;
    EXPECT_EQ(body.substr(body.size() - 6), "\r\n\r\n  ");
}

TEST_F(Decisions, EnvelopesMoveOpinionTheSameWayForBothAnswers) {
    for (bool yes : {true, false}) {
        game->FCases.clear();
        game->FOpinion = 0;
        game->FMoney = 0;
        TSprawa& app = game->AppendCase();
        app.Kind = ckPolpakBribe;
        app.Param = 5000;
        Lcg32 copy(lcg->State());
        if (yes) copy.Random(1400), copy.Random(1000);  // the new subscriber's place
        const double r = copy.RandomReal();
        yes ? game->btnYesClick() : game->btnNoClick();
        EXPECT_DOUBLE_EQ(game->FOpinion, 5 * r - 2.5);
        EXPECT_EQ(game->FMoney, yes ? 5000 : 0);
        EXPECT_EQ(game->Count(skPolpak), yes ? 1 : 0);
        game->Subscribers(skPolpak).clear();
    }
}

TEST_F(Decisions, BoothIsBuiltWhereThePlayerPressedEvenWithoutCash) {
    game->FMoney = 300;
    game->paintboxMapaMouseDown(640, 480);
    game->btnYesClick();
    ASSERT_EQ(game->Count(skBooth), 1);
    EXPECT_EQ(game->Subscribers(skBooth)[0]->X, 640);
    EXPECT_EQ(game->Subscribers(skBooth)[0]->Y, 480);
    EXPECT_EQ(game->FMoney, -700);
    EXPECT_GE(game->FOpinion, 0);
    EXPECT_LT(game->FOpinion, 10);
}

TEST_F(Decisions, SpyReportRemovesFromTheKindItNames) {
    SetCounts({5, 5, 5, 5, 5, 5});
    for (int kind : {skSdi, skNeostrada}) {
        TSprawa& c = game->AppendCase();
        c.Kind = ckSpyReport;
        c.Param = 3;
        c.Param2 = kind;
        game->FOpinion = 0;
        game->FQuality = 0;
        game->btnYesClick();
        EXPECT_EQ(game->Count(kind), 4);
        EXPECT_EQ(game->FOpinion, -3);
        EXPECT_EQ(game->FQuality, 3);
    }
    EXPECT_EQ(game->Count(skPhone), 5);
    EXPECT_EQ(game->Count(skBooth), 5);
    // With nobody of that kind left only opinion and quality move.
    game->Subscribers(skSdi).clear();
    TSprawa& c = game->AppendCase();
    c.Kind = ckSpyReport;
    c.Param = 4;
    c.Param2 = skSdi;
    const uint32_t state = lcg->State();
    game->btnYesClick();
    EXPECT_EQ(lcg->State(), state);
    EXPECT_EQ(game->FOpinion, -7);
    EXPECT_EQ(game->FQuality, 7);
}

TEST_F(Decisions, RaiseAndQuality) {
    TSprawa& raise = game->AppendCase();
    raise.Kind = ckRaise;
    game->FOpinion = 0;
    game->btnYesClick();
    EXPECT_EQ(game->FOpinion, 0);
    TSprawa& again = game->AppendCase();
    again.Kind = ckRaise;
    game->btnNoClick();
    EXPECT_LE(game->FOpinion, 0);
    EXPECT_GT(game->FOpinion, -10);

    TSprawa& q = game->AppendCase();
    q.Kind = ckQuality;
    q.Param = -4;
    game->FQuality = 1;
    game->btnYesClick();
    EXPECT_EQ(game->FQuality, -3);
    EXPECT_EQ(view.Text(Control::lblJakosc), "-3");
    TSprawa& q2 = game->AppendCase();
    q2.Kind = ckQuality;
    q2.Param = 5;
    game->btnNoClick();
    EXPECT_EQ(game->FQuality, -3);
}

TEST_F(Decisions, ApplicationsAcceptedAddTheirKind) {
    const std::pair<int, int> rows[] = {
        {ckSdiRequest, skSdi},           {ckSdiBribe, skSdi},         {ckNeostradaRequest, skNeostrada},
        {ckNeostradaBribe, skNeostrada}, {ckPolpakRequest, skPolpak}, {ckPolpakBribe, skPolpak}};
    for (const auto& [kind, sub] : rows) {
        const int before = game->Count(sub);
        TSprawa& c = game->AppendCase();
        c.Kind = kind;
        game->btnYesClick();
        EXPECT_EQ(game->Count(sub), before + 1) << kind;
        EXPECT_TRUE(game->FCases.empty());
    }
}

}  // namespace dzwonex::testing
