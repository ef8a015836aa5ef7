// SPDX-License-Identifier: MIT
// Painting with the mouse on the canvas, and moving the view with the scroll
// bars and jump buttons.
#include "core/state/EditorState.h"
#include "core/state/MapRoutines.h"
#include "tests/support/EditorFixture.h"
#include "tests/support/MouseEvents.h"
#include "tests/support/PaintTicks.h"
#include "ui/main/MainWindow.h"
#include "ui/tiles/TilePicker.h"

#include <QLabel>
#include <QPaintEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QUndoStack>

// Collects the areas a widget is asked to repaint.
class PaintRecorder : public QObject
{
public:
    explicit PaintRecorder(QWidget *widget) { widget->installEventFilter(this); }

    QRegion painted;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent *>(event)->region();
        return false;
    }
};

class TestMapPainting : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void pointerTracking_data();
    void pointerTracking();
    void heldButtonPaints_data();
    void heldButtonPaints();
    void pressAndReleaseBetweenTicksPaintsOnce();
    void dragPastMapEdgePaintsNothingOutside();
    void paintedCellAloneIsRepainted();
    void lostReleaseStopsPainting();
    void windowTakingOverStopsPainting();
    void trackingKeepsLastCellWhenPointerLeaves();
    void scrollBarsMoveCanvas_data();
    void scrollBarsMoveCanvas();
    void arrowStepsMoveByOneUnit();
    void viewportShowsMapThenGrey_data();
    void viewportShowsMapThenGrey();
    void jumpButtons();

private:
    QWidget *canvas() const { return m_window->findChild<QWidget *>(QStringLiteral("mapCanvas")); }
    QWidget *outline() const
    {
        return canvas()->findChild<QWidget *>(QStringLiteral("cellOutline"));
    }
    QString cursorPanel() const
    {
        return m_window->findChild<QLabel *>(QStringLiteral("cursorPanel"))->text();
    }
    QScrollBar *bar(const char *name) const
    {
        return m_window->findChild<QScrollBar *>(QLatin1String(name));
    }
    void pickTile(int tile);

    std::unique_ptr<EditorFixture> m_editor;
    std::unique_ptr<PaintTicks> m_ticks;
    EditorState *m_state = nullptr;
    MainWindow *m_window = nullptr;
};

void TestMapPainting::init()
{
    m_editor = std::make_unique<EditorFixture>();
    m_state = &m_editor->state;
    m_window = &m_editor->window;
    m_ticks = std::make_unique<PaintTicks>(m_window);
    m_window->show();
}

void TestMapPainting::cleanup()
{
    m_ticks.reset();
    m_editor.reset();
}

void TestMapPainting::pickTile(int tile)
{
    auto *sheet = m_window->picker().findChild<QWidget *>(QStringLiteral("tileSheet"));
    const QPointF at = QPointF(Tiles::sheetOrigin(tile)) + QPointF(3, 3);
    MouseEvents::move(sheet, at);
    MouseEvents::press(sheet, at);
    MouseEvents::release(sheet, at);
}

void TestMapPainting::pointerTracking_data()
{
    QTest::addColumn<QPointF>("position");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::newRow("fractional") << QPointF(37.5, 20) << 2 << 1;
    QTest::newRow("top-left corner") << QPointF(0, 0) << 0 << 0;
    QTest::newRow("left of the canvas") << QPointF(-3, 5) << 0 << 0;
    QTest::newRow("far beyond the canvas") << QPointF(9000, 9000) << 255 << 127;
}

void TestMapPainting::pointerTracking()
{
    QFETCH(QPointF, position);
    QFETCH(int, column);
    QFETCH(int, row);

    MouseEvents::press(canvas(), QPointF(1, 1));
    MouseEvents::move(canvas(), position, Qt::LeftButton);
    MouseEvents::release(canvas(), position);

    QCOMPARE(cursorPanel(), QStringLiteral("Cursor Loc: %1, %2").arg(column).arg(row));
    QCOMPARE(outline()->pos(), QPoint(column * 16, row * 16));
    QCOMPARE(int(m_state->selectedTileX), column * 16);
    QCOMPARE(int(m_state->selectedTileY), row * 16);
}

void TestMapPainting::heldButtonPaints_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::newRow("left") << Qt::LeftButton;
    QTest::newRow("right") << Qt::RightButton;
    QTest::newRow("middle") << Qt::MiddleButton;
}

