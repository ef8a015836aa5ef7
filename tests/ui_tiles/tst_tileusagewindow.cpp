// SPDX-License-Identifier: MIT
#include "core/edit/MapCommands.h"
#include "core/edit/Painting.h"
#include "core/edit/TilePicking.h"
#include "core/state/EditorState.h"
#include "core/state/MapRoutines.h"
#include "core/tiles/TileBudget.h"
#include "tests/support/EditorFixture.h"
#include "tests/support/MouseEvents.h"
#include "tests/support/NumberedSheet.h"
#include "tests/support/TilePictures.h"
#include "ui/main/MapCanvas.h"
#include "ui/tiles/CellMarks.h"
#include "ui/tiles/TileBudgetConstants.h"
#include "ui/tiles/TilePicker.h"
#include "ui/tiles/TileUsageWindow.h"

#include <QImageReader>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

using Tiles::TileSize;

Q_DECLARE_METATYPE(std::function<void(EditorFixture &, TileUsageWindow &, const QString &)>)

class TestTileUsageWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void menuItems_data();
    void menuItems();
    void windowIsModelessAndShowsCounts();
    void clickChoosesTheTileUnderThePointer_data();
    void clickChoosesTheTileUnderThePointer();
    void summaryShowsWhole_data();
    void summaryShowsWhole();
    void countsFollowPaintingAndUndo();
    void findMarksCellsAndScrollsToTheFirst();
    void findMarksGo_data();
    void findMarksGo();
    void findMarksFollowPaintingAndZoom();
    void replaceWithAsksForTheTile();
    void compactKeepsTheCanvas();
    void previewFollowsTheSheet_data();
    void previewFollowsTheSheet();
    void importPicture_data();
    void importPicture();
    void tooManyTilesOffersToMerge_data();
    void tooManyTilesOffersToMerge();
    void saveTilesWritesTheSheet_data();
    void saveTilesWritesTheSheet();
};

namespace {

// A map of the numbered sheet, 40 x 60 cells: tile (column + row) % 5 in
// each but tile 9 in cell (30, 50), so six tiles are used.
void useSmallMap(EditorFixture &editor)
{
    EditorState &state = editor.state;
    state.history.setRecording(false);
    state.tileSheet.setPicture(NumberedSheet::sheet());
    MapCommands::applyNewMap(state, {40, 60});
    for (int row = 0; row < 60; ++row)
        for (int column = 0; column < 40; ++column)
            state.cell(column, row) = static_cast<std::uint8_t>((column + row) % 5);
    state.cell(30, 50) = 9;
    redrawMap(state);
    state.history.setRecording(true);
}

TileUsageWindow *openUsage(EditorFixture &editor)
{
    editor.trigger("tileUsageAction");
    return editor.window.findChild<TileUsageWindow *>(QStringLiteral("tileUsageWindow"));
}

// The small map in a shown editor, with Tile Usage open and Find done for
// the tile.
TileUsageWindow *findOnSmallMap(EditorFixture &editor, int tile)
{
    useSmallMap(editor);
    editor.window.show();
    TileUsageWindow *window = openUsage(editor);
    window->chooseTile(tile);
    window->find();
    return window;
}

CellMarks *cellMarks(const EditorFixture &editor)
{
    return editor.window.findChild<CellMarks *>(QStringLiteral("cellMarks"));
}

QString labelText(const TileUsageWindow *window, const char *name)
{
    return window->findChild<QLabel *>(QLatin1String(name))->text();
}

} // namespace

void TestTileUsageWindow::menuItems_data()
{
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("keys");
    QTest::newRow("Import Picture") << "fileMenu" << "importPictureAction" << "loadMapAction"
                                    << "&Import Picture" << "Ctrl+Shift+I";
    QTest::newRow("Save Tiles") << "fileMenu" << "saveTilesAction" << "saveMapAction"
                                << "Save &Tiles..." << "";
    QTest::newRow("Tile Usage") << "toolsMenu" << "tileUsageAction" << "showTilesAction"
                                << "Tile &Usage" << "Ctrl+U";
}

void TestTileUsageWindow::menuItems()
{
    QFETCH(QString, menu);
    QFETCH(QString, action);
    QFETCH(QString, after);
    EditorFixture editor;
    const QList<QAction *> actions = editor.find<QMenu>(qPrintable(menu))->actions();
    qsizetype at = -1;
    for (qsizetype i = 0; i < actions.size(); ++i)
        if (actions[i]->objectName() == action)
            at = i;
    QVERIFY(at > 0);
    QCOMPARE(actions[at - 1]->objectName(), after);
    QTEST(actions[at]->text(), "text");
    QTEST(actions[at]->shortcut().toString(), "keys");
}

