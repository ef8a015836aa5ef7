// SPDX-License-Identifier: MIT
// The tile budget's costs against a baseline of the same run:
// - importing a 4096 x 2048 PNG of 256 distinct tiles against decoding it;
// - merging distinct tiles down to 256 on that picture, for several counts
//   of distinct tiles (how it grows);
// - a one-cell stroke with the Tile Usage window open against the stroke
//   alone, each with the canvas repainted on screen as the user sees it.
#include "core/edit/Painting.h"
#include "core/edit/TileSetFile.h"
#include "core/state/EditorState.h"
#include "core/state/MapRoutines.h"
#include "core/tiles/PictureImport.h"
#include "core/tiles/PictureTiles.h"
#include "ui/tiles/TileUsageWindow.h"
#include "host/MessageBox.h"
#include "host/SurfaceView.h"

#include <QApplication>
#include <QBuffer>
#include <QRandomGenerator>
#include <benchmark/benchmark.h>

namespace {

using Tiles::TileSize;

// A whole-grid picture of the given number of distinct tiles of noisy
// pixels (so the PNG is as costly to decode as real art), spread over the
// cells.
QByteArray wholeGridPng(int distinct)
{
    QRandomGenerator random(7);
    std::vector<QImage> tiles;
    for (int tile = 0; tile < distinct; ++tile) {
        QImage image(TileSize, TileSize, QImage::Format_RGB32);
        for (int y = 0; y < TileSize; ++y)
            for (int x = 0; x < TileSize; ++x)
                image.setPixel(x, y, random.generate() | 0xFF000000u);
        tiles.push_back(image);
    }
    QImage picture(Tiles::GridColumns * TileSize, Tiles::GridRows * TileSize,
                   QImage::Format_RGB32);
    for (int row = 0; row < Tiles::GridRows; ++row)
        for (int column = 0; column < Tiles::GridColumns; ++column) {
            const QImage &tile = tiles[random.bounded(distinct)];
            for (int y = 0; y < TileSize; ++y)
                std::memcpy(picture.scanLine(row * TileSize + y) + column * TileSize * 4,
                            tile.constScanLine(y), TileSize * 4);
        }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return bytes;
}

const QByteArray &png256()
{
    static const QByteArray bytes = wholeGridPng(256);
    return bytes;
}

void BM_DecodePng(benchmark::State &run)
{
    const QByteArray &png = png256();
    for (auto _ : run) {
        QByteArray bytes = png;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(TileSetFile::readWhole(buffer, PictureImport::LargestPicture));
    }
}
BENCHMARK(BM_DecodePng)->Unit(benchmark::kMillisecond);

void BM_ImportPng(benchmark::State &run)
{
    const QByteArray &png = png256();
    for (auto _ : run) {
        QByteArray bytes = png;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        const PictureImport::Picture picture = PictureImport::read(buffer);
        benchmark::DoNotOptimize(PictureImport::plan(PictureTiles::cut(picture.image), false));
    }
}
BENCHMARK(BM_ImportPng)->Unit(benchmark::kMillisecond);

void BM_MergeTo256(benchmark::State &run)
{
    QByteArray bytes = wholeGridPng(int(run.range(0)));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const PictureTiles::Cut cut = PictureTiles::cut(PictureImport::read(buffer).image);
    for (auto _ : run)
        benchmark::DoNotOptimize(PictureImport::plan(cut, true));
    run.counters["distinct"] = cut.distinctCount();
}
BENCHMARK(BM_MergeTo256)->Arg(500)->Arg(1000)->Arg(2000)->Arg(4000)->Unit(benchmark::kMillisecond);

class SilentBox : public MessageBox
{
protected:
    Answer ask(const QString &, Buttons, const QString &) override { return Answer::Ok; }
};

// One stroke of one cell, alternating two tiles so every stroke changes it.
void paintStroke(EditorState &state, int stroke)
{
    state.selectedTile = stroke % 2 == 0 ? 34 : 35;
    copySelectionToPreview(state);
    state.history.beginStroke();
    selectTile(state, 12, 20);
    Painting::paintTick(state);
    state.history.endStroke();
}

void BM_OneCellStroke(benchmark::State &run)
{
    EditorState state;
    resetMap(state);
    SurfaceView canvas(state.mapCanvas);
    canvas.show();
    QCoreApplication::processEvents();
    int stroke = 0;
    for (auto _ : run) {
        paintStroke(state, stroke++);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_OneCellStroke)->Unit(benchmark::kMicrosecond);

// The same with the Tile Usage window open: its counts brought up to date
// and its changed tiles repainted after each stroke.
void BM_OneCellStrokeWithUsage(benchmark::State &run)
{
    EditorState state;
    resetMap(state);
    SurfaceView canvas(state.mapCanvas);
    canvas.show();
    SilentBox box;
    TileUsageWindow window(state, box);
    window.show();
    QCoreApplication::processEvents();
    int stroke = 0;
    for (auto _ : run) {
        paintStroke(state, stroke++);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_OneCellStrokeWithUsage)->Unit(benchmark::kMicrosecond);

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
