// The company's rating and the manager's term in the text front end.
#include <nlohmann/json.hpp>

#include "ParseNumber.h"
#include "Rating.h"
#include "Session.h"

namespace dzwonex::text {

namespace {

const char* EndName(TermEnd end) {
    switch (end) {
        case TermEnd::Completed:
            return "completed";
        case TermEnd::Dismissed:
            return "dismissed";
        default:
            return "running";
    }
}

}  // namespace

Session::Result Session::RatingOrTerm(const std::vector<std::string>& words) {
    Result result;
    if (words[0] == "term") {
        int32_t years = 0;
        if (words.size() != 2 || !ParseNumber(words[1], years) ||
            (years != 0 && !Term::Start(years, session_.Game().Day()).Chosen())) {
            result.outcome = Outcome::Error;
            result.error = "term needs a number of years: 1, 2, 5 or 10, or 0 for no term";
            return result;
        }
        session_.StartTerm(years);
        return result;
    }
    if (words.size() != 1) {
        result.outcome = Outcome::Error;
        result.error = "rating takes no arguments";
        return result;
    }
    const Rating rating = session_.CurrentRating();
    const Term& term = session_.CurrentTerm();
    nlohmann::ordered_json line;
    line["rating"] = rating.total;
    for (int i = 0; i < kRatingPartCount; ++i)
        line[RatingPartKey(static_cast<RatingPart>(i))] = rating.points[static_cast<size_t>(i)];
    if (term.Chosen()) {
        line["term"] = {{"years", term.years},
                        {"served", term.DaysServed(session_.Game().Day())},
                        {"days", term.LengthDays()},
                        {"end", EndName(term.end)}};
        if (!term.Running()) line["term"]["final"] = term.finalRating.total;
    } else {
        line["term"] = nullptr;
    }
    result.output = line.dump();
    return result;
}

}  // namespace dzwonex::text
