// SPDX-License-Identifier: MIT
// The map view: repainting the whole visible canvas at 25, 400 and 800 %
// and with the grid on, each timed in the same loop as the repaint at 100 %
// without the grid and reported as ratios; and the heap the view holds at
// each zoom beyond what it holds at 100 %.
#include "core/edit/MapCommands.h"
#include "core/edit/TileSetFile.h"
#include "core/state/EditorState.h"
#include "core/state/ViewZoom.h"
#include "ui/main/MapCanvas.h"

#include <QApplication>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

// The viewport's inner area, which the canvas shows through.
constexpr QSize View(771, 579);

QImage colouredSheet()
{
    QImage sheet(Tiles::SheetWidth, Tiles::SheetHeight, QImage::Format_RGB32);
    QPainter painter(&sheet);
    for (int tile = 0; tile < Tiles::TileCount; ++tile)
        for (int line = 0; line < Tiles::TileSize; ++line)
            painter.fillRect(QRect(Tiles::sheetOrigin(tile) + QPoint(0, line),
                                   QSize(Tiles::TileSize, 1)),
                             QColor(tile, line * 16, (tile * 3) % 256));
    return sheet;
}

// The start-up map with a varied grid, in a view of the viewport's size.
struct ViewFixture
{
    EditorState state;
    QWidget clip;
    MapCanvas *canvas = nullptr;

    ViewFixture()
    {
        TileSetFile::useBuiltInSheet(state, colouredSheet());
        MapCommands::resetToStartUp(state);
        for (int i = 0; i < Tiles::GridCells; ++i)
            state.tileMap[i] = static_cast<std::uint8_t>(i * 7 + i / 256);
        // Drawn again from the varied grid.
        TileSetFile::useTileSheet(state, colouredSheet(), QStringLiteral("bench"));
        clip.setFixedSize(View);
        canvas = new MapCanvas(state.mapCanvas, &clip);
        clip.show();
        QCoreApplication::processEvents();
    }

    // The view at a zoom, scrolled to the middle of the map.
    void show(int percent, bool grid)
    {
        canvas->setZoom(percent);
        canvas->setGridShown(grid);
        canvas->move(ViewZoom::canvasLeft(10, percent), ViewZoom::canvasTop(20, percent));
    }

    // The view paints what it shows of the canvas into a picture of its
    // size, as a repaint paints it into the window.
    Clock::duration repaint()
    {
        const auto start = Clock::now();
        clip.render(&screen, QPoint(), QRegion(QRect(QPoint(), View)), QWidget::DrawChildren);
        benchmark::DoNotOptimize(screen.constBits());
        return Clock::now() - start;
    }

    QImage screen{View, QImage::Format_RGB32};
};

double seconds(Clock::duration duration)
{
    return std::chrono::duration<double>(duration).count();
}

std::size_t heapInUse()
{
    return mallinfo2().uordblks;
}

// One repaint at the zoom (and grid) beside one at 100 % without the grid.
void repaintAgainstActualSize(benchmark::State &run, int percent, bool grid)
{
    ViewFixture view;
    if (qEnvironmentVariableIsSet("BENCH_VIEW_SHOT")) {
        view.show(percent, grid);
        view.repaint();
        view.screen.save(QStringLiteral("/tmp/tu-bench-%1.png").arg(percent));
    }
    // Every band of the canvas drawn once, as in a session that showed them.
    view.show(25, false);
    view.repaint();
    Clock::duration zoomed{}, actual{};
    for (auto _ : run) {
        view.show(ViewZoom::ActualSize, false);
        actual += view.repaint();
        view.show(percent, grid);
        zoomed += view.repaint();
    }
    run.counters["actual_ms"] = 1000 * seconds(actual) / double(run.iterations());
    run.counters["vs_actual"] = seconds(zoomed) / seconds(actual);
}

void BM_Repaint25(benchmark::State &run)
{
    repaintAgainstActualSize(run, 25, false);
}
BENCHMARK(BM_Repaint25)->Unit(benchmark::kMillisecond);

void BM_Repaint400(benchmark::State &run)
{
    repaintAgainstActualSize(run, 400, false);
}
BENCHMARK(BM_Repaint400)->Unit(benchmark::kMillisecond);

void BM_Repaint800(benchmark::State &run)
{
    repaintAgainstActualSize(run, 800, false);
}
BENCHMARK(BM_Repaint800)->Unit(benchmark::kMillisecond);

void BM_RepaintGridAt100(benchmark::State &run)
{
    repaintAgainstActualSize(run, 100, true);
}
BENCHMARK(BM_RepaintGridAt100)->Unit(benchmark::kMillisecond);

// The heap held after showing every zoom level beyond what the view holds
// at 100 %, in MiB.
void BM_ZoomMemory(benchmark::State &run)
{
    ViewFixture view;
    view.show(25, false);
    view.repaint();
    view.show(ViewZoom::ActualSize, false);
    view.repaint();
    const std::size_t before = heapInUse();
    std::size_t most = before;
    for (auto _ : run) {
        for (int percent : ViewZoom::Levels) {
            view.show(percent, true);
            view.repaint();
            most = std::max(most, heapInUse());
        }
    }
    run.counters["extra_MiB"] = double(most - before) / (1024.0 * 1024.0);
}
BENCHMARK(BM_ZoomMemory)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
