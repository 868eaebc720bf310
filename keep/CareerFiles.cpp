#include "CareerFiles.h"

#include <stdexcept>

#include <QCoreApplication>
#include <QDir>

namespace dzwonex {

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("dzwonex::CareerFiles", text); }

// Reads one file with its parser. A damaged or oversized one is set aside
// and the default stands; an unreadable one gives false.
template <typename T, typename Parse>
bool ReadKept(const PlayerFile& file, Parse parse, T& value, std::vector<QString>& problems) {
    using State = PlayerFile::Contents::State;
    const PlayerFile::Contents contents = file.Read();
    value = T{};
    switch (contents.state) {
        case State::Missing:
            return true;
        case State::Unreadable:
            problems.push_back(Tr(QT_TRANSLATE_NOOP("dzwonex::CareerFiles",
                                                    "Nie można odczytać pliku %1 (%2); gra toczy się dalej bez "
                                                    "niego i niczego w nim nie zmieni."))
                                   .arg(QDir::toNativeSeparators(file.Path()), contents.problem));
            return false;
        case State::TooLarge:
            problems.push_back(file.SetAside(contents.problem));
            return true;
        case State::Text:
            break;
    }
    try {
        value = parse(contents.text);
    } catch (const std::runtime_error& e) {
        problems.push_back(file.SetAside(QString::fromStdString(e.what())));
    }
    return true;
}

}  // namespace

CareerFiles::CareerFiles(const QString& folder, MessageLanguage language)
    : recordsFile_(folder + QStringLiteral("/najlepsi-dyrektorzy.json"), kMaxRecordsText, language),
      milestonesFile_(folder + QStringLiteral("/osiagniecia.json"), kMaxMilestonesText, language) {}

MilestoneBook CareerFiles::Load(std::vector<QString>& problems) {
    ReadRecords(fileRecords_, problems);
    shown_ = WithWaiting(fileRecords_);
    MilestoneBook book;
    ReadBook(book, problems);
    return book;
}

bool CareerFiles::ReadRecords(Records& records, std::vector<QString>& problems) {
    return ReadKept(recordsFile_, RecordsFromJson, records, problems);
}

bool CareerFiles::ReadBook(MilestoneBook& book, std::vector<QString>& problems) {
    return ReadKept(milestonesFile_, MilestonesFromJson, book, problems);
}

std::vector<QString> CareerFiles::TakeProblems() { return std::exchange(problems_, {}); }

Records CareerFiles::WithWaiting(Records records) const {
    for (const Entry& entry : waiting_) records.Enter(entry.years, entry.row);
    return records;
}

int32_t CareerFiles::EnterTerm(const Term& term, const std::string& user, const std::string& date, uint32_t seed) {
    const PlayerFile::Lock lock(recordsFile_);
    if (!lock.Held()) problems_.push_back(recordsFile_.BusyProblem());
    Records read;
    const bool readable = lock.Held() && ReadRecords(read, problems_);
    if (readable) fileRecords_ = std::move(read);
    // Placed among what the file holds now and what still waits for it.
    Records entered = WithWaiting(fileRecords_);
    const int32_t place = entered.EnterTerm(term, user, date, seed);
    if (place > 0) waiting_.push_back({term.years, entered.Table(term.years)[static_cast<size_t>(place - 1)]});
    if (readable && !waiting_.empty()) {
        Records all = WithWaiting(fileRecords_);
        QString problem;
        if (recordsFile_.Write(RecordsToJson(all), problem)) {
            fileRecords_ = std::move(all);
            waiting_.clear();
        } else {
            // Still waiting: the next term's end tries again.
            problems_.push_back(problem);
        }
    }
    shown_ = WithWaiting(fileRecords_);
    return place;
}

void CareerFiles::KeepBook(MilestoneBook& book) {
    const PlayerFile::Lock lock(milestonesFile_);
    if (!lock.Held()) {
        problems_.push_back(milestonesFile_.BusyProblem());
        return;
    }
    MilestoneBook kept;
    // The book stays in memory until the file can be read again.
    if (!ReadBook(kept, problems_)) return;
    // What another game reached meanwhile joins this one's.
    for (size_t i = 0; i < book.reached.size(); ++i)
        if (!book.reached[i]) book.reached[i] = kept.reached[i];
    QString problem;
    if (!milestonesFile_.Write(MilestonesToJson(book), problem)) problems_.push_back(problem);
}

}  // namespace dzwonex
