// SPDX-License-Identifier: MIT
// The Draw menu's tools and the Edit menu's selection and clipboard items,
// as a user drives them with the mouse and the keys.
#include "core/edit/CellsClipboard.h"
#include "core/edit/TilePicking.h"
#include "core/edit/TileSetFile.h"
#include "core/state/EditorState.h"
#include "core/state/MapRoutines.h"
#include "tests/support/EditorFixture.h"
#include "tests/support/MouseEvents.h"
#include "tests/support/NumberedSheet.h"
#include "tests/support/PaintTicks.h"
#include "ui/main/MainWindow.h"
#include "ui/main/MapCanvas.h"
#include "ui/main/tools/Outline.h"
#include "ui/tiles/TilePicker.h"

#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <QUndoStack>

#include <algorithm>
#include <array>

namespace {
constexpr int Border = 2;
constexpr int Tile = 34;
constexpr int Wall = 9;

// The start-up sheet's tile 0, white strokes on black, and two flat tiles.
constexpr int BusyTile = 0;
constexpr int DarkTile = 254;
constexpr int LightTile = 255;

int difference(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

// A tint that shows: some channel moved by a sixth of its range.
bool tinted(QRgb before, QRgb after)
{
    return difference(before, after) >= 40;
}

// The pixel of a flat tile of the numbered sheet with the stamp's tile seen
// through over it, as a stamp under the pointer shows it.
bool seenThrough(QRgb shown, int stampTile)
{
    const QColor over(NumberedSheet::tileColour(stampTile));
    const QColor under(NumberedSheet::tileColour(0));
    const auto mix = [](int a, int b) { return qRound(a * 0.7 + b * 0.3); };
    return difference(shown, qRgb(mix(over.red(), under.red()), mix(over.green(), under.green()),
                                  mix(over.blue(), under.blue()))) <= 2;
}

// Whether one of the frame's colours differs strongly from every colour
// the canvas shows within rect: that ring stands out on the tile.
bool readsOn(const QImage &canvas, const QRect &rect)
{
    QSet<QRgb> colours;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            colours.insert(canvas.pixel(x, y));
    const std::array<QColor, 2> rings{Outline::Dark, Outline::Bright};
    return std::any_of(rings.begin(), rings.end(), [&](const QColor &ring) {
        return std::all_of(colours.begin(), colours.end(),
                           [&](QRgb colour) { return difference(ring.rgb(), colour) >= 128; });
    });
}

// Whether every pixel on the border of rect has the colour.
bool ringIs(const QImage &image, const QRect &rect, const QColor &colour)
{
    for (int x = rect.left(); x <= rect.right(); ++x)
        for (const int y : {rect.top(), rect.bottom()})
            if (image.pixel(x, y) != colour.rgb())
                return false;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (const int x : {rect.left(), rect.right()})
            if (image.pixel(x, y) != colour.rgb())
                return false;
    return true;
}

// A selected or dragged area: the dark ring on its border pixels, the
// bright ring inside that, unbroken, and every pixel within them tinted.
bool showsArea(const QImage &before, const QImage &after, const QRect &area)
{
    if (!ringIs(after, area, Outline::Dark) ||
        !ringIs(after, area.adjusted(1, 1, -1, -1), Outline::Bright))
        return false;
    const QRect within = area.adjusted(2, 2, -2, -2);
    for (int y = within.top(); y <= within.bottom(); ++y)
        for (int x = within.left(); x <= within.right(); ++x)
            if (!tinted(before.pixel(x, y), after.pixel(x, y)))
                return false;
    return true;
}

} // namespace

class TestDrawingTools : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void toolLetters_data();
    void toolLetters();
    void strokePaintsEveryCellItPassed();
    void selectionOutline_data();
    void selectionOutline();
    void selectAllShowsInTheWholeView_data();
    void selectAllShowsInTheWholeView();
    void draggedRectangleShows();
    void stampShowsItsTiles_data();
    void stampShowsItsTiles();
    void selectionClippedToTheMap();
    void copyPutsBothForms();
    void cutCopiesThenBlanksAsOneStep();
    void deleteAndSelectAllAndNone();
    void floatingPaste_data();
    void floatingPaste();
    void pasteClippedAtTheMapsEdge();
    void pasteOfOneCellPicksItsTile();
    void escapeDropsTheFloatingPaste();
    void pasteRefusesText_data();
    void pasteRefusesText();
    void bucketFillsAClosedRoom();
    void bucketStaysInsideTheSelection();
    void shiftBucketReplacesEverywhere();
    void rectangleFillOnRelease();
    void pickTileFromTheMap();
    void pickTileDragMakesAStamp();

private:
    QWidget *canvas() const { return m_editor->find<QWidget>("mapCanvas"); }
    MainWindow &window() const { return m_editor->window; }
    void choose(const char *tool) const { m_editor->trigger(tool); }
    void tick() const { m_ticks->tick(); }
    QPointF cellCentre(int column, int row) const
    {
        const int side = m_editor->find<MapCanvas>("mapCanvas")->zoom() * 16 / 100;
        return QPointF(column * side + side / 2.0, row * side + side / 2.0);
    }
    void drag(QPoint from, QPoint to) const
    {
        MouseEvents::move(canvas(), cellCentre(from.x(), from.y()));
        MouseEvents::press(canvas(), cellCentre(from.x(), from.y()));
        MouseEvents::move(canvas(), cellCentre(to.x(), to.y()), Qt::LeftButton);
        MouseEvents::release(canvas(), cellCentre(to.x(), to.y()));
    }
    void click(QPoint cell, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const
    {
        MouseEvents::move(canvas(), cellCentre(cell.x(), cell.y()));
        MouseEvents::press(canvas(), cellCentre(cell.x(), cell.y()), Qt::LeftButton, modifiers);
        MouseEvents::release(canvas(), cellCentre(cell.x(), cell.y()), Qt::LeftButton,
                             modifiers);
    }
    // The canvas's top-left part, a little more than the view shows.
    QImage canvasPicture() const
    {
        QMetaObject::invokeMethod(m_editor->find<QTimer>("zoomLabelTimer"), "timeout");
        m_editor->find<QWidget>("cellOutline")->hide();
        return canvas()
            ->grab(QRect(QPoint(0, 0), QSize(1024, 600).boundedTo(canvas()->size())))
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }
    // The start-up sheet with a black tile and a white one added, the
    // map's cells (0, 0) to (29, 19) all of one of them or of the busy
    // start-up tile.
    void useLookSheet(int tile) const
    {
        m_state->history.undo();
        QImage sheet = m_state->tileSheet.image().copy();
        QPainter painter(&sheet);
        painter.fillRect(QRect(Tiles::sheetOrigin(DarkTile), QSize(16, 16)), Qt::black);
        painter.fillRect(QRect(Tiles::sheetOrigin(LightTile), QSize(16, 16)), Qt::white);
        painter.end();
        TileSetFile::useTileSheet(*m_state, sheet, QStringLiteral("looks"));
        for (int row = 0; row < 20; ++row)
            for (int column = 0; column < 30; ++column)
                m_state->cell(column, row) = static_cast<std::uint8_t>(tile);
        redrawMap(*m_state);
        m_stepsBefore = m_state->history.stack().count();
    }
    // Undo steps recorded since the test began.
    int steps() const { return m_state->history.stack().count() - m_stepsBefore; }
    void clipboardText(const QString &text) const
    {
        QGuiApplication::clipboard()->setText(text);
    }

    std::unique_ptr<EditorFixture> m_editor;
    std::unique_ptr<PaintTicks> m_ticks;
    EditorState *m_state = nullptr;
    mutable int m_stepsBefore = 0;
};

void TestDrawingTools::init()
{
    m_editor = std::make_unique<EditorFixture>();
    m_ticks = std::make_unique<PaintTicks>(&m_editor->window);
    m_state = &m_editor->state;
    TileSetFile::useTileSheet(*m_state, NumberedSheet::sheet(), QStringLiteral("numbered"));
    TilePicking::pickTile(*m_state, {Tile % Tiles::SheetColumns, Tile / Tiles::SheetColumns});
    m_stepsBefore = m_state->history.stack().count();
    window().show();
    QVERIFY(QTest::qWaitForWindowActive(&window()));
}

void TestDrawingTools::cleanup()
{
    m_ticks.reset();
    m_editor.reset();
}

void TestDrawingTools::toolLetters_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("item");
    QTest::newRow("B") << int(Qt::Key_B) << QStringLiteral("brushAction");
    QTest::newRow("F") << int(Qt::Key_F) << QStringLiteral("bucketFillAction");
    QTest::newRow("P") << int(Qt::Key_P) << QStringLiteral("rectangleFillAction");
    QTest::newRow("R") << int(Qt::Key_R) << QStringLiteral("selectAction");
    QTest::newRow("I") << int(Qt::Key_I) << QStringLiteral("pickTileAction");
}

