#pragma once
#include <array>

#include <QPushButton>
#include <QStackedWidget>
#include <QWidget>

class QChart;
class QChartView;
class QLineSeries;
class QValueAxis;

namespace dzwonex {

class History;

// The statistics page's chart of the company's course: cash, opinion and
// quality, and the subscribers of each kind, one group at a time, picked
// with the buttons above it. The x axis counts game years. A group's chart
// is built when it is first shown, so the window starts without waiting
// for any.
class THistoryChart : public QWidget {
    Q_OBJECT
public:
    enum Group { gCash, gOpinion, gSubscribers };
    static constexpr int kGroupCount = 3;

    explicit THistoryChart(QWidget* parent = nullptr);

    // Draws the history anew: the group shown at once, the others (and
    // all while the chart is hidden) when they are next shown. At most two
    // points a pixel column are drawn. The history must outlive the chart.
    void Show(const History& history);
    void SetGroup(int group);
    int CurrentGroup() const { return current_; }
    QPushButton* GroupButton(int group) const { return buttons_[static_cast<size_t>(group)]; }
    // The group's chart, built now if it was not yet.
    QChartView* View(int group);
    // The points of the cash line.
    int PointCount() const;
    // The captions, titles and names in the language installed.
    void RetranslateUi();

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Fills one group's lines and axes from the history.
    void Fill(int group);
    struct Axes {
        QValueAxis* x = nullptr;
        QValueAxis* y = nullptr;
        QValueAxis* y2 = nullptr;  // the other kinds beside the phones
    };
    QChart* NewChart(int group);
    void AddSeries(int group);
    QLineSeries* AddLine(int group, const QColor& colour, QValueAxis* y);
    void RetranslateView(int group);
    // The cash axis's unit: thousands or millions of złoty.
    QString CashUnit() const;

    std::array<QPushButton*, kGroupCount> buttons_{};
    std::array<QChartView*, kGroupCount> views_{};
    std::array<Axes, kGroupCount> axes_{};
    QStackedWidget* stack_ = nullptr;
    int current_ = gCash;
    bool cashInMillions_ = false;
    const History* history_ = nullptr;
    std::array<bool, kGroupCount> stale_{};  // a group waits for its next showing
    QLineSeries* cash_ = nullptr;
    QLineSeries* negative_ = nullptr;  // cash where it is below zero, else 0
    QLineSeries* opinion_ = nullptr;
    QLineSeries* quality_ = nullptr;
    std::array<QLineSeries*, 6> counts_{};
};

}  // namespace dzwonex
