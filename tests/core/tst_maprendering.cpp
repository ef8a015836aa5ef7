// SPDX-License-Identifier: MIT
#include "core/EditorState.h"
#include "core/MapRoutines.h"
#include "core/WindowTitle.h"
#include "tests/support/NumberedSheet.h"

#include <QTest>

using NumberedSheet::tileColour;

class TestMapRendering : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sheetOrigin_data();
    void sheetOrigin();
    void resetMapClearsWholeGrid();
    void resetMapOnOneByOne();
    void selectTileGivesPixelPosition_data();
    void selectTileGivesPixelPosition();
    void blitClipsAtEdges_data();
    void blitClipsAtEdges();
    void redrawDrawsEveryCellFromTheGrid();
    void resizeKeepsTopLeftPicture();
    void windowTitle();
};

void TestMapRendering::sheetOrigin_data()
{
    QTest::addColumn<int>("tile");
    QTest::addColumn<QPoint>("origin");
    QTest::newRow("0") << 0 << QPoint(0, 0);
    QTest::newRow("31") << 31 << QPoint(496, 0);
    QTest::newRow("34") << 34 << QPoint(32, 16);
    QTest::newRow("255") << 255 << QPoint(496, 112);
}

void TestMapRendering::sheetOrigin()
{
    QFETCH(int, tile);
    QFETCH(QPoint, origin);
    QCOMPARE(Tiles::sheetOrigin(tile), origin);
}

void TestMapRendering::resetMapClearsWholeGrid()
{
    EditorState state;
    state.tileSheet.setPicture(NumberedSheet::sheet());
    state.tileMap.fill(9);
    state.selectedTile = 34;
    resetMap(state);

    QVERIFY(std::all_of(state.tileMap.begin(), state.tileMap.end(), [](auto c) { return c == 0; }));
    QCOMPARE(state.mapCanvas.size(), QSize(4080, 2032));
    QCOMPARE(state.statusText(EditorState::SizePanel), QStringLiteral("Size: 255x127"));
    QCOMPARE(state.mapCanvas.image().pixel(4079, 2031), tileColour(0));
    QCOMPARE(state.selectedTile, 34);
}

void TestMapRendering::resetMapOnOneByOne()
{
    EditorState state;
    state.tileSheet.setPicture(NumberedSheet::sheet());
    state.cell(255, 127) = 200;
    state.mapWidth = 1;
    state.mapHeight = 1;
    resetMap(state);

    QCOMPARE(state.mapCanvas.size(), QSize(16, 16));
    QCOMPARE(state.mapCanvas.image().pixel(15, 15), tileColour(0));
    QCOMPARE(state.cell(255, 127), 0);
    QCOMPARE(state.statusText(EditorState::SizePanel), QStringLiteral("Size: 1x1"));
}

void TestMapRendering::selectTileGivesPixelPosition_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::newRow("origin") << 0 << 0 << 0 << 0;
    QTest::newRow("2,1") << 2 << 1 << 32 << 16;
    QTest::newRow("last cell of the grid") << 255 << 127 << 4080 << 2032;
}

void TestMapRendering::selectTileGivesPixelPosition()
{
    QFETCH(int, column);
    QFETCH(int, row);
    EditorState state;
    selectTile(state, static_cast<std::int16_t>(column), static_cast<std::int16_t>(row));
    QTEST(int(state.selectedTileX), "x");
    QTEST(int(state.selectedTileY), "y");
}

void TestMapRendering::blitClipsAtEdges_data()
{
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<QRect>("painted");
    QTest::newRow("inside") << QPoint(16, 16) << QRect(16, 16, 16, 16);
    QTest::newRow("over the right edge") << QPoint(40, 0) << QRect(40, 0, 8, 16);
    QTest::newRow("over the bottom edge") << QPoint(0, 40) << QRect(0, 40, 16, 8);
    QTest::newRow("over the top-left corner") << QPoint(-8, -4) << QRect(0, 0, 8, 12);
    QTest::newRow("beyond the canvas") << QPoint(48, 48) << QRect();
    QTest::newRow("far beyond the canvas") << QPoint(4080, 2032) << QRect();
}

void TestMapRendering::blitClipsAtEdges()
{
    QFETCH(QPoint, to);
    QFETCH(QRect, painted);
    Surface canvas(QSize(48, 48), Qt::black);
    Surface source(QSize(16, 16), Qt::white);
    canvas.takeDirty();

    canvas.blit(to.x(), to.y(), 16, 16, source, 0, 0);

    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 48; ++x)
            QCOMPARE(canvas.image().pixel(x, y) == qRgb(255, 255, 255), painted.contains(x, y));
    QCOMPARE(canvas.takeDirty(), painted);
}

void TestMapRendering::redrawDrawsEveryCellFromTheGrid()
{
    EditorState state;
    state.tileSheet.setPicture(NumberedSheet::sheet());
    state.mapWidth = 10;
    state.mapHeight = 5;
    sizeCanvasToMap(state);
    for (int row = 0; row < Tiles::GridRows; ++row)
        for (int column = 0; column < Tiles::GridColumns; ++column)
            state.cell(column, row) = static_cast<std::uint8_t>((column + row * 3) % 256);

    redrawMap(state);

    for (int row = 0; row < 5; ++row)
        for (int column = 0; column < 10; ++column) {
            const QPoint at = Tiles::cellOrigin(column, row) + QPoint(8, 8);
            QCOMPARE(state.mapCanvas.image().pixel(at), tileColour(state.cell(column, row)));
        }
}

void TestMapRendering::resizeKeepsTopLeftPicture()
{
    Surface canvas(QSize(32, 32), Qt::black);
    Surface white(QSize(16, 16), Qt::white);
    canvas.blit(0, 0, 16, 16, white, 0, 0);
    canvas.blit(16, 16, 16, 16, white, 0, 0);

    canvas.resize(QSize(16, 16));
    canvas.resize(QSize(48, 48));

    QCOMPARE(canvas.image().pixel(0, 0), qRgb(255, 255, 255));
    QCOMPARE(canvas.image().pixel(20, 20), qRgb(0, 0, 0));
}

void TestMapRendering::windowTitle()
{
    QCOMPARE(mainWindowTitle(), QStringLiteral("Tesselwick (v1.0) - Quorvane Labs"));
}

QTEST_GUILESS_MAIN(TestMapRendering)
#include "tst_maprendering.moc"