// A plain letter chooses its tool; the Draw menu checks that one only.
void TestDrawingTools::toolLetters()
{
    QFETCH(int, key);
    QFETCH(QString, item);
    QCOMPARE(m_editor->find<QAction>("brushAction")->isChecked(), true);
    if (key != Qt::Key_B)
        QTest::keyClick(&window(), Qt::Key_R);
    QTest::keyClick(&window(), Qt::Key(key));
    QStringList checked;
    for (QAction *action : m_editor->find<QMenu>("drawMenu")->actions())
        if (action->isChecked())
            checked.append(action->objectName());
    QCOMPARE(checked, QStringList({item}));
}

// Two ticks far apart paint every cell on the line between them.
void TestDrawingTools::strokePaintsEveryCellItPassed()
{
    MouseEvents::move(canvas(), cellCentre(1, 1));
    MouseEvents::press(canvas(), cellCentre(1, 1));
    tick();
    MouseEvents::move(canvas(), cellCentre(9, 3), Qt::LeftButton);
    tick();
    MouseEvents::release(canvas(), cellCentre(9, 3));

    for (int column = 1; column <= 9; ++column) {
        const int painted = int(m_state->cell(column, 1) == Tile) +
                            int(m_state->cell(column, 2) == Tile) +
                            int(m_state->cell(column, 3) == Tile);
        QVERIFY2(painted == 1, qPrintable(QString::number(column)));
    }
    QCOMPARE(m_state->cell(9, 3), Tile);
    QCOMPARE(std::count(m_state->tileMap.begin(), m_state->tileMap.end(), Tile), 9);
    QCOMPARE(steps(), 1);
}

