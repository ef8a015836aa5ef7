// SPDX-License-Identifier: MIT
#include "core/state/EditorState.h"
#include "core/state/MapRoutines.h"
#include "core/edit/Painting.h"
#include "tests/support/NumberedSheet.h"

#include <QTest>

class TestPainting : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cellAt_data();
    void cellAt();
    void hover_data();
    void hover();
    void tickStoresSelectedTileAndDrawsItFromTheSheet();
    void tickOutsideMapPaintsNothing_data();
    void tickOutsideMapPaintsNothing();
    void stampTickIsClippedToTheMap_data();
    void stampTickIsClippedToTheMap();
    void lineTickPaintsEveryCellBetween_data();
    void lineTickPaintsEveryCellBetween();
};

void TestPainting::cellAt_data()
{
    QTest::addColumn<QPointF>("position");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::newRow("top-left corner") << QPointF(0, 0) << 0 << 0;
    QTest::newRow("fractional") << QPointF(37.5, 20) << 2 << 1;
    QTest::newRow("left of the canvas") << QPointF(-3, 5) << 0 << 0;
    QTest::newRow("far above and left") << QPointF(-500, -900) << 0 << 0;
    QTest::newRow("last pixel of a cell") << QPointF(15.99, 31.99) << 0 << 1;
    QTest::newRow("far beyond the grid") << QPointF(99999, 99999) << 255 << 127;
    QTest::newRow("just past the grid") << QPointF(4096, 2048) << 255 << 127;
}

void TestPainting::cellAt()
{
    QFETCH(QPointF, position);
    const Painting::Cell cell = Painting::cellAt(position);
    QTEST(cell.column, "column");
    QTEST(cell.row, "row");
}

void TestPainting::hover_data()
{
    QTest::addColumn<QPointF>("position");
    QTest::addColumn<Painting::Cell>("cell");
    QTest::addColumn<QPoint>("brush");
    QTest::addColumn<QString>("cursorText");
    QTest::newRow("top-left cell") << QPointF(3, 9) << Painting::Cell{0, 0} << QPoint(0, 0)
                                   << QStringLiteral("Cursor Loc: 0, 0");
    QTest::newRow("inside the map") << QPointF(200.5, 87) << Painting::Cell{12, 5}
                                    << QPoint(192, 80) << QStringLiteral("Cursor Loc: 12, 5");
    QTest::newRow("beyond a small map, on the grid")
        << QPointF(1000, 600) << Painting::Cell{62, 37} << QPoint(992, 592)
        << QStringLiteral("Cursor Loc: 62, 37");
    QTest::newRow("dragged past the grid")
        << QPointF(5000, -40) << Painting::Cell{255, 0} << QPoint(4080, 0)
        << QStringLiteral("Cursor Loc: 255, 0");
}

void TestPainting::hover()
{
    QFETCH(QPointF, position);
    QFETCH(QPoint, brush);
    EditorState state;
    state.mapWidth = 40;
    state.mapHeight = 25;
    const auto grid = state.tileMap;

    QTEST(Painting::hover(state, position), "cell");

    QCOMPARE(QPoint(state.selectedTileX, state.selectedTileY), brush);
    QTEST(state.statusText(EditorState::CursorPanel), "cursorText");
    QCOMPARE(state.tileMap, grid);
}

void TestPainting::tickStoresSelectedTileAndDrawsItFromTheSheet()
{
    EditorState state;
    state.tileSheet.setPicture(NumberedSheet::sheet());
    state.mapWidth = 10;
    state.mapHeight = 10;
    sizeCanvasToMap(state);
    // The preview only shows the brush; what is drawn is the sheet's tile.
    Surface red(QSize(16, 16), Qt::red);
    state.brushPreview.blit(0, 0, 16, 16, red, 0, 0);
    state.selectedTile = 34;
    selectTile(state, 2, 1);

    QVERIFY(Painting::paintTick(state));

    QCOMPARE(state.cell(2, 1), 34);
    QCOMPARE(state.mapCanvas.image().pixel(32, 16), NumberedSheet::tileColour(34));
    QCOMPARE(state.mapCanvas.image().pixel(47, 31), NumberedSheet::tileColour(34));
    QCOMPARE(state.mapCanvas.image().pixel(48, 16), qRgb(0, 0, 0));
}

void TestPainting::tickOutsideMapPaintsNothing_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::newRow("first column past the map") << 10 << 3;
    QTest::newRow("first row past the map") << 3 << 5;
    QTest::newRow("last cell of the grid") << 255 << 127;
}

void TestPainting::tickOutsideMapPaintsNothing()
{
    QFETCH(int, column);
    QFETCH(int, row);
    EditorState state;
    state.mapWidth = 10;
    state.mapHeight = 5;
    // A canvas larger than the map, as after loading a full-width file, shows
    // that nothing is drawn either.
    state.mapCanvas.resize(QSize(4096, 2048));
    Surface red(QSize(16, 16), Qt::red);
    state.brushPreview.blit(0, 0, 16, 16, red, 0, 0);
    state.selectedTile = 34;
    selectTile(state, static_cast<std::int16_t>(column), static_cast<std::int16_t>(row));
    const QImage before = state.mapCanvas.image();

    QVERIFY(!Painting::paintTick(state));

    QVERIFY(std::all_of(state.tileMap.begin(), state.tileMap.end(), [](auto c) { return c == 0; }));
    QCOMPARE(state.mapCanvas.image(), before);
}