void TestTileUsageWindow::windowIsModelessAndShowsCounts()
{
    EditorFixture editor;
    useSmallMap(editor);
    editor.window.show();
    TileUsageWindow *window = openUsage(editor);
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QVERIFY(!window->isModal());
    QCOMPARE(window->windowTitle(), QStringLiteral("Tile Usage"));
    QCOMPARE(labelText(window, "summary"), QStringLiteral("6 of 256 tiles used, 250 free"));
    window->chooseTile(9);
    QCOMPARE(labelText(window, "tileLine"), QStringLiteral("Tile 9: 1 cell"));
    window->chooseTile(200);
    QCOMPARE(labelText(window, "tileLine"), QStringLiteral("Tile 200: unused"));
    QVERIFY(!window->findChild<QPushButton *>(QStringLiteral("replaceButton"))->isEnabled());

    // Unused tiles are shaded: the picture of tile 200 is darker than its
    // tile, a used tile shows its own colour at its top.
    const QImage shot = window->findChild<QWidget *>(QStringLiteral("usageSheet"))->grab().toImage();
    const QPoint unused = Tiles::sheetOrigin(200) * 2 + QPoint(2, 16);
    QVERIFY(qGray(shot.pixel(unused)) < qGray(NumberedSheet::tileColour(200)) / 2);
    const QPoint used = Tiles::sheetOrigin(3) * 2 + QPoint(16, 6);
    QCOMPARE(shot.pixel(used), NumberedSheet::tileColour(3));

    // A second opening shows the same window.
    QCOMPARE(openUsage(editor), window);
}

void TestTileUsageWindow::clickChoosesTheTileUnderThePointer_data()
{
    QTest::addColumn<QPointF>("position");
    QTest::addColumn<int>("tile");
    // The sheet is shown at twice its size: 32 x 32 pixels a tile.
    QTest::newRow("tile 0, first pixel") << QPointF(0, 0) << 0;
    QTest::newRow("tile 0, centre") << QPointF(16, 16) << 0;
    QTest::newRow("tile 0, last pixel") << QPointF(31, 31) << 0;
    QTest::newRow("tile 33, first pixel") << QPointF(32, 32) << 33;
    QTest::newRow("tile 33, last pixel") << QPointF(63.5, 63.5) << 33;
    QTest::newRow("last column, last pixel") << QPointF(1023, 0) << 31;
    QTest::newRow("last row, last pixel") << QPointF(0, 255) << 224;
    QTest::newRow("tile 255, centre") << QPointF(1008, 240) << 255;
    QTest::newRow("tile 255, last pixel") << QPointF(1023, 255) << 255;
}

// Every pixel of a tile on the window's sheet chooses that tile.
void TestTileUsageWindow::clickChoosesTheTileUnderThePointer()
{
    QFETCH(QPointF, position);
    QFETCH(int, tile);
    EditorFixture editor;
    TileUsageWindow *window = openUsage(editor);
    window->chooseTile(100);
    QWidget *sheet = window->findChild<QWidget *>(QStringLiteral("usageSheet"));
    MouseEvents::press(sheet, position);
    MouseEvents::release(sheet, position);
    QCOMPARE(window->chosenTile(), tile);
    QVERIFY(labelText(window, "tileLine").startsWith(QStringLiteral("Tile %1:").arg(tile)));
}

void TestTileUsageWindow::summaryShowsWhole_data()
{
    QTest::addColumn<int>("tiles");
    QTest::addColumn<QString>("summary");
    QTest::newRow("5 digits") << 16 << "16 of 256 tiles used, 240 free";
    QTest::newRow("6 digits") << 128 << "128 of 256 tiles used, 128 free";
    QTest::newRow("every tile") << 256 << "256 of 256 tiles used, 0 free";
}

