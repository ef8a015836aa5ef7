// SPDX-License-Identifier: MIT
#include "core/edit/CellEdits.h"
#include "core/edit/FillRegion.h"
#include "core/edit/ReplaceTile.h"
#include "core/edit/StrokeLine.h"
#include "core/state/CellRect.h"
#include "core/state/EditorState.h"
#include "core/state/MapRoutines.h"
#include "mapfile/MapFileFormat.h"
#include "mapfile/MapLoading.h"
#include "tests/support/NumberedSheet.h"

#include <QRandomGenerator>
#include <QTest>

#include <cstdlib>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(Stamp)

// Maps in these tests are drawn as rows of characters: the character's code
// minus '0' is the tile ('0' is 0, '1' is 1 ...). Every cell of
// the grid beyond the rows holds Outside, so a test sees any byte stored
// outside the map.
namespace {

constexpr std::uint8_t Outside = 200;

using Grid = decltype(EditorState::tileMap);

std::uint8_t tileOf(QChar character)
{
    return static_cast<std::uint8_t>(character.unicode() - u'0');
}

// A map of the rows' size on the numbered sheet, drawn and with a fresh history.
void drawMap(EditorState &state, const QStringList &rows)
{
    state.tileSheet.setPicture(NumberedSheet::sheet());
    state.tileMap.fill(Outside);
    state.mapHeight = static_cast<std::int16_t>(rows.size());
    state.mapWidth = static_cast<std::int16_t>(rows.first().size());
    for (int row = 0; row < rows.size(); ++row)
        for (int column = 0; column < rows.at(row).size(); ++column)
            state.cell(column, row) = tileOf(rows.at(row).at(column));
    sizeCanvasToMap(state);
    redrawMap(state);
    state.history.clear();
}

// The map's rows as characters again, for comparing with a table's rows.
QStringList mapRows(const EditorState &state)
{
    QStringList rows;
    for (int row = 0; row < state.mapHeight; ++row) {
        QString text;
        for (int column = 0; column < state.mapWidth; ++column)
            text.append(QChar(u'0' + state.cell(column, row)));
        rows.append(text);
    }
    return rows;
}

bool outsideKept(const EditorState &state)
{
    for (int row = 0; row < Tiles::GridRows; ++row)
        for (int column = 0; column < Tiles::GridColumns; ++column)
            if ((column >= state.mapWidth || row >= state.mapHeight) &&
                state.cell(column, row) != Outside)
                return false;
    return true;
}

// Whether the canvas is exactly what the grid and the sheet draw.
bool canvasShowsGrid(const EditorState &state)
{
    EditorState redrawn;
    redrawn.tileSheet.setPicture(state.tileSheet.image());
    redrawn.tileMap = state.tileMap;
    redrawn.mapWidth = state.mapWidth;
    redrawn.mapHeight = state.mapHeight;
    redrawn.mapCanvas.resizeForRedraw(state.mapCanvas.size());
    redrawMap(redrawn);
    return redrawn.mapCanvas.image() == state.mapCanvas.image();
}

// Checks that the edit made one step under name, and that undo gives back
// the grid and canvas from before and redo those from after.
void checkStep(EditorState &state, const Grid &before, const QString &name)
{
    QCOMPARE(state.history.stack().count(), 1);
    QCOMPARE(state.history.stack().undoText(), name);
    QVERIFY(canvasShowsGrid(state));
    const Grid after = state.tileMap;
    state.history.undo();
    QVERIFY(state.tileMap == before);
    QVERIFY(canvasShowsGrid(state));
    state.history.redo();
    QVERIFY(state.tileMap == after);
    QVERIFY(canvasShowsGrid(state));
}

const QStringList Room = {
    u"00000000"_s, u"01111100"_s, u"01000100"_s, u"01000100"_s, u"01111100"_s, u"00000000"_s,
};

} // namespace

