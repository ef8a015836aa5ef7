// SPDX-License-Identifier: MIT
#include "core/state/EditorState.h"
#include "core/state/MapRoutines.h"
#include "core/render/Surface.h"
#include "tests/support/NumberedSheet.h"

#include <QPainter>

#include <QTest>

#include <cstring>

#include <vector>

using NumberedSheet::tileColour;

class TestMapRendering : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sheetOrigin_data();
    void sheetOrigin();
    void resetMapClearsWholeGrid();
    void resetMapOnOneByOne();
    void resetMapRepaintsTheWholeCanvas_data();
    void resetMapRepaintsTheWholeCanvas();
    void selectTileGivesPixelPosition_data();
    void selectTileGivesPixelPosition();
    void blitClipsAtEdges_data();
    void blitClipsAtEdges();
    void redrawDrawsEveryCellFromTheGrid();
    void gridDrawnOnDemandLooksDrawnAtOnce_data();
    void gridDrawnOnDemandLooksDrawnAtOnce();
    void wholeGridMatchesTheSheetLineByLine_data();
    void wholeGridMatchesTheSheetLineByLine();
    void rowsAreThePicture_data();
    void rowsAreThePicture();
    void resizeKeepsTopLeftPicture();
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

void TestMapRendering::resetMapRepaintsTheWholeCanvas_data()
{
    QTest::addColumn<QSize>("before");
    QTest::addColumn<QSize>("after");
    QTest::newRow("same size") << QSize(255, 127) << QSize(255, 127);
    QTest::newRow("smaller") << QSize(255, 127) << QSize(40, 25);
    QTest::newRow("larger") << QSize(3, 2) << QSize(200, 100);
}