void TestDrawingTools::selectionOutline_data()
{
    QTest::addColumn<int>("percent");
    QTest::addColumn<int>("tile");
    for (const int percent : {100, 300, 25}) {
        QTest::addRow("busy, %d %%", percent) << percent << BusyTile;
        QTest::addRow("dark, %d %%", percent) << percent << DarkTile;
        QTest::addRow("light, %d %%", percent) << percent << LightTile;
    }
}

// On dark, light and busy tiles at every zoom, a selection is framed by two
// solid rings, one of a colour the tile does not have, and tinted inside;
// the map itself, which the exports write, is not touched.
void TestDrawingTools::selectionOutline()
{
    QFETCH(int, percent);
    QFETCH(int, tile);
    useLookSheet(tile);
    m_editor->trigger(qPrintable(QStringLiteral("zoom%1Action").arg(percent)));
    QTest::keyClick(&window(), Qt::Key_R);
    const QImage map = m_state->mapCanvas.image().copy();
    const QImage before = canvasPicture();
    drag(QPoint(2, 1), QPoint(5, 3));

    const int side = 16 * percent / 100;
    const QRect border(2 * side, 1 * side, 4 * side, 3 * side);
    const QImage after = canvasPicture();
    QVERIFY(showsArea(before, after, border));
    QVERIFY(readsOn(before, border));
    QCOMPARE(after.pixel(border.right() + 1, border.top()),
             before.pixel(border.right() + 1, border.top()));
    QCOMPARE(after.pixel(border.left(), border.bottom() + 1),
             before.pixel(border.left(), border.bottom() + 1));
    QCOMPARE(m_state->mapCanvas.image(), map);

    // Scrolled, the outline moves with the canvas.
    m_editor->find<QScrollBar>("horizontalBar")->setValue(1);
    QCOMPARE(canvas()->x(), -100 * percent / 100);
    QCOMPARE(canvasPicture().pixel(border.topLeft()), Outline::Dark.rgb());
}

