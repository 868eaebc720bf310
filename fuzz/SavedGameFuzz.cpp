// Saved games: any bytes as a saved game's text. What is read is restored
// into a game session (the company, its history, the term, the milestone
// runs); what restores is saved, read back and compared (the same game, the
// same text), then plays a day as both front ends do and must still save as
// a file that reads. The summary the lists show is read too, and must agree
// with what was read. Nothing may crash, hang or trip a sanitizer, and no
// round trip may differ.
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "GameSession.h"
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
    GameSession session(view, 1, [] { return std::string(); });
    session.Game().SetMapPictureSize(1440, 1040);
    session.Game().SetBannerStripHeight(350);
    try {
        session.Restore(read);
    } catch (const std::invalid_argument&) {
        return 0;
    }

    const SavedGame saved = session.Save();
    const std::string text = SavedGameText(saved);
    const SavedGame again = ParseSavedGame(text, "fuzz, saved again");
    if (!(again.company == saved.company)) Differs("the company");
    if (!(again.history == saved.history)) Differs("the history");
    if (!(again == saved)) Differs("the term, the milestone runs or the seed");
    if (SavedGameText(again) != text) Differs("the text");

    session.NextDay();
    try {
        ParseSavedGame(SavedGameText(session.Save()), "fuzz, a day later");
    } catch (const SavedGameError& e) {
        std::fprintf(stderr, "a day later the game saves what cannot be read: %s\n", e.what());
        std::abort();
    }
    return 0;
}
