// SPDX-License-Identifier: MIT
#include "core/edit/CellEdits.h"
#include "core/edit/MapCommands.h"
#include "core/edit/Painting.h"
#include "core/edit/TilePicking.h"
#include "core/edit/TileSetFile.h"
#include "core/state/EditorState.h"
#include "core/state/MapRoutines.h"
#include "core/tiles/PictureImport.h"
#include "core/tiles/SheetFile.h"
#include "core/tiles/TileBudget.h"
#include "core/tiles/TileFinding.h"
#include "core/tiles/TileUsage.h"
#include "tests/support/NumberedSheet.h"
#include "tests/support/TilePictures.h"

#include <QImageReader>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using Tiles::TileSize;

class TestTileBudget : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void importPutsPictureInUse_data();
    void importPutsPictureInUse();
    void replace_data();
    void replace();
    void compactKeepsCanvasAndMovesUsedTilesFirst();
    void compactOfCompactSheetRecordsNothing();
    void compactRenumbersTheStamp();
    void countsFollowEveryEdit();
    void strokeUpdatesOnlyItsTiles();
    void findsCellsOfATile();
    void foundCellsThatStillHoldTheTile();
    void scrollValuesShowACell_data();
    void scrollValuesShowACell();
    void sheetFileReadsBackEqual_data();
    void sheetFileReadsBackEqual();
};

namespace {

// What undo must bring back: everything a map file and the canvas hold.
struct Snapshot
{
    std::array<std::uint8_t, Tiles::GridCells> grid;
    QImage canvas;
    QImage sheet;
    std::array<int, 6> sizes;

    explicit Snapshot(const EditorState &s)
        : grid(s.tileMap), canvas(s.mapCanvas.image().copy()), sheet(s.tileSheet.image().copy()),
          sizes{s.headerByte1, s.headerByte2, s.mapWidthByte, s.mapHeightByte, s.mapWidth,
                s.mapHeight}
    {
    }
    bool operator==(const Snapshot &other) const
    {
        return grid == other.grid && canvas == other.canvas && sheet == other.sheet &&
               sizes == other.sizes;
    }
};

QImage sheetTile(const EditorState &state, int tile)
{
    return state.tileSheet.image().copy(QRect(Tiles::sheetOrigin(tile), QSize(TileSize, TileSize)));
}

// A map of the numbered sheet: columns x rows cells of the given tiles, and
// tile 50 in every cell outside it.
void useMap(EditorState &state, int columns, const std::vector<int> &tiles)
{
    state.history.setRecording(false);
    TileSetFile::useBuiltInSheet(state, NumberedSheet::sheet());
    MapCommands::applyNewMap(state, {columns, int(tiles.size()) / columns});
    state.tileMap.fill(50);
    for (std::size_t i = 0; i < tiles.size(); ++i)
        state.cell(int(i) % columns, int(i) / columns) = static_cast<std::uint8_t>(tiles[i]);
    redrawMap(state);
    state.history.setRecording(true);
}

void paintCell(EditorState &state, int tile, int column, int row)
{
    TilePicking::pickTile(state, {tile % Tiles::SheetColumns, tile / Tiles::SheetColumns});
    state.history.beginStroke();
    Painting::hover(state, QPointF(column * TileSize + 3, row * TileSize + 3));
    Painting::paintTick(state);
    state.history.endStroke();
}

} // namespace

void TestTileBudget::importPutsPictureInUse_data()
{
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("widthByte");
    QTest::addColumn<int>("heightByte");
    QTest::newRow("small") << 3 << 2 << 3 << 2;
    QTest::newRow("254 columns") << 254 << 3 << 254 << 3;
    QTest::newRow("full width") << 256 << 5 << 255 << 4;
    QTest::newRow("whole grid") << 256 << 128 << 255 << 127;
}