void TestMapPainting::heldButtonPaints()
{
    QFETCH(Qt::MouseButton, button);
    pickTile(34);
    const QImage tile34 = m_state->tileSheet.image().copy(32, 16, 16, 16);

    MouseEvents::move(canvas(), QPointF(37.5, 20));
    MouseEvents::press(canvas(), QPointF(37.5, 20), button);
    m_ticks->tick();
    MouseEvents::move(canvas(), QPointF(70, 20), button);
    m_ticks->tick();
    MouseEvents::release(canvas(), QPointF(70, 20), button);

    // The cell passed over between the two ticks is painted too.
    QCOMPARE(m_state->cell(2, 1), 34);
    QCOMPARE(m_state->cell(3, 1), 34);
    QCOMPARE(m_state->cell(4, 1), 34);
    QCOMPARE(m_state->mapCanvas.image().copy(32, 16, 16, 16), tile34);
    QCOMPARE(m_state->mapCanvas.image().copy(48, 16, 16, 16), tile34);
    QCOMPARE(m_state->mapCanvas.image().copy(64, 16, 16, 16), tile34);

    // Released: later ticks paint nothing more.
    MouseEvents::move(canvas(), QPointF(100, 20));
    m_ticks->tick();
    QCOMPARE(m_state->cell(6, 1), 0);
}

// A click that is over before the first tick (a touchpad's tap) paints the
// pressed cell once, as one step; the ticks after it paint nothing more.
void TestMapPainting::pressAndReleaseBetweenTicksPaintsOnce()
{
    pickTile(34);
    MouseEvents::move(canvas(), QPointF(40, 40));
    const int stepsBefore = m_state->history.stack().count();
    MouseEvents::press(canvas(), QPointF(40, 40));
    MouseEvents::release(canvas(), QPointF(40, 40));

    QCOMPARE(m_state->cell(2, 2), 34);
    QCOMPARE(m_state->mapCanvas.image().copy(32, 32, 16, 16),
             m_state->tileSheet.image().copy(32, 16, 16, 16));
    QCOMPARE(m_state->history.stack().count(), stepsBefore + 1);

    MouseEvents::move(canvas(), QPointF(100, 40));
    m_ticks->tick();
    QCOMPARE(m_state->cell(6, 2), 0);
}

void TestMapPainting::dragPastMapEdgePaintsNothingOutside()
{
    m_state->mapWidth = 10;
    m_state->mapHeight = 5;
    resetMap(*m_state);
    pickTile(34);

    MouseEvents::move(canvas(), QPointF(150, 40));
    MouseEvents::press(canvas(), QPointF(150, 40));
    m_ticks->tick();
    MouseEvents::move(canvas(), QPointF(170, 40), Qt::LeftButton);
    m_ticks->tick();
    MouseEvents::move(canvas(), QPointF(150, 90), Qt::LeftButton);
    m_ticks->tick();
    MouseEvents::release(canvas(), QPointF(150, 90));

    QCOMPARE(m_state->cell(9, 2), 34);
    QCOMPARE(m_state->cell(10, 2), 0);
    QCOMPARE(m_state->cell(9, 5), 0);
    // The stroke's way back into the map may paint cells inside it; none
    // outside it is ever painted.
    for (int row = 0; row < Tiles::GridRows; ++row)
        for (int column = 0; column < Tiles::GridColumns; ++column)
            if (column >= 10 || row >= 5)
                QCOMPARE(m_state->cell(column, row), 0);
    QCOMPARE(cursorPanel(), QStringLiteral("Cursor Loc: 9, 5"));
}

// Painting one cell repaints that cell's square of the canvas on screen, not
// the whole visible canvas.
void TestMapPainting::paintedCellAloneIsRepainted()
{
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    pickTile(34);
    const QPointF at(37.5, 20);
    const QRect cell(32, 16, 16, 16);
    PaintRecorder recorder(canvas());
    // The pointer first moves the outline, which repaints around it; that
    // repaint is let through before painting starts.
    MouseEvents::move(canvas(), at);
    QTRY_VERIFY_WITH_TIMEOUT(recorder.painted.contains(cell), 10000);
    recorder.painted = QRegion();

    MouseEvents::press(canvas(), at);
    m_ticks->tick();
    MouseEvents::release(canvas(), at);
    m_ticks->tick();

    QCOMPARE(m_state->cell(2, 1), 34);
    QTRY_COMPARE_WITH_TIMEOUT(recorder.painted, QRegion(cell), 10000);
}

// The release went to a dialog that opened while the button was held: the
// next move, made without a button, must not paint.
void TestMapPainting::lostReleaseStopsPainting()
{
    pickTile(34);
    MouseEvents::move(canvas(), QPointF(40, 40));
    MouseEvents::press(canvas(), QPointF(40, 40));
    m_ticks->tick();

    MouseEvents::move(canvas(), QPointF(100, 40));
    m_ticks->tick();

    QCOMPARE(m_state->cell(2, 2), 34);
    QCOMPARE(m_state->cell(6, 2), 0);
    QCOMPARE(cursorPanel(), QStringLiteral("Cursor Loc: 6, 2"));
}

