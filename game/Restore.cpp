// Bringing back a saved company: the snapshot is checked whole before
// anything changes, then it replaces the state and the view is refreshed as
// a fresh day leaves it.
#include <stdexcept>
#include <unordered_map>

#include "Amounts.h"
#include "Company.h"

namespace dzwonex {

namespace {

[[noreturn]] void Refuse(const std::string& why) { throw std::invalid_argument(why); }

std::string Place(int32_t x, int32_t y) { return "(" + std::to_string(x) + ", " + std::to_string(y) + ")"; }

}  // namespace

void Company::Restore(const CompanySnapshot& s) {
    const std::string mapSize = std::to_string(mapWidth_) + " x " + std::to_string(mapHeight_);
    auto onMap = [&](int32_t x, int32_t y) { return x >= 0 && y >= 0 && x < mapWidth_ && y < mapHeight_; };

    if (s.day < 0) Refuse("day " + std::to_string(s.day) + " is before the first day");
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
