// The statistics chart: its first showing with ten game years of history
// (target: 50 ms), redrawing it from a hundred years (target: 5 ms), and
// the heap the history and the chart take (target: 2 MB).
#include <benchmark/benchmark.h>

#include <cmath>

#include <malloc.h>

#include <QApplication>
#include <QImage>

#include "History.h"
#include "HistoryChart.h"

namespace {

using namespace dzwonex;

// The chart's size in a 1280 x 800 window (the largest it usually has).
constexpr int kWidth = 895;
constexpr int kHeight = 680;

// A game of `years` with a wandering course: cash swinging through zero,
// counts growing and shrinking.
History MakeHistory(int years) {
    History history;
    HistorySample s;
    for (int32_t day = 1; day <= years * 360; ++day) {
        const double t = day / 360.0;
        s.day = day;
        s.cash = static_cast<int32_t>(200000 * std::sin(t / 3) + 50000 * std::sin(t * 5));
        s.opinion = static_cast<float>(40 * std::sin(t / 7));
        s.quality = static_cast<float>(10 * std::cos(t / 5));
        for (int k = 0; k < kKindCount; ++k)
            s.counts[static_cast<size_t>(k)] =
                static_cast<int32_t>((k == 0 ? 1000 : 30) * (1.2 + std::sin(t / (k + 2))));
        history.Record(s);
    }
    return history;
}

// The chart made, given the history, shown and painted for the first
// time on a page already on screen, as when Statystyka is first opened.
void BM_ChartFirstShowing(benchmark::State& state) {
    const History history = MakeHistory(static_cast<int>(state.range(0)));
    QWidget page;
    page.resize(kWidth, kHeight);
    page.show();
    QApplication::processEvents();
    QImage image(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        THistoryChart chart(&page);
        chart.setGeometry(0, 0, kWidth, kHeight);
        chart.Show(history);
        chart.show();
        chart.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["samples"] = static_cast<double>(history.Size());
}
BENCHMARK(BM_ChartFirstShowing)->Arg(10)->Unit(benchmark::kMillisecond);

// A group painted again from the whole history, as after every day.
void BM_ChartRedraw(benchmark::State& state) {
    const History history = MakeHistory(100);
    THistoryChart chart;
    chart.resize(kWidth, kHeight);
    chart.SetGroup(static_cast<int>(state.range(0)));
    chart.show();
    QApplication::processEvents();
    QImage image(chart.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        chart.Show(history);
        chart.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["samples"] = static_cast<double>(history.Size());
}
BENCHMARK(BM_ChartRedraw)
    ->Arg(THistoryChart::gCash)
    ->Arg(THistoryChart::gOpinion)
    ->Arg(THistoryChart::gSubscribers)
    ->Unit(benchmark::kMillisecond);

void BM_HistoryAndChartMemory(benchmark::State& state) {
    size_t history = 0, chart = 0;
    for (auto _ : state) {
        const size_t start = mallinfo2().uordblks;
        const History h = MakeHistory(static_cast<int>(state.range(0)));
        history = mallinfo2().uordblks - start;
        {
            THistoryChart c;
            c.resize(kWidth, kHeight);
            c.show();
            QApplication::processEvents();
            const size_t empty = mallinfo2().uordblks;
            c.Show(h);
            QApplication::processEvents();
            chart = mallinfo2().uordblks - empty;
        }
    }
    state.counters["historyBytes"] = static_cast<double>(history);
    state.counters["chartBytes"] = static_cast<double>(chart);
}
BENCHMARK(BM_HistoryAndChartMemory)->Arg(100)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