void TestTileBudget::importPutsPictureInUse()
{
    QFETCH(int, columns);
    QFETCH(int, rows);
    EditorState state;
    useMap(state, 4, {1, 2, 3, 4, 5, 6, 7, 8});
    const Snapshot before(state);
    const QImage picture = TilePictures::picture(
        columns, rows, [](int column, int row) { return (column * 7 + row * 3) % 200; });
    const auto plan = PictureImport::plan(PictureTiles::cut(picture), false);
    QVERIFY(plan);

    TileBudget::importPicture(state, *plan, QStringLiteral("level.png"));
    QCOMPARE(state.history.stack().count(), 1);
    const Snapshot after(state);
    for (int undo = 0; undo < 2; ++undo) {
        QCOMPARE(state.headerByte1, 0xFE);
        QCOMPARE(state.headerByte2, 0x4F);
        QTEST(int(state.mapWidthByte), "widthByte");
        QTEST(int(state.mapHeightByte), "heightByte");
        QCOMPARE(state.mapCanvas.image(), picture);
        QCOMPARE(state.tileSheet.image(), plan->sheet);
        QCOMPARE(state.pickerCaption(), QStringLiteral("Using level.png TileSet"));
        for (int row = 0; row < Tiles::GridRows; ++row)
            for (int column = 0; column < Tiles::GridColumns; ++column)
                if (column >= columns || row >= rows)
                    QCOMPARE(state.cell(column, row), 0);
                else
                    QCOMPARE(state.cell(column, row), plan->cells[row * columns + column]);
        state.history.undo();
        QVERIFY(Snapshot(state) == before);
        state.history.redo();
        QVERIFY(Snapshot(state) == after);
    }
}

void TestTileBudget::replace_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<std::vector<int>>("expected");
    QTest::newRow("A to B") << 4 << 9 << std::vector<int>{9, 1, 9, 2, 3, 9};
    QTest::newRow("A to an unused tile") << 1 << 200 << std::vector<int>{4, 200, 4, 2, 3, 4};
    QTest::newRow("A to A") << 4 << 4 << std::vector<int>{};
    QTest::newRow("A unused in the map") << 50 << 7 << std::vector<int>{};
}

void TestTileBudget::replace()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(std::vector<int>, expected);
    EditorState state;
    useMap(state, 3, {4, 1, 4, 2, 3, 4});
    const Snapshot before(state);

    QCOMPARE(TileBudget::replaceTile(state, from, to), !expected.empty());
    if (expected.empty()) {
        QCOMPARE(state.history.stack().count(), 0);
        QVERIFY(Snapshot(state) == before);
        return;
    }
    QCOMPARE(state.history.stack().count(), 1);
    QCOMPARE(state.history.stack().undoText(), QStringLiteral("Replace Tile"));
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(state.cell(i % 3, i / 3), expected[i]);
        QCOMPARE(state.mapCanvas.image().copy(QRect(Tiles::cellOrigin(i % 3, i / 3),
                                                    QSize(TileSize, TileSize))),
                 sheetTile(state, expected[i]));
    }
    // Cells outside the map are not the map's and keep their tile.
    QCOMPARE(state.cell(3, 0), 50);
    state.history.undo();
    QVERIFY(Snapshot(state) == before);
}

void TestTileBudget::compactKeepsCanvasAndMovesUsedTilesFirst()
{
    EditorState state;
    const std::vector<int> tiles{9, 4, 9, 200, 4, 0, 17, 17, 4, 9};
    useMap(state, 5, tiles);
    state.cell(100, 100) = 51;
    state.selectedTile = 17;
    const Snapshot before(state);

    QVERIFY(TileBudget::compactTiles(state));
    QCOMPARE(state.history.stack().count(), 1);
    QCOMPARE(state.history.stack().undoText(), QStringLiteral("Compact Tiles"));
    QCOMPARE(state.mapCanvas.image(), before.canvas);
    // Used tiles first, in the order of first use.
    const std::vector<int> used{9, 4, 200, 0, 17};
    for (std::size_t tile = 0; tile < used.size(); ++tile)
        QCOMPARE(sheetTile(state, int(tile)), NumberedSheet::sheet().copy(QRect(
                     Tiles::sheetOrigin(used[tile]), QSize(TileSize, TileSize))));
    // The others after them, in their order: 1, 2, 3, 5, ...
    const QImage old = NumberedSheet::sheet();
    const auto oldTile = [&old](int tile) {
        return old.copy(QRect(Tiles::sheetOrigin(tile), QSize(TileSize, TileSize)));
    };
    QCOMPARE(sheetTile(state, 5), oldTile(1));
    QCOMPARE(sheetTile(state, 8), oldTile(5));
    QCOMPARE(sheetTile(state, 255), oldTile(255));
    // Every one of the 32,768 cells keeps its picture under its new number.
    for (int index = 0; index < Tiles::GridCells; ++index)
        if (sheetTile(state, state.tileMap[index]) != oldTile(before.grid[index]))
            QFAIL(qPrintable(QStringLiteral("cell %1 changed its picture").arg(index)));
    QCOMPARE(state.cell(100, 100), 52);
    QCOMPARE(state.selectedTile, 4);

    state.history.undo();
    QVERIFY(Snapshot(state) == before);
    QCOMPARE(state.selectedTile, 17);
    state.history.redo();
    QCOMPARE(state.cell(0, 0), 0);
}

