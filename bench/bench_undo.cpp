// SPDX-License-Identifier: MIT
// The undo history: Fill Map on the full 256 x 128 map beside its undo and
// redo, a 200-cell stroke beside its undo, each pair timed in the same loop
// and reported as ratios; and the memory the history holds for 10,000
// one-cell strokes and for 1,000 Load Tiles steps.
#include "core/state/EditorState.h"
#include "core/edit/MapCommands.h"
#include "core/state/MapRoutines.h"
#include "core/edit/Painting.h"
#include "core/edit/TileSetFile.h"
#include "mapfile/MapFileFormat.h"
#include "mapfile/MapLoading.h"

#include <QPainter>
#include <QRandomGenerator>

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

// Tiles of distinct flat colours, so every tile blit moves real pixels.
QImage colouredSheet(int shade)
{
    QImage sheet(Tiles::SheetWidth, Tiles::SheetHeight, QImage::Format_RGB32);
    QPainter painter(&sheet);
    for (int tile = 0; tile < Tiles::TileCount; ++tile)
        painter.fillRect(QRect(Tiles::sheetOrigin(tile), QSize(Tiles::TileSize, Tiles::TileSize)),
                         QColor(tile, (tile * 3 + shade) % 256, shade % 256));
    return sheet;
}

// The full 256 x 128 map of a width-byte-255 file, with a varied grid.
void prepareFullMap(EditorState &state)
{
    TileSetFile::useBuiltInSheet(state, colouredSheet(0));
    MapFile::Contents map;
    map.widthByte = MapFile::FullWidthByte;
    map.heightByte = Tiles::GridRows - 1;
    for (int i = 0; i < Tiles::GridCells; ++i)
        map.grid[i] = static_cast<std::uint8_t>(i * 7);
    MapFile::applyLoadedMap(state, map);
    state.history.clear();
}

// Makes the canvas draw what it has put off drawing, so a timed step includes
// all of its pixels.
void finishDrawing(EditorState &state)
{
    benchmark::DoNotOptimize(state.mapCanvas.image().constBits());
}

double seconds(Clock::duration duration)
{
    return std::chrono::duration<double>(duration).count();
}

std::size_t heapInUse()
{
    return mallinfo2().uordblks;
}

void paintStroke(EditorState &state, int cells, int row)
{
    state.history.beginStroke();
    for (int column = 0; column < cells; ++column) {
        selectTile(state, static_cast<std::int16_t>(column % 200),
                   static_cast<std::int16_t>(row + column / 200));
        Painting::paintTick(state);
    }
    state.history.endStroke();
}

// Fill Map (with its recording) and its undo and redo, one after the other
// on the same map. Iteration time is the sum; the counters are the ratios.
void BM_FillMapUndoRedo(benchmark::State &run)
{
    EditorState state;
    prepareFullMap(state);
    finishDrawing(state);
    Clock::duration fill{}, undo{}, redo{};
    int tile = 0;
    for (auto _ : run) {
        state.selectedTile = static_cast<std::int16_t>(tile++ % Tiles::TileCount);
        selectTile(state, state.selectedTile % Tiles::SheetColumns,
                   state.selectedTile / Tiles::SheetColumns);
        copySelectionToPreview(state);
        auto start = Clock::now();
        MapCommands::fillMap(state);
        finishDrawing(state);
        fill += Clock::now() - start;
        start = Clock::now();
        state.history.undo();
        finishDrawing(state);
        undo += Clock::now() - start;
        start = Clock::now();
        state.history.redo();
        finishDrawing(state);
        redo += Clock::now() - start;
        state.mapCanvas.takeDirty();
        benchmark::ClobberMemory();
    }
    run.counters["fill_ms"] = 1000 * seconds(fill) / double(run.iterations());
    run.counters["undo_vs_fill"] = seconds(undo) / seconds(fill);
    run.counters["redo_vs_fill"] = seconds(redo) / seconds(fill);
}
BENCHMARK(BM_FillMapUndoRedo)->Unit(benchmark::kMillisecond);

