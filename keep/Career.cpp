#include "Career.h"

#include <QStandardPaths>

#include "History.h"

namespace dzwonex {

namespace {

QString DataFolder() { return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation); }

// Reads one file with its parser; a damaged one is set aside and the
// default stands.
template <typename T, typename Parse>
T LoadFile(const PlayerFile& file, Parse parse, std::vector<QString>& problems) {
    QString problem;
    const std::optional<std::string> text = file.Read(problem);
    if (!problem.isEmpty()) problems.push_back(problem);
    if (!text) return T{};
    try {
        return parse(*text);
    } catch (const std::runtime_error& e) {
        problems.push_back(file.SetAside(QString::fromStdString(e.what())));
        return T{};
    }
}

}  // namespace

Career::Career(MessageLanguage language) : Career(DataFolder(), std::move(language)) {}

Career::Career(const QString& folder, MessageLanguage language)
    : recordsFile_(folder + QStringLiteral("/najlepsi-dyrektorzy.json"), kMaxRecordsText, language),
      milestonesFile_(folder + QStringLiteral("/osiagniecia.json"), kMaxMilestonesText, language) {}

std::vector<QString> Career::Load() {
    std::vector<QString> problems;
    records_ = LoadFile<Records>(recordsFile_, RecordsFromJson, problems);
    tracker_ =
        MilestoneTracker(LoadFile<MilestoneBook>(milestonesFile_, MilestonesFromJson, problems), tracker_.Progress());
    return problems;
}

void Career::NewGame(int32_t years, int32_t day, uint32_t seed) {
    term_ = Term::Start(years, day);
    tracker_.NewGame();
    seed_ = seed;
}

void Career::Restore(const SavedGame& saved) {
    term_ = saved.term;
    tracker_ = MilestoneTracker(tracker_.Book(), saved.milestones.value_or(MilestoneProgress{}));
    seed_ = saved.seed;
}

void Career::Keep(SavedGame& game) const {
    game.term = term_;
    game.milestones = tracker_.Progress();
    game.seed = seed_;
}

Career::Day Career::AfterDay(const Company& game, const History& history, const std::string& user,
                             const std::string& date) {
    Day day;
    day.rating = RateCompany(game, history);
    day.end = term_.AfterDay(game, day.rating);
    if (day.end == TermEnd::Completed) {
        // Read again first: another window may have entered a term since.
        records_ = LoadFile<Records>(recordsFile_, RecordsFromJson, day.problems);
        // A game whose file did not say its seed enters with 0.
        day.place = records_.EnterTerm(term_, user, date, seed_.value_or(0));
        QString problem;
        if (day.place > 0 && !recordsFile_.Write(RecordsToJson(records_), problem)) day.problems.push_back(problem);
    }
    day.reached = tracker_.AfterDay(game, day.rating, date);
    if (!day.reached.empty()) SaveMilestones(day.problems);
    return day;
}

std::vector<MilestoneId> Career::AfterAnswer(const Company& game, const std::string& date,
                                             std::vector<QString>& problems) {
    std::vector<MilestoneId> reached = tracker_.AfterAnswer(game, date);
    if (!reached.empty()) SaveMilestones(problems);
    return reached;
}

void Career::SaveMilestones(std::vector<QString>& problems) {
    // What another window reached meanwhile stays in the book.
    MilestoneBook book = LoadFile<MilestoneBook>(milestonesFile_, MilestonesFromJson, problems);
    for (size_t i = 0; i < book.reached.size(); ++i)
        if (tracker_.Book().reached[i]) book.reached[i] = tracker_.Book().reached[i];
    tracker_ = MilestoneTracker(std::move(book), tracker_.Progress());
    QString problem;
    if (!milestonesFile_.Write(MilestonesToJson(tracker_.Book()), problem)) problems.push_back(problem);
}

}  // namespace dzwonex
