#pragma once
#include <cstdint>
#include <vector>

#include <QFont>
#include <QRectF>
#include <QString>
#include <QWidget>

#include "Language.h"

namespace dzwonex {

// What the term's chart draws at one size: the tests read it, the widget
// paints it.
struct TermChartScene {
    struct Text {
        QRectF box;
        QString text;
        int align = 0;
    };
    QRectF plot;
    std::vector<QRectF> bars;  // one a month, in the term's order
    std::vector<Text> texts;   // the axis labels and the title
};

// The rating at the end of each month of a term, as bars against 0..1000,
// the best month green and the worst red.
class TTermChart : public QWidget {
    Q_OBJECT
public:
    explicit TTermChart(QWidget* parent = nullptr);
    // `best` and `worst` are month numbers from 1; 0 for none.
    void Show(std::vector<int32_t> monthlyRatings, int32_t best, int32_t worst);
    TermChartScene Scene() const;
    void RetranslateUi();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<int32_t> months_;
    int32_t best_ = 0, worst_ = 0;
    Language language_ = Language::Polish;
};

}  // namespace dzwonex
