// SPDX-License-Identifier: MIT
#include "core/edit/CellEdits.h"
#include "core/edit/ReplaceTile.h"
#include "core/state/CellRect.h"
#include "core/state/EditorState.h"
#include "core/edit/MapCommands.h"
#include "core/state/MapRoutines.h"
#include "core/edit/Painting.h"
#include "core/edit/TilePicking.h"
#include "core/edit/TileSetFile.h"
#include "mapfile/MapFileFormat.h"
#include "mapfile/MapLoading.h"
#include "tests/support/NumberedSheet.h"
#include "tests/support/TestFiles.h"

#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <functional>

namespace {

using Edit = std::function<void(EditorState &)>;

// Everything a step may change, byte for byte and pixel for pixel.
struct Snapshot
{
    decltype(EditorState::tileMap) grid;
    int mapWidth, mapHeight;
    int headerByte1, headerByte2, mapWidthByte, mapHeightByte;
    QImage canvas, sheet;
    QString pickerCaption, mapPanel, sizePanel;

    explicit Snapshot(const EditorState &state)
        : grid(state.tileMap), mapWidth(state.mapWidth), mapHeight(state.mapHeight),
          headerByte1(state.headerByte1), headerByte2(state.headerByte2),
          mapWidthByte(state.mapWidthByte), mapHeightByte(state.mapHeightByte),
          canvas(state.mapCanvas.image().copy()), sheet(state.tileSheet.image().copy()),
          pickerCaption(state.pickerCaption()), mapPanel(state.statusText(EditorState::MapPanel)),
          sizePanel(state.statusText(EditorState::SizePanel))
    {
    }
};

// Compares field by field so a failure names what differs.
void compareSnapshots(const Snapshot &actual, const Snapshot &expected)
{
    const auto [seen, wanted] =
        std::mismatch(actual.grid.begin(), actual.grid.end(), expected.grid.begin());
    if (seen != actual.grid.end()) {
        const int cell = int(seen - actual.grid.begin());
        QFAIL(qPrintable(QStringLiteral("cell (%1, %2) holds tile %3, wanted %4")
                             .arg(cell % Tiles::GridColumns)
                             .arg(cell / Tiles::GridColumns)
                             .arg(int(*seen))
                             .arg(int(*wanted))));
    }
    QCOMPARE(actual.mapWidth, expected.mapWidth);
    QCOMPARE(actual.mapHeight, expected.mapHeight);
    QCOMPARE(actual.headerByte1, expected.headerByte1);
    QCOMPARE(actual.headerByte2, expected.headerByte2);
    QCOMPARE(actual.mapWidthByte, expected.mapWidthByte);
    QCOMPARE(actual.mapHeightByte, expected.mapHeightByte);
    QCOMPARE(actual.canvas.size(), expected.canvas.size());
    QVERIFY(actual.canvas == expected.canvas);
    QVERIFY(actual.sheet == expected.sheet);
    QCOMPARE(actual.pickerCaption, expected.pickerCaption);
    QCOMPARE(actual.mapPanel, expected.mapPanel);
    QCOMPARE(actual.sizePanel, expected.sizePanel);
}

// Whether the canvas is exactly what the grid's cells and the sheet in use
// draw, and the brush preview the selected tile of that sheet.
bool canvasShowsCells(const EditorState &state)
{
    EditorState redrawn;
    redrawn.tileSheet.setPicture(state.tileSheet.image());
    redrawn.tileMap = state.tileMap;
    redrawn.mapCanvas.resizeForRedraw(state.mapCanvas.size());
    redrawMap(redrawn);
    const QRect tile(Tiles::sheetOrigin(state.selectedTile), QSize(16, 16));
    return redrawn.mapCanvas.image() == state.mapCanvas.image() &&
           state.brushPreview.image().copy(0, 0, 16, 16) == state.tileSheet.image().copy(tile);
}

// A second sheet whose every tile differs from the numbered one's.
QImage otherSheet()
{
    QImage sheet = NumberedSheet::sheet();
    sheet.invertPixels();
    return sheet;
}

void stroke(EditorState &state, const QList<QPoint> &cells)
{
    state.history.beginStroke();
    for (const QPoint cell : cells) {
        Painting::hover(state, QPointF(cell.x() * 16 + 3, cell.y() * 16 + 5));
        Painting::paintTick(state);
    }
    state.history.endStroke();
}

void pick(EditorState &state, int tile)
{
    TilePicking::pickTile(state, {tile % Tiles::SheetColumns, tile / Tiles::SheetColumns});
}

MapFile::Contents contents(std::uint8_t widthByte, std::uint8_t heightByte, int seed)
{
    MapFile::Contents map;
    map.headerByte1 = 0x12;
    map.headerByte2 = 0x34;
    map.widthByte = widthByte;
    map.heightByte = heightByte;
    for (int i = 0; i < Tiles::GridCells; ++i)
        map.grid[i] = static_cast<std::uint8_t>((i / 7 + seed) % 11 * 23);
    return map;
}

// A 40 x 25 map on the numbered sheet, painted before and after a Load Tiles.
void variedState(EditorState &state)
{
    TileSetFile::useBuiltInSheet(state, NumberedSheet::sheet());
    MapCommands::resetToStartUp(state);
    MapCommands::applyResize(state, {40, 25});
    pick(state, 70);
    stroke(state, {{1, 1}, {2, 1}, {3, 2}, {39, 24}});
    TileSetFile::useTileSheet(state, otherSheet(), QStringLiteral("other.bmp"));
    stroke(state, {{5, 5}, {6, 5}, {2, 1}});
    pick(state, 9);
    stroke(state, {{7, 7}});
}

} // namespace

