// Cash, opinion, quality and the six subscriber lists.
#include "Company.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

#include "Amounts.h"
#include "Limits.h"

namespace dzwonex {

namespace {
// Up to this many removals at once, each drawn place is found by counting
// the places taken before it; past it, through a tree of counts.
constexpr int32_t kFewRemovals = 64;

// Removing points one after another, each at a place drawn among those
// left: the places they had in the list as it was, ascending. The draws
// are those of erasing each point in turn.
std::vector<int32_t> FewPlacesDrawn(RandomSource& random, int32_t size, int32_t removals) {
    std::vector<int32_t> taken;  // ascending
    taken.reserve(static_cast<size_t>(removals));
    for (int32_t r = 0; r < removals; ++r) {
        // The place among those left is the place in the whole list once
        // every place taken at or before it is counted.
        int32_t place = random.Random(size - r);
        auto after = taken.begin();
        for (; after != taken.end() && *after <= place; ++after) ++place;
        taken.insert(after, place);
    }
    return taken;
}

// The same for many removals: finding a place among those left through a
// Fenwick tree of the points left takes a logarithm's steps, and building
// the tree one pass over the list.
std::vector<int32_t> ManyPlacesDrawn(RandomSource& random, int32_t size, int32_t removals) {
    std::vector<int32_t> tree(static_cast<size_t>(size) + 1, 0);
    for (int32_t i = 1; i <= size; ++i) {
        tree[static_cast<size_t>(i)] += 1;
        if (const int32_t up = i + (i & -i); up <= size) tree[static_cast<size_t>(up)] += tree[static_cast<size_t>(i)];
    }
    int32_t top = 1;
    while (top * 2 <= size) top *= 2;
    std::vector<bool> removed(static_cast<size_t>(size), false);
    for (int32_t r = 0; r < removals; ++r) {
        int32_t rank = random.Random(size - r);
        int32_t at = 0;
        for (int32_t step = top; step > 0; step /= 2) {
            if (at + step <= size && tree[static_cast<size_t>(at + step)] <= rank) {
                at += step;
                rank -= tree[static_cast<size_t>(at)];
            }
        }
        removed[static_cast<size_t>(at)] = true;
        for (int32_t i = at + 1; i <= size; i += i & -i) tree[static_cast<size_t>(i)] -= 1;
    }
    std::vector<int32_t> taken;
    taken.reserve(static_cast<size_t>(removals));
    for (int32_t i = 0; i < size; ++i)
        if (removed[static_cast<size_t>(i)]) taken.push_back(i);
    return taken;
}

constexpr Control kCountLabels[kKindCount] = {
    Control::lbl1, Control::lbl2, Control::lbl3, Control::lbl4, Control::lbl5, Control::lbl6,
};
}  // namespace

Company::Company(GameView& view, std::unique_ptr<RandomSource> random) : view_(view), random_(std::move(random)) {}

Company::~Company() { Clear(); }

void Company::SetLanguage(Language language) {
    language_ = language;
    ShowLabels();
}

void Company::ShowLabels() {
    ShowSpeedLine();
    ShowDate();
    ShowSubscriberCounts();
    view_.SetText(Control::lblKasa, FormatMoney(cash_.Value(), language_));
    view_.SetText(Control::lblOpinia, FormatAmount(RoundToInt32(opinion_), language_));
    view_.SetText(Control::lblJakosc, FormatAmount(RoundToInt32(quality_), language_));
    view_.SetText(Control::lblPracownicy, FormatAmount(lastDay_.staff, language_));
    view_.SetText(Control::lblNaprawy, FormatAmount(lastDay_.repairs, language_));
    view_.SetText(Control::lblSprzet, FormatAmount(lastDay_.equipment, language_));
    ShowCurrentCase();
}

void Company::AddMoney(Money delta) {
    cash_ += delta;
    view_.SetText(Control::lblKasa, FormatMoney(cash_.Value(), language_));
}

// Both levels are held within ±kLevelLimit (see Limits.h).
void Company::AddOpinion(double delta) {
    opinion_ = std::clamp(opinion_ + delta, -kLevelLimit, kLevelLimit);
    view_.SetText(Control::lblOpinia, FormatAmount(RoundToInt32(opinion_), language_));
}

void Company::AddQuality(double delta) {
    quality_ = std::clamp(quality_ + delta, -kLevelLimit, kLevelLimit);
    view_.SetText(Control::lblJakosc, FormatAmount(RoundToInt32(quality_), language_));
}

void Company::ShowSubscriberCounts() {
    for (int k = 1; k <= kKindCount; ++k) view_.SetText(kCountLabels[k - 1], FormatAmount(Count(k), language_));
    view_.RepaintMap();
}

void Company::ShowSubscriberCount(int32_t kind) {
    view_.SetText(kCountLabels[static_cast<size_t>(kind - 1)], FormatAmount(Count(kind), language_));
    view_.RepaintMap();
}

bool Company::KindFull(int32_t kind) const { return Count(kind) >= kMaxPointsOfKind; }

void Company::AddSubscriber(int32_t kind) {
    if (PlaceSubscriber(kind)) ShowSubscriberCount(kind);
}

bool Company::PlaceSubscriber(int32_t kind) {
    if (KindFull(kind)) return false;
    const int32_t x = random_->Random(mapWidth_);
    const int32_t y = random_->Random(mapHeight_);
    subscribers_[static_cast<size_t>(kind - 1)].push_back(std::make_shared<const MapPoint>(x, y));
    return true;
}

void Company::AddSubscriberAt(int32_t kind, int32_t x, int32_t y) {
    subscribers_[static_cast<size_t>(kind - 1)].push_back(std::make_shared<const MapPoint>(x, y));
    ShowSubscriberCount(kind);
}

void Company::RemoveSubscriberAt(int32_t kind, int32_t index) {
    auto& list = subscribers_[static_cast<size_t>(kind - 1)];
    if (index < 0 || index >= static_cast<int32_t>(list.size())) return;
    // A case may still hold the point; shared ownership keeps it alive.
    list.erase(list.begin() + index);
    ShowSubscriberCount(kind);
}

void Company::RemoveSubscriber(const MapPoint* point) {
    if (!point) return;
    for (int32_t kind = 1; kind <= kKindCount; ++kind) {
        PointList& list = subscribers_[static_cast<size_t>(kind - 1)];
        for (auto it = list.begin(); it != list.end(); ++it) {
            if (it->get() == point) {
                list.erase(it);
                ShowSubscriberCount(kind);
                return;
            }
        }
    }
}

void Company::DriftSubscribers(int32_t kind, int32_t n) {
    if (n > 0) {
        // The count is shown once, with every point of the drift in place.
        int32_t added = 0;
        while (added < n && PlaceSubscriber(kind)) ++added;
        if (added > 0) ShowSubscriberCount(kind);
    } else if (n < 0) {
        RemoveRandomSubscribers(kind, -static_cast<int64_t>(n));
    }
}

void Company::RemoveRandomSubscribers(int32_t kind, int64_t n) {
    PointList& list = subscribers_[static_cast<size_t>(kind - 1)];
    const auto size = static_cast<int32_t>(list.size());
    const auto removals = static_cast<int32_t>(std::min<int64_t>(n, size));
    if (removals == 0) return;
    const std::vector<int32_t> places =
        removals <= kFewRemovals ? FewPlacesDrawn(*random_, size, removals) : ManyPlacesDrawn(*random_, size, removals);
    // The list closes up once, from the first place taken on. A case may
    // still hold a removed point; shared ownership keeps it alive.
    auto kept = list.begin() + places.front();
    for (size_t i = 0; i < places.size(); ++i) {
        const auto next = i + 1 < places.size() ? list.begin() + places[i + 1] : list.end();
        kept = std::move(list.begin() + places[i] + 1, next, kept);
    }
    list.erase(kept, list.end());
    ShowSubscriberCount(kind);
}

bool Company::IsListed(const MapPoint* point) const {
    for (const auto& list : subscribers_)
        for (const auto& p : list)
            if (p.get() == point) return true;
    return false;
}

CompanySnapshot Company::Snapshot() const {
    CompanySnapshot s;
    s.day = day_;
    s.cash = cash_.Value();
    s.opinion = opinion_;
    s.quality = quality_;
    struct Place {
        int32_t kind, index;
    };
    std::unordered_map<const MapPoint*, Place> listed;
    for (int k = 1; k <= kKindCount; ++k) {
        const PointList& list = Subscribers(k);
        auto& out = s.subscribers[static_cast<size_t>(k - 1)];
        out.reserve(list.size());
        for (size_t i = 0; i < list.size(); ++i) {
            out.push_back({list[i]->X(), list[i]->Y()});
            if (!cases_.empty()) listed.emplace(list[i].get(), Place{k, static_cast<int32_t>(i)});
        }
    }
    std::unordered_map<const MapPoint*, int32_t> departed;
    s.cases.reserve(cases_.size());
    for (const Case& c : cases_) {
        CaseSnapshot& out = s.cases.emplace_back();
        out.kind = c.kind;
        out.param = c.param;
        out.param2 = c.param2;
        out.title = c.title;
        out.body = c.body;
        if (!c.subject) continue;
        SubjectSnapshot subject{c.subject->X(), c.subject->Y(), false, 0, 0};
        if (auto it = listed.find(c.subject.get()); it != listed.end()) {
            subject.listed = true;
            subject.kind = it->second.kind;
            subject.index = it->second.index;
        } else {
            subject.index = departed.emplace(c.subject.get(), static_cast<int32_t>(departed.size())).first->second;
        }
        out.subject = subject;
    }
    s.bannerIndex = bannerIndex_;
    s.speed = speedPosition_;
    s.generator = random_->State();
    s.userName = userName_;
    s.lastDay = lastDay_;
    return s;
}

}  // namespace dzwonex
