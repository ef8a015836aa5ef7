// SPDX-License-Identifier: MIT
#include "core/edit/MapCommands.h"
#include "core/edit/TilePicking.h"
#include "core/state/EditorState.h"
#include "core/state/MapRoutines.h"
#include "tests/support/NumberedSheet.h"

#include <QTest>

using TilePicking::SheetCell;

class TestTilePicking : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cellAt_data();
    void cellAt();
    void tileAt_data();
    void tileAt();
    void pickTile_data();
    void pickTile();
    void pickStamp_data();
    void pickStamp();
    void pickFromMap_data();
    void pickFromMap();
    void pickingATileOrStartingUpDropsTheStamp();
};

void TestTilePicking::cellAt_data()
{
    QTest::addColumn<QPointF>("position");
    QTest::addColumn<SheetCell>("cell");
    QTest::addColumn<bool>("onSheet");
    QTest::newRow("top-left tile") << QPointF(0, 0) << SheetCell{0, 0} << true;
    QTest::newRow("last pixel of a tile") << QPointF(15.99, 31.99) << SheetCell{0, 1} << true;
    QTest::newRow("fractional") << QPointF(37.5, 20) << SheetCell{2, 1} << true;
    QTest::newRow("last tile") << QPointF(511, 127) << SheetCell{31, 7} << true;
    // Truncation toward zero: 15 pixels left of or above the sheet still name
    // the first column or row.
    QTest::newRow("just left of the sheet") << QPointF(-15.5, 40) << SheetCell{0, 2} << true;
    QTest::newRow("just above the sheet") << QPointF(40, -15.5) << SheetCell{2, 0} << true;
    QTest::newRow("a tile left of the sheet") << QPointF(-16, 40) << SheetCell{-1, 2} << false;
    QTest::newRow("right of the sheet") << QPointF(512, 0) << SheetCell{32, 0} << false;
    QTest::newRow("below the sheet") << QPointF(0, 128) << SheetCell{0, 8} << false;
}

void TestTilePicking::cellAt()
{
    QFETCH(QPointF, position);
    QFETCH(SheetCell, cell);
    QCOMPARE(TilePicking::cellAt(position), cell);
    QTEST(TilePicking::onSheet(cell), "onSheet");
}

void TestTilePicking::tileAt_data()
{
    QTest::addColumn<int>("zoom");
    QTest::addColumn<QPointF>("position");
    QTest::addColumn<int>("tile");
    const auto row = [](const char *name, int zoom, QPointF position, int tile) {
        QTest::newRow(name) << zoom << position << tile;
    };
    constexpr int None = -1;
    // At twice the size a tile is 32 x 32 pixels: its edges and its centre
    // name it, whichever half of it the pointer is in.
    row("x2 tile 0, first pixel", 2, {0, 0}, 0);
    row("x2 tile 0, centre", 2, {16, 16}, 0);
    row("x2 tile 0, right half", 2, {24.6, 4}, 0);
    row("x2 tile 0, lower half", 2, {4, 24.6}, 0);
    row("x2 tile 0, last pixel", 2, {31.9, 31.9}, 0);
    row("x2 tile 1, first pixel", 2, {32, 0}, 1);
    row("x2 tile 32, first pixel", 2, {0, 32}, 32);
    row("x2 tile 33, centre", 2, {48, 48}, 33);
    row("x2 last column, centre", 2, {1008, 16}, 31);
    row("x2 last column, last pixel", 2, {1023.9, 31}, 31);
    row("x2 last row, last pixel", 2, {0, 255.9}, 224);
    row("x2 tile 255, centre", 2, {1008, 240}, 255);
    row("x2 tile 255, last pixel", 2, {1023, 255}, 255);
    row("x2 right of the sheet", 2, {1024, 0}, None);
    row("x2 below the sheet", 2, {0, 256}, None);
    row("x2 just left of the sheet", 2, {-0.5, 10}, None);
    row("x2 just above the sheet", 2, {10, -0.5}, None);
    row("x1 tile 0, last pixel", 1, {15, 15}, 0);
    row("x1 tile 33, centre", 1, {24, 24}, 33);
    row("x1 tile 255, last pixel", 1, {511, 127}, 255);
    row("x1 right of the sheet", 1, {512, 127}, None);
}

void TestTilePicking::tileAt()
{
    QFETCH(int, zoom);
    QFETCH(QPointF, position);
    QFETCH(int, tile);
    QCOMPARE(TilePicking::tileAt(position, zoom).value_or(-1), tile);
}

void TestTilePicking::pickTile_data()
{
    QTest::addColumn<SheetCell>("cell");
    QTest::addColumn<int>("tile");
    QTest::newRow("first tile") << SheetCell{0, 0} << 0;
    QTest::newRow("second row") << SheetCell{2, 1} << 34;
    QTest::newRow("last tile") << SheetCell{31, 7} << 255;
}