class TestCellEdits : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void stampRepeats_data();
    void stampRepeats();
    void stampRefusesBadSizes_data();
    void stampRefusesBadSizes();
    void fillRegion_data();
    void fillRegion();
    void fillRegionOfTheWholeGridInConstantStack();
    void bucketFill_data();
    void bucketFill();
    void bucketFillWithItsOwnTileRecordsNothing_data();
    void bucketFillWithItsOwnTileRecordsNothing();
    void replaceAll_data();
    void replaceAll();
    void rectangleFill_data();
    void rectangleFill();
    void pasteIsClippedToTheMap_data();
    void pasteIsClippedToTheMap();
    void copyTakesTheCellsInsideTheMap_data();
    void copyTakesTheCellsInsideTheMap();
    void cutCopiesThenClears();
    void deleteClearsTheCellsInsideTheMap();
    void lineCellsTouchAndEndWhereAsked();
};

void TestCellEdits::stampRepeats_data()
{
    QTest::addColumn<QPoint>("cell");
    QTest::addColumn<QPoint>("anchor");
    QTest::addColumn<int>("tile");
    // The stamp is 3 x 2: 1 2 3 over 4 5 6.
    QTest::newRow("on the anchor") << QPoint(5, 5) << QPoint(5, 5) << 1;
    QTest::newRow("inside") << QPoint(7, 6) << QPoint(5, 5) << 6;
    QTest::newRow("one stamp to the right") << QPoint(9, 5) << QPoint(5, 5) << 2;
    QTest::newRow("left of the anchor") << QPoint(4, 5) << QPoint(5, 5) << 3;
    QTest::newRow("above the anchor") << QPoint(5, 4) << QPoint(5, 5) << 4;
    QTest::newRow("anchor beyond the map") << QPoint(0, 0) << QPoint(-4, -3) << 5;
}

void TestCellEdits::stampRepeats()
{
    QFETCH(QPoint, cell);
    QFETCH(QPoint, anchor);
    const Stamp stamp(3, 2, {1, 2, 3, 4, 5, 6});
    QTEST(int(stamp.repeatedAt(cell, anchor)), "tile");
}

void TestCellEdits::stampRefusesBadSizes_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("tiles");
    QTest::newRow("no columns") << 0 << 2 << 0;
    QTest::newRow("fewer tiles than cells") << 2 << 2 << 3;
    QTest::newRow("more tiles than cells") << 2 << 2 << 5;
    QTest::newRow("wider than the grid") << 257 << 1 << 257;
    QTest::newRow("taller than the grid") << 1 << 129 << 129;
}

void TestCellEdits::stampRefusesBadSizes()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, tiles);
    const Stamp stamp(width, height, std::vector<std::uint8_t>(std::size_t(tiles), 1));
    QVERIFY(stamp.isEmpty());
    QCOMPARE(stamp.size(), QSize(0, 0));
    QVERIFY(!Stamp(256, 128, std::vector<std::uint8_t>(Tiles::GridCells, 1)).isEmpty());
}

