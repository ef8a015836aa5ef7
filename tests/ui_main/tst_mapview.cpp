// SPDX-License-Identifier: MIT
// The map view at every zoom: which cell the pointer names and painting
// stores, how the canvas draws tiles and the grid, the View menu's keys and
// level, and scrolling by the bars and the wheel.
#include "core/edit/TilePicking.h"
#include "core/edit/TileSetFile.h"
#include "core/state/EditorState.h"
#include "tests/support/EditorFixture.h"
#include "tests/support/MouseEvents.h"
#include "tests/support/NumberedSheet.h"
#include "tests/support/PaintTicks.h"
#include "ui/main/MainWindow.h"
#include "ui/main/MapCanvas.h"

#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {
// The viewport's frame around the area the canvas shows through.
constexpr int Border = 2;
constexpr int Tile = 34;
} // namespace

class TestMapView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void pointerNamesAndPaintsTheCellUnderIt_data();
    void pointerNamesAndPaintsTheCellUnderIt();
    void tilesDrawnByWholePixels_data();
    void tilesDrawnByWholePixels();
    void zoomKeys_data();
    void zoomKeys();
    void zoomKeepsTheTopLeftCell();
    void zoomShowsItsLevelForAMoment();
    void zoomMenuChecksTheLevel();
    void rangesGrowWithZoomAndComeBack();
    void controlWheelKeepsTheCellUnderThePointer();
    void wheelScrolls_data();
    void wheelScrolls();
    void gridDrawsBetweenCells();
    void gridNeverInTheBitmap();

private:
    QWidget *canvas() const { return m_editor->find<QWidget>("mapCanvas"); }
    QWidget *viewport() const { return m_editor->find<QWidget>("viewport"); }
    QScrollBar *bar(const char *name) const { return m_editor->find<QScrollBar>(name); }
    QString cursorPanel() const { return m_editor->find<QLabel>("cursorPanel")->text(); }
    int zoom() const { return m_editor->find<MapCanvas>("mapCanvas")->zoom(); }
    void zoomTo(int percent) const
    {
        m_editor->find<QAction>(qPrintable(QStringLiteral("zoom%1Action").arg(percent)))
            ->trigger();
    }
    void tick() const { m_ticks->tick(); }
    // The viewport's picture, from the first pixel inside its frame, without
    // the zoom level's label and the pointer's outline.
    QImage view() const
    {
        QMetaObject::invokeMethod(m_editor->find<QTimer>("zoomLabelTimer"), "timeout");
        m_editor->find<QWidget>("cellOutline")->hide();
        return viewport()->grab().toImage().copy(Border, Border, 771, 579).convertToFormat(
            QImage::Format_RGB32);
    }

    std::unique_ptr<EditorFixture> m_editor;
    std::unique_ptr<PaintTicks> m_ticks;
    EditorState *m_state = nullptr;
};

void TestMapView::init()
{
    m_editor = std::make_unique<EditorFixture>();
    m_ticks = std::make_unique<PaintTicks>(&m_editor->window);
    m_state = &m_editor->state;
    TileSetFile::useTileSheet(*m_state, NumberedSheet::sheet(), QStringLiteral("numbered"));
    TilePicking::pickTile(*m_state, {Tile % Tiles::SheetColumns, Tile / Tiles::SheetColumns});
    m_editor->window.show();
}

void TestMapView::cleanup()
{
    m_ticks.reset();
    m_editor.reset();
}

void TestMapView::pointerNamesAndPaintsTheCellUnderIt_data()
{
    QTest::addColumn<int>("percent");
    QTest::addColumn<QPoint>("scroll");
    // Inside the viewport's inner area.
    QTest::addColumn<QPointF>("at");
    QTest::addColumn<QPoint>("cell");
    QTest::newRow("100 %") << 100 << QPoint(0, 0) << QPointF(37.5, 20) << QPoint(2, 1);
    QTest::newRow("25 %") << 25 << QPoint(0, 0) << QPointF(37.5, 20) << QPoint(9, 5);
    QTest::newRow("50 % scrolled") << 50 << QPoint(2, 1) << QPointF(40, 30) << QPoint(17, 5);
    QTest::newRow("200 % scrolled") << 200 << QPoint(3, 2) << QPointF(100, 100) << QPoint(21, 7);
    QTest::newRow("300 % first cell's edge") << 300 << QPoint(0, 0) << QPointF(47.9, 48)
                                             << QPoint(0, 1);
    QTest::newRow("300 % view's far corner")
        << 300 << QPoint(10, 20) << QPointF(770, 578) << QPoint(78, 55);
    QTest::newRow("400 % at the far end") << 400 << QPoint(40, 55) << QPointF(300, 400)
                                          << QPoint(254, 126);
    QTest::newRow("800 % scrolled") << 800 << QPoint(1, 1) << QPointF(12, 7) << QPoint(6, 2);
    QTest::newRow("800 % at the far end")
        << 800 << QPoint(40, 57) << QPointF(500, 100) << QPoint(253, 125);
}

