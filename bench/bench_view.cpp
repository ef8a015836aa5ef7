// SPDX-License-Identifier: MIT
// The map view: repainting the whole visible canvas at 25, 400 and 800 %
// and with the grid on, each timed in the same loop as the repaint at 100 %
// without the grid and reported as ratios; and the heap a view holds at
// each zoom beyond the map itself (the screen picture of its size included).
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
constexpr QSize ViewSize(771, 579);

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

// The start-up map with a varied grid.
struct MapFixture
{
    EditorState state;

    MapFixture()
    {
        TileSetFile::useBuiltInSheet(state, colouredSheet());
        MapCommands::resetToStartUp(state);
        for (int i = 0; i < Tiles::GridCells; ++i)
            state.tileMap[i] = static_cast<std::uint8_t>(i * 7 + i / 256);
        // Drawn again from the varied grid.
        TileSetFile::useTileSheet(state, colouredSheet(), QStringLiteral("bench"));
    }
};

// A view of the viewport's size on the map at one zoom, scrolled to the
// middle of the map.
struct View
{
    QWidget clip;
    MapCanvas *canvas = nullptr;
    QImage screen{ViewSize, QImage::Format_RGB32};

    View(EditorState &state, int percent, bool grid)
    {
        clip.setFixedSize(ViewSize);
        canvas = new MapCanvas(state.mapCanvas, &clip);
        canvas->setZoom(percent);
        canvas->setGridShown(grid);
        canvas->move(ViewZoom::canvasLeft(10, percent), ViewZoom::canvasTop(20, percent));
        clip.show();
        QCoreApplication::processEvents();
    }

    // The view paints what it shows of the canvas into a picture of its
    // size, as a repaint paints it into the window.
    Clock::duration repaint()
    {
        const auto start = Clock::now();
        clip.render(&screen, QPoint(), QRegion(QRect(QPoint(), ViewSize)), QWidget::DrawChildren);
        benchmark::DoNotOptimize(screen.constBits());
        return Clock::now() - start;
    }
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
    MapFixture map;
    View actual(map.state, ViewZoom::ActualSize, false);
    View zoomed(map.state, percent, grid);
    // Whatever a view makes on its first repaint is made before timing.
    actual.repaint();
    zoomed.repaint();
    Clock::duration zoomedTime{}, actualTime{};
    for (auto _ : run) {
        actualTime += actual.repaint();
        zoomedTime += zoomed.repaint();
    }
    run.counters["actual_ms"] = 1000 * seconds(actualTime) / double(run.iterations());
    run.counters["vs_actual"] = seconds(zoomedTime) / seconds(actualTime);
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

// The heap held by a view at each zoom level, with the grid, beyond what
// the map and a view at 100 % hold, in MiB: the most of all levels.
void BM_ZoomMemory(benchmark::State &run)
{
    MapFixture map;
    View actual(map.state, ViewZoom::ActualSize, false);
    actual.repaint();
    double most = 0;
    for (auto _ : run) {
        for (int percent : ViewZoom::Levels) {
            const std::size_t before = heapInUse();
            View zoomed(map.state, percent, true);
            zoomed.repaint();
            most = std::max(most, double(heapInUse() - before) / (1024.0 * 1024.0));
        }
    }
    run.counters["extra_MiB"] = most;
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