void TestDrawingTools::selectAllShowsInTheWholeView_data()
{
    QTest::addColumn<int>("percent");
    QTest::newRow("100 %") << 100;
    QTest::newRow("25 %") << 25;
    QTest::newRow("800 %") << 800;
}

// Select All tints every cell in view, far from the frame at the map's
// edges; at 25 % the whole map and its frame are in view.
void TestDrawingTools::selectAllShowsInTheWholeView()
{
    QFETCH(int, percent);
    useLookSheet(BusyTile);
    m_editor->trigger(qPrintable(QStringLiteral("zoom%1Action").arg(percent)));
    const QImage before = canvasPicture();
    QTest::keyClick(&window(), Qt::Key_A, Qt::ControlModifier);
    const QImage after = canvasPicture();
    const int side = 16 * percent / 100;
    const QRect map(0, 0, 255 * side, 127 * side);
    for (const QPoint at : {QPoint(300, 200), QPoint(700, 400), QPoint(3, 500), QPoint(760, 3)})
        QVERIFY2(tinted(before.pixel(at), after.pixel(at)),
                 qPrintable(QStringLiteral("%1, %2").arg(at.x()).arg(at.y())));
    QCOMPARE(after.pixel(0, 0), Outline::Dark.rgb());
    QCOMPARE(after.pixel(1, 1), Outline::Bright.rgb());
    if (percent == 25)
        QVERIFY(showsArea(before, after, map));
}

// The rectangle a Rectangle Fill drags is framed and tinted while the
// button is held.
void TestDrawingTools::draggedRectangleShows()
{
    useLookSheet(BusyTile);
    QTest::keyClick(&window(), Qt::Key_P);
    const QImage before = canvasPicture();
    MouseEvents::move(canvas(), cellCentre(6, 5));
    MouseEvents::press(canvas(), cellCentre(6, 5));
    MouseEvents::move(canvas(), cellCentre(3, 2), Qt::LeftButton);
    QVERIFY(showsArea(before, canvasPicture(), QRect(3 * 16, 2 * 16, 4 * 16, 4 * 16)));
    MouseEvents::release(canvas(), cellCentre(3, 2));
    QCOMPARE(m_state->cell(3, 2), Tile);
    QCOMPARE(canvasPicture().copy(0, 0, 160, 160), m_state->mapCanvas.image().copy(0, 0, 160, 160));
}

void TestDrawingTools::stampShowsItsTiles_data()
{
    QTest::addColumn<bool>("inPicker");
    QTest::addColumn<int>("percent");
    QTest::newRow("picker, 100 %") << true << 100;
    QTest::newRow("picker, 300 %") << true << 300;
    QTest::newRow("Pick Tile, 100 %") << false << 100;
    QTest::newRow("Pick Tile, 50 %") << false << 50;
}

