// SPDX-License-Identifier: MIT
// One painting tick as the user sees it: the brush copied into the canvas,
// the cell stored, and the changed cell repainted on screen.
#include "core/state/EditorState.h"
#include "core/state/MapRoutines.h"
#include "core/edit/Painting.h"
#include "host/SurfaceView.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

void BM_PaintTickWithRepaint(benchmark::State &run)
{
    EditorState state;
    state.mapWidth = 255;
    state.mapHeight = 127;
    resetMap(state);
    SurfaceView canvas(state.mapCanvas);
    canvas.show();
    QCoreApplication::processEvents();
    state.selectedTile = 34;
    int column = 0;
    for (auto _ : run) {
        selectTile(state, static_cast<std::int16_t>(column), 20);
        column = (column + 1) % 40;
        Painting::paintTick(state);
        // Repaint now instead of at the next event, so the paint is measured.
        canvas.repaint(state.mapCanvas.takeDirty());
    }
}
BENCHMARK(BM_PaintTickWithRepaint)->Unit(benchmark::kMicrosecond);

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
