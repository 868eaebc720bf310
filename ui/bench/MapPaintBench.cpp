// A full repaint of the map: the picture and every point's icon, with the
// number of points of a fresh game (about 1,100) and with 100,000.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPainter>

#include "CompanyBuilder.h"
#include "MainWindow.h"
#include "SilentSound.h"

namespace {

using namespace dzwonex;

// One window for all runs, on the generated assets.
TfrmMain& Window() {
    static TfrmMain* window = [] {
        TfrmMainOptions options;
        options.appDir = DZWONEX_BENCH_ASSET_DIR;
        options.seed = 20240101;
        options.showLogo = false;
        options.sound = std::make_unique<SilentSound>();
        auto* w = new TfrmMain(std::move(options));
        w->Controller().Clock().StopMainTimer();
        w->Controller().DecodeMap();
        return w;
    }();
    return *window;
}

// Fills the lists with `points` points spread over the kinds like a game's.
void Populate(Company& game, int points) {
    const int perKind[kKindCount] = {92, 3, 2, 1, 1, 2};  // out of 101
    std::array<int, kKindCount> counts{};
    for (int k = 1; k <= kKindCount; ++k)
        counts[k - 1] = k == skPhone ? points - points / 101 * 9 : points / 101 * perKind[k - 1];
    dzwonex::testing::CompanyBuilder(game).Counts(counts);
}

// PaintMap straight into an image of the screen's format.
void BM_PaintMap(benchmark::State& state) {
    TfrmMain& w = Window();
    Populate(w.Game(), static_cast<int>(state.range(0)));
    QImage target(w.Game().MapWidth(), w.Game().MapHeight(), QImage::Format_RGB32);
    const QRect all = target.rect();
    for (auto _ : state) {
        QPainter painter(&target);
        PaintMap(painter, all, w.Controller().Pictures(), w.Game());
        painter.end();
        benchmark::DoNotOptimize(target.constBits());
    }
    state.counters["points"] = static_cast<double>(state.range(0));
}
BENCHMARK(BM_PaintMap)->Arg(1100)->Arg(100000)->Unit(benchmark::kMillisecond);

// The whole paint box through Qt's widget rendering, as a repaint does it.
void BM_RenderPaintBox(benchmark::State& state) {
    TfrmMain& w = Window();
    Populate(w.Game(), static_cast<int>(state.range(0)));
    auto* map = w.findChild<QWidget*>(QStringLiteral("paintboxMapa"));
    QImage target(map->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        map->render(&target);
        benchmark::DoNotOptimize(target.constBits());
    }
    state.counters["points"] = static_cast<double>(state.range(0));
}
BENCHMARK(BM_RenderPaintBox)->Arg(1100)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