// A stamp in use keeps its pictures under their new numbers, and the
// undo gives it the old numbers back.
void TestTileBudget::compactRenumbersTheStamp()
{
    EditorState state;
    useMap(state, 5, {9, 4, 9, 200, 4, 0, 17, 17, 4, 9});
    const Stamp stamp(3, 1, {17, 9, 33});
    state.setStamp(stamp);
    QVERIFY(TileBudget::compactTiles(state));
    QCOMPARE(state.brush(), Stamp(3, 1, {4, 0, 34}));
    state.history.undo();
    QCOMPARE(state.brush(), stamp);
}

void TestTileBudget::compactOfCompactSheetRecordsNothing()
{
    EditorState state;
    useMap(state, 3, {0, 1, 0, 2, 1, 3});
    QVERIFY(!TileBudget::compactTiles(state));
    QCOMPARE(state.history.stack().count(), 0);
}

// The counts after each edit equal a count of the whole map.
void TestTileBudget::countsFollowEveryEdit()
{
    EditorState state;
    useMap(state, 4, {1, 2, 3, 4, 5, 6, 7, 8});
    TileUsage usage(state);
    const auto check = [&](const char *step) {
        if (usage.counts() != TileBudget::countUses(state))
            QFAIL(qPrintable(QStringLiteral("counts wrong after %1").arg(QLatin1String(step))));
    };
    check("start");
    QCOMPARE(usage.uses(1), 1);
    QCOMPARE(usage.usedTiles(), 8);

    paintCell(state, 30, 0, 0);
    check("a stroke");
    QCOMPARE(usage.uses(30), 1);
    QCOMPARE(usage.uses(1), 0);
    paintCell(state, 30, 1, 1);
    check("a second stroke");
    state.history.undo();
    check("undo of a stroke");
    state.history.redo();
    check("redo of a stroke");
    MapCommands::fillMap(state);
    check("Fill Map");
    QCOMPARE(usage.uses(30), 8);
    state.history.undo();
    check("undo of Fill Map");
    TileBudget::replaceTile(state, 30, 3);
    check("Replace");

    // The drawing tools' edits; a paste reaching past the map's edge counts
    // only the cells it stores.
    const Stamp block = CellEdits::copyCells(state, QRect(0, 0, 2, 2));
    QVERIFY(CellEdits::pasteStamp(state, QPoint(2, 0), block));
    check("a paste");
    QVERIFY(CellEdits::pasteStamp(state, QPoint(3, 1), Stamp(2, 2, {60, 61, 62, 63})));
    check("a paste clipped at the edge");
    state.history.undo();
    check("undo of a paste");
    state.history.redo();
    check("redo of a paste");
    CellEdits::cutCells(state, QRect(1, 0, 2, 2));
    check("Cut");
    QVERIFY(CellEdits::bucketFill(state, QPoint(1, 0), Stamp::single(40)));
    check("Bucket Fill");
    QVERIFY(CellEdits::fillRectangle(state, QRect(0, 1, 3, 1), Stamp::single(41)));
    check("Rectangle Fill");
    QVERIFY(CellEdits::deleteCells(state, QRect(2, 1, 2, 1)));
    check("Delete");
    for (int step = 0; step < 6; ++step)
        state.history.undo();
    check("undo of the drawing tools' edits");
    for (int step = 0; step < 6; ++step)
        state.history.redo();
    check("redo of the drawing tools' edits");
    for (int step = 0; step < 6; ++step)
        state.history.undo();

    QVERIFY(TileBudget::compactTiles(state));
    check("Compact");
    state.history.undo();
    check("undo of Compact");
    MapCommands::applyResize(state, {2, 1});
    check("a smaller map");
    QCOMPARE(usage.usedTiles(), 2);
    MapCommands::applyResize(state, {30, 20});
    check("a larger map");
    QCOMPARE(usage.uses(50), 30 * 20 - 8);
    state.history.undo();
    state.history.undo();
    check("undo of two resizes");
    MapCommands::clearMap(state);
    check("Clear Map");
    QCOMPARE(usage.uses(0), 8);
}

