// The one-line JSON picture of the game that replays and tests compare.
#include <cmath>
#include <cstdio>

#include <nlohmann/json.hpp>

#include "Session.h"

namespace dzwonex::text {

namespace {

using Json = nlohmann::ordered_json;

// Reals are written with all 17 significant digits ("%.17g": 0.1 reads
// 0.10000000000000001, 1 reads 1), as the state line always has; the
// library would write the shortest form instead ("0.1", "1.0"). They go in
// as null and their text replaces it; a NaN or infinity stays null.
void PutReal(std::string& line, const char* key, double value) {
    if (!std::isfinite(value)) return;
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", value);
    // Inside a JSON string a quote is always escaped, so the first match is the key itself.
    const std::string placeholder = std::string("\"") + key + "\":null";
    const auto at = line.find(placeholder);
    line.replace(at + placeholder.size() - 4, 4, text);
}

}  // namespace

std::string Session::StateLine() const {
    const CompanySnapshot s = session_.Game().Snapshot();
    Json state;
    state["rng"] = s.generator;
    state["day"] = s.day;
    state["money"] = s.cash;
    state["opinion"] = nullptr;
    state["quality"] = nullptr;
    Json& lists = state["subscribers"] = Json::array();
    for (const auto& list : s.subscribers) {
        Json points = Json::array();
        for (const PointSnapshot& p : list) points.push_back({p.x, p.y});
        lists.push_back(std::move(points));
    }
    Json& cases = state["cases"] = Json::array();
    for (const CaseSnapshot& c : s.cases) {
        Json subject = nullptr;
        if (c.subject) subject = {{"x", c.subject->x}, {"y", c.subject->y}, {"listed", c.subject->listed}};
        cases.push_back({{"kind", c.kind},
                         {"param", c.param},
                         {"param2", c.param2},
                         {"title", c.title},
                         {"body", c.body},
                         {"subject", std::move(subject)}});
    }
    state["banner"] = s.bannerIndex;
    state["speed"] = view_.Speed();
    state["timer"] = view_.TimerPeriod();
    state["page"] = view_.Page();
    Json& labels = state["labels"] = Json::object();
    for (int i = 0; i < kControlCount; ++i) {
        const auto c = static_cast<Control>(i);
        labels[ControlName(c)] = view_.Text(c);
    }
    state["buttons"] = {{"btnYes", view_.Enabled(Button::btnYes)},
                        {"btnNo", view_.Enabled(Button::btnNo)},
                        {"btnOK", view_.Enabled(Button::btnOK)}};
    state["sounds"] = {{"button", view_.ButtonSounds()}, {"page", view_.PageSounds()}, {"click", view_.ClickSounds()}};

    // Texts are UTF-8; anything that is not is replaced rather than refused.
    std::string line = state.dump(-1, ' ', false, Json::error_handler_t::replace);
    PutReal(line, "opinion", s.opinion);
    PutReal(line, "quality", s.quality);
    return line;
}

}  // namespace dzwonex::text