// The summary line is never cut off, however many digits its numbers have.
void TestTileUsageWindow::summaryShowsWhole()
{
    QFETCH(int, tiles);
    EditorFixture editor;
    EditorState &state = editor.state;
    state.history.setRecording(false);
    MapCommands::applyNewMap(state, {40, 60});
    for (int row = 0; row < 60; ++row)
        for (int column = 0; column < 40; ++column)
            state.cell(column, row) = static_cast<std::uint8_t>((row * 40 + column) % tiles);
    state.history.setRecording(true);
    editor.window.show();
    TileUsageWindow *window = openUsage(editor);
    QVERIFY(window);
    const auto *summary = window->findChild<QLabel *>(QStringLiteral("summary"));
    QTEST(summary->text(), "summary");
    QVERIFY2(summary->fontMetrics().horizontalAdvance(summary->text()) <=
                 summary->contentsRect().width(),
             qPrintable(QString::number(summary->contentsRect().width())));
}

void TestTileUsageWindow::countsFollowPaintingAndUndo()
{
    EditorFixture editor;
    useSmallMap(editor);
    TileUsageWindow *window = openUsage(editor);
    window->chooseTile(9);
    TilePicking::pickTile(editor.state, {9, 0});
    editor.state.history.beginStroke();
    Painting::hover(editor.state, QPointF(5, 5));
    Painting::paintTick(editor.state);
    editor.state.history.endStroke();
    QTRY_COMPARE_WITH_TIMEOUT(labelText(window, "tileLine"), QStringLiteral("Tile 9: 2 cells"),
                              5000);
    editor.trigger("undoAction");
    QTRY_COMPARE_WITH_TIMEOUT(labelText(window, "tileLine"), QStringLiteral("Tile 9: 1 cell"),
                              5000);
    MapCommands::fillMap(editor.state);
    QTRY_COMPARE_WITH_TIMEOUT(labelText(window, "summary"),
                              QStringLiteral("1 of 256 tiles used, 255 free"), 5000);
}

void TestTileUsageWindow::findMarksCellsAndScrollsToTheFirst()
{
    EditorFixture editor;
    TileUsageWindow *window = findOnSmallMap(editor, 9);
    const CellMarks *marks = cellMarks(editor);
    QVERIFY(marks->isVisible());
    QCOMPARE(marks->cells(), std::vector<QPoint>{QPoint(30, 50)});
    QCOMPARE(editor.find<QScrollBar>("horizontalBar")->value(), 30 * 16 / 100);
    QCOMPARE(editor.find<QScrollBar>("verticalBar")->value(), 50 * 16 / 35);
    // The marked cell is framed on screen, over the canvas.
    const QImage shot = editor.find<QWidget>("mapCanvas")->grab().toImage();
    QCOMPARE(shot.pixel(30 * 16 + 1, 50 * 16 + 8), qRgb(255, 0, 255));

    window->chooseTile(200);
    window->find();
    QVERIFY(!marks->isVisible());
}

void TestTileUsageWindow::findMarksGo_data()
{
    using Change = std::function<void(EditorFixture &, TileUsageWindow &, const QString &)>;
    QTest::addColumn<Change>("change");
    QTest::addColumn<int>("left");
    const auto row = [](const char *name, int left, Change change) {
        QTest::newRow(name) << change << left;
    };
    row("Replace with...", 0,
        [](EditorFixture &, TileUsageWindow &window, const QString &) { window.replaceWith(2); });
    row("Find of another tile", 1, [](EditorFixture &, TileUsageWindow &window, const QString &) {
        window.chooseTile(9);
        window.find();
    });
    row("Find of an unused tile", 0, [](EditorFixture &, TileUsageWindow &window, const QString &) {
        window.chooseTile(200);
        window.find();
    });
    row("closing Tile Usage", 0,
        [](EditorFixture &, TileUsageWindow &window, const QString &) { window.close(); });
    // The same size and the same cells: still another map.
    row("New Map", 0, [](EditorFixture &editor, TileUsageWindow &, const QString &) {
        MapCommands::applyNewMap(editor.state, {40, 60});
    });
    row("Resize Map", 0, [](EditorFixture &editor, TileUsageWindow &, const QString &) {
        MapCommands::applyResize(editor.state, {41, 60});
    });
    row("Clear Map", 0, [](EditorFixture &editor, TileUsageWindow &, const QString &) {
        MapCommands::clearMap(editor.state);
    });
    row("undo of Fill Map", 0, [](EditorFixture &editor, TileUsageWindow &, const QString &) {
        MapCommands::fillMap(editor.state);
        editor.trigger("undoAction");
    });
    row("Load Tiles", 0, [](EditorFixture &editor, TileUsageWindow &, const QString &path) {
        editor.host.fileDialog.answers = {path};
        editor.trigger("loadTilesAction");
    });
    row("Import Picture", 0, [](EditorFixture &editor, TileUsageWindow &, const QString &path) {
        editor.host.fileDialog.answers = {path};
        editor.trigger("importPictureAction");
    });
    row("Compact Tiles", 0,
        [](EditorFixture &, TileUsageWindow &window, const QString &) { window.compact(); });
}