Q_DECLARE_METATYPE(Edit)

class TestEditHistory : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void stepUndoesAndRedoes_data();
    void stepUndoesAndRedoes();
    void strokeUndoRepaintsOnlyItsCells();
    void strokeThatChangesNothingIsNoStep();
    void undoDuringStrokeEndsIt();
    void historyKeepsTheLatestThousandSteps();
    void withoutRecordingEditsChangeTheSame();
    void randomEditsUndoAndRedoWhole();
};

void TestEditHistory::stepUndoesAndRedoes_data()
{
    QTest::addColumn<Edit>("prepare");
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("homesView");

    const Edit nothing = [](EditorState &) {};
    const Edit loadTiles = [](EditorState &state) {
        TileSetFile::useTileSheet(state, NumberedSheet::sheet(), QStringLiteral("again.bmp"));
    };
    const QString paint = QStringLiteral("Paint");

    QTest::newRow("paint stroke, a cell twice") << nothing << Edit([](EditorState &s) {
        stroke(s, {{8, 8}, {9, 8}, {8, 8}, {1, 1}});
    }) << paint << false;
    QTest::newRow("paint stroke over cells painted on two sheets")
        << nothing << Edit([](EditorState &s) { stroke(s, {{5, 5}, {6, 5}, {2, 1}, {3, 2}}); })
        << paint << false;
    QTest::newRow("paint stroke after Load Tiles") << loadTiles << Edit([](EditorState &s) {
        stroke(s, {{7, 7}, {10, 3}, {5, 5}});
    }) << paint << false;
    QTest::newRow("stamp stroke along lines, a cell twice")
        << Edit([](EditorState &s) { TilePicking::pickStamp(s, {3, 1}, {5, 2}); })
        << Edit([](EditorState &s) {
               s.history.beginStroke();
               Painting::paintTick(s);
               Painting::paintLine(s, {0, 0}, {12, 4});
               Painting::paintLine(s, {12, 4}, {38, 23});
               Painting::paintLine(s, {38, 23}, {2, 2});
               s.history.endStroke();
           })
        << paint << false;
    QTest::newRow("fill map") << nothing << Edit(MapCommands::fillMap) << QStringLiteral("Fill Map")
                              << false;
    QTest::newRow("fill map after Load Tiles")
        << loadTiles << Edit(MapCommands::fillMap) << QStringLiteral("Fill Map") << false;
    QTest::newRow("bucket fill with a stamp") << nothing << Edit([](EditorState &s) {
        CellEdits::bucketFill(s, {20, 20}, Stamp(2, 2, {1, 2, 3, 4}));
    }) << QStringLiteral("Bucket Fill") << false;
    QTest::newRow("bucket fill of the whole grid")
        << Edit([](EditorState &s) {
               MapFile::applyLoadedMap(s, contents(255, 127, 0));
               MapCommands::clearMap(s);
           })
        << Edit([](EditorState &s) { CellEdits::bucketFill(s, {100, 100}, Stamp::single(5)); })
        << QStringLiteral("Bucket Fill") << false;
    QTest::newRow("replace tile") << nothing << Edit([](EditorState &s) {
        ReplaceTile::replaceAll(s, 0, 17, QRect(3, 3, 30, 10));
    }) << QStringLiteral("Replace Tile") << false;
    QTest::newRow("rectangle fill past the map") << nothing << Edit([](EditorState &s) {
        CellEdits::fillRectangle(s, QRect(30, 20, 40, 40), Stamp::single(6));
    }) << QStringLiteral("Rectangle Fill") << false;
    QTest::newRow("paste past the map") << nothing << Edit([](EditorState &s) {
        CellEdits::pasteStamp(s, {-2, 20}, CellEdits::copyCells(s, QRect(0, 0, 10, 10)));
    }) << QStringLiteral("Paste") << false;
    QTest::newRow("cut") << nothing << Edit([](EditorState &s) {
        CellEdits::cutCells(s, QRect(0, 0, 8, 8));
    }) << QStringLiteral("Cut") << false;
    QTest::newRow("delete") << nothing << Edit([](EditorState &s) {
        CellEdits::deleteCells(s, QRect(36, 20, 8, 8));
    }) << QStringLiteral("Delete") << false;
    QTest::newRow("clear map") << nothing << Edit(MapCommands::clearMap)
                               << QStringLiteral("Clear Map") << false;
    QTest::newRow("clear map of a full-width file")
        << Edit([](EditorState &s) { MapFile::applyLoadedMap(s, contents(255, 40, 3)); })
        << Edit(MapCommands::clearMap) << QStringLiteral("Clear Map") << false;
    QTest::newRow("new map") << nothing << Edit([](EditorState &s) {
        MapCommands::applyNewMap(s, {12, 100});
    }) << QStringLiteral("New Map")
                             << true;
    QTest::newRow("resize smaller") << nothing << Edit([](EditorState &s) {
        MapCommands::applyResize(s, {4, 3});
    }) << QStringLiteral("Resize Map")
                                    << true;
    QTest::newRow("resize larger") << nothing << Edit([](EditorState &s) {
        MapCommands::applyResize(s, {255, 127});
    }) << QStringLiteral("Resize Map")
                                   << true;
    QTest::newRow("load map") << nothing << Edit([](EditorState &s) {
        MapFile::applyLoadedMap(s, contents(30, 9, 1));
    }) << QStringLiteral("Load Map")
                              << true;
    QTest::newRow("load map of width byte 255")
        << nothing << Edit([](EditorState &s) { MapFile::applyLoadedMap(s, contents(255, 60, 2)); })
        << QStringLiteral("Load Map") << true;
    QTest::newRow("load map from a file, naming it") << nothing << Edit([](EditorState &s) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("castle.map"));
        QByteArray bytes(MapFile::FileSize, char(5));
        bytes[MapFile::WidthByteOffset] = 20;
        bytes[MapFile::HeightByteOffset] = 10;
        TestFiles::write(path, bytes);
        QVERIFY(MapFile::load(s, path).succeeded());
    }) << QStringLiteral("Load Map") << true;
    QTest::newRow("load tiles") << nothing << Edit([](EditorState &s) {
        TileSetFile::useTileSheet(s, NumberedSheet::sheet(), QStringLiteral("n.bmp"));
    }) << QStringLiteral("Load Tiles")
                                << false;
    QTest::newRow("load tiles of a small picture") << nothing << Edit([](EditorState &s) {
        TileSetFile::useTileSheet(s, NumberedSheet::sheet().copy(0, 0, 256, 64),
                                  QStringLiteral("small.bmp"));
    }) << QStringLiteral("Load Tiles") << false;
}

