// Tak and Nie on the front case, and the refusal letters.
#include "Company.h"
#include "Texts.h"

namespace dzwonex {

void Company::DecideYes() {
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
            // At the booths' cap no booth goes up: the answer only dismisses.
            if (KindFull(skBooth)) break;
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

void Company::DecideNo() {
    view_.PlayButtonSound();
    if (cases_.empty()) return;
    const int32_t kind = cases_.front().kind;
    if (kind <= ckInfo || kind > kLastCaseKind) return;
    // The refusal letter is written in the language of the moment.
    const TextCatalogue::Line* refused = nullptr;
    auto refuse = [&](size_t line) { refused = &Texts(language_).lines[line]; };
    switch (kind) {
        case ckSdiRequest:
            AddOpinion(-2 * random_->RandomReal());
            refuse(kSdiLine);
            break;
        case ckSdiBribe:
            AddOpinion(2 * random_->RandomReal() - 1);
            refuse(kSdiLine);
            break;
        case ckNeostradaRequest:
            AddOpinion(-3 * random_->RandomReal());
            refuse(kNeostradaLine);
            break;
        case ckNeostradaBribe:
            AddOpinion(3 * random_->RandomReal() - 1.5);
            refuse(kNeostradaLine);
            break;
        case ckPolpakRequest:
            AddOpinion(-5 * random_->RandomReal());
            refuse(kPolpakLine);
            break;
        case ckPolpakBribe:
            AddOpinion(5 * random_->RandomReal() - 2.5);
            refuse(kPolpakLine);
            break;
        case ckRaise:
            AddOpinion(-10 * random_->RandomReal());
            break;
        default:  // disconnect, booth, spy report, quality: dismissed as they are
            break;
    }
    DismissFrontCase();
    if (refused) ReplyRefused(refused->refusalTitle, refused->refusal);
}

void Company::ReplyRefused(const char* title, const char* body) {
    Case& letter = PushCase();
    letter.kind = ckInfo;
    letter.title = title;
    letter.body = std::string(body) + userName_;
    ShowCurrentCase();
}

}  // namespace dzwonex