// The status bar names the cell drawn under the pointer, and painting
// stores that cell and no other.
void TestMapView::pointerNamesAndPaintsTheCellUnderIt()
{
    QFETCH(int, percent);
    QFETCH(QPoint, scroll);
    QFETCH(QPointF, at);
    QFETCH(QPoint, cell);
    zoomTo(percent);
    bar("horizontalBar")->setValue(scroll.x());
    bar("verticalBar")->setValue(scroll.y());
    QCOMPARE(bar("horizontalBar")->value(), scroll.x());
    QCOMPARE(bar("verticalBar")->value(), scroll.y());

    const QPointF onCanvas = at - canvas()->pos();
    MouseEvents::move(canvas(), onCanvas);
    QCOMPARE(cursorPanel(), QStringLiteral("Cursor Loc: %1, %2").arg(cell.x()).arg(cell.y()));
    const int side = 16 * percent / 100;
    QCOMPARE(m_editor->find<QWidget>("cellOutline")->geometry(),
             QRect(cell * side, QSize(side, side)));
    MouseEvents::press(canvas(), onCanvas);
    tick();
    MouseEvents::release(canvas(), onCanvas);

    QCOMPARE(m_state->cell(cell.x(), cell.y()), Tile);
    QCOMPARE(std::count(m_state->tileMap.begin(), m_state->tileMap.end(), Tile), 1);
    QCoreApplication::processEvents();
    const QPoint pixel(int(at.x()), int(at.y()));
    QCOMPARE(view().pixel(pixel), NumberedSheet::tileColour(Tile));
}

void TestMapView::tilesDrawnByWholePixels_data()
{
    QTest::addColumn<int>("percent");
    for (int percent : {100, 200, 300, 400, 800})
        QTest::addRow("%d %%", percent) << percent;
}

// Each map pixel becomes a square of whole screen pixels, nearest neighbour.
void TestMapView::tilesDrawnByWholePixels()
{
    QFETCH(int, percent);
    const QImage sheet = m_state->tileSheet.image();
    // A tile with detail of its own on the built-in sheet.
    TileSetFile::useBuiltInSheet(*m_state, sheet);
    QImage detailed(16, 16, QImage::Format_RGB32);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            detailed.setPixel(x, y, qRgb(x * 16, y * 16, (x * y) % 256));
    m_state->mapCanvas.drawImage(32, 16, detailed);
    zoomTo(percent);
    QCoreApplication::processEvents();

    const int scale = percent / 100;
    const QImage shown = view();
    for (int y = 0; y < 16 * scale; ++y)
        for (int x = 0; x < 16 * scale; ++x)
            QCOMPARE(shown.pixel(32 * scale + x, 16 * scale + y),
                     detailed.pixel(x / scale, y / scale));
}

void TestMapView::zoomKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::newRow("Ctrl+=") << int(Qt::Key_Equal) << 100 << 200;
    QTest::newRow("Ctrl++") << int(Qt::Key_Plus) << 300 << 400;
    QTest::newRow("Ctrl+- ") << int(Qt::Key_Minus) << 100 << 50;
    QTest::newRow("Ctrl+- at the smallest") << int(Qt::Key_Minus) << 25 << 25;
    QTest::newRow("Ctrl+= at the largest") << int(Qt::Key_Equal) << 800 << 800;
    QTest::newRow("Ctrl+0") << int(Qt::Key_0) << 800 << 100;
}

void TestMapView::zoomKeys()
{
    QFETCH(int, key);
    QFETCH(int, from);
    QVERIFY(QTest::qWaitForWindowActive(&m_editor->window));
    zoomTo(from);
    QTest::keyClick(&m_editor->window, Qt::Key(key), Qt::ControlModifier);
    QTEST(zoom(), "to");
}