void TestEditHistory::stepUndoesAndRedoes()
{
    QFETCH(Edit, prepare);
    QFETCH(Edit, edit);
    QFETCH(QString, name);
    QFETCH(bool, homesView);
    EditorState state;
    variedState(state);
    prepare(state);
    QSignalSpy viewHomed(&state.history, &EditHistory::viewHomeRequested);
    const int steps = state.history.stack().count();
    const Snapshot before(state);

    edit(state);
    QCOMPARE(state.history.stack().count(), steps + 1);
    QCOMPARE(state.history.stack().undoText(), name);
    const Snapshot after(state);
    QVERIFY(!(after.canvas == before.canvas && after.grid == before.grid &&
              after.sheet == before.sheet && after.sizePanel == before.sizePanel &&
              after.mapPanel == before.mapPanel));

    QVERIFY(canvasShowsCells(state));

    state.history.undo();
    compareSnapshots(Snapshot(state), before);
    QVERIFY(canvasShowsCells(state));
    state.history.redo();
    compareSnapshots(Snapshot(state), after);
    QVERIFY(canvasShowsCells(state));
    QCOMPARE(viewHomed.count(), homesView ? 2 : 0);
}

void TestEditHistory::strokeUndoRepaintsOnlyItsCells()
{
    EditorState state;
    variedState(state);
    pick(state, 33);
    stroke(state, {{0, 0}, {30, 20}});
    state.mapCanvas.takeDirty();

    const QRegion cells = QRegion(0, 0, 16, 16) + QRegion(480, 320, 16, 16);
    state.history.undo();
    QCOMPARE(state.mapCanvas.takeDirty(), cells);
    state.history.redo();
    QCOMPARE(state.mapCanvas.takeDirty(), cells);
}