void TestCellEdits::fillRegion_data()
{
    QTest::addColumn<QStringList>("map");
    QTest::addColumn<QRect>("area");
    QTest::addColumn<QPoint>("start");
    QTest::addColumn<QStringList>("reached");
    // Cells reached are 'x' in `reached`.
    QTest::newRow("open") << QStringList{u"000"_s, u"000"_s} << QRect() << QPoint(1, 1)
                          << QStringList{u"xxx"_s, u"xxx"_s};
    QTest::newRow("inside a closed room") << Room << QRect() << QPoint(3, 2)
                                          << QStringList{
                                                 u"........"_s, u"........"_s, u"..xxx..."_s,
                                                 u"..xxx..."_s, u"........"_s, u"........"_s,
                                             };
    QTest::newRow("around a closed room") << Room << QRect() << QPoint(7, 5)
                                          << QStringList{
                                                 u"xxxxxxxx"_s, u"x.....xx"_s, u"x.....xx"_s,
                                                 u"x.....xx"_s, u"x.....xx"_s, u"xxxxxxxx"_s,
                                             };
    QTest::newRow("the walls") << Room << QRect() << QPoint(1, 1)
                               << QStringList{
                                      u"........"_s, u".xxxxx.."_s, u".x...x.."_s,
                                      u".x...x.."_s, u".xxxxx.."_s, u"........"_s,
                                  };
    QTest::newRow("one cell") << QStringList{u"010"_s, u"101"_s, u"010"_s} << QRect()
                              << QPoint(1, 1) << QStringList{u"..."_s, u".x."_s, u"..."_s};
    QTest::newRow("corners do not connect")
        << QStringList{u"010"_s, u"101"_s, u"010"_s} << QRect() << QPoint(0, 0)
        << QStringList{u"x.."_s, u"..."_s, u"..."_s};
    QTest::newRow("inside a selection") << Room << QRect(2, 0, 3, 4) << QPoint(3, 2)
                                        << QStringList{
                                               u"........"_s, u"........"_s, u"..xxx..."_s,
                                               u"..xxx..."_s, u"........"_s, u"........"_s,
                                           };
    QTest::newRow("a selection cuts the region") << Room << QRect(0, 0, 8, 3) << QPoint(7, 0)
                                                 << QStringList{
                                                        u"xxxxxxxx"_s, u"x.....xx"_s, u"x.....xx"_s,
                                                        u"........"_s, u"........"_s, u"........"_s,
                                                    };
    // The cells beyond the map hold another tile, so only the map's edge
    // stops these; a tile that ran on past the edge would also be stopped.
    QTest::newRow("from the bottom-right corner")
        << QStringList{u"1100"_s, u"0100"_s, u"0111"_s} << QRect() << QPoint(3, 2)
        << QStringList{u"xx.."_s, u".x.."_s, u".xxx"_s};
    QTest::newRow("start outside the selection") << Room << QRect(0, 0, 2, 2) << QPoint(5, 5)
                                                 << QStringList{
                                                        u"........"_s, u"........"_s, u"........"_s,
                                                        u"........"_s, u"........"_s, u"........"_s,
                                                    };
}

void TestCellEdits::fillRegion()
{
    QFETCH(QStringList, map);
    QFETCH(QRect, area);
    QFETCH(QPoint, start);
    QFETCH(QStringList, reached);
    EditorState state;
    drawMap(state, map);
    // The grid beyond the map holds the start's tile too: the area stops the
    // region, not the tiles.
    for (int row = 0; row < Tiles::GridRows; ++row)
        for (int column = 0; column < Tiles::GridColumns; ++column)
            if (column >= state.mapWidth || row >= state.mapHeight)
                state.cell(column, row) = state.cell(start.x(), start.y());

    const std::vector<int> cells =
        FillRegion::cells(state.tileMap, CellRect::editArea(state, area), start);

    QStringList actual(map.size(), QString(map.first().size(), u'.'));
    for (const int index : cells) {
        const int column = index % Tiles::GridColumns;
        const int row = index / Tiles::GridColumns;
        QVERIFY(column < state.mapWidth && row < state.mapHeight);
        actual[row][column] = u'x';
    }
    QCOMPARE(actual, reached);
    QVERIFY(std::is_sorted(cells.begin(), cells.end()));
}

void TestCellEdits::fillRegionOfTheWholeGridInConstantStack()
{
    // A map of width byte 255 is the whole grid. A comb of walls makes one
    // region that winds through every row, the shape a recursive fill would
    // need a call for each cell of.
    MapFile::Contents contents;
    contents.widthByte = MapFile::FullWidthByte;
    contents.heightByte = 127;
    for (int row = 0; row < Tiles::GridRows; ++row)
        for (int column = 0; column < Tiles::GridColumns; ++column) {
            const bool wall = row % 2 == 1 && (row % 4 == 1 ? column != 255 : column != 0);
            contents.grid[row * Tiles::GridColumns + column] = wall ? 1 : 0;
        }
    EditorState state;
    state.tileSheet.setPicture(NumberedSheet::sheet());
    MapFile::applyLoadedMap(state, contents);
    state.history.clear();
    QCOMPARE(CellRect::mapArea(state), QRect(0, 0, 256, 128));

    const std::vector<int> comb =
        FillRegion::cells(state.tileMap, CellRect::mapArea(state), {0, 0});
    QCOMPARE(comb.size(), std::size_t(64 * 256 + 64));

    state.tileMap.fill(3);
    const Grid before = state.tileMap;
    QVERIFY(CellEdits::bucketFill(state, {100, 60}, Stamp::single(4)));
    QVERIFY(std::all_of(state.tileMap.begin(), state.tileMap.end(), [](auto t) { return t == 4; }));
    checkStep(state, before, QStringLiteral("Bucket Fill"));
}

