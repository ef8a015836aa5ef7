// SPDX-License-Identifier: MIT
#include "core/state/EditorState.h"
#include "core/edit/TilePicking.h"
#include "tests/support/NumberedSheet.h"

#include <QTest>

using TilePicking::SheetCell;

class TestTilePicking : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cellAt_data();
    void cellAt();
    void pickTile_data();
    void pickTile();
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

QTEST_GUILESS_MAIN(TestTilePicking)
#include "tst_tilepicking.moc"
