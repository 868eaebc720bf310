// Bringing back a saved company: the snapshot is checked whole before
// anything changes, then it replaces the state and the view is refreshed as
// a fresh day leaves it.
#include <cmath>
#include <stdexcept>
#include <unordered_map>

#include "Amounts.h"
#include "Company.h"
#include "Limits.h"

namespace dzwonex {

namespace {

[[noreturn]] void Refuse(const std::string& why) { throw std::invalid_argument(why); }

std::string Place(int32_t x, int32_t y) { return "(" + std::to_string(x) + ", " + std::to_string(y) + ")"; }

// Far beyond any case's parameter: envelopes reach 10 999, a booth's place
// the map's size.
constexpr int32_t kMaxCaseParam = 1'000'000;

}  // namespace

void Company::Restore(const CompanySnapshot& s) {
    const std::string mapSize = std::to_string(mapWidth_) + " x " + std::to_string(mapHeight_);
    auto onMap = [&](int32_t x, int32_t y) { return x >= 0 && y >= 0 && x < mapWidth_ && y < mapHeight_; };

    // Values the rules cannot reach (Limits.h) are refused before they can
    // make a day run long or a save unreadable.
    if (s.day < 0) Refuse("day " + std::to_string(s.day) + " is before the first day");
    if (s.day > kLastDay)
        Refuse("day " + std::to_string(s.day) + " is after the last day (" + std::to_string(kLastDay) + ")");
    for (auto [name, level] : {std::pair{"opinion", s.opinion}, {"quality", s.quality}})
        if (!(std::abs(level) <= kLevelLimit))
            Refuse(std::string(name) + " " + RealText(level) + " is out of range (at most ±" +
                   std::to_string(static_cast<int32_t>(kLevelLimit)) + ")");
    for (auto [name, amount] : {std::pair{"income", s.lastDay.income},
                                {"staff", s.lastDay.staff},
                                {"repairs", s.lastDay.repairs},
                                {"equipment", s.lastDay.equipment}})
        if (amount < 0) Refuse("lastDay." + std::string(name) + " " + std::to_string(amount) + " is negative");
    if (s.cases.size() > kMaxCases)
        Refuse("the inbox holds " + std::to_string(s.cases.size()) + " cases, more than " + std::to_string(kMaxCases));
    if (s.speed < 0 || s.speed > 10) Refuse("speed " + std::to_string(s.speed) + " is outside 0..10");
    // Without a banner strip the only banner is number 0, as a new game picks it.
    const int32_t banners = bannerCount_ > 0 ? bannerCount_ : 1;
    if (s.bannerIndex < 0 || s.bannerIndex >= banners)
        Refuse("banner " + std::to_string(s.bannerIndex) + " does not exist (there are " +
               std::to_string(bannerCount_) + ")");
    if (s.userName.size() > 255) Refuse("the user name is longer than 255 bytes");

    // Everything new is built aside; the company changes only once it is complete.
    std::array<PointList, kKindCount> lists;
    for (int k = 1; k <= kKindCount; ++k) {
        const auto& points = s.subscribers[static_cast<size_t>(k - 1)];
        PointList& list = lists[static_cast<size_t>(k - 1)];
        if (points.size() > static_cast<size_t>(kMaxPointsOfKind))
            Refuse("kind " + std::to_string(k) + " has " + std::to_string(points.size()) + " subscribers, more than " +
                   std::to_string(kMaxPointsOfKind));
        list.reserve(points.size());
        for (size_t i = 0; i < points.size(); ++i) {
            const PointSnapshot& p = points[i];
            if (!onMap(p.x, p.y))
                Refuse("subscriber " + std::to_string(i + 1) + " of kind " + std::to_string(k) + " at " +
                       Place(p.x, p.y) + " lies outside the " + mapSize + " map");
            list.push_back(std::make_shared<const MapPoint>(p.x, p.y));
        }
    }

    // Cases naming the same departed number share one point.
    std::unordered_map<int32_t, std::shared_ptr<const MapPoint>> departed;
    std::deque<Case> cases;
    for (size_t i = 0; i < s.cases.size(); ++i) {
        const CaseSnapshot& c = s.cases[i];
        const std::string name = "case " + std::to_string(i + 1);
        if (c.kind < ckInfo || c.kind > kLastCaseKind) Refuse(name + " is of unknown kind " + std::to_string(c.kind));
        for (auto [field, value] : {std::pair{"param", c.param}, {"param2", c.param2}})
            if (value < -kMaxCaseParam || value > kMaxCaseParam)
                Refuse(name + "'s " + field + " " + std::to_string(value) + " is out of range");
        if (c.kind == ckBooth && !onMap(c.param, c.param2))
            Refuse(name + " puts a booth at " + Place(c.param, c.param2) + ", outside the " + mapSize + " map");
        if (c.kind == ckDisconnect && (c.param < 1 || c.param > kKindCount))
            Refuse(name + " disconnects a subscriber of unknown kind " + std::to_string(c.param));
        if ((c.kind == ckDisconnect) != c.subject.has_value())
            Refuse(name + (c.subject ? " names a subscriber but disconnects nobody" : " names no subscriber"));

        Case& out = cases.emplace_back();
        out.kind = c.kind;
        out.param = c.param;
        out.param2 = c.param2;
        out.title = c.title;
        out.body = c.body;
        if (!c.subject) continue;
        const SubjectSnapshot& subject = *c.subject;
        if (subject.listed) {
            if (subject.kind != c.param)
                Refuse(name + " disconnects a subscriber of kind " + std::to_string(c.param) +
                       " but names one of kind " + std::to_string(subject.kind));
            const PointList& list = lists[static_cast<size_t>(c.param - 1)];
            if (subject.index < 0 || static_cast<size_t>(subject.index) >= list.size())
                Refuse(name + " names subscriber " + std::to_string(int64_t{subject.index} + 1) + " of kind " +
                       std::to_string(c.param) + ", which does not exist");
            const auto& point = list[static_cast<size_t>(subject.index)];
            if (point->X() != subject.x || point->Y() != subject.y)
                Refuse(name + " names a subscriber at " + Place(subject.x, subject.y) + " that stands at " +
                       Place(point->X(), point->Y()));
            out.subject = point;
        } else {
            if (subject.index < 0) Refuse(name + " names a departed subscriber with a negative number");
            if (!onMap(subject.x, subject.y))
                Refuse(name + " names a departed subscriber at " + Place(subject.x, subject.y) + ", outside the " +
                       mapSize + " map");
            auto& point = departed[subject.index];
            if (!point)
                point = std::make_shared<const MapPoint>(subject.x, subject.y);
            else if (point->X() != subject.x || point->Y() != subject.y)
                Refuse(name + " places departed subscriber " + std::to_string(subject.index) +
                       " elsewhere than an earlier case");
            out.subject = point;
        }
    }

    // Nothing below can fail.
    subscribers_ = std::move(lists);
    cases_ = std::move(cases);
    day_ = s.day;
    cash_ = Money(s.cash);
    opinion_ = s.opinion;
    quality_ = s.quality;
    bannerIndex_ = s.bannerIndex;
    userName_ = s.userName;
    lastDay_ = s.lastDay;
    random_->SetState(s.generator);

    view_.RepaintBanner();
    SetSpeedStep(s.speed);
    ShowLabels();
    view_.DayBooked(lastDay_);
}

}  // namespace dzwonex