void TestEditHistory::strokeThatChangesNothingIsNoStep()
{
    EditorState state;
    variedState(state);
    pick(state, 9);
    const int steps = state.history.stack().count();
    stroke(state, {{7, 7}, {7, 7}});
    // Beyond the map: the canvas does not show those cells and nothing is painted.
    stroke(state, {{200, 100}});
    QCOMPARE(state.history.stack().count(), steps);
}

void TestEditHistory::undoDuringStrokeEndsIt()
{
    EditorState state;
    variedState(state);
    pick(state, 40);
    const Snapshot before(state);
    const int steps = state.history.stack().count();
    QSignalSpy interrupted(&state.history, &EditHistory::strokeInterrupted);

    state.history.beginStroke();
    for (const QPoint cell : {QPoint(11, 11), QPoint(12, 11)}) {
        Painting::hover(state, QPointF(cell.x() * 16, cell.y() * 16));
        Painting::paintTick(state);
    }
    QCOMPARE(state.history.stack().count(), steps + 1);
    state.history.undo();

    QCOMPARE(interrupted.count(), 1);
    compareSnapshots(Snapshot(state), before);
    // A tick after the undo no longer belongs to the ended stroke.
    Painting::paintTick(state);
    state.history.undo();
    compareSnapshots(Snapshot(state), before);
    QCOMPARE(state.history.stack().count(), steps + 1);
}

void TestEditHistory::historyKeepsTheLatestThousandSteps()
{
    EditorState state;
    variedState(state);
    for (int i = 0; i < EditHistory::StepLimit + 5; ++i) {
        pick(state, i % 2 ? 3 : 4);
        stroke(state, {{0, 0}});
    }
    QCOMPARE(state.history.stack().count(), EditHistory::StepLimit);
    QCOMPARE(state.history.stack().undoLimit(), 1000);
}

