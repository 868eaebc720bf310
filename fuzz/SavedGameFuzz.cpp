// Saved games: any bytes as a saved game's text. What is read is restored
// into a company and its history; what restores is saved, read back and
// compared (the same game, the same text), and then plays a day as the
// window does (the rating, the term, the milestone runs), after which it
// must still save as a file that reads. The summary the lists show is read
// too, and must agree with what was read. Nothing may crash, hang or trip a
// sanitizer, and no round trip may differ.
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <stdexcept>
#include <string_view>

#include "Company.h"
#include "NullView.h"
#include "SavedGame.h"

namespace {

[[noreturn]] void Differs(const char* what) {
    std::fprintf(stderr, "the round trip changed %s\n", what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    using namespace dzwonex;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::optional<SavedGameSummary> summary = SummaryOfSavedGame(input);
    SavedGame read;
    try {
        read = ParseSavedGame(input, "fuzz");
    } catch (const SavedGameError&) {
        return 0;
    }
    if (!summary || summary->day != read.company.day || summary->cash != read.company.cash) {
        std::fprintf(stderr, "the summary differs from the game read\n");
        std::abort();
    }
    // The window's map and banner strip.
    NullView view;
    Company company(view, std::make_unique<Lcg32>(1));
    company.SetMapPictureSize(1440, 1040);
    company.SetBannerStripHeight(350);
    try {
        company.Restore(read.company);
    } catch (const std::invalid_argument&) {
        return 0;
    }
    History history;
    history.Restore(read.history);

    const SavedGame saved{company.Snapshot(), history.Saved(), read.term, read.milestones, read.seed};
    const std::string text = SavedGameText(saved);
    const SavedGame again = ParseSavedGame(text, "fuzz, saved again");
    if (!(again.company == saved.company)) Differs("the company");
    if (!(again.history == saved.history)) Differs("the history");
    if (!(again == saved)) Differs("the term, the milestone runs or the seed");
    if (SavedGameText(again) != text) Differs("the text");

    Term term = read.term;
    MilestoneTracker milestones({}, read.milestones.value_or(MilestoneProgress{}));
    company.NextDay();
    history.Record(company);
    const Rating rating = RateCompany(company, history);
    term.AfterDay(company, rating);
    milestones.AfterDay(company, rating, "");
    try {
        ParseSavedGame(SavedGameText({company.Snapshot(), history.Saved(), term, milestones.Progress(), read.seed}),
                       "fuzz, a day later");
    } catch (const SavedGameError& e) {
        std::fprintf(stderr, "a day later the game saves what cannot be read: %s\n", e.what());
        std::abort();
    }
    return 0;
}