// A stroke of one cell moves the counts of its two tiles and no others.
void TestTileBudget::strokeUpdatesOnlyItsTiles()
{
    EditorState state;
    useMap(state, 4, {1, 2, 3, 4, 5, 6, 7, 8});
    TileUsage usage(state);
    usage.update();
    QSignalSpy changed(&usage, &TileUsage::changed);
    paintCell(state, 30, 2, 1);
    QTRY_COMPARE_WITH_TIMEOUT(changed.count(), 1, 5000);
    QList<int> tiles = changed.at(0).at(0).value<QList<int>>();
    std::sort(tiles.begin(), tiles.end());
    QCOMPARE(tiles, (QList<int>{7, 30}));
    QCOMPARE(usage.uses(30), 1);
    QCOMPARE(usage.uses(7), 0);
}

void TestTileBudget::findsCellsOfATile()
{
    EditorState state;
    useMap(state, 3, {4, 1, 4, 2, 3, 4});
    QCOMPARE(TileFinding::cellsHolding(state, 4),
             (std::vector<QPoint>{QPoint(0, 0), QPoint(2, 0), QPoint(2, 1)}));
    // Tile 50 fills the grid outside the map, which is not searched.
    QVERIFY(TileFinding::cellsHolding(state, 50).empty());
}

// What is left of a find after the map changed: the cells that still hold
// the tile on the map, in their order.
void TestTileBudget::foundCellsThatStillHoldTheTile()
{
    EditorState state;
    useMap(state, 3, {4, 1, 4, 2, 3, 4});
    const std::vector<QPoint> found = TileFinding::cellsHolding(state, 4);
    QCOMPARE(TileFinding::cellsStillHolding(state, 4, found), found);
    state.cell(2, 0) = 1;
    QCOMPARE(TileFinding::cellsStillHolding(state, 4, found),
             (std::vector<QPoint>{QPoint(0, 0), QPoint(2, 1)}));
    // A cell left outside a smaller map no longer counts.
    state.mapWidth = 2;
    QCOMPARE(TileFinding::cellsStillHolding(state, 4, found), std::vector<QPoint>{QPoint(0, 0)});
    QVERIFY(TileFinding::cellsStillHolding(state, 1, found).empty());
}

void TestTileBudget::scrollValuesShowACell_data()
{
    QTest::addColumn<QPoint>("cell");
    QTest::addColumn<QPoint>("values");
    QTest::newRow("top-left") << QPoint(0, 0) << QPoint(0, 0);
    QTest::newRow("within the first step") << QPoint(6, 2) << QPoint(0, 0);
    QTest::newRow("further in") << QPoint(13, 5) << QPoint(2, 2);
    QTest::newRow("last cell") << QPoint(255, 127) << QPoint(35, 45);
}

void TestTileBudget::scrollValuesShowACell()
{
    QFETCH(QPoint, cell);
    QTEST(TileFinding::scrollValuesShowing(cell), "values");
}

void TestTileBudget::sheetFileReadsBackEqual_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("format");
    QTest::newRow("PNG") << "tiles.png" << QByteArray("png");
    QTest::newRow("BMP") << "tiles.BMP" << QByteArray("bmp");
    QTest::newRow("no extension") << "tiles" << QByteArray("png");
}

void TestTileBudget::sheetFileReadsBackEqual()
{
    QFETCH(QString, name);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    QVERIFY(SheetFile::write(NumberedSheet::sheet(), path).succeeded());
    QImageReader reader(path);
    QTEST(reader.format(), "format");
    QCOMPARE(reader.read().convertToFormat(QImage::Format_RGB32), NumberedSheet::sheet());
    const FileResult failed = SheetFile::write(NumberedSheet::sheet(), dir.filePath(QStringLiteral("none/x.png")));
    QVERIFY(!failed.succeeded());
}

QTEST_GUILESS_MAIN(TestTileBudget)
#include "tst_tilebudget.moc"