// A stamp made in the picker or with Pick Tile shows its tiles under the
// pointer, seen through and framed, as a floating paste does; it moves with
// the pointer and paints nothing until pressed.
void TestDrawingTools::stampShowsItsTiles()
{
    QFETCH(bool, inPicker);
    QFETCH(int, percent);
    m_editor->trigger(qPrintable(QStringLiteral("zoom%1Action").arg(percent)));
    const Stamp stamp(2, 2, {40, 41, 72, 73});
    if (inPicker) {
        QWidget *sheet = window().picker().findChild<QWidget *>(QStringLiteral("tileSheet"));
        const QPointF from(8 * 16 + 4, 1 * 16 + 4);
        const QPointF to(9 * 16 + 4, 2 * 16 + 4);
        MouseEvents::move(sheet, from, Qt::NoButton, Qt::ShiftModifier);
        MouseEvents::press(sheet, from, Qt::LeftButton, Qt::ShiftModifier);
        MouseEvents::move(sheet, to, Qt::LeftButton, Qt::ShiftModifier);
        MouseEvents::release(sheet, to, Qt::LeftButton, Qt::ShiftModifier);
    } else {
        for (int at = 0; at < 4; ++at)
            m_state->cell(100 + at % 2, 100 + at / 2) = stamp.tiles()[at];
        QTest::keyClick(&window(), Qt::Key_I);
        drag(QPoint(100, 100), QPoint(101, 101));
        QTest::keyClick(&window(), Qt::Key_B);
    }
    QCOMPARE(m_state->brush(), stamp);
    const QImage map = m_state->mapCanvas.image().copy();

    for (const QPoint at : {QPoint(4, 2), QPoint(7, 3)}) {
        MouseEvents::move(canvas(), cellCentre(at.x(), at.y()));
        QCoreApplication::processEvents();
        const QImage shown = canvasPicture();
        for (int cell = 0; cell < 4; ++cell) {
            const QPoint centre = cellCentre(at.x() + cell % 2, at.y() + cell / 2).toPoint();
            QVERIFY2(seenThrough(shown.pixel(centre), stamp.tiles()[cell]),
                     qPrintable(QColor(shown.pixel(centre)).name()));
        }
        const int side = 16 * percent / 100;
        QCOMPARE(shown.pixel(at * side), Outline::Dark.rgb());
        QCOMPARE(shown.pixel(at * side + QPoint(1, 1)), Outline::Bright.rgb());
    }
    // The cells left behind show the map again.
    QCOMPARE(canvasPicture().pixel(cellCentre(4, 2).toPoint()), NumberedSheet::tileColour(0));
    QCOMPARE(m_state->mapCanvas.image(), map);
    QCOMPARE(steps(), 0);
}

void TestDrawingTools::selectionClippedToTheMap()
{
    m_state->mapWidth = 10;
    m_state->mapHeight = 5;
    QTest::keyClick(&window(), Qt::Key_R);
    drag(QPoint(7, 3), QPoint(20, 9));
    m_editor->trigger("copyAction");
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    QCOMPARE(CellsClipboard::decode(data->data(CellsClipboard::MimeType)).size(), QSize(3, 2));
}

void TestDrawingTools::copyPutsBothForms()
{
    m_state->cell(3, 2) = 7;
    m_state->cell(4, 3) = 255;
    QTest::keyClick(&window(), Qt::Key_R);
    drag(QPoint(3, 2), QPoint(5, 3));
    QTest::keyClick(&window(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);

    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    QVERIFY(data->hasFormat(CellsClipboard::MimeType));
    const Stamp copied = CellsClipboard::decode(data->data(CellsClipboard::MimeType));
    QCOMPARE(copied, Stamp(3, 2, {7, 0, 0, 0, 255, 0}));
    QCOMPARE(data->text(), QStringLiteral("7,0,0\n0,255,0\n"));
    QCOMPARE(steps(), 0);

    // Ctrl+Insert copies too; Ctrl+C stays Clear Map (tested with the menus).
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(&window(), Qt::Key_Insert, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("7,0,0\n0,255,0\n"));
}

void TestDrawingTools::cutCopiesThenBlanksAsOneStep()
{
    m_state->cell(3, 2) = 7;
    m_state->cell(4, 2) = 8;
    QTest::keyClick(&window(), Qt::Key_R);
    drag(QPoint(3, 2), QPoint(4, 2));
    QTest::keyClick(&window(), Qt::Key_X, Qt::ControlModifier);

    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("7,8\n"));
    QCOMPARE(m_state->cell(3, 2), 0);
    QCOMPARE(m_state->cell(4, 2), 0);
    QCOMPARE(steps(), 1);
    m_state->history.stack().undo();
    QCOMPARE(m_state->cell(3, 2), 7);
    QCOMPARE(m_state->cell(4, 2), 8);
}

