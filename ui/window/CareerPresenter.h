#pragma once
#include <vector>

#include <QObject>
#include <QString>

#include "CareerFiles.h"
#include "GameSession.h"
#include "Screen.h"

namespace dzwonex {

class GameClock;

// The manager's career in the window: the rating beside the figures, the
// milestones told in a note over the pages, the report at a term's end (the
// clock stands while it is read) and the files of records and milestones.
// What a turn did comes from the session; this only shows it.
class CareerPresenter : public QObject {
    Q_OBJECT
public:
    CareerPresenter(GameSession& session, CareerFiles& files, GameClock& clock, QObject* parent = nullptr);

    void Attach(const Screen& screen) { screen_ = screen; }
    // Reads the records and the milestones: a message for each file that
    // could not be used.
    std::vector<QString> Load();

    // What a day or an answer did; problems with the files go to `report`.
    template <typename Report>
    void Show(const GameSession::Outcome& outcome, Report report) {
        ShowRating(outcome.rating);
        for (const QString& problem : files_.TakeProblems()) report(problem);
        Announce(outcome.reached);
        if (outcome.end != TermEnd::Running) ShowTermReport(outcome.place);
    }
    // The rating of the company as it stands.
    void ShowRating();
    // The term's report has been read: the game goes on with no term, at
    // the speed it had.
    void PlayOn();
    // Another game takes this one's place: its report goes unread.
    void HideReport();
    bool ReportShown() const;

    const CareerFiles& Files() const { return files_; }
    // The term length whose records the player most likely wants: the
    // term in play, or else the one last served; 0 when neither.
    int32_t RecordsLength() const;

signals:
    // A milestone was reached or a term entered the records.
    void Changed();
    // Milestones were reached: the line for the log ("Osiągnięcie: …").
    void Reached(const QString& line);

private:
    void ShowRating(const Rating& rating);
    void Announce(const std::vector<MilestoneId>& reached);
    void ShowTermReport(int32_t place);

    GameSession& session_;
    CareerFiles& files_;
    GameClock& clock_;
    Screen screen_;
    int32_t servedYears_ = 0;  // the length of the term last reported
};

}  // namespace dzwonex