void TestCellEdits::bucketFill_data()
{
    QTest::addColumn<QStringList>("map");
    QTest::addColumn<QPoint>("cell");
    QTest::addColumn<Stamp>("stamp");
    QTest::addColumn<QRect>("selection");
    QTest::addColumn<QStringList>("result");
    QTest::newRow("closed room, one tile")
        << Room << QPoint(2, 2) << Stamp::single(7) << QRect()
        << QStringList{u"00000000"_s, u"01111100"_s, u"01777100"_s,
                       u"01777100"_s, u"01111100"_s, u"00000000"_s};
    QTest::newRow("stamp aligned to the clicked cell")
        << Room << QPoint(3, 3) << Stamp(2, 2, {5, 6, 7, 8}) << QRect()
        << QStringList{u"00000000"_s, u"01111100"_s, u"01878100"_s,
                       u"01656100"_s, u"01111100"_s, u"00000000"_s};
    QTest::newRow("inside a selection")
        << Room << QPoint(0, 0) << Stamp::single(9) << QRect(0, 0, 3, 2)
        << QStringList{u"99900000"_s, u"91111100"_s, u"01000100"_s,
                       u"01000100"_s, u"01111100"_s, u"00000000"_s};
    QTest::newRow("click outside the selection")
        << Room << QPoint(5, 5) << Stamp::single(9) << QRect(0, 0, 3, 2) << Room;
    QTest::newRow("click outside the map")
        << Room << QPoint(8, 0) << Stamp::single(9) << QRect() << Room;
    QTest::newRow("a stamp holding the region's tile")
        << QStringList{u"0000"_s} << QPoint(0, 0) << Stamp(2, 1, {0, 8}) << QRect()
        << QStringList{u"0808"_s};
}

void TestCellEdits::bucketFill()
{
    QFETCH(QStringList, map);
    QFETCH(QPoint, cell);
    QFETCH(Stamp, stamp);
    QFETCH(QRect, selection);
    QFETCH(QStringList, result);
    EditorState state;
    drawMap(state, map);
    const Grid before = state.tileMap;

    QCOMPARE(CellEdits::bucketFill(state, cell, stamp, selection), result != map);

    QCOMPARE(mapRows(state), result);
    QVERIFY(outsideKept(state));
    if (result != map)
        checkStep(state, before, QStringLiteral("Bucket Fill"));
    else
        QCOMPARE(state.history.stack().count(), 0);
}

void TestCellEdits::bucketFillWithItsOwnTileRecordsNothing_data()
{
    QTest::addColumn<Stamp>("stamp");
    QTest::newRow("the same tile") << Stamp::single(1);
    QTest::newRow("a stamp of only that tile") << Stamp(2, 2, {1, 1, 1, 1});
    QTest::newRow("an empty stamp") << Stamp();
}

void TestCellEdits::bucketFillWithItsOwnTileRecordsNothing()
{
    QFETCH(Stamp, stamp);
    EditorState state;
    drawMap(state, Room);
    state.mapCanvas.takeDirty();

    QVERIFY(!CellEdits::bucketFill(state, {1, 1}, stamp));

    QCOMPARE(mapRows(state), Room);
    QCOMPARE(state.history.stack().count(), 0);
    QVERIFY(state.mapCanvas.takeDirty().isEmpty());
}

void TestCellEdits::replaceAll_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QRect>("selection");
    QTest::addColumn<QStringList>("result");
    QTest::newRow("whole map") << 1 << 5 << QRect() << QStringList{u"0505"_s, u"5050"_s, u"0505"_s};
    QTest::newRow("inside a selection")
        << 0 << 6 << QRect(1, 1, 2, 5) << QStringList{u"0101"_s, u"1610"_s, u"0161"_s};
    QTest::newRow("no cell holds it")
        << 9 << 5 << QRect() << QStringList{u"0101"_s, u"1010"_s, u"0101"_s};
    QTest::newRow("a tile into itself")
        << 1 << 1 << QRect() << QStringList{u"0101"_s, u"1010"_s, u"0101"_s};
}

