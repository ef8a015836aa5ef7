// SPDX-License-Identifier: MIT
// The drawing tools' whole-map edits beside Fill Map, timed in the same loop
// on the full 256 x 128 map: a bucket fill that reaches all 32,768 cells and
// a paste of a 256 x 128 block, each as a ratio to Fill Map, and the undo of
// each as a ratio to the edit itself; then the heap a whole-map bucket fill
// step holds.
#include "core/edit/CellEdits.h"
#include "core/edit/MapCommands.h"
#include "core/edit/TileSetFile.h"
#include "core/state/EditorState.h"
#include "core/state/MapRoutines.h"
#include "mapfile/MapFileFormat.h"
#include "mapfile/MapLoading.h"

#include <QPainter>

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

QImage colouredSheet()
{
    QImage sheet(Tiles::SheetWidth, Tiles::SheetHeight, QImage::Format_RGB32);
    QPainter painter(&sheet);
    for (int tile = 0; tile < Tiles::TileCount; ++tile)
        painter.fillRect(QRect(Tiles::sheetOrigin(tile), QSize(Tiles::TileSize, Tiles::TileSize)),
                         QColor(tile, (tile * 3) % 256, (tile * 7) % 256));
    return sheet;
}

// The full 256 x 128 map of a width-byte-255 file.
void prepareFullMap(EditorState &state)
{
    TileSetFile::useBuiltInSheet(state, colouredSheet());
    MapFile::Contents map;
    map.widthByte = MapFile::FullWidthByte;
    map.heightByte = Tiles::GridRows - 1;
    MapFile::applyLoadedMap(state, map);
    state.history.clear();
}

// Makes the canvas draw what it has put off drawing, so a timed step
// includes all of its pixels.
void finishDrawing(EditorState &state)
{
    benchmark::DoNotOptimize(state.mapCanvas.image().constBits());
}

double seconds(Clock::duration duration)
{
    return std::chrono::duration<double>(duration).count();
}

template <typename Step> Clock::duration timed(EditorState &state, Step step)
{
    const auto start = Clock::now();
    step();
    finishDrawing(state);
    return Clock::now() - start;
}

void pick(EditorState &state, int tile)
{
    state.selectedTile = static_cast<std::int16_t>(tile);
}

// A 256 x 128 block of varied tiles, as a copy of a whole drawn map.
Stamp wholeMapBlock(int shift)
{
    std::vector<std::uint8_t> tiles(Tiles::GridCells);
    for (int i = 0; i < Tiles::GridCells; ++i)
        tiles[std::size_t(i)] = static_cast<std::uint8_t>(i * 7 + shift);
    return Stamp(Tiles::GridColumns, Tiles::GridRows, std::move(tiles));
}

void BM_WholeMapToolEditsVsFillMap(benchmark::State &run)
{
    EditorState state;
    prepareFullMap(state);
    finishDrawing(state);
    Clock::duration fill{}, bucket{}, bucketUndo{}, paste{}, pasteUndo{};
    int round = 0;
    for (auto _ : run) {
        // Fill Map leaves every cell one tile, so the bucket fill reaches all
        // 32,768 cells.
        pick(state, 2 * (round % 100));
        fill += timed(state, [&] { MapCommands::fillMap(state); });
        const Stamp tile = Stamp::single(static_cast<std::uint8_t>(2 * (round % 100) + 1));
        bucket += timed(state, [&] { CellEdits::bucketFill(state, {17, 33}, tile); });
        bucketUndo += timed(state, [&] { state.history.undo(); });
        const Stamp block = wholeMapBlock(round);
        paste += timed(state, [&] { CellEdits::pasteStamp(state, {0, 0}, block); });
        pasteUndo += timed(state, [&] { state.history.undo(); });
        state.mapCanvas.takeDirty();
        ++round;
        benchmark::ClobberMemory();
    }
    run.counters["fill_map_ms"] = 1000 * seconds(fill) / double(run.iterations());
    run.counters["bucket_vs_fill_map"] = seconds(bucket) / seconds(fill);
    run.counters["bucket_undo_vs_bucket"] = seconds(bucketUndo) / seconds(bucket);
    run.counters["paste_vs_fill_map"] = seconds(paste) / seconds(fill);
    run.counters["paste_undo_vs_paste"] = seconds(pasteUndo) / seconds(paste);
}
BENCHMARK(BM_WholeMapToolEditsVsFillMap)->Unit(benchmark::kMillisecond);

// The heap that steps of whole-map bucket fills and pastes hold.
void BM_WholeMapToolStepsHeld(benchmark::State &run)
{
    constexpr int Steps = 100;
    for (auto _ : run) {
        EditorState state;
        prepareFullMap(state);
        const std::size_t before = mallinfo2().uordblks;
        for (int i = 0; i < Steps; ++i) {
            if (i % 2 == 0)
                CellEdits::bucketFill(state, {5, 5}, Stamp::single(std::uint8_t(i + 1)));
            else
                CellEdits::pasteStamp(state, {0, 0}, wholeMapBlock(i));
        }
        const std::size_t held = mallinfo2().uordblks - before;
        run.counters["steps"] = state.history.stack().count();
        run.counters["bytes_per_step"] = double(held) / state.history.stack().count();
    }
}
BENCHMARK(BM_WholeMapToolStepsHeld)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
