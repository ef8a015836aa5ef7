// SPDX-License-Identifier: MIT
#include "core/state/EditorState.h"
#include "core/state/MapRoutines.h"
#include "core/edit/Painting.h"

#include <QTest>

class TestPainting : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cellAt_data();
    void cellAt();
    void hover_data();
    void hover();
    void tickStoresSelectedTileAndDrawsBrush();
    void tickOutsideMapPaintsNothing_data();
    void tickOutsideMapPaintsNothing();
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

void TestPainting::tickStoresSelectedTileAndDrawsBrush()
{
    EditorState state;
    state.mapWidth = 10;
    state.mapHeight = 10;
    sizeCanvasToMap(state);
    state.brushPreview.fillBackground(QRect(0, 0, 16, 16));
    Surface red(QSize(16, 16), Qt::red);
    state.brushPreview.blit(0, 0, 16, 16, red, 0, 0);
    state.selectedTile = 34;
    selectTile(state, 2, 1);

    QVERIFY(Painting::paintTick(state));

    QCOMPARE(state.cell(2, 1), 34);
    QCOMPARE(state.mapCanvas.image().pixel(32, 16), qRgb(255, 0, 0));
    QCOMPARE(state.mapCanvas.image().pixel(47, 31), qRgb(255, 0, 0));
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

QTEST_GUILESS_MAIN(TestPainting)
#include "tst_painting.moc"