void TestCellEdits::replaceAll()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QRect, selection);
    QFETCH(QStringList, result);
    const QStringList map{u"0101"_s, u"1010"_s, u"0101"_s};
    EditorState state;
    drawMap(state, map);
    const Grid before = state.tileMap;

    QCOMPARE(ReplaceTile::replaceAll(state, std::uint8_t(from), std::uint8_t(to), selection),
             result != map);

    QCOMPARE(mapRows(state), result);
    QVERIFY(outsideKept(state));
    if (result != map)
        checkStep(state, before, QStringLiteral("Replace Tile"));
    else
        QCOMPARE(state.history.stack().count(), 0);
}

void TestCellEdits::rectangleFill_data()
{
    QTest::addColumn<QRect>("cells");
    QTest::addColumn<Stamp>("stamp");
    QTest::addColumn<QStringList>("result");
    QTest::newRow("one tile") << QRect(1, 1, 2, 2) << Stamp::single(4)
                              << QStringList{u"00000"_s, u"04400"_s, u"04400"_s};
    QTest::newRow("stamp repeated from the top-left")
        << QRect(0, 0, 5, 2) << Stamp(2, 1, {1, 2})
        << QStringList{u"12121"_s, u"12121"_s, u"00000"_s};
    QTest::newRow("given from the bottom-right corner")
        << CellRect::between(QPoint(4, 2), QPoint(3, 1)) << Stamp::single(6)
        << QStringList{u"00000"_s, u"00066"_s, u"00066"_s};
    QTest::newRow("past the right and bottom edges")
        << QRect(3, 1, 10, 10) << Stamp(2, 2, {1, 2, 3, 4})
        << QStringList{u"00000"_s, u"00012"_s, u"00034"_s};
    QTest::newRow("from beyond the top-left") << QRect(-1, -1, 3, 3) << Stamp(2, 2, {1, 2, 3, 4})
                                              << QStringList{u"43000"_s, u"21000"_s, u"00000"_s};
}

void TestCellEdits::rectangleFill()
{
    QFETCH(QRect, cells);
    QFETCH(Stamp, stamp);
    QFETCH(QStringList, result);
    EditorState state;
    drawMap(state, {u"00000"_s, u"00000"_s, u"00000"_s});
    const Grid before = state.tileMap;

    QVERIFY(CellEdits::fillRectangle(state, cells, stamp));

    QCOMPARE(mapRows(state), result);
    QVERIFY(outsideKept(state));
    checkStep(state, before, QStringLiteral("Rectangle Fill"));
}

void TestCellEdits::pasteIsClippedToTheMap_data()
{
    QTest::addColumn<QPoint>("topLeft");
    QTest::addColumn<QStringList>("result");
    // The stamp is 3 x 2: 1 2 3 over 4 5 6; the map is 4 x 3.
    QTest::newRow("inside") << QPoint(1, 1) << QStringList{u"0000"_s, u"0123"_s, u"0456"_s};
    QTest::newRow("past the left edge")
        << QPoint(-2, 0) << QStringList{u"3000"_s, u"6000"_s, u"0000"_s};
    QTest::newRow("past the top edge")
        << QPoint(0, -1) << QStringList{u"4560"_s, u"0000"_s, u"0000"_s};
    QTest::newRow("past the right edge")
        << QPoint(2, 0) << QStringList{u"0012"_s, u"0045"_s, u"0000"_s};
    QTest::newRow("past the bottom edge")
        << QPoint(1, 2) << QStringList{u"0000"_s, u"0000"_s, u"0123"_s};
    QTest::newRow("past two edges")
        << QPoint(3, -1) << QStringList{u"0004"_s, u"0000"_s, u"0000"_s};
}