// Find's marks stay only while they apply to the map and the sheet in use.
void TestTileUsageWindow::findMarksGo()
{
    QFETCH(std::function<void(EditorFixture &, TileUsageWindow &, const QString &)>, change);
    QFETCH(int, left);
    QTemporaryDir dir;
    const QString picture = dir.filePath(QStringLiteral("picture.png"));
    QVERIFY(TilePictures::picture(32, 8, [](int column, int row) {
                return column + row * 32;
            }).save(picture));
    EditorFixture editor;
    TileUsageWindow *window = findOnSmallMap(editor, 4);
    const CellMarks *marks = cellMarks(editor);
    QCOMPARE(marks->cells().size(), std::size_t(40 * 60 / 5));
    QVERIFY(marks->isVisible());

    change(editor, *window, picture);
    QTRY_COMPARE_WITH_TIMEOUT(marks->cells().size(), std::size_t(left), 5000);
    QCOMPARE(marks->isVisible(), left > 0);
}

// Painting over a marked cell takes its mark away and leaves the others;
// the marks frame their cells at every zoom.
void TestTileUsageWindow::findMarksFollowPaintingAndZoom()
{
    EditorFixture editor;
    findOnSmallMap(editor, 4);
    const CellMarks *marks = cellMarks(editor);
    const std::size_t found = marks->cells().size();

    // Tile 4 over a cell of tile 0, then tile 9 over a marked cell.
    for (const auto &[tile, cell] : {std::pair{4, QPoint(5, 0)}, std::pair{9, QPoint(4, 0)}}) {
        TilePicking::pickTile(editor.state, {tile, 0});
        editor.state.history.beginStroke();
        Painting::hover(editor.state, QPointF(cell * TileSize + QPoint(3, 3)));
        Painting::paintTick(editor.state);
        editor.state.history.endStroke();
    }
    QTRY_COMPARE_WITH_TIMEOUT(marks->cells().size(), found - 1, 5000);
    QCOMPARE(marks->cells().front(), QPoint(9, 0));

    const auto framed = [&](QPoint cell, int side) {
        QCoreApplication::processEvents();
        const QImage shot = editor.find<QWidget>("mapCanvas")->grab().toImage();
        return shot.pixel(cell.x() * side + 1, cell.y() * side + side / 2) ==
               TileUsageLayout::FoundMark.rgb();
    };
    QVERIFY(framed(QPoint(3, 1), 16));
    QVERIFY(!framed(QPoint(4, 0), 16));
    editor.trigger("zoomInAction");
    QCOMPARE(editor.find<MapCanvas>("mapCanvas")->zoom(), 200);
    QVERIFY(framed(QPoint(3, 1), 32));
    QVERIFY(framed(QPoint(9, 0), 32));
    QVERIFY(!framed(QPoint(4, 0), 32));
}

void TestTileUsageWindow::replaceWithAsksForTheTile()
{
    EditorFixture editor;
    useSmallMap(editor);
    TileUsageWindow *window = openUsage(editor);
    window->chooseTile(9);
    // The dialog gets its answer once it is shown.
    QTimer answer;
    connect(&answer, &QTimer::timeout, [&answer] {
        auto *dialog = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        dialog->setIntValue(4);
        dialog->accept();
        answer.stop();
    });
    answer.start(10);
    window->findChild<QPushButton *>(QStringLiteral("replaceButton"))->click();
    QCOMPARE(editor.state.cell(30, 50), 4);
    QCOMPARE(editor.state.history.stack().count(), 1);
    QCOMPARE(editor.find<QAction>("undoAction")->text(), QStringLiteral("&Undo Replace Tile"));
    QTRY_COMPARE_WITH_TIMEOUT(labelText(window, "tileLine"), QStringLiteral("Tile 9: unused"),
                              5000);
}

