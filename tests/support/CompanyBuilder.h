#pragma once
// Puts a company into the state a test or a benchmark needs without playing
// a game to reach it, and runs single steps of the rules. It is the only
// code outside the core that writes the company's state.
#include <array>
#include <cstdint>
#include <memory>

#include "Company.h"

namespace dzwonex::testing {

class CompanyBuilder {
public:
    explicit CompanyBuilder(Company& company) : company_(company) {}

    // --- State ---
    // Exactly these counts of kinds 1..6, placed by a generator of their own:
    // the company's draws are left alone. The labels are not refreshed.
    CompanyBuilder& Counts(const std::array<int, kKindCount>& counts);
    // One more point of the kind at (x, y), last in its list.
    std::shared_ptr<const MapPoint> PointAt(int32_t kind, int32_t x, int32_t y);
    CompanyBuilder& Cash(int32_t cash);
    CompanyBuilder& Opinion(double opinion);
    CompanyBuilder& Quality(double quality);
    // Empties one kind's list (its points live on while a case names them).
    CompanyBuilder& ClearKind(int32_t kind);
    CompanyBuilder& Speed(int32_t position);
    CompanyBuilder& BannerIndex(int32_t index);
    // A new case at the back or the front of the inbox, to fill in; the page
    // is not refreshed (ShowCurrentCase does that).
    Case& AppendCase();
    Case& PushCase();
    CompanyBuilder& ClearCases();

    // --- Single steps of the rules, as the company runs them ---
    void SetDay(int32_t day) { company_.SetDay(day); }
    void CollectIncome() { company_.CollectIncome(); }
    void PayExpenses() { company_.PayExpenses(); }
    void GrowPhones() { company_.GrowPhones(); }
    void GrowIsdn() { company_.GrowIsdn(); }
    void SdiEvents() { company_.SdiEvents(); }
    void NeostradaEvents() { company_.NeostradaEvents(); }
    void PolpakEvents() { company_.PolpakEvents(); }
    void RaiseDemand() { company_.RaiseDemand(); }
    void OpinionLetters() { company_.OpinionLetters(); }
    void QualityProposals() { company_.QualityProposals(); }
    void PopulateMap() { company_.PopulateMap(); }
    void ShowCurrentCase() { company_.ShowCurrentCase(); }
    void AddSubscriber(int32_t kind) { company_.AddSubscriber(kind); }
    void RemoveSubscriberAt(int32_t kind, int32_t index) { company_.RemoveSubscriberAt(kind, index); }
    void DriftSubscribers(int32_t kind, int32_t n) { company_.DriftSubscribers(kind, n); }
    void AddMoney(int64_t delta) { company_.AddMoney(Money(delta)); }
    void AddOpinion(double delta) { company_.AddOpinion(delta); }
    void AddQuality(double delta) { company_.AddQuality(delta); }

private:
    Company& company_;
};

}  // namespace dzwonex::testing
