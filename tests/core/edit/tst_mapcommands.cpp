// SPDX-License-Identifier: MIT
#include "core/state/EditorState.h"
#include "core/edit/MapCommands.h"
#include "core/state/MapRoutines.h"
#include "core/state/StatusTexts.h"
#include "tests/support/NumberedSheet.h"

#include <QTest>

#include <algorithm>

using MapCommands::MapSize;
using Tiles::TileSize;

class TestMapCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void newMapBlanksWholeGrid_data();
    void newMapBlanksWholeGrid();
    void shrinkKeepsGridAndPicture();
    void growShowsCellsBeyondTheSmallSizeAgain();
    void fillThenGrowShowsTheFilledTile();
    void fillStoresSelectedTileEverywhere_data();
    void fillStoresSelectedTileEverywhere();
};

namespace {

QImage tilePicture(const EditorState &state, int tile)
{
    return state.tileSheet.image().copy(QRect(Tiles::sheetOrigin(tile), QSize(TileSize, TileSize)));
}

QImage cellPicture(const EditorState &state, int column, int row)
{
    return state.mapCanvas.image().copy(
        QRect(Tiles::cellOrigin(column, row), QSize(TileSize, TileSize)));
}

// Whether every map cell of the canvas shows the tile the grid holds.
bool canvasShowsGrid(const EditorState &state)
{
    for (int column = 0; column < state.mapWidth; ++column)
        for (int row = 0; row < state.mapHeight; ++row)
            if (cellPicture(state, column, row) != tilePicture(state, state.cell(column, row)))
                return false;
    return true;
}

// The full-size map with a tile of its own in every cell, drawn.
void paintEveryCell(EditorState &state)
{
    state.tileSheet.setPicture(NumberedSheet::sheet());
    state.mapWidth = 255;
    state.mapHeight = 127;
    sizeCanvasToMap(state);
    for (int column = 0; column < Tiles::GridColumns; ++column)
        for (int row = 0; row < Tiles::GridRows; ++row)
            state.cell(column, row) = static_cast<std::uint8_t>((column + row * 3) % 256);
    redrawMap(state);
}

} // namespace

void TestMapCommands::newMapBlanksWholeGrid_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("largest") << 255 << 127;
    QTest::newRow("smallest") << 1 << 1;
    QTest::newRow("typical") << 40 << 25;
}

void TestMapCommands::newMapBlanksWholeGrid()
{
    QFETCH(int, width);
    QFETCH(int, height);
    EditorState state;
    paintEveryCell(state);
    state.headerByte1 = 11;
    state.headerByte2 = 22;

    MapCommands::applyNewMap(state, MapSize{width, height});

    QCOMPARE(state.mapWidth, width);
    QCOMPARE(state.mapHeight, height);
    QCOMPARE(state.mapWidthByte, width);
    QCOMPARE(state.mapHeightByte, height);
    QVERIFY(std::all_of(state.tileMap.begin(), state.tileMap.end(),
                        [](std::uint8_t tile) { return tile == 0; }));
    QCOMPARE(state.mapCanvas.size(), QSize(width * TileSize, height * TileSize));
    QVERIFY(canvasShowsGrid(state));
    QCOMPARE(state.statusText(EditorState::MapPanel), QStringLiteral("Map: New map created."));
    QCOMPARE(state.statusText(EditorState::SizePanel),
             QStringLiteral("Size: %1x%2").arg(width).arg(height));
    QCOMPARE(state.headerByte1, 11);
    QCOMPARE(state.headerByte2, 22);
}

void TestMapCommands::shrinkKeepsGridAndPicture()
{
    EditorState state;
    paintEveryCell(state);
    const auto grid = state.tileMap;

    MapCommands::applyResize(state, MapSize{10, 10});

    QVERIFY(state.tileMap == grid);
    QCOMPARE(state.mapWidth, 10);
    QCOMPARE(state.mapHeightByte, 10);
    QCOMPARE(state.mapCanvas.size(), QSize(160, 160));
    QVERIFY(canvasShowsGrid(state));
    QCOMPARE(state.statusText(EditorState::MapPanel), QStringLiteral("Map: Map Resized"));
    QCOMPARE(state.statusText(EditorState::SizePanel), QStringLiteral("Size: 10x10"));
}

void TestMapCommands::growShowsCellsBeyondTheSmallSizeAgain()
{
    EditorState state;
    paintEveryCell(state);
    const auto grid = state.tileMap;

    MapCommands::applyResize(state, MapSize{10, 10});
    MapCommands::applyResize(state, MapSize{255, 127});

    QVERIFY(state.tileMap == grid);
    QCOMPARE(state.mapCanvas.size(), QSize(4080, 2032));
    QVERIFY(canvasShowsGrid(state));
    QCOMPARE(state.statusText(EditorState::SizePanel), QStringLiteral("Size: 255x127"));
}

void TestMapCommands::fillThenGrowShowsTheFilledTile()
{
    // The cells the small canvas held and those the larger size uncovers
    // both show what the grid holds.
    EditorState state;
    paintEveryCell(state);
    MapCommands::applyResize(state, MapSize{10, 10});
    state.selectedTile = 34;
    MapCommands::fillMap(state);

    MapCommands::applyResize(state, MapSize{20, 12});

    QCOMPARE(cellPicture(state, 9, 9), tilePicture(state, 34));
    QCOMPARE(cellPicture(state, 10, 0), tilePicture(state, 34));
    QCOMPARE(cellPicture(state, 0, 10), tilePicture(state, 34));
    QCOMPARE(cellPicture(state, 19, 11), tilePicture(state, 34));
    QVERIFY(canvasShowsGrid(state));
}

void TestMapCommands::fillStoresSelectedTileEverywhere_data()
{
    QTest::addColumn<QSize>("canvas");
    QTest::newRow("10 x 5 map") << QSize(160, 80);
    QTest::newRow("largest map") << QSize(4080, 2032);
    // A file of width byte 255 loads as the whole 256 x 128 grid.
    QTest::newRow("whole grid") << QSize(4096, 2048);
    QTest::newRow("canvas taller than the grid") << QSize(4096, 2064);
}

void TestMapCommands::fillStoresSelectedTileEverywhere()
{
    QFETCH(QSize, canvas);
    EditorState state;
    paintEveryCell(state);
    state.mapCanvas.resize(canvas);
    // A preview that differs from the sheet's tile does not change what
    // the fill draws.
    state.brushPreview.fillBackground(QRect(0, 0, TileSize, TileSize));
    state.selectedTile = 34;

    MapCommands::fillMap(state);

    QVERIFY(std::all_of(state.tileMap.begin(), state.tileMap.end(),
                        [](std::uint8_t tile) { return tile == 34; }));

    // The picture equals a blit of the tile into every one of the 32,768
    // cells after clearing the canvas.
    EditorState reference;
    reference.tileSheet.setPicture(NumberedSheet::sheet());
    reference.mapCanvas.resize(canvas);
    reference.mapCanvas.clear();
    for (int column = 0; column < Tiles::GridColumns; ++column)
        for (int row = 0; row < Tiles::GridRows; ++row)
            blitTile(reference, 34, column, row);
    QCOMPARE(state.mapCanvas.image(), reference.mapCanvas.image());
    QCOMPARE(state.mapCanvas.image().pixel(canvas.width() - 1, std::min(canvas.height(), 2048) - 1),
             NumberedSheet::tileColour(34));
}

QTEST_APPLESS_MAIN(TestMapCommands)
#include "tst_mapcommands.moc"