// Whatever the canvas showed and whatever its size was, a reset leaves
// exactly tile 0 in every cell and tells the views to repaint all of it.
void TestMapRendering::resetMapRepaintsTheWholeCanvas()
{
    QFETCH(QSize, before);
    QFETCH(QSize, after);
    EditorState state;
    state.tileSheet.setPicture(NumberedSheet::sheet());
    state.mapWidth = before.width();
    state.mapHeight = before.height();
    sizeCanvasToMap(state);
    state.tileMap.fill(7);
    redrawMap(state);
    state.mapCanvas.takeDirty();

    state.mapWidth = after.width();
    state.mapHeight = after.height();
    resetMap(state);

    const QSize canvas = after * Tiles::TileSize;
    QImage expected(canvas, QImage::Format_RGB32);
    expected.fill(tileColour(0));
    QCOMPARE(state.mapCanvas.image(), expected);
    QVERIFY(state.mapCanvas.takeDirty().contains(QRect(QPoint(0, 0), canvas)));
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
    QCOMPARE(canvas.takeDirty(), QRegion(painted));
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

namespace {

// What can happen to a canvas after a grid is drawn into it.
enum class Step { ReadBand, Brush, Background, GridAgain, Shrink, NewSheet };

} // namespace

void TestMapRendering::gridDrawnOnDemandLooksDrawnAtOnce_data()
{
    QTest::addColumn<QList<Step>>("steps");
    QTest::newRow("read as a whole") << QList<Step>{};
    QTest::newRow("one band read first") << QList<Step>{Step::ReadBand};
    QTest::newRow("brush across two bands") << QList<Step>{Step::Brush};
    QTest::newRow("background over bands") << QList<Step>{Step::Background};
    QTest::newRow("band read, then a new grid")
        << QList<Step>{Step::ReadBand, Step::Brush, Step::GridAgain};
    QTest::newRow("shrunk") << QList<Step>{Step::Brush, Step::Shrink};
    QTest::newRow("tile sheet replaced") << QList<Step>{Step::NewSheet, Step::ReadBand};
}

// The canvas draws a grid band by band when its pixels are first needed;
// whatever comes first, the picture is the one drawing all at once gives.
void TestMapRendering::gridDrawnOnDemandLooksDrawnAtOnce()
{
    QFETCH(QList<Step>, steps);
    std::vector<std::uint8_t> cells(Tiles::GridCells);
    for (int i = 0; i < Tiles::GridCells; ++i)
        cells[i] = static_cast<std::uint8_t>(i * 7 + i / 256);
    std::vector<std::uint8_t> otherCells(Tiles::GridCells, 42);

    const auto picture = [&](bool atOnce) {
        Surface sheet(QSize(Tiles::SheetWidth, Tiles::SheetHeight), Qt::white);
        sheet.setPicture(NumberedSheet::sheet());
        Surface canvas(QSize(4080, 2032), Qt::black);
        const auto drawGrid = [&](const std::vector<std::uint8_t> &grid) {
            canvas.drawTileGrid(sheet, Tiles::SheetColumns, grid.data(), Tiles::GridColumns,
                                Tiles::GridRows, Tiles::TileSize);
            if (atOnce)
                canvas.image();
        };
        drawGrid(cells);
        for (Step step : steps) {
            switch (step) {
            case Step::ReadBand:
                canvas.imageIn(QRect(0, 20 * 16 + 3, 40, 2));
                break;
            case Step::Brush:
                canvas.blit(100, 5 * 16 + 9, 16, 16, sheet, 64, 32);
                break;
            case Step::Background:
                canvas.fillBackground(QRect(50, 300, 500, 40));
                break;
            case Step::GridAgain:
                drawGrid(otherCells);
                break;
            case Step::Shrink:
                canvas.resize(QSize(640, 480));
                break;
            case Step::NewSheet:
                sheet.setPicture(QImage());
                break;
            }
        }
        return canvas.image().copy();
    };

    const QImage atOnce = picture(true);
    QCOMPARE(picture(false), atOnce);
    QVERIFY(atOnce.pixel(5, 5) != qRgb(0, 0, 0));
}

void TestMapRendering::wholeGridMatchesTheSheetLineByLine_data()
{
    QTest::addColumn<int>("width");
    // Canvases this large are written past the caches where their lines
    // allow it; the others take the plain copy.
    QTest::newRow("whole tiles") << 4096;
    QTest::newRow("part of a last tile") << 4088;
    QTest::newRow("lines not 16-byte aligned") << 4090;
}

// Every pixel line of every cell comes from the same line of its tile,
// checked against tiles drawn one by one with QPainter.
void TestMapRendering::wholeGridMatchesTheSheetLineByLine()
{
    QFETCH(int, width);
    QImage sheetPicture(Tiles::SheetWidth, Tiles::SheetHeight, QImage::Format_RGB32);
    for (int y = 0; y < sheetPicture.height(); ++y)
        for (int x = 0; x < sheetPicture.width(); ++x)
            sheetPicture.setPixel(x, y, qRgb(x & 0xff, y, (x >> 8) * 64 + (x + y) % 64));
    Surface sheet(sheetPicture.size(), Qt::white);
    sheet.setPicture(sheetPicture);
    std::vector<std::uint8_t> cells(Tiles::GridCells);
    for (int i = 0; i < Tiles::GridCells; ++i)
        cells[i] = static_cast<std::uint8_t>(i * 13 + i / 256);

    Surface canvas(QSize(width, Tiles::GridRows * Tiles::TileSize), Qt::black);
    canvas.drawTileGrid(sheet, Tiles::SheetColumns, cells.data(), Tiles::GridColumns,
                        Tiles::GridRows, Tiles::TileSize);

    QImage expected(canvas.size(), QImage::Format_RGB32);
    QPainter painter(&expected);
    for (int row = 0; row < Tiles::GridRows; ++row)
        for (int column = 0; column < Tiles::GridColumns; ++column) {
            const int tile = cells[row * Tiles::GridColumns + column];
            painter.drawImage(Tiles::cellOrigin(column, row), sheetPicture,
                              QRect(Tiles::sheetOrigin(tile), QSize(16, 16)));
        }
    painter.end();
    QCOMPARE(canvas.image(), expected);
}

void TestMapRendering::rowsAreThePicture_data()
{
    QTest::addColumn<QImage::Format>("format");
    QTest::addColumn<bool>("partlyDrawn");
    QTest::addColumn<int>("bandRows");
    QTest::newRow("32-bit, waiting grid") << QImage::Format_RGB32 << false << 85;
    QTest::newRow("32-bit, partly drawn") << QImage::Format_RGB32 << true << 85;
    QTest::newRow("24-bit, waiting grid") << QImage::Format_BGR888 << false << 85;
    QTest::newRow("24-bit, partly drawn") << QImage::Format_BGR888 << true << 85;
    QTest::newRow("24-bit, single rows") << QImage::Format_BGR888 << false << 1;
    QTest::newRow("24-bit, one tile row at a time") << QImage::Format_BGR888 << true << 16;
}

// Rows read one band after another, as a file writer reads them, make the
// picture the canvas shows, whether their tiles were waiting or drawn, and
// reading them leaves the canvas as it was. The canvas ends in part of a
// column and part of a band of tiles.
void TestMapRendering::rowsAreThePicture()
{
    QFETCH(QImage::Format, format);
    QFETCH(bool, partlyDrawn);
    QFETCH(int, bandRows);
    std::vector<std::uint8_t> cells(Tiles::GridCells);
    for (int i = 0; i < Tiles::GridCells; ++i)
        cells[i] = static_cast<std::uint8_t>(i * 5 + i / 256);
    Surface sheet(QSize(Tiles::SheetWidth, Tiles::SheetHeight), Qt::white);
    sheet.setPicture(NumberedSheet::sheet());
    const QSize size(4088, 2030);
    Surface canvas(size, Qt::black);
    canvas.drawTileGrid(sheet, Tiles::SheetColumns, cells.data(), Tiles::GridColumns,
                        Tiles::GridRows, Tiles::TileSize);
    if (partlyDrawn) {
        canvas.imageIn(QRect(0, 700, 10, 40));
        canvas.blit(300, 1000, 16, 16, sheet, 64, 32);
    }

    QImage read(size, format);
    read.fill(Qt::magenta);
    for (int end = size.height(); end > 0; end -= bandRows) {
        const int first = std::max(0, end - bandRows);
        const QImage band = canvas.rows(first, end - first, format);
        QCOMPARE(band.format(), format);
        QCOMPARE(band.size(), QSize(size.width(), end - first));
        for (int row = 0; row < band.height(); ++row)
            std::memcpy(read.scanLine(first + row), band.constScanLine(row),
                        std::size_t(size.width()) * (format == QImage::Format_RGB32 ? 4 : 3));
    }

    const QImage shown = canvas.image().copy();
    QCOMPARE(read, shown.convertToFormat(format));
    Surface drawnAtOnce(size, Qt::black);
    drawnAtOnce.drawTileGrid(sheet, Tiles::SheetColumns, cells.data(), Tiles::GridColumns,
                             Tiles::GridRows, Tiles::TileSize);
    if (partlyDrawn)
        drawnAtOnce.blit(300, 1000, 16, 16, sheet, 64, 32);
    QCOMPARE(shown, drawnAtOnce.image());
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

QTEST_GUILESS_MAIN(TestMapRendering)
#include "tst_maprendering.moc"
