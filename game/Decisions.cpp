// Tak and Nie on the front case, and the refusal letters.
#include "Game.h"

namespace dzwonex {

namespace {
const char* const kSdiRefusal =
    "Szanowny panie.\r\n\r\nZ przykrością muszę poinformować, że w chwili obecnej nie mamy warunków "
    "technicznych potrzebnych do założenia łącza stałego SDI w tej lokalizacji.\r\n\r\n  ";
const char* const kNeostradaRefusal =
    "Szanowny panie.\r\n\r\nZ przykrością muszę poinformować, że w chwili obecnej nie mamy warunków "
    "technicznych potrzebnych do założenia łącza stałego typu Neostrada w tej lokalizacji. Ta jakże "
    "nowoczesna i wspaniała technologia jest dopiero w fazie testów w naszym kraju.\r\n\r\n  ";
const char* const kPolpakRefusal =
    "Szanowny panie.\r\n\r\nZ przykrością muszę poinformować, że w chwili obecnej nie mamy warunków "
    "technicznych potrzebnych do założenia szerokopasmowego łącza do Internetu typu Polpak-T w tej "
    "lokalizacji.\r\n\r\n  ";
}  // namespace

void TGame::btnYesClick() {
    FView.PlayButtonSound();
    if (FCases.empty()) return;
    const TSprawa& c = *FCases.front();
    const int32_t kind = c.Kind;
    if (kind < ckInfo || kind > ckQuality) return;
    const int32_t param = c.Param;
    const int32_t param2 = c.Param2;
    switch (kind) {
        case ckInfo:
            return;  // a message is dismissed only by OK
        case ckDisconnect: {
            const auto subject = c.Subject;  // keeps the point while we work
            RemoveSubscriber(subject.get());
            AddOpinion(-FRandom->RandomReal() * param);
            break;
        }
        case ckSdiRequest:
            AddSubscriber(skSdi);
            AddOpinion(2 * FRandom->RandomReal());
            break;
        case ckSdiBribe:
            AddSubscriber(skSdi);
            AddOpinion(2 * FRandom->RandomReal() - 1);
            AddMoney(param);
            break;
        case ckNeostradaRequest:
            AddSubscriber(skNeostrada);
            AddOpinion(3 * FRandom->RandomReal());
            break;
        case ckNeostradaBribe:
            AddSubscriber(skNeostrada);
            AddOpinion(3 * FRandom->RandomReal() - 1.5);
            AddMoney(param);
            break;
        case ckPolpakRequest:
            AddSubscriber(skPolpak);
            AddOpinion(5 * FRandom->RandomReal());
            break;
        case ckPolpakBribe:
            AddSubscriber(skPolpak);
            AddOpinion(5 * FRandom->RandomReal() - 2.5);
            AddMoney(param);
            break;
        case ckBooth: {
            const auto booth = AddSubscriber(skBooth);
            booth->X = param;
            booth->Y = param2;
            AddOpinion(10 * FRandom->RandomReal());
            AddMoney(-1000);
            break;
        }
        case ckSpyReport:
            if (param2 >= 1 && param2 <= kKindCount) {
                const int32_t n = Count(param2);
                if (n > 0) RemoveSubscriberAt(param2, FRandom->Random(n));
            }
            AddOpinion(-static_cast<double>(param));
            AddQuality(static_cast<double>(param));
            break;
        case ckRaise:
            break;
        case ckQuality:
            AddQuality(static_cast<double>(param));
            break;
    }
    btnOKClick();
}

void TGame::btnNoClick() {
    FView.PlayButtonSound();
    if (FCases.empty()) return;
    const TSprawa& c = *FCases.front();
    const int32_t kind = c.Kind;
    if (kind < ckInfo || kind > ckQuality) return;
    void (TGame::*reply)() = nullptr;
    switch (kind) {
        case ckInfo:
            return;
        case ckSdiRequest:
            AddOpinion(-2 * FRandom->RandomReal());
            reply = &TGame::ReplySdiRefused;
            break;
        case ckSdiBribe:
            AddOpinion(2 * FRandom->RandomReal() - 1);
            reply = &TGame::ReplySdiRefused;
            break;
        case ckNeostradaRequest:
            AddOpinion(-3 * FRandom->RandomReal());
            reply = &TGame::ReplyNeostradaRefused;
            break;
        case ckNeostradaBribe:
            AddOpinion(3 * FRandom->RandomReal() - 1.5);
            reply = &TGame::ReplyNeostradaRefused;
            break;
        case ckPolpakRequest:
            AddOpinion(-5 * FRandom->RandomReal());
            reply = &TGame::ReplyPolpakRefused;
            break;
        case ckPolpakBribe:
            AddOpinion(5 * FRandom->RandomReal() - 2.5);
            reply = &TGame::ReplyPolpakRefused;
            break;
        case ckRaise:
            AddOpinion(-10 * FRandom->RandomReal());
            break;
        default:  // disconnect, booth, spy report, quality: dismissed as they are
            break;
    }
    btnOKClick();
    if (reply) (this->*reply)();
}

void TGame::RemoveSubscriber(const TCos* point) {
    if (!point) return;
    for (auto& list : FSubscribers) {
        for (auto it = list.begin(); it != list.end(); ++it) {
            if (it->get() == point) {
                list.erase(it);
                ShowSubscriberCounts();
                return;
            }
        }
    }
}

namespace {
void Reply(TGame& game, const char* title, const char* body) {
    TSprawa& letter = game.PushCase();
    letter.Kind = ckInfo;
    letter.Title = title;
    letter.Body = std::string(body) + game.UserName;
    game.ShowCurrentCase();
}
}  // namespace

void TGame::ReplySdiRefused() { Reply(*this, "Odpowiedź na SDI", kSdiRefusal); }
void TGame::ReplyNeostradaRefused() { Reply(*this, "Odpowiedź na Neostradę", kNeostradaRefusal); }
void TGame::ReplyPolpakRefused() { Reply(*this, "Odpowiedź na Polpak-T", kPolpakRefusal); }

}  // namespace dzwonex
