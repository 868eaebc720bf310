#pragma once
#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>

#include "Case.h"
#include "Effects.h"
#include "Language.h"
#include "Money.h"
#include "Random.h"
#include "Snapshot.h"
#include "Subscribers.h"
#include "View.h"

namespace dzwonex {

namespace testing {
class CompanyBuilder;
}

struct LineRules;

// The local branch of Dzwonex S.A.: its cash, public opinion, equipment
// quality, six subscriber lists and the inbox of cases, with every rule
// that changes them. The state is private: it is read through the const
// accessors and Snapshot(), and changed only by the operations below,
// each named for what the player or the clock does. Everything the player
// sees goes out through the view.
class Company {
public:
    // Every draw comes from `random` (a front end seeds it from the clock).
    Company(GameView& view, std::unique_ptr<RandomSource> random);
    ~Company();
    Company(const Company&) = delete;
    Company& operator=(const Company&) = delete;

    // --- Start-up and shutdown ---
    // Forgets any game; userName signs the refusal letters (cut to 255 bytes).
    void Reset(const std::string& userName);
    // What the front end found in the banner strip and the map picture.
    void SetBannerStripHeight(int32_t height);
    void SetMapPictureSize(int32_t width, int32_t height);
    // A fresh random company: banner, speed 5, map, cash, opinion, quality,
    // the welcome case and the first day.
    void NewGame();
    // Releases every point and case.
    void Clear();

    // --- What the clock and the player do ---
    void NextDay();
    // Answers to the front case; each sounds even with nothing to answer.
    void AnswerYes();
    void AnswerNo();
    void AnswerOk();
    // The player picks a case in the inbox to answer it now: it moves to the
    // front, the others keep their order. Draws nothing; an index outside
    // the inbox changes nothing.
    void BringToFront(size_t index);
    // A press on the map at (x, y) in map picture pixels, with any button.
    void PressMap(int32_t x, int32_t y);
    // The game's speed, 0 (the clock stands) to 10 (a day every 2 s),
    // held to that range; it sets the day timer's period.
    static constexpr int32_t kStartSpeed = 5;
    void SetSpeedStep(int32_t step);
    void NextBanner();
    // The player turned to another page.
    void PageChangedByPlayer();

    // --- Language ---
    // The language of every text the company writes from now on: labels,
    // new cases and letters, and the inbox's tab. The labels are shown again
    // at once; cases already in the inbox keep the words they were written
    // in, as letters do. Draws nothing and changes no rule.
    void SetLanguage(Language language);
    Language TextLanguage() const { return language_; }

    // --- Reading the company ---
    int32_t Day() const { return day_; }
    Money Cash() const { return cash_; }
    double Opinion() const { return opinion_; }
    double Quality() const { return quality_; }
    const PointList& Subscribers(int32_t kind) const { return subscribers_[static_cast<size_t>(kind - 1)]; }
    int32_t Count(int32_t kind) const { return static_cast<int32_t>(Subscribers(kind).size()); }
    // True while the point stands in one of the six lists.
    bool IsListed(const MapPoint* point) const;
    // The subscriber a press at (x, y) would hit: one at most kMapHitReach
    // pixels off on both axes, booths first as they are drawn on top, the
    // earliest within a kind. No point: kind 0. Draws nothing.
    static constexpr int32_t kMapHitReach = 8;
    struct MapHit {
        std::shared_ptr<const MapPoint> point;
        int32_t kind = 0;
    };
    MapHit HitAt(int32_t x, int32_t y) const;
    // What a booth put up on the map costs.
    static constexpr int32_t kBoothPrice = 1000;
    // The inbox, front case first.
    const std::deque<Case>& Cases() const { return cases_; }
    // The front case, or nullptr with an empty inbox.
    const Case* CurrentCase() const { return cases_.empty() ? nullptr : &cases_.front(); }
    int32_t BannerIndex() const { return bannerIndex_; }
    int32_t BannerCount() const { return bannerCount_; }
    int32_t SpeedPosition() const { return speedPosition_; }
    int32_t MapWidth() const { return mapWidth_; }
    int32_t MapHeight() const { return mapHeight_; }
    const std::string& UserName() const { return userName_; }
    // The money of the latest daily turn.
    const DayAccount& LastDay() const { return lastDay_; }
    uint32_t GeneratorState() const { return random_->State(); }
    CompanySnapshot Snapshot() const;