void TestCellEdits::pasteIsClippedToTheMap()
{
    QFETCH(QPoint, topLeft);
    QFETCH(QStringList, result);
    EditorState state;
    drawMap(state, {u"0000"_s, u"0000"_s, u"0000"_s});
    const Grid before = state.tileMap;

    QVERIFY(CellEdits::pasteStamp(state, topLeft, Stamp(3, 2, {1, 2, 3, 4, 5, 6})));

    QCOMPARE(mapRows(state), result);
    QVERIFY(outsideKept(state));
    checkStep(state, before, QStringLiteral("Paste"));
    // Wholly beyond the map: nothing stored, nothing recorded.
    QVERIFY(!CellEdits::pasteStamp(state, {4, 0}, Stamp(3, 2, {1, 2, 3, 4, 5, 6})));
    QVERIFY(!CellEdits::pasteStamp(state, {-3, -2}, Stamp(3, 2, {1, 2, 3, 4, 5, 6})));
    QCOMPARE(state.history.stack().count(), 1);
}

void TestCellEdits::copyTakesTheCellsInsideTheMap_data()
{
    QTest::addColumn<QRect>("cells");
    QTest::addColumn<Stamp>("copy");
    QTest::newRow("one cell") << QRect(2, 1, 1, 1) << Stamp::single(7);
    QTest::newRow("a block") << QRect(1, 0, 2, 2) << Stamp(2, 2, {2, 3, 6, 7});
    QTest::newRow("past the bottom-right corner") << QRect(2, 1, 9, 9) << Stamp(2, 2, {7, 8, 3, 4});
    QTest::newRow("beyond the map") << QRect(4, 0, 2, 2) << Stamp();
}

void TestCellEdits::copyTakesTheCellsInsideTheMap()
{
    QFETCH(QRect, cells);
    EditorState state;
    drawMap(state, {u"1234"_s, u"5678"_s, u"9234"_s});
    QTEST(CellEdits::copyCells(state, cells), "copy");
}

void TestCellEdits::cutCopiesThenClears()
{
    EditorState state;
    drawMap(state, {u"1234"_s, u"5678"_s, u"9234"_s});
    const Grid before = state.tileMap;

    QCOMPARE(CellEdits::cutCells(state, QRect(2, 1, 5, 5)), Stamp(2, 2, {7, 8, 3, 4}));

    QCOMPARE(mapRows(state), (QStringList{u"1234"_s, u"5600"_s, u"9200"_s}));
    QVERIFY(outsideKept(state));
    checkStep(state, before, QStringLiteral("Cut"));
}

void TestCellEdits::deleteClearsTheCellsInsideTheMap()
{
    EditorState state;
    drawMap(state, {u"1234"_s, u"5678"_s, u"9234"_s});
    const Grid before = state.tileMap;

    QVERIFY(CellEdits::deleteCells(state, QRect(-1, -1, 3, 3)));

    QCOMPARE(mapRows(state), (QStringList{u"0034"_s, u"0078"_s, u"9234"_s}));
    QVERIFY(outsideKept(state));
    checkStep(state, before, QStringLiteral("Delete"));
    QVERIFY(!CellEdits::deleteCells(state, QRect(0, 0, 2, 2)));
    QCOMPARE(state.history.stack().count(), 1);
}

void TestCellEdits::lineCellsTouchAndEndWhereAsked()
{
    // Any two cells: the line starts and ends on them, takes one cell per
    // step along the longer axis, and each cell touches the one before.
    QRandomGenerator random(21);
    for (int i = 0; i < 500; ++i) {
        const QPoint from(random.bounded(-20, 300), random.bounded(-20, 150));
        const QPoint to(random.bounded(-20, 300), random.bounded(-20, 150));
        const std::vector<QPoint> line = StrokeLine::cells(from, to);
        const QPoint span = to - from;
        QCOMPARE(line.size(), std::size_t(std::max(std::abs(span.x()), std::abs(span.y())) + 1));
        QCOMPARE(line.front(), from);
        QCOMPARE(line.back(), to);
        for (std::size_t step = 1; step < line.size(); ++step) {
            const QPoint move = line[step] - line[step - 1];
            QVERIFY(std::abs(move.x()) <= 1 && std::abs(move.y()) <= 1 && !move.isNull());
        }
    }
}

QTEST_GUILESS_MAIN(TestCellEdits)
#include "tst_celledits.moc"