void TestDrawingTools::deleteAndSelectAllAndNone()
{
    m_state->cell(0, 0) = 7;
    m_state->cell(254, 126) = 8;
    m_state->cell(255, 127) = 9;
    QTest::keyClick(&window(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&window(), Qt::Key_Delete);
    QCOMPARE(m_state->cell(0, 0), 0);
    QCOMPARE(m_state->cell(254, 126), 0);
    // Outside the 255 x 127 map: kept.
    QCOMPARE(m_state->cell(255, 127), 9);
    QCOMPARE(steps(), 1);

    m_state->cell(0, 0) = 7;
    QTest::keyClick(&window(), Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(&window(), Qt::Key_Delete);
    QCOMPARE(m_state->cell(0, 0), 7);

    QTest::keyClick(&window(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&window(), Qt::Key_Escape);
    QTest::keyClick(&window(), Qt::Key_Delete);
    QCOMPARE(m_state->cell(0, 0), 7);
    QCOMPARE(steps(), 1);
}

void TestDrawingTools::floatingPaste_data()
{
    QTest::addColumn<int>("percent");
    QTest::newRow("100 %") << 100;
    QTest::newRow("300 %") << 300;
}

// The pasted cells float under the pointer, seen through; the left press
// places them at once, as one step, and the stamp then paints as the brush.
void TestDrawingTools::floatingPaste()
{
    QFETCH(int, percent);
    m_editor->trigger(qPrintable(QStringLiteral("zoom%1Action").arg(percent)));
    clipboardText(QStringLiteral("40,41\n42,43\n"));
    QTest::keyClick(&window(), Qt::Key_V, Qt::ControlModifier);
    QVERIFY(m_editor->find<QAction>("brushAction")->isChecked());

    MouseEvents::move(canvas(), cellCentre(4, 2));
    QCoreApplication::processEvents();
    const QImage floating = canvasPicture();
    const auto blend = [](int stampTile) {
        const QColor over(NumberedSheet::tileColour(stampTile));
        const QColor under(NumberedSheet::tileColour(0));
        return QPoint(qRound(over.red() * 0.7 + under.red() * 0.3),
                      qRound(over.green() * 0.7 + under.green() * 0.3));
    };
    for (const auto &[cell, tile] : {std::pair{QPoint(4, 2), 40}, std::pair{QPoint(5, 3), 43}}) {
        const QColor shown(floating.pixel(cellCentre(cell.x(), cell.y()).toPoint()));
        const QPoint expected = blend(tile);
        QVERIFY2(std::abs(shown.red() - expected.x()) <= 2 &&
                     std::abs(shown.green() - expected.y()) <= 2,
                 qPrintable(shown.name()));
    }
    QCOMPARE(m_state->cell(4, 2), 0);

    MouseEvents::press(canvas(), cellCentre(4, 2));
    QCOMPARE(m_state->cell(4, 2), 40);
    QCOMPARE(m_state->cell(5, 2), 41);
    QCOMPARE(m_state->cell(4, 3), 42);
    QCOMPARE(m_state->cell(5, 3), 43);
    QCOMPARE(steps(), 1);
    MouseEvents::move(canvas(), cellCentre(10, 2), Qt::LeftButton);
    tick();
    MouseEvents::release(canvas(), cellCentre(10, 2));
    QCOMPARE(m_state->cell(10, 2), 40);
    QCOMPARE(m_state->cell(11, 3), 43);

    // Another tool ends the paste: the selected tile is the brush again.
    QTest::keyClick(&window(), Qt::Key_R);
    QVERIFY(!m_state->hasStamp());
}

void TestDrawingTools::pasteClippedAtTheMapsEdge()
{
    m_state->mapWidth = 10;
    m_state->mapHeight = 5;
    clipboardText(QStringLiteral("1,2,3\n4,5,6\n"));
    QTest::keyClick(&window(), Qt::Key_Insert, Qt::ShiftModifier);
    MouseEvents::move(canvas(), cellCentre(8, 4));
    MouseEvents::press(canvas(), cellCentre(8, 4));
    MouseEvents::release(canvas(), cellCentre(8, 4));
    QCOMPARE(m_state->cell(8, 4), 1);
    QCOMPARE(m_state->cell(9, 4), 2);
    QCOMPARE(m_state->cell(10, 4), 0);
    QCOMPARE(m_state->cell(8, 5), 0);
}

void TestDrawingTools::pasteOfOneCellPicksItsTile()
{
    clipboardText(QStringLiteral("77\n"));
    QTest::keyClick(&window(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(m_state->selectedTile, 77);
    QCOMPARE(window().picker().findChild<QLabel *>(QStringLiteral("selectedNumber"))->text(),
             QStringLiteral("No. 77"));
    MouseEvents::move(canvas(), cellCentre(6, 6));
    MouseEvents::press(canvas(), cellCentre(6, 6));
    QCOMPARE(m_state->cell(6, 6), 77);
    MouseEvents::release(canvas(), cellCentre(6, 6));
    QCOMPARE(steps(), 1);
}

void TestDrawingTools::escapeDropsTheFloatingPaste()
{
    clipboardText(QStringLiteral("40,41\n"));
    QTest::keyClick(&window(), Qt::Key_V, Qt::ControlModifier);
    QVERIFY(m_state->hasStamp());
    QTest::keyClick(&window(), Qt::Key_Escape);
    QVERIFY(!m_state->hasStamp());
    // The click paints the selected tile, the brush again.
    click(QPoint(3, 3));
    QCOMPARE(m_state->cell(3, 3), Tile);
    QCOMPARE(m_state->cell(4, 3), 0);
    QCOMPARE(steps(), 1);
}

void TestDrawingTools::pasteRefusesText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("reason");
    QTest::newRow("ragged") << QStringLiteral("1,2\n3\n") << QStringLiteral("line 2");
    QTest::newRow("256") << QStringLiteral("256") << QStringLiteral("\"256\"");
    QTest::newRow("empty") << QString() << QStringLiteral("empty");
}

void TestDrawingTools::pasteRefusesText()
{
    QFETCH(QString, text);
    QFETCH(QString, reason);
    clipboardText(text);
    m_editor->trigger("pasteAction");
    const auto &asked = m_editor->host.messageBox.asked;
    QCOMPARE(asked.size(), 1);
    QVERIFY2(asked.constFirst().prompt.contains(reason), qPrintable(asked.constFirst().prompt));
    QVERIFY(!m_state->hasStamp());
    // Nothing floats: the click paints the selected tile alone.
    click(QPoint(3, 3));
    QCOMPARE(m_state->cell(3, 3), Tile);
    QCOMPARE(m_state->cell(4, 3), 0);
    QCOMPARE(steps(), 1);
}

namespace {

// A room of wall tiles from (2, 2) to (8, 6), closed all round.
void buildRoom(EditorState &state)
{
    for (int column = 2; column <= 8; ++column) {
        state.cell(column, 2) = Wall;
        state.cell(column, 6) = Wall;
    }
    for (int row = 2; row <= 6; ++row) {
        state.cell(2, row) = Wall;
        state.cell(8, row) = Wall;
    }
}

} // namespace

void TestDrawingTools::bucketFillsAClosedRoom()
{
    buildRoom(*m_state);
    QTest::keyClick(&window(), Qt::Key_F);
    click(QPoint(5, 4));
    for (int row = 3; row <= 5; ++row)
        for (int column = 3; column <= 7; ++column)
            QCOMPARE(m_state->cell(column, row), Tile);
    QCOMPARE(m_state->cell(1, 1), 0);
    QCOMPARE(m_state->cell(9, 4), 0);
    QCOMPARE(std::count(m_state->tileMap.begin(), m_state->tileMap.end(), Tile), 15);
    QCOMPARE(steps(), 1);
    QCoreApplication::processEvents();
    QCOMPARE(canvasPicture().pixel(cellCentre(5, 4).toPoint()), NumberedSheet::tileColour(Tile));

    // Filling the room with its own tile again records nothing.
    click(QPoint(5, 4));
    QCOMPARE(steps(), 1);
}

void TestDrawingTools::bucketStaysInsideTheSelection()
{
    QTest::keyClick(&window(), Qt::Key_R);
    drag(QPoint(10, 10), QPoint(12, 11));
    QTest::keyClick(&window(), Qt::Key_F);
    click(QPoint(11, 10));
    QCOMPARE(std::count(m_state->tileMap.begin(), m_state->tileMap.end(), Tile), 6);
    QCOMPARE(m_state->cell(12, 11), Tile);
    QCOMPARE(m_state->cell(13, 11), 0);
    // A click outside the selection fills nothing.
    click(QPoint(30, 30));
    QCOMPARE(m_state->cell(30, 30), 0);
}

void TestDrawingTools::shiftBucketReplacesEverywhere()
{
    buildRoom(*m_state);
    m_state->cell(100, 100) = Wall;
    QTest::keyClick(&window(), Qt::Key_F);
    click(QPoint(2, 2), Qt::ShiftModifier);
    QCOMPARE(std::count(m_state->tileMap.begin(), m_state->tileMap.end(), Wall), 0);
    QCOMPARE(m_state->cell(100, 100), Tile);
    QCOMPARE(m_state->cell(5, 4), 0);
    QCOMPARE(steps(), 1);
}

void TestDrawingTools::rectangleFillOnRelease()
{
    QTest::keyClick(&window(), Qt::Key_P);
    MouseEvents::move(canvas(), cellCentre(6, 5));
    MouseEvents::press(canvas(), cellCentre(6, 5));
    MouseEvents::move(canvas(), cellCentre(3, 2), Qt::LeftButton);
    QCOMPARE(m_state->cell(4, 3), 0);
    MouseEvents::release(canvas(), cellCentre(3, 2));
    QCOMPARE(std::count(m_state->tileMap.begin(), m_state->tileMap.end(), Tile), 16);
    QCOMPARE(m_state->cell(3, 2), Tile);
    QCOMPARE(m_state->cell(6, 5), Tile);
    QCOMPARE(steps(), 1);
}

void TestDrawingTools::pickTileFromTheMap()
{
    m_state->cell(7, 3) = 77;
    QTest::keyClick(&window(), Qt::Key_I);
    click(QPoint(7, 3));
    QCOMPARE(m_state->selectedTile, 77);
    QVERIFY(!m_state->hasStamp());
    TilePicker &picker = window().picker();
    QCOMPARE(picker.findChild<QLabel *>(QStringLiteral("selectedNumber"))->text(),
             QStringLiteral("No. 77"));
    QCOMPARE(picker.findChild<QWidget *>(QStringLiteral("tileOutline"))->pos(),
             QPoint(Tiles::sheetOrigin(77)));
    QCOMPARE(m_state->brushPreview.image().pixel(5, 5), NumberedSheet::tileColour(77));
    QCOMPARE(steps(), 0);
}

void TestDrawingTools::pickTileDragMakesAStamp()
{
    m_state->cell(7, 3) = 77;
    m_state->cell(8, 3) = 78;
    QTest::keyClick(&window(), Qt::Key_I);
    drag(QPoint(7, 3), QPoint(8, 4));
    QVERIFY(m_state->hasStamp());
    QCOMPARE(m_state->brush(), Stamp(2, 2, {77, 78, 0, 0}));

    QTest::keyClick(&window(), Qt::Key_B);
    click(QPoint(20, 20));
    QCOMPARE(m_state->cell(20, 20), 77);
    QCOMPARE(m_state->cell(21, 20), 78);
    MouseEvents::press(canvas(), cellCentre(30, 20));
    tick();
    MouseEvents::release(canvas(), cellCentre(30, 20));
    QCOMPARE(m_state->cell(30, 20), 77);
    QCOMPARE(m_state->cell(31, 20), 78);
}

QTEST_MAIN(TestDrawingTools)
#include "tst_drawingtools.moc"