namespace {

// A 10 x 5 map on the numbered sheet, every cell of the grid tile 200.
void smallMap(EditorState &state)
{
    state.tileSheet.setPicture(NumberedSheet::sheet());
    state.mapWidth = 10;
    state.mapHeight = 5;
    sizeCanvasToMap(state);
    state.tileMap.fill(200);
    redrawMap(state);
}

// The cells of the grid that hold tile, as points.
QList<QPoint> cellsHolding(const EditorState &state, int tile)
{
    QList<QPoint> cells;
    for (int row = 0; row < Tiles::GridRows; ++row)
        for (int column = 0; column < Tiles::GridColumns; ++column)
            if (state.cell(column, row) == tile)
                cells.append(QPoint(column, row));
    return cells;
}

bool canvasShowsGrid(const EditorState &state)
{
    for (int row = 0; row < state.mapHeight; ++row)
        for (int column = 0; column < state.mapWidth; ++column)
            if (state.mapCanvas.image().pixel(column * 16 + 8, row * 16 + 8) !=
                NumberedSheet::tileColour(state.cell(column, row)))
                return false;
    return true;
}

} // namespace

void TestPainting::stampTickIsClippedToTheMap_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QList<QPoint>>("painted");
    // The stamp is 2 x 2: tiles 1, 2 over 3, 4.
    QTest::newRow("inside") << QPoint(3, 1)
                            << QList<QPoint>{{3, 1}, {4, 1}, {3, 2}, {4, 2}};
    QTest::newRow("at the right edge") << QPoint(9, 1) << QList<QPoint>{{9, 1}, {9, 2}};
    QTest::newRow("at the bottom edge") << QPoint(3, 4) << QList<QPoint>{{3, 4}, {4, 4}};
    QTest::newRow("at the bottom-right corner") << QPoint(9, 4) << QList<QPoint>{{9, 4}};
    QTest::newRow("top-left cell beyond the map") << QPoint(10, 2) << QList<QPoint>{};
}

void TestPainting::stampTickIsClippedToTheMap()
{
    QFETCH(QPoint, at);
    QFETCH(QList<QPoint>, painted);
    EditorState state;
    smallMap(state);
    state.setStamp(Stamp(2, 2, {1, 2, 3, 4}));
    selectTile(state, static_cast<std::int16_t>(at.x()), static_cast<std::int16_t>(at.y()));

    QCOMPARE(Painting::paintTick(state), !painted.isEmpty());

    QList<QPoint> changed;
    for (int tile = 1; tile <= 4; ++tile)
        changed += cellsHolding(state, tile);
    std::sort(changed.begin(), changed.end(),
              [](QPoint a, QPoint b) { return std::pair(a.y(), a.x()) < std::pair(b.y(), b.x()); });
    QCOMPARE(changed, painted);
    for (const QPoint cell : painted)
        QCOMPARE(state.cell(cell.x(), cell.y()), 1 + (cell.x() - at.x()) + 2 * (cell.y() - at.y()));
    QVERIFY(canvasShowsGrid(state));
}

void TestPainting::lineTickPaintsEveryCellBetween_data()
{
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<QList<QPoint>>("painted");
    QTest::newRow("same cell") << QPoint(4, 2) << QPoint(4, 2) << QList<QPoint>{{4, 2}};
    QTest::newRow("along a row")
        << QPoint(1, 3) << QPoint(5, 3) << QList<QPoint>{{1, 3}, {2, 3}, {3, 3}, {4, 3}, {5, 3}};
    QTest::newRow("up a column") << QPoint(6, 4) << QPoint(6, 1)
                                 << QList<QPoint>{{6, 1}, {6, 2}, {6, 3}, {6, 4}};
    QTest::newRow("diagonal") << QPoint(0, 0) << QPoint(3, 3)
                              << QList<QPoint>{{0, 0}, {1, 1}, {2, 2}, {3, 3}};
    QTest::newRow("shallow slope")
        << QPoint(0, 0) << QPoint(6, 2)
        << QList<QPoint>{{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 1}, {5, 2}, {6, 2}};
    // The part of the line beyond the map paints nothing.
    QTest::newRow("out past the right edge")
        << QPoint(7, 0) << QPoint(13, 0) << QList<QPoint>{{7, 0}, {8, 0}, {9, 0}};
}

void TestPainting::lineTickPaintsEveryCellBetween()
{
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    QFETCH(QList<QPoint>, painted);
    EditorState state;
    smallMap(state);
    state.selectedTile = 9;

    state.history.beginStroke();
    QVERIFY(Painting::paintLine(state, {from.x(), from.y()}, {to.x(), to.y()}));
    state.history.endStroke();

    QCOMPARE(cellsHolding(state, 9), painted);
    QVERIFY(canvasShowsGrid(state));
    QCOMPARE(state.history.stack().count(), 1);
    state.history.undo();
    QVERIFY(cellsHolding(state, 9).isEmpty());
    QVERIFY(canvasShowsGrid(state));
}

QTEST_GUILESS_MAIN(TestPainting)
#include "tst_painting.moc"