void TestTilePicking::pickTile()
{
    QFETCH(SheetCell, cell);
    QFETCH(int, tile);
    EditorState state;
    state.tileSheet.setPicture(NumberedSheet::sheet());
    const auto grid = state.tileMap;

    TilePicking::pickTile(state, cell);

    QCOMPARE(state.selectedTile, tile);
    QCOMPARE(state.selectedTileX, cell.column * 16);
    QCOMPARE(state.selectedTileY, cell.row * 16);
    const QImage brush = state.brushPreview.image();
    QCOMPARE(brush.pixel(0, 0), NumberedSheet::tileColour(tile));
    QCOMPARE(brush.pixel(15, 15), NumberedSheet::tileColour(tile));
    QCOMPARE(state.tileMap, grid);
}

Q_DECLARE_METATYPE(Stamp)

void TestTilePicking::pickStamp_data()
{
    QTest::addColumn<SheetCell>("from");
    QTest::addColumn<SheetCell>("to");
    QTest::addColumn<Stamp>("brush");
    QTest::addColumn<bool>("hasStamp");
    QTest::newRow("one cell picks its tile")
        << SheetCell{3, 1} << SheetCell{3, 1} << Stamp::single(35) << false;
    QTest::newRow("down and right")
        << SheetCell{1, 0} << SheetCell{2, 1} << Stamp(2, 2, {1, 2, 33, 34}) << true;
    QTest::newRow("up and left") << SheetCell{2, 1} << SheetCell{1, 0}
                                 << Stamp(2, 2, {1, 2, 33, 34}) << true;
    QTest::newRow("released beyond the sheet")
        << SheetCell{30, 6} << SheetCell{40, 12} << Stamp(2, 2, {222, 223, 254, 255}) << true;
}

void TestTilePicking::pickStamp()
{
    QFETCH(SheetCell, from);
    QFETCH(SheetCell, to);
    QFETCH(Stamp, brush);
    EditorState state;
    state.tileSheet.setPicture(NumberedSheet::sheet());

    TilePicking::pickStamp(state, from, to);

    QCOMPARE(state.brush(), brush);
    QTEST(state.hasStamp(), "hasStamp");
    // The top-left tile is the selected one, and the preview shows it.
    QCOMPARE(int(state.selectedTile), int(brush.at(0, 0)));
    QCOMPARE(state.brushPreview.image().pixel(8, 8), NumberedSheet::tileColour(brush.at(0, 0)));
}

void TestTilePicking::pickFromMap_data()
{
    QTest::addColumn<QRect>("cells");
    QTest::addColumn<Stamp>("brush");
    QTest::addColumn<bool>("hasStamp");
    // Cell (c, r) of the 4 x 3 map holds tile 10 * r + c + 40.
    QTest::newRow("one cell") << QRect(2, 1, 1, 1) << Stamp::single(52) << false;
    QTest::newRow("a block") << QRect(1, 1, 2, 2) << Stamp(2, 2, {51, 52, 61, 62}) << true;
    QTest::newRow("past the map's corner") << QRect(3, 2, 5, 5) << Stamp::single(63) << false;
    QTest::newRow("beyond the map keeps tile 7") << QRect(4, 0, 2, 2) << Stamp::single(7) << false;
}

void TestTilePicking::pickFromMap()
{
    QFETCH(QRect, cells);
    QFETCH(Stamp, brush);
    EditorState state;
    state.tileSheet.setPicture(NumberedSheet::sheet());
    state.mapWidth = 4;
    state.mapHeight = 3;
    state.tileMap.fill(99);
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 4; ++column)
            state.cell(column, row) = static_cast<std::uint8_t>(10 * row + column + 40);
    TilePicking::pickTile(state, {7, 0});

    TilePicking::pickFromMap(state, cells);

    QCOMPARE(state.brush(), brush);
    QTEST(state.hasStamp(), "hasStamp");
    QCOMPARE(state.brushPreview.image().pixel(8, 8), NumberedSheet::tileColour(brush.at(0, 0)));
}

void TestTilePicking::pickingATileOrStartingUpDropsTheStamp()
{
    EditorState state;
    state.tileSheet.setPicture(NumberedSheet::sheet());
    TilePicking::pickStamp(state, {0, 0}, {3, 3});
    QVERIFY(state.hasStamp());
    TilePicking::pickTile(state, {5, 0});
    QCOMPARE(state.brush(), Stamp::single(5));
    QVERIFY(!state.hasStamp());

    TilePicking::pickStamp(state, {0, 0}, {3, 3});
    MapCommands::resetToStartUp(state);
    QCOMPARE(state.brush(), Stamp::single(0));
}

QTEST_GUILESS_MAIN(TestTilePicking)
#include "tst_tilepicking.moc"
