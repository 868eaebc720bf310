#pragma once
#include <array>
#include <map>
#include <optional>
#include <vector>

#include <QLabel>

#include "Controls.h"
#include "Language.h"
#include "LazyPage.h"
#include "Leaving.h"
#include "Rating.h"
#include "Snapshot.h"
#include "Standing.h"
#include "Term.h"
#include "View.h"

namespace dzwonex {

class History;
class THistoryChart;
class TRatingBox;

// tabStat: the company's figures in the panel at the top left (cash,
// opinion and quality with their bands and trends, subscribers, the day's
// expenses and account) and the chart of its history beside it. A figure
// too long for its column is shortened, whole in its tooltip.
//
// Most players open the page later or never: its controls are made when it
// is first shown.
class StatisticsPage : public TLazyPage {
    Q_OBJECT
public:
    explicit StatisticsPage(QWidget* parent = nullptr);

    // A figure the game writes: lblKasa, lblOpinia, lblJakosc, lbl1..lbl6,
    // lblPracownicy, lblNaprawy or lblSprzet. Others are not on this page.
    void ShowFigure(Control control, const QString& text);
    // Cash below zero is written in red.
    void ShowCashBelowZero(bool below);
    void ShowDayAccount(const DayAccount& day, Language language);
    // Beside opinion and quality: the band each stands in and which way it
    // went over the last 30 days.
    struct Standing {
        OpinionBand opinionBand = OpinionBand::Average;
        QualityBand qualityBand = QualityBand::Good;
        int64_t opinionChange = 0;
        int64_t qualityChange = 0;
        // Beside each count: which way it went over the last 30 days, and
        // the kinds the rules drive away now, marked in red with why.
        std::array<int64_t, kKindCount> countChanges{};
        std::vector<KindLeaving> leaving;
    };
    void ShowStanding(const Standing& standing);
    // Draws the history anew; it must outlive the page.
    void ShowHistory(const History& history);
    // The company's rating, below the panel.
    void ShowRating(const Rating& rating, const Term& term, int32_t day);
    void RetranslateUi();

protected:
    void MakeControls() override;
    void LayOut() override { tabStatResize(); }
    void ShowKept() override;

private:
    void BuildFigures();
    void BuildCounts();
    void BuildExpenses();
    void ShowScale();
    void ShowTrend(QLabel* label, int64_t change);
    void ShowCountsStanding();
    void tabStatResize();
    void ShowAmountOf(Control control);
    void ShowDayAccount();
    void ShowRating();

    TPanel* pnlStat_ = nullptr;
    QLabel* lblKasa_ = nullptr;
    QLabel* lblOpinia_ = nullptr;
    QLabel* lblJakosc_ = nullptr;
    QLabel* lblOpiniaSkala_ = nullptr;
    QLabel* lblOpiniaTrend_ = nullptr;
    QLabel* lblJakoscSkala_ = nullptr;
    QLabel* lblJakoscTrend_ = nullptr;
    // What the page shows, kept while it has no controls.
    std::map<Control, QString> figures_;
    bool cashBelowZero_ = false;
    std::optional<std::pair<DayAccount, Language>> day_;
    Standing standing_;
    const History* history_ = nullptr;
    struct ShownRating {
        Rating rating;
        Term term;
        int32_t day;
    };
    std::optional<ShownRating> rating_;
    std::array<QLabel*, kKindCount> lblCounts_{};  // lbl1 .. lbl6
    std::array<QLabel*, kKindCount> lblCountTrends_{};
    std::array<QLabel*, kKindCount> lblCountCaptions_{};
    QLabel* lblPracownicy_ = nullptr;
    QLabel* lblNaprawy_ = nullptr;
    QLabel* lblSprzet_ = nullptr;
    QLabel* lblPrzychody_ = nullptr;
    QLabel* lblWydatki_ = nullptr;
    QLabel* lblBilans_ = nullptr;
    THistoryChart* chartHistoria_ = nullptr;
    TRatingBox* pnlOcena_ = nullptr;
    // Every caption the language changes, with its Polish words and what
    // a screen reader says of it.
    struct Caption {
        QLabel* label;
        const char* text;  // in tr(); none for a kind's row
        const char* description;
        int kind = 0;  // a row of subscribers of this kind
    };
    std::vector<Caption> captions_;
};

}  // namespace dzwonex