// A stroke over 200 cells, each a change, beside the undo of that stroke.
void BM_StrokeOf200CellsUndo(benchmark::State &run)
{
    constexpr int Cells = 200;
    EditorState state;
    prepareFullMap(state);
    finishDrawing(state);
    Clock::duration paint{}, undo{};
    int tile = 0;
    for (auto _ : run) {
        state.selectedTile = static_cast<std::int16_t>(1 + tile++ % 200);
        selectTile(state, state.selectedTile % Tiles::SheetColumns,
                   state.selectedTile / Tiles::SheetColumns);
        copySelectionToPreview(state);
        auto start = Clock::now();
        paintStroke(state, Cells, 10);
        finishDrawing(state);
        paint += Clock::now() - start;
        start = Clock::now();
        state.history.undo();
        finishDrawing(state);
        undo += Clock::now() - start;
        state.mapCanvas.takeDirty();
        benchmark::ClobberMemory();
    }
    run.counters["paint_us"] = 1e6 * seconds(paint) / double(run.iterations());
    run.counters["undo_vs_paint"] = seconds(undo) / seconds(paint);
}
BENCHMARK(BM_StrokeOf200CellsUndo)->Unit(benchmark::kMicrosecond);

// The heap the history holds after `strokes` one-cell strokes, with the
// history's step limit or without one (limit 0).
void oneCellStrokes(benchmark::State &run, int strokes, int limit)
{
    for (auto _ : run) {
        EditorState state;
        prepareFullMap(state);
        state.history.stack().setUndoLimit(limit);
        const std::size_t before = heapInUse();
        for (int i = 0; i < strokes; ++i) {
            // Tiles 1 and 2 by turns, picked as the picker does.
            state.selectedTile = static_cast<std::int16_t>(1 + i % 2);
            selectTile(state, state.selectedTile, 0);
            copySelectionToPreview(state);
            selectTile(state, static_cast<std::int16_t>(i % 256),
                       static_cast<std::int16_t>(i / 256 % 128));
            state.history.beginStroke();
            Painting::paintTick(state);
            state.history.endStroke();
        }
        const std::size_t held = heapInUse() - before;
        run.counters["steps"] = state.history.stack().count();
        run.counters["held_KiB"] = double(held) / 1024;
        run.counters["bytes_per_step"] = double(held) / state.history.stack().count();
    }
}

void BM_TenThousandOneCellStrokes(benchmark::State &run)
{
    oneCellStrokes(run, 10000, 0);
}
BENCHMARK(BM_TenThousandOneCellStrokes)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_TenThousandOneCellStrokesKeptToTheLimit(benchmark::State &run)
{
    oneCellStrokes(run, 10000, EditHistory::StepLimit);
}
BENCHMARK(BM_TenThousandOneCellStrokesKeptToTheLimit)->Iterations(1)->Unit(benchmark::kMillisecond);

// 1,000 Load Tiles steps. The worst case loads a different picture of noise
// every time, which packing cannot shrink; the typical case loads tile art,
// a few sheets again and again.
QImage noiseSheet(QRandomGenerator &random)
{
    QImage sheet(Tiles::SheetWidth, Tiles::SheetHeight, QImage::Format_RGB32);
    for (int y = 0; y < sheet.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(sheet.scanLine(y));
        for (int x = 0; x < sheet.width(); ++x)
            line[x] = 0xff000000u | (random.generate() & 0xffffffu);
    }
    return sheet;
}

void thousandLoadTiles(benchmark::State &run, bool noise)
{
    for (auto _ : run) {
        EditorState state;
        prepareFullMap(state);
        QRandomGenerator random(7);
        const std::size_t before = heapInUse();
        for (int i = 0; i < EditHistory::StepLimit; ++i) {
            const QImage sheet = noise ? noiseSheet(random) : colouredSheet(i % 8);
            TileSetFile::useTileSheet(state, sheet, QStringLiteral("sheet.bmp"));
        }
        state.mapCanvas.takeDirty();
        const std::size_t held = heapInUse() - before;
        run.counters["steps"] = state.history.stack().count();
        run.counters["held_MiB"] = double(held) / (1024 * 1024);
    }
}

void BM_ThousandLoadTilesOfNoise(benchmark::State &run)
{
    thousandLoadTiles(run, true);
}
BENCHMARK(BM_ThousandLoadTilesOfNoise)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_ThousandLoadTilesOfTileArt(benchmark::State &run)
{
    thousandLoadTiles(run, false);
}
BENCHMARK(BM_ThousandLoadTilesOfTileArt)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