void TestTileUsageWindow::compactKeepsTheCanvas()
{
    EditorFixture editor;
    useSmallMap(editor);
    const QImage before = editor.state.mapCanvas.image().copy();
    TileUsageWindow *window = openUsage(editor);
    window->findChild<QPushButton *>(QStringLiteral("compactButton"))->click();
    QCOMPARE(editor.state.mapCanvas.image(), before);
    // Tile 9 (the last to appear) moved to number 5.
    QCOMPARE(editor.state.cell(30, 50), 5);
    QTRY_COMPARE_WITH_TIMEOUT(labelText(window, "summary"),
                              QStringLiteral("6 of 256 tiles used, 250 free"), 5000);
    // Compact again: nothing to move, and the user is told so.
    window->compact();
    QCOMPARE(editor.state.history.stack().count(), 1);
    QCOMPARE(editor.host.messageBox.asked.last().prompt,
             QStringLiteral("The used tiles are at the front of the sheet already."));
}

void TestTileUsageWindow::previewFollowsTheSheet_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("Import Picture") << "importPictureAction";
    QTest::newRow("Compact Tiles") << "compactButton";
    QTest::newRow("Load Tiles") << "loadTilesAction";
}

// The picker's Selected Tile preview and its number show the selected tile
// of the sheet in use after each command that changes the sheet, and after
// its undo and its redo.
void TestTileUsageWindow::previewFollowsTheSheet()
{
    QFETCH(QString, command);
    QTemporaryDir dir;
    const QString picture = dir.filePath(QStringLiteral("level.png"));
    QVERIFY(TilePictures::picture(20, 12, [](int column, int row) {
                return (column * 3 + row) % 30;
            }).save(picture));
    const QString sheet = dir.filePath(QStringLiteral("tiles.png"));
    QVERIFY(TilePictures::picture(32, 8, [](int column, int row) {
                return 300 + column + row * 32;
            }).save(sheet));

    EditorFixture editor;
    useSmallMap(editor);
    EditorState &state = editor.state;
    TilePicker &picker = editor.window.picker();
    QWidget *sheetView = picker.findChild<QWidget *>(QStringLiteral("tileSheet"));
    const QPointF onTile9(9 * 16 + 8, 8);
    MouseEvents::move(sheetView, onTile9);
    MouseEvents::press(sheetView, onTile9);
    MouseEvents::release(sheetView, onTile9);
    QCOMPARE(state.selectedTile, 9);

    const auto shown = [&picker] {
        QCoreApplication::processEvents();
        return picker.findChild<QWidget *>(QStringLiteral("brushPreview"))
            ->grab()
            .toImage()
            .convertToFormat(QImage::Format_RGB32)
            .copy(0, 0, TileSize, TileSize);
    };
    const auto followsTheSheet = [&] {
        const QImage tile = state.tileSheet.image().copy(
            QRect(Tiles::sheetOrigin(state.selectedTile), QSize(TileSize, TileSize)));
        QCOMPARE(shown(), tile);
        QCOMPARE(picker.findChild<QLabel *>(QStringLiteral("selectedNumber"))->text(),
                 QStringLiteral("No. %1").arg(state.selectedTile));
        QCOMPARE(picker.findChild<QWidget *>(QStringLiteral("tileOutline"))->pos(),
                 Tiles::sheetOrigin(state.selectedTile));
    };
    const QImage before = shown();

    editor.host.fileDialog.answers = {command == QLatin1String("loadTilesAction") ? sheet
                                                                                  : picture};
    if (command == QLatin1String("compactButton"))
        openUsage(editor)->findChild<QPushButton *>(command)->click();
    else
        editor.trigger(qPrintable(command));
    QCOMPARE(state.history.stack().count(), 1);
    followsTheSheet();
    if (command == QLatin1String("compactButton"))
        QCOMPARE(state.selectedTile, 5);
    else
        QVERIFY(shown() != before);

    editor.trigger("undoAction");
    followsTheSheet();
    QCOMPARE(shown(), before);
    QCOMPARE(state.selectedTile, 9);

    editor.trigger("redoAction");
    followsTheSheet();
    if (command != QLatin1String("compactButton"))
        QVERIFY(shown() != before);
}

void TestTileUsageWindow::importPicture_data()
{
    QTest::addColumn<QSize>("cells");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::newRow("PNG") << QSize(30, 20) << "level.png" << QString();
    QTest::newRow("BMP, full width") << QSize(256, 4) << "wide.bmp" << QString();
    QTest::newRow("255 columns")
        << QSize(255, 1) << "odd.png"
        << QStringLiteral("The picture %1 cannot be imported. The picture is 255 tiles wide, a "
                          "width no map file can hold: its width byte 255 stands for 256 "
                          "columns. Make the picture 254 or 256 tiles wide.");
}

