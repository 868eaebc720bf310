#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include <QString>

#include "CareerStore.h"
#include "MessageLanguage.h"
#include "PlayerFile.h"
#include "Records.h"

namespace dzwonex {

// The manager's career on the disk: the best terms ("Najlepsi dyrektorzy")
// and the milestones reached, one file each in the player's data folder,
// shared by every game on the account. Each change re-reads its file under
// the file's lock and merges before it writes, so two windows at once both
// keep what they entered. A file that cannot be read is never written over:
// what this game enters waits in memory until the file can be read again.
class CareerFiles final : public CareerStore {
public:
    CareerFiles(const QString& folder, MessageLanguage language);

    // Reads both files: the book of milestones (an empty one where it could
    // not be read) and, in `problems`, a message for each file that could
    // not be used; the game goes on without it.
    MilestoneBook Load(std::vector<QString>& problems);

    // The records as last read, with this game's entries.
    const Records& Table() const { return shown_; }
    const QString& RecordsPath() const { return recordsFile_.Path(); }
    const QString& MilestonesPath() const { return milestonesFile_.Path(); }
    // The messages of the changes since last asked that could not be kept.
    std::vector<QString> TakeProblems();

    int32_t EnterTerm(const Term& term, const std::string& user, const std::string& date, uint32_t seed) override;
    void KeepBook(MilestoneBook& book) override;

    // Test seams: the records file and the milestones file.
    PlayerFile& RecordsFile() { return recordsFile_; }
    PlayerFile& MilestonesFile() { return milestonesFile_; }

private:
    struct Entry {
        int32_t years = 0;
        RecordRow row;
    };
    // The records with the entries that wait for the file.
    Records WithWaiting(Records records) const;
    // The records or the book from its file; false when the file cannot be
    // read and must not be written (`problems` then says why).
    bool ReadRecords(Records& records, std::vector<QString>& problems);
    bool ReadBook(MilestoneBook& book, std::vector<QString>& problems);

    PlayerFile recordsFile_;
    PlayerFile milestonesFile_;
    Records fileRecords_;         // as the file held them last
    std::vector<Entry> waiting_;  // entered, not yet in the file
    Records shown_;               // the two together
    std::vector<QString> problems_;
};

}  // namespace dzwonex