    // --- Saved games ---
    // Replaces the whole company with the snapshot and shows it as a fresh
    // day would; draws nothing. Every rule is checked first: when one is
    // broken, std::invalid_argument names it and the company is untouched.
    void Restore(const CompanySnapshot& snapshot);

private:
    friend class testing::CompanyBuilder;

    // Every label the company owns, shown again as the rules leave it.
    void ShowLabels();
    void ShowDate();
    void ShowSpeedLine();

    // Amounts; each refreshes its label.
    void AddMoney(Money delta);
    void AddOpinion(double delta);
    void AddQuality(double delta);

    // Subscribers; each change refreshes its kind's count and the map.
    void ShowSubscriberCounts();
    void ShowSubscriberCount(int32_t kind);
    // A new subscriber at a random place: X is drawn before Y. A full kind
    // (KindFull) takes none and draws nothing.
    void AddSubscriber(int32_t kind);
    // The same without showing it: false for a full kind.
    bool PlaceSubscriber(int32_t kind);
    void AddSubscriberAt(int32_t kind, int32_t x, int32_t y);
    void RemoveSubscriberAt(int32_t kind, int32_t index);
    void RemoveSubscriber(const MapPoint* point);
    // n > 0 adds n points of the kind, up to its cap; n < 0 removes -n
    // random ones while any remain (an empty list draws nothing).
    void DriftSubscribers(int32_t kind, int32_t n);
    // n random points, one after another, each drawn from the list as it stands.
    void RemoveRandomSubscribers(int32_t kind, int64_t n);
    // The kind holds kMaxPointsOfKind points and takes no more.
    bool KindFull(int32_t kind) const;
    void PopulateMap();

    // The operations' rules; the public operations report what they changed.
    void SetUpNewGame();
    void RunDay();
    void DecideYes();
    void DecideNo();
    void RaiseMapCase(int32_t x, int32_t y);

    // The daily turn, step by step.
    void SetDay(int32_t day);
    void CollectIncome();
    void PayExpenses();
    void GrowPhones();
    void GrowIsdn();
    void LineEvents(const LineRules& rules);
    void SdiEvents();
    void NeostradaEvents();
    void PolpakEvents();
    void RaiseDemand();
    void OpinionLetters();
    void QualityProposals();
    void ProposeQuality(double scale, const char* title, const char* note);

    // The inbox: creators fill the new case, then show the front one. A
    // full inbox (kMaxCases) takes no new case: the day's events check it
    // after their chance is drawn, a press on the map before anything.
    bool InboxFull() const;
    Case& AppendCase();
    Case& PushCase();
    void ShowCurrentCase();
    void DismissFrontCase();
    void ReplyRefused(const char* title, const char* body);

    // Reports what the action of its lifetime changed, when it is the
    // outermost one; an empty action (a new game) reports nothing.
    class ReportOnExit;
    struct Look {
        int64_t cash = 0;
        int64_t opinion = 0;  // as shown, rounded
        int64_t quality = 0;
        std::array<int64_t, kKindCount> counts{};
        int64_t cases = 0;
    };
    Look LookNow() const;
    std::optional<Proposal> ProposalOf(const Case& c) const;

    GameView& view_;
    std::unique_ptr<RandomSource> random_;
    std::string userName_;                           // signs the refusal letters
    int32_t mapWidth_ = 0;                           // map picture width in pixels
    int32_t mapHeight_ = 0;                          // map picture height in pixels
    int32_t bannerIndex_ = 0;                        // the banner shown
    int32_t bannerCount_ = 0;                        // whole banners in the strip
    int32_t speedPosition_ = 5;                      // 0..10; the gauge is built at 5
    int32_t day_ = 0;                                // days since the game began
    std::array<PointList, kKindCount> subscribers_;  // by kind 1..6; the lists share their points with cases
    Money cash_;                                     // złoty, may be negative
    double opinion_ = 0;                             // public opinion, within ±kLevelLimit
    double quality_ = 0;                             // equipment level, within ±kLevelLimit
    std::deque<Case> cases_;                         // the inbox, front case first
    DayAccount lastDay_;                             // the latest daily turn's money
    Language language_ = Language::Polish;           // of the texts written from now on
    int reportDepth_ = 0;                            // actions under way, for ReportOnExit
};

}  // namespace dzwonex