// Zooming by the menu or the keys keeps the map pixel at the view's top-left
// corner; the status texts and the title stay as they were.
void TestMapView::zoomKeepsTheTopLeftCell()
{
    bar("horizontalBar")->setValue(5);
    bar("verticalBar")->setValue(7);
    const QString title = m_editor->window.windowTitle();
    const QString panels = m_editor->find<QLabel>("mapPanel")->text() +
                           m_editor->find<QLabel>("sizePanel")->text() + cursorPanel();

    for (int percent : {200, 800, 25, 300, 100}) {
        zoomTo(percent);
        QCOMPARE(bar("horizontalBar")->value(), 5);
        QCOMPARE(bar("verticalBar")->value(), 7);
        QCOMPARE(canvas()->pos(), QPoint(-500 * percent / 100, -245 * percent / 100));
        QCOMPARE(canvas()->size(), QSize(4080, 2032) * percent / 100);
    }
    QCOMPARE(m_editor->window.windowTitle(), title);
    QCOMPARE(m_editor->find<QLabel>("mapPanel")->text() +
                 m_editor->find<QLabel>("sizePanel")->text() + cursorPanel(),
             panels);
}

void TestMapView::zoomShowsItsLevelForAMoment()
{
    auto *label = m_editor->find<QLabel>("zoomLabel");
    QVERIFY(!label->isVisible());
    m_editor->trigger("zoomInAction");
    QVERIFY(label->isVisible());
    QCOMPARE(label->text(), QStringLiteral("200 %"));
    QVERIFY(label->geometry().intersects(viewport()->contentsRect()));

    QMetaObject::invokeMethod(m_editor->find<QTimer>("zoomLabelTimer"), "timeout");
    QVERIFY(!label->isVisible());
}

void TestMapView::zoomMenuChecksTheLevel()
{
    const auto checked = [this] {
        QStringList levels;
        for (QAction *level : m_editor->find<QMenu>("zoomMenu")->actions())
            if (level->isChecked())
                levels.append(level->text());
        return levels;
    };
    QCOMPARE(checked(), QStringList({QStringLiteral("100 %")}));
    m_editor->trigger("zoomOutAction");
    QCOMPARE(checked(), QStringList({QStringLiteral("50 %")}));
    zoomTo(800);
    QCOMPARE(checked(), QStringList({QStringLiteral("800 %")}));
    m_editor->trigger("actualSizeAction");
    QCOMPARE(checked(), QStringList({QStringLiteral("100 %")}));
}

void TestMapView::rangesGrowWithZoomAndComeBack()
{
    zoomTo(800);
    QCOMPARE(bar("horizontalBar")->maximum(), 40);
    QCOMPARE(bar("verticalBar")->maximum(), 57);
    bar("horizontalBar")->setValue(40);
    bar("verticalBar")->setValue(57);
    // One arrow step moves the same map distance as at 100 %.
    bar("horizontalBar")->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(canvas()->x(), -3900 * 8);

    zoomTo(100);
    QCOMPARE(bar("horizontalBar")->maximum(), 35);
    QCOMPARE(bar("verticalBar")->maximum(), 45);
    QCOMPARE(bar("horizontalBar")->value(), 35);
    QCOMPARE(bar("verticalBar")->value(), 45);
    QCOMPARE(canvas()->pos(), QPoint(-3500, -1575));
    for (const char *name : {"horizontalBar", "verticalBar"}) {
        QCOMPARE(bar(name)->singleStep(), 1);
        QCOMPARE(bar(name)->pageStep(), 1);
    }
}