// A dialog opened by its shortcut while the button is held takes the release
// with it: painting stops at once, not at the next move.
void TestMapPainting::windowTakingOverStopsPainting()
{
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    pickTile(34);
    MouseEvents::move(canvas(), QPointF(40, 40));
    MouseEvents::press(canvas(), QPointF(40, 40));

    QWidget dialog;
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    m_state->cell(2, 2) = 0;
    m_ticks->tick();

    QCOMPARE(m_state->cell(2, 2), 0);
}

void TestMapPainting::trackingKeepsLastCellWhenPointerLeaves()
{
    MouseEvents::move(canvas(), QPointF(37.5, 20));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(canvas(), &leave);

    QCOMPARE(cursorPanel(), QStringLiteral("Cursor Loc: 2, 1"));
    QCOMPARE(outline()->pos(), QPoint(32, 16));
}

void TestMapPainting::scrollBarsMoveCanvas_data()
{
    QTest::addColumn<int>("horizontal");
    QTest::addColumn<int>("vertical");
    QTest::addColumn<QPoint>("canvasAt");
    QTest::newRow("origin") << 0 << 0 << QPoint(0, 0);
    QTest::newRow("one unit each") << 1 << 1 << QPoint(-100, -35);
    QTest::newRow("largest values") << 35 << 45 << QPoint(-3500, -1575);
}

void TestMapPainting::scrollBarsMoveCanvas()
{
    QFETCH(int, horizontal);
    QFETCH(int, vertical);
    bar("horizontalBar")->setValue(horizontal);
    bar("verticalBar")->setValue(vertical);
    QTEST(canvas()->pos(), "canvasAt");
}

void TestMapPainting::arrowStepsMoveByOneUnit()
{
    bar("horizontalBar")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    bar("verticalBar")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(canvas()->pos(), QPoint(-100, -35));
    bar("horizontalBar")->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QCOMPARE(canvas()->pos(), QPoint(-200, -35));
    QVERIFY(!bar("horizontalBar")->hasTracking());
    QVERIFY(!bar("verticalBar")->hasTracking());
}

void TestMapPainting::viewportShowsMapThenGrey_data()
{
    QTest::addColumn<QSize>("mapSize");
    QTest::addColumn<QPoint>("steps");
    QTest::addColumn<QSize>("visible");
    QTest::newRow("10 x 10 map") << QSize(10, 10) << QPoint(0, 0) << QSize(160, 160);
    QTest::newRow("one step right") << QSize(10, 10) << QPoint(1, 0) << QSize(60, 160);
    QTest::newRow("two steps right") << QSize(10, 10) << QPoint(2, 0) << QSize(0, 160);
    QTest::newRow("start-up map at the far corner")
        << QSize(255, 127) << QPoint(35, 45) << QSize(4080 - 3500, 2032 - 1575);
}

// What the viewport shows: the visible part of the map from its inner
// top-left corner, grey beyond it.
void TestMapPainting::viewportShowsMapThenGrey()
{
    QFETCH(QSize, mapSize);
    QFETCH(QPoint, steps);
    QFETCH(QSize, visible);
    m_state->mapWidth = static_cast<std::int16_t>(mapSize.width());
    m_state->mapHeight = static_cast<std::int16_t>(mapSize.height());
    resetMap(*m_state);
    bar("horizontalBar")->setValue(steps.x());
    bar("verticalBar")->setValue(steps.y());
    QCoreApplication::processEvents();

    const QImage view =
        m_window->findChild<QWidget *>(QStringLiteral("viewport"))->grab().toImage();
    const QRgb grey = qRgb(128, 128, 128);
    constexpr int Border = 2;
    const int right = Border + visible.width();
    const int bottom = Border + visible.height();
    if (visible.width() > 0) {
        QVERIFY(view.pixel(right - 1, Border) != grey);
        QVERIFY(view.pixel(Border, bottom - 1) != grey);
        QCOMPARE(view.pixel(Border, bottom), grey);
    }
    QCOMPARE(view.pixel(right, Border), grey);
}

void TestMapPainting::jumpButtons()
{
    const auto click = [this](const char *name) {
        m_window->findChild<QPushButton *>(QLatin1String(name))->click();
    };
    bar("horizontalBar")->setValue(7);
    bar("verticalBar")->setValue(9);

    click("topButton");
    QCOMPARE(canvas()->pos(), QPoint(-700, 0));
    QCOMPARE(bar("verticalBar")->value(), 0);

    bar("verticalBar")->setValue(9);
    click("leftButton");
    QCOMPARE(canvas()->pos(), QPoint(0, -315));
    QCOMPARE(bar("horizontalBar")->value(), 0);

    bar("horizontalBar")->setValue(7);
    click("homeButton");
    QCOMPARE(canvas()->pos(), QPoint(0, 0));
    QCOMPARE(bar("horizontalBar")->value(), 0);
    QCOMPARE(bar("verticalBar")->value(), 0);
}

QTEST_MAIN(TestMapPainting)
#include "tst_mappainting.moc"
