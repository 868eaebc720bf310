#pragma once
#include <array>

#include <QLabel>
#include <QWidget>

#include "Rating.h"

namespace dzwonex {

// A bar that fills its share of its width: how many of a part's points the
// company has.
class TShareBar : public QWidget {
    Q_OBJECT
public:
    explicit TShareBar(QWidget* parent = nullptr);
    // The share, 0..1.
    void SetShare(double share);
    double Share() const { return share_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double share_ = 0;
};

// The five parts of the company's rating, each with its points out of its
// maximum and a bar of its share, in rows of `columns` laid out across the
// widget's width (three columns: three parts in the first row, two in the
// second). Its controls are named after
// `prefix` ("lblOcenaPieniadze", "barOcenaPieniadze"), so two of them can
// stand in one window.
class TRatingParts : public QWidget {
    Q_OBJECT
public:
    static constexpr int kRowStep = 19;

    TRatingParts(const QString& prefix, int columns, QWidget* parent = nullptr);
    // The height its rows take.
    int RowsHeight() const { return (kRatingPartCount + columns_ - 1) / columns_ * kRowStep; }
    void Show(const Rating& rating);
    QLabel* Name(int part) const { return names_[static_cast<size_t>(part)]; }
    QLabel* Points(int part) const { return points_[static_cast<size_t>(part)]; }
    TShareBar* Bar(int part) const { return bars_[static_cast<size_t>(part)]; }
    void RetranslateUi();

    // A part's name and what it counts, in the language installed.
    static QString PartName(int part);
    static QString PartDescription(int part);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    std::array<QLabel*, kRatingPartCount> names_{};
    std::array<QLabel*, kRatingPartCount> points_{};
    std::array<TShareBar*, kRatingPartCount> bars_{};
    Rating rating_;
    int columns_;
};

}  // namespace dzwonex
