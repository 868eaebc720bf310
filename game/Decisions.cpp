// Tak and Nie on the front case, and the refusal letters.
#include "Company.h"

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

void Company::AnswerYes() {
    view_.PlayButtonSound();
    if (cases_.empty()) return;
    const Case& c = cases_.front();
    const int32_t kind = c.kind;
    if (kind <= ckInfo || kind > kLastCaseKind) return;  // a message is dismissed only by OK
    const int32_t param = c.param;
    const int32_t param2 = c.param2;
    switch (kind) {
        case ckDisconnect: {
            const auto subject = c.subject;  // keeps the point while we work
            RemoveSubscriber(subject.get());
            AddOpinion(-random_->RandomReal() * param);
            break;
        }
        case ckSdiRequest:
            AddSubscriber(skSdi);
            AddOpinion(2 * random_->RandomReal());
            break;
        case ckSdiBribe:
            AddSubscriber(skSdi);
            AddOpinion(2 * random_->RandomReal() - 1);
            AddMoney(Money(param));
            break;
        case ckNeostradaRequest:
            AddSubscriber(skNeostrada);
            AddOpinion(3 * random_->RandomReal());
            break;
        case ckNeostradaBribe:
            AddSubscriber(skNeostrada);
            AddOpinion(3 * random_->RandomReal() - 1.5);
            AddMoney(Money(param));
            break;
        case ckPolpakRequest:
            AddSubscriber(skPolpak);
            AddOpinion(5 * random_->RandomReal());
            break;
        case ckPolpakBribe:
            AddSubscriber(skPolpak);
            AddOpinion(5 * random_->RandomReal() - 2.5);
            AddMoney(Money(param));
            break;
        case ckBooth: {
            // A booth gets a random place like any new subscriber, then
            // stands where the player pressed; the two draws stay in the sequence.
            random_->Random(mapWidth_);
            random_->Random(mapHeight_);
            AddSubscriberAt(skBooth, param, param2);
            AddOpinion(10 * random_->RandomReal());
            AddMoney(-Money(kBoothPrice));
            break;
        }
        case ckSpyReport:
            if (param2 >= 1 && param2 <= kKindCount) {
                const int32_t n = Count(param2);
                if (n > 0) RemoveSubscriberAt(param2, random_->Random(n));
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
    DismissFrontCase();
}

void Company::AnswerNo() {
    view_.PlayButtonSound();
    if (cases_.empty()) return;
    const int32_t kind = cases_.front().kind;
    if (kind <= ckInfo || kind > kLastCaseKind) return;
    const char* replyTitle = nullptr;
    const char* replyBody = nullptr;
    auto refuse = [&](const char* title, const char* body) {
        replyTitle = title;
        replyBody = body;
    };
    switch (kind) {
        case ckSdiRequest:
            AddOpinion(-2 * random_->RandomReal());
            refuse("Odpowiedź na SDI", kSdiRefusal);
            break;
        case ckSdiBribe:
            AddOpinion(2 * random_->RandomReal() - 1);
            refuse("Odpowiedź na SDI", kSdiRefusal);
            break;
        case ckNeostradaRequest:
            AddOpinion(-3 * random_->RandomReal());
            refuse("Odpowiedź na Neostradę", kNeostradaRefusal);
            break;
        case ckNeostradaBribe:
            AddOpinion(3 * random_->RandomReal() - 1.5);
            refuse("Odpowiedź na Neostradę", kNeostradaRefusal);
            break;
        case ckPolpakRequest:
            AddOpinion(-5 * random_->RandomReal());
            refuse("Odpowiedź na Polpak-T", kPolpakRefusal);
            break;
        case ckPolpakBribe:
            AddOpinion(5 * random_->RandomReal() - 2.5);
            refuse("Odpowiedź na Polpak-T", kPolpakRefusal);
            break;
        case ckRaise:
            AddOpinion(-10 * random_->RandomReal());
            break;
        default:  // disconnect, booth, spy report, quality: dismissed as they are
            break;
    }
    DismissFrontCase();
    if (replyTitle) ReplyRefused(replyTitle, replyBody);
}

void Company::ReplyRefused(const char* title, const char* body) {
    Case& letter = PushCase();
    letter.kind = ckInfo;
    letter.title = title;
    letter.body = std::string(body) + userName_;
    ShowCurrentCase();
}

}  // namespace dzwonex