void TestEditHistory::withoutRecordingEditsChangeTheSame()
{
    EditorState recorded;
    EditorState unrecorded;
    unrecorded.history.setRecording(false);
    for (EditorState *state : {&recorded, &unrecorded}) {
        variedState(*state);
        MapCommands::applyResize(*state, {50, 50});
        stroke(*state, {{45, 45}, {1, 1}});
        MapFile::applyLoadedMap(*state, contents(20, 20, 4));
    }
    QCOMPARE(unrecorded.history.stack().count(), 0);
    QCOMPARE(recorded.history.stack().count(), 8);
    compareSnapshots(Snapshot(unrecorded), Snapshot(recorded));
}

void TestEditHistory::randomEditsUndoAndRedoWhole()
{
    const QByteArray fixedSeed = qgetenv("TESSELWICK_UNDO_SEED");
    const quint32 seed =
        fixedSeed.isEmpty() ? QRandomGenerator::global()->generate() : fixedSeed.toUInt();
    qInfo("seed %u (TESSELWICK_UNDO_SEED=%u repeats this run)", seed, seed);
    QRandomGenerator random(seed);

    const QList<QImage> sheets = {NumberedSheet::sheet(), otherSheet(),
                                  NumberedSheet::sheet().copy(0, 0, 300, 70)};
    EditorState state;
    variedState(state);
    state.history.clear();
    const Snapshot start(state);

    const auto randomCell = [&] {
        // Mostly inside the map, sometimes beyond it.
        const int columns = std::min<int>(state.mapWidth + 2, Tiles::GridColumns);
        const int rows = std::min<int>(state.mapHeight + 2, Tiles::GridRows);
        return QPoint(random.bounded(columns), random.bounded(rows));
    };
    // A round adds at most two steps (a cut, then its paste). Rounds stop
    // while both still fit, or the history would drop the first step and
    // undoing everything could not reach the start.
    constexpr int MostStepsARound = 2;
    while (state.history.stack().count() <= EditHistory::StepLimit - MostStepsARound) {
        const int kind = random.bounded(24);
        if (kind < 9) {
            QList<QPoint> cells;
            for (int i = random.bounded(1, 12); i > 0; --i)
                cells.append(randomCell());
            stroke(state, cells);
        } else if (kind < 12) {
            pick(state, random.bounded(Tiles::TileCount));
        } else if (kind == 12 || kind == 13) {
            MapCommands::fillMap(state);
        } else if (kind == 14) {
            MapCommands::clearMap(state);
        } else if (kind == 15) {
            MapCommands::applyNewMap(state, {random.bounded(1, 256), random.bounded(1, 128)});
        } else if (kind == 16) {
            MapCommands::applyResize(state, {random.bounded(1, 256), random.bounded(1, 128)});
        } else if (kind == 17) {
            const auto widthByte =
                static_cast<std::uint8_t>(random.bounded(4) == 0 ? 255 : random.bounded(256));
            MapFile::applyLoadedMap(state, contents(widthByte,
                                                    static_cast<std::uint8_t>(random.bounded(256)),
                                                    random.bounded(100)));
        } else if (kind == 20) {
            CellEdits::bucketFill(state, randomCell(), state.brush());
        } else if (kind == 21) {
            CellEdits::fillRectangle(state, CellRect::between(randomCell(), randomCell()),
                                     state.brush());
        } else if (kind == 22) {
            CellEdits::pasteStamp(
                state, randomCell(),
                CellEdits::cutCells(state, CellRect::between(randomCell(), randomCell())));
        } else if (kind == 23) {
            TilePicking::pickStamp(state, {random.bounded(32), random.bounded(8)},
                                   {random.bounded(32), random.bounded(8)});
        } else {
            const int sheet = random.bounded(int(sheets.size()));
            TileSetFile::useTileSheet(state, sheets.at(sheet),
                                      QStringLiteral("sheet%1.bmp").arg(sheet));
        }
    }
    const Snapshot end(state);
    QVERIFY(canvasShowsCells(state));

    while (state.history.stack().canUndo())
        state.history.undo();
    compareSnapshots(Snapshot(state), start);
    QVERIFY(canvasShowsCells(state));
    while (state.history.stack().canRedo())
        state.history.redo();
    compareSnapshots(Snapshot(state), end);
}

QTEST_GUILESS_MAIN(TestEditHistory)
#include "tst_edithistory.moc"
