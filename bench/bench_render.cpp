// SPDX-License-Identifier: MIT
// A full redraw of all 32,768 cells into the largest canvas, beside a plain
// memset of the same canvas, and one painting tick.
#include "core/state/EditorState.h"
#include "core/state/MapRoutines.h"
#include "core/edit/Painting.h"

#include <benchmark/benchmark.h>

#include <cstring>

namespace {

void prepareFullCanvas(EditorState &state)
{
    state.mapWidth = 256;
    state.mapHeight = 128;
    sizeCanvasToMap(state);
    for (int i = 0; i < Tiles::GridCells; ++i)
        state.tileMap[i] = static_cast<std::uint8_t>(i * 7);
}

void BM_MemsetCanvas(benchmark::State &run)
{
    QImage canvas(4096, 2048, QImage::Format_RGB32);
    for (auto _ : run) {
        std::memset(canvas.bits(), 0x5a, canvas.sizeInBytes());
        benchmark::DoNotOptimize(canvas.constBits());
        benchmark::ClobberMemory();
    }
    run.SetBytesProcessed(run.iterations() * canvas.sizeInBytes());
}
BENCHMARK(BM_MemsetCanvas)->Unit(benchmark::kMillisecond);

void BM_FullRedraw(benchmark::State &run)
{
    EditorState state;
    prepareFullCanvas(state);
    for (auto _ : run) {
        redrawMap(state);
        state.mapCanvas.takeDirty();
        // The grid is drawn when its pixels are asked for: ask for all of them.
        benchmark::DoNotOptimize(state.mapCanvas.image().constBits());
        benchmark::ClobberMemory();
    }
    run.SetBytesProcessed(run.iterations() * state.mapCanvas.image().sizeInBytes());
}
BENCHMARK(BM_FullRedraw)->Unit(benchmark::kMillisecond);

void BM_BlankMap(benchmark::State &run)
{
    EditorState state;
    prepareFullCanvas(state);
    for (auto _ : run) {
        resetMap(state);
        state.mapCanvas.takeDirty();
        benchmark::DoNotOptimize(state.mapCanvas.image().constBits());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_BlankMap)->Unit(benchmark::kMillisecond);

void BM_PaintTick(benchmark::State &run)
{
    EditorState state;
    prepareFullCanvas(state);
    selectTile(state, 100, 60);
    state.selectedTile = 34;
    for (auto _ : run) {
        benchmark::DoNotOptimize(Painting::paintTick(state));
        state.mapCanvas.takeDirty();
    }
}
BENCHMARK(BM_PaintTick)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
