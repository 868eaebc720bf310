// The one-line JSON picture of the game that replays and tests compare.
#include <cmath>
#include <cstdio>

#include <nlohmann/json.hpp>

#include "Session.h"

namespace dzwonex::text {

namespace {

std::string Str(const std::string& s) {
    // Texts are UTF-8; replace anything that is not, rather than fail.
    return nlohmann::json(s).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

std::string Real(double x) {
    if (!std::isfinite(x)) return "null";
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.17g", x);
    return buf;
}

const char* Bool(bool b) { return b ? "true" : "false"; }

}  // namespace

std::string Session::StateLine() const {
    const TGame& g = *game_;
    std::string s;
    s.reserve(64 * 1024);
    s += "{\"rng\":" + std::to_string(rng_->State());
    s += ",\"day\":" + std::to_string(g.FDay);
    s += ",\"money\":" + std::to_string(g.FMoney);
    s += ",\"opinion\":" + Real(g.FOpinion);
    s += ",\"quality\":" + Real(g.FQuality);
    s += ",\"subscribers\":[";
    for (int k = 1; k <= kKindCount; ++k) {
        if (k > 1) s += ',';
        s += '[';
        bool first = true;
        for (const auto& p : g.Subscribers(k)) {
            if (!first) s += ',';
            first = false;
            s += '[' + std::to_string(p->X) + ',' + std::to_string(p->Y) + ']';
        }
        s += ']';
    }
    s += "],\"cases\":[";
    bool firstCase = true;
    for (const auto& c : g.FCases) {
        if (!firstCase) s += ',';
        firstCase = false;
        s += "{\"kind\":" + std::to_string(c->Kind) + ",\"param\":" + std::to_string(c->Param) +
             ",\"param2\":" + std::to_string(c->Param2) + ",\"title\":" + Str(c->Title) + ",\"body\":" + Str(c->Body) +
             ",\"subject\":";
        if (c->Subject)
            s += "{\"x\":" + std::to_string(c->Subject->X) + ",\"y\":" + std::to_string(c->Subject->Y) +
                 ",\"listed\":" + Bool(g.IsListed(c->Subject.get())) + "}";
        else
            s += "null";
        s += '}';
    }
    s += "],\"banner\":" + std::to_string(g.FBannerIndex);
    s += ",\"speed\":" + std::to_string(view_.Speed());
    s += ",\"timer\":" + std::to_string(view_.TimerPeriod());
    s += ",\"page\":" + std::to_string(view_.Page());
    s += ",\"labels\":{";
    for (int i = 0; i < kControlCount; ++i) {
        const auto c = static_cast<Control>(i);
        if (i) s += ',';
        s += std::string("\"") + ControlName(c) + "\":" + Str(view_.Text(c));
    }
    s += "},\"buttons\":{";
    s += std::string("\"btnYes\":") + Bool(view_.Enabled(Button::btnYes));
    s += std::string(",\"btnNo\":") + Bool(view_.Enabled(Button::btnNo));
    s += std::string(",\"btnOK\":") + Bool(view_.Enabled(Button::btnOK));
    s += "},\"sounds\":{\"button\":" + std::to_string(view_.ButtonSounds()) +
         ",\"page\":" + std::to_string(view_.PageSounds()) + ",\"click\":" + std::to_string(view_.ClickSounds()) + "}}";
    return s;
}

}  // namespace dzwonex::text