void TestTileUsageWindow::importPicture()
{
    QFETCH(QSize, cells);
    QFETCH(QString, name);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QImage picture = TilePictures::picture(
        cells.width(), cells.height(), [](int column, int row) { return (column + 2 * row) % 40; });
    const QString path = dir.filePath(name);
    QVERIFY(picture.save(path));

    EditorFixture editor;
    useSmallMap(editor);
    const QImage before = editor.state.mapCanvas.image().copy();
    editor.host.fileDialog.answers = {path};
    editor.find<QAction>("importPictureAction")->trigger();
    QCOMPARE(editor.host.fileDialog.shown.last().title, QStringLiteral("Import Picture"));
    if (!message.isEmpty()) {
        QCOMPARE(editor.host.messageBox.asked.last().prompt,
                 message.arg(QDir::toNativeSeparators(path)));
        QCOMPARE(editor.state.mapCanvas.image(), before);
        QCOMPARE(editor.state.history.stack().count(), 0);
        return;
    }
    QCOMPARE(editor.state.mapCanvas.image(), picture);
    QCOMPARE(editor.find<QAction>("undoAction")->text(), QStringLiteral("&Undo Import Picture"));
    editor.trigger("undoAction");
    QCOMPARE(editor.state.mapCanvas.image(), before);
}

void TestTileUsageWindow::tooManyTilesOffersToMerge_data()
{
    QTest::addColumn<bool>("merge");
    QTest::newRow("merge") << true;
    QTest::newRow("cancel") << false;
}

void TestTileUsageWindow::tooManyTilesOffersToMerge()
{
    QFETCH(bool, merge);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("busy.png"));
    QVERIFY(TilePictures::distinctTiles(30, 10, 300).save(path));
    EditorFixture editor;
    useSmallMap(editor);
    editor.host.fileDialog.answers = {path};
    editor.host.messageBox.answers = {merge ? MessageBox::Answer::Yes : MessageBox::Answer::No};
    editor.trigger("importPictureAction");
    const auto &asked = editor.host.messageBox.asked;
    QVERIFY(asked.first().prompt.startsWith(
        QStringLiteral("The picture has 300 different tiles, more than the 256 a tile sheet "
                       "holds.\n\nMerge similar tiles")));
    QCOMPARE(asked.first().buttons, MessageBox::Buttons::YesNo);
    QCOMPARE(editor.state.history.stack().count(), merge ? 1 : 0);
    if (merge) {
        QCOMPARE(asked.size(), 2);
        QVERIFY(asked.last().prompt.startsWith(
            QStringLiteral("300 different tiles merged into 256; PSNR ")));
        QCOMPARE(editor.state.mapCanvas.size(), QSize(30 * 16, 10 * 16));
    }
}

void TestTileUsageWindow::saveTilesWritesTheSheet_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QByteArray>("format");
    QTest::newRow("PNG") << "tiles.png" << "tiles.png" << QByteArray("png");
    QTest::newRow("BMP") << "tiles.bmp" << "tiles.bmp" << QByteArray("bmp");
    QTest::newRow("no extension") << "tiles" << "tiles.png" << QByteArray("png");
}

void TestTileUsageWindow::saveTilesWritesTheSheet()
{
    QFETCH(QString, answer);
    QFETCH(QString, written);
    QTemporaryDir dir;
    EditorFixture editor;
    useSmallMap(editor);
    editor.host.fileDialog.answers = {dir.filePath(answer)};
    editor.trigger("saveTilesAction");
    QCOMPARE(editor.host.fileDialog.shown.last().mode, FileDialog::Mode::Save);
    QImageReader reader(dir.filePath(written));
    QTEST(reader.format(), "format");
    QCOMPARE(reader.read().convertToFormat(QImage::Format_RGB32), NumberedSheet::sheet());
    QVERIFY(editor.host.messageBox.asked.isEmpty());

    // A folder that does not exist: the reason is reported.
    editor.host.fileDialog.answers = {dir.filePath(QStringLiteral("none/tiles.png"))};
    editor.trigger("saveTilesAction");
    QVERIFY(editor.host.messageBox.asked.last().prompt.startsWith(
        QStringLiteral("The tiles could not be saved to ")));
}

QTEST_MAIN(TestTileUsageWindow)
#include "tst_tileusagewindow.moc"
