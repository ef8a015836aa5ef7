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
#include "ui/tiles/CellMarks.h"
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

using Tiles::TileSize;

class TestTileUsageWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void menuItems_data();
    void menuItems();
    void windowIsModelessAndShowsCounts();
    void summaryShowsWhole_data();
    void summaryShowsWhole();
    void countsFollowPaintingAndUndo();
    void findMarksCellsAndScrollsToTheFirst();
    void replaceWithAsksForTheTile();
    void compactKeepsTheCanvas();
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
    useSmallMap(editor);
    editor.window.show();
    TileUsageWindow *window = openUsage(editor);
    window->chooseTile(9);
    window->find();
    const auto *marks = editor.window.findChild<CellMarks *>(QStringLiteral("cellMarks"));
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
