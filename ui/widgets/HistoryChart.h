#pragma once
#include <array>
#include <utility>
#include <vector>

#include <QHBoxLayout>
#include <QPushButton>
#include <QWidget>

#include "HistoryChartScene.h"
#include "Language.h"
#include "Rating.h"

namespace dzwonex {

class History;
class TPaintBox;

// The statistics page's chart of the company's course: cash, opinion and
// quality, the subscribers of each kind, and the company's rating with its
// parts, one group at a time, picked
// with the buttons above it. The x axis counts game years. It is painted
// from the history at each showing, at most two points a pixel column, so
// it costs nothing until the page is opened.
class THistoryChart : public QWidget {
    Q_OBJECT
public:
    enum Group { gCash, gOpinion, gSubscribers, gRating };
    static constexpr int kGroupCount = 4;

    explicit THistoryChart(QWidget* parent = nullptr);

    // Draws the history anew. The history must outlive the chart.
    void Show(const History& history);
    void SetGroup(int group);
    int CurrentGroup() const { return current_; }
    QPushButton* GroupButton(int group) const { return buttons_[static_cast<size_t>(group)]; }
    // The captions, titles and names in the language installed.
    void RetranslateUi();
    // What the shown group's chart draws at its present size.
    ChartScene Scene() const;

private:
    ChartRequest Request() const;
    void Paint(QPainter& painter) const;
    // The rating of a sample of the history, worked out once a showing.
    const Rating& RatingOf(const HistorySample& sample) const;

    std::array<QPushButton*, kGroupCount> buttons_{};
    QHBoxLayout* buttonRow_ = nullptr;
    TPaintBox* plot_ = nullptr;
    int current_ = gCash;
    const History* history_ = nullptr;
    Language language_ = Language::Polish;
    // Each sample's day and rating, oldest first; empty until needed.
    mutable std::vector<std::pair<int32_t, Rating>> ratings_;
};

}  // namespace dzwonex