// Ctrl+wheel zooms with the cell under the pointer kept under it, as near
// as the scroll steps allow.
void TestMapView::controlWheelKeepsTheCellUnderThePointer()
{
    bar("horizontalBar")->setValue(10);
    bar("verticalBar")->setValue(10);
    const QPointF at(385, 290);
    const QPointF before = at - canvas()->pos();
    QWheelEvent turn(before, canvas()->mapToGlobal(before), QPoint(), QPoint(0, 120),
                     Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(canvas(), &turn);

    QCOMPARE(zoom(), 200);
    const QPointF mapBefore(1000 + 385, 350 + 290);
    const QPointF mapAfter = (at - canvas()->pos()) / 2.0;
    QVERIFY2(std::abs(mapAfter.x() - mapBefore.x()) <= 50, qPrintable(QString::number(mapAfter.x())));
    QVERIFY2(std::abs(mapAfter.y() - mapBefore.y()) <= 17.5, qPrintable(QString::number(mapAfter.y())));
}

void TestMapView::wheelScrolls_data()
{
    QTest::addColumn<QPoint>("delta");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QPoint>("values");
    QTest::newRow("down a notch") << QPoint(0, -120) << int(Qt::NoModifier) << QPoint(3, 4);
    QTest::newRow("up two notches") << QPoint(0, 240) << int(Qt::NoModifier) << QPoint(3, 1);
    QTest::newRow("less than a notch") << QPoint(0, -60) << int(Qt::NoModifier) << QPoint(3, 3);
    QTest::newRow("Shift: right") << QPoint(0, -120) << int(Qt::ShiftModifier) << QPoint(4, 3);
    QTest::newRow("Shift, sent sideways: left")
        << QPoint(120, 0) << int(Qt::ShiftModifier) << QPoint(2, 3);
}

void TestMapView::wheelScrolls()
{
    QFETCH(QPoint, delta);
    QFETCH(int, modifiers);
    bar("horizontalBar")->setValue(3);
    bar("verticalBar")->setValue(3);
    QWheelEvent turn(QPointF(50, 50), canvas()->mapToGlobal(QPointF(50, 50)), QPoint(), delta,
                     Qt::NoButton, Qt::KeyboardModifiers(modifiers), Qt::NoScrollPhase, false);
    QApplication::sendEvent(canvas(), &turn);
    const QPoint values(bar("horizontalBar")->value(), bar("verticalBar")->value());
    QTEST(values, "values");
    QCOMPARE(zoom(), 100);
}

void TestMapView::gridDrawsBetweenCells()
{
    QVERIFY(QTest::qWaitForWindowActive(&m_editor->window));
    const QImage plain = view();
    QVERIFY(!m_editor->find<QAction>("showGridAction")->isChecked());
    QTest::keyClick(&m_editor->window, Qt::Key_G, Qt::ControlModifier);
    QVERIFY(m_editor->find<QAction>("showGridAction")->isChecked());
    zoomTo(300);
    QCoreApplication::processEvents();
    const QImage grid = view();
    const QRgb line = MapCanvas::GridColour.rgb();
    // Cell borders every 48 pixels, one pixel wide; the cells' insides are
    // the tiles.
    QCOMPARE(grid.pixel(48, 20), line);
    QCOMPARE(grid.pixel(20, 96), line);
    QCOMPARE(grid.pixel(47, 20), NumberedSheet::tileColour(0));
    QCOMPARE(grid.pixel(49, 20), NumberedSheet::tileColour(0));
    QCOMPARE(grid.pixel(20, 49), NumberedSheet::tileColour(0));
    QVERIFY(plain.pixel(16, 20) != line);

    m_editor->trigger("showGridAction");
    QCoreApplication::processEvents();
    QCOMPARE(view().pixel(48, 20), NumberedSheet::tileColour(0));
}

void TestMapView::gridNeverInTheBitmap()
{
    QVERIFY(QTest::qWaitForWindowActive(&m_editor->window));
    QTemporaryDir dir;
    m_state->cell(3, 2) = Tile;
    TileSetFile::useTileSheet(*m_state, NumberedSheet::sheet(), QStringLiteral("numbered"));
    m_editor->trigger("showGridAction");
    zoomTo(400);
    const QString path = dir.filePath(QStringLiteral("map.bmp"));
    m_editor->host.fileDialog.answers = {path};
    QTest::keyClick(&m_editor->window, Qt::Key_B, Qt::ControlModifier);

    QImage written;
    QVERIFY(written.load(path, "BMP"));
    written = written.convertToFormat(QImage::Format_RGB32);
    QCOMPARE(written.size(), QSize(4080, 2032));
    QCOMPARE(written, m_state->mapCanvas.image());
    QCOMPARE(written.pixel(16, 5), NumberedSheet::tileColour(0));
    QCOMPARE(written.pixel(48, 32), NumberedSheet::tileColour(Tile));
}

QTEST_MAIN(TestMapView)
#include "tst_mapview.moc"
