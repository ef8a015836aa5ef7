// SPDX-License-Identifier: MIT
// Loading and saving map files and loading tile sets, beside the full redraw
// that every load ends with, measured in the same run.
#include "core/state/EditorState.h"
#include "core/state/MapRoutines.h"
#include "core/edit/TileSetFile.h"
#include "mapfile/MapFileFormat.h"
#include "mapfile/MapFileIO.h"
#include "mapfile/MapLoading.h"

#include <QImage>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// A full-width file: 256 x 128 map, 4096 x 2048 canvas, every cell drawn.
QByteArray fullWidthFile()
{
    EditorState state;
    state.mapWidthByte = MapFile::FullWidthByte;
    state.mapHeightByte = 127;
    for (int i = 0; i < Tiles::GridCells; ++i)
        state.tileMap[i] = static_cast<std::uint8_t>(i * 7);
    return MapFile::encode(state);
}

void BM_FullRedraw(benchmark::State &run)
{
    EditorState state;
    MapFile::applyLoadedMap(state, MapFile::decode(fullWidthFile()));
    for (auto _ : run) {
        redrawMap(state);
        state.mapCanvas.takeDirty();
        // The grid is drawn when its pixels are asked for: ask for all of them.
        benchmark::DoNotOptimize(state.mapCanvas.image().constBits());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FullRedraw)->Unit(benchmark::kMillisecond);

void BM_DecodeAndRedraw(benchmark::State &run)
{
    EditorState state;
    const QByteArray file = fullWidthFile();
    for (auto _ : run) {
        MapFile::applyLoadedMap(state, MapFile::decode(file));
        state.mapCanvas.takeDirty();
        // The grid is drawn when its pixels are asked for: ask for all of them.
        benchmark::DoNotOptimize(state.mapCanvas.image().constBits());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_DecodeAndRedraw)->Unit(benchmark::kMillisecond);

// Load Map without the dialog: the file read whole, decoded and drawn.
void BM_ReadDecodeAndRedraw(benchmark::State &run)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.map"));
    const FileResult saved = MapFile::save(path, fullWidthFile());
    if (!saved.succeeded()) {
        run.SkipWithError(qPrintable(saved.reason()));
        return;
    }
    EditorState state;
    for (auto _ : run) {
        QByteArray bytes;
        const FileResult read = MapFile::read(path, &bytes);
        if (!read.succeeded()) {
            run.SkipWithError(qPrintable(read.reason()));
            break;
        }
        MapFile::applyLoadedMap(state, MapFile::decode(bytes));
        state.mapCanvas.takeDirty();
        // The grid is drawn when its pixels are asked for: ask for all of them.
        benchmark::DoNotOptimize(state.mapCanvas.image().constBits());
    }
}
BENCHMARK(BM_ReadDecodeAndRedraw)->Unit(benchmark::kMillisecond);

// Save Map without the dialog: encoded, written to a temporary file, synced
// and renamed over the last save.
void BM_EncodeAndSave(benchmark::State &run)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.map"));
    EditorState state;
    MapFile::applyLoadedMap(state, MapFile::decode(fullWidthFile()));
    for (auto _ : run) {
        const FileResult saved = MapFile::save(path, MapFile::encode(state));
        if (!saved.succeeded()) {
            run.SkipWithError(qPrintable(saved.reason()));
            break;
        }
    }
}
BENCHMARK(BM_EncodeAndSave)->Unit(benchmark::kMillisecond);

// Load Tiles without the dialog: a 512 x 128 bitmap read, put on the sheet
// and the 4080 x 2032 start-up canvas redrawn from it.
void BM_LoadTilesAndRedraw(benchmark::State &run)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tiles.bmp"));
    QImage sheet(Tiles::SheetWidth, Tiles::SheetHeight, QImage::Format_RGB32);
    for (int y = 0; y < sheet.height(); ++y)
        for (int x = 0; x < sheet.width(); ++x)
            sheet.setPixel(x, y, qRgb(x % 256, y * 2, (x + y) % 256));
    sheet.save(path, "BMP");
    EditorState state;
    resetMap(state);
    for (auto _ : run) {
        const TileSetFile::Result read = TileSetFile::read(path);
        if (read.status != TileSetFile::Result::Status::Loaded) {
            run.SkipWithError("tile set not read");
            break;
        }
        TileSetFile::useTileSheet(state, read.picture, QStringLiteral("tiles.bmp"));
        state.mapCanvas.takeDirty();
        // The grid is drawn when its pixels are asked for: ask for all of them.
        benchmark::DoNotOptimize(state.mapCanvas.image().constBits());
        state.tileSheet.takeDirty();
    }
}
BENCHMARK(BM_LoadTilesAndRedraw)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
