// SPDX-License-Identifier: MIT
// The map view's zoom levels, scroll ranges and anchored scroll values.
#include "core/state/ViewZoom.h"

#include <QTest>

namespace {
// The viewport's inner area in view pixels.
constexpr int ViewWidth = 771;
constexpr int ViewHeight = 579;
} // namespace

class TestViewZoom : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void steps_data();
    void steps();
    void ranges_data();
    void ranges();
    void farEdgeInView_data();
    void farEdgeInView();
    void canvasOffset_data();
    void canvasOffset();
    void mapPosition_data();
    void mapPosition();
    void valueKeeping_data();
    void valueKeeping();
};

void TestViewZoom::steps_data()
{
    QTest::addColumn<int>("percent");
    QTest::addColumn<int>("in");
    QTest::addColumn<int>("out");
    QTest::newRow("smallest") << 25 << 50 << 25;
    QTest::newRow("actual size") << 100 << 200 << 50;
    QTest::newRow("300 %") << 300 << 400 << 200;
    QTest::newRow("largest") << 800 << 800 << 400;
}

void TestViewZoom::steps()
{
    QFETCH(int, percent);
    QTEST(ViewZoom::zoomIn(percent), "in");
    QTEST(ViewZoom::zoomOut(percent), "out");
}

void TestViewZoom::ranges_data()
{
    QTest::addColumn<int>("percent");
    QTest::addColumn<int>("horizontal");
    QTest::addColumn<int>("vertical");
    QTest::newRow("25 % keeps the specified ranges") << 25 << 35 << 45;
    QTest::newRow("100 % is exactly as specified") << 100 << 35 << 45;
    QTest::newRow("200 %") << 200 << 38 << 51;
    QTest::newRow("300 %") << 300 << 39 << 53;
    QTest::newRow("800 %") << 800 << 40 << 57;
}

void TestViewZoom::ranges()
{
    QFETCH(int, percent);
    QTEST(ViewZoom::horizontalMax(percent, ViewWidth), "horizontal");
    QTEST(ViewZoom::verticalMax(percent, ViewHeight), "vertical");
}

void TestViewZoom::farEdgeInView_data()
{
    QTest::addColumn<int>("percent");
    for (int percent : ViewZoom::Levels)
        QTest::addRow("%d %%", percent) << percent;
}

// At the largest values, the grid's last pixel column and row are on screen,
// and one step less would not always show them: the range is no larger than
// needed above the specified one.
void TestViewZoom::farEdgeInView()
{
    QFETCH(int, percent);
    const int horizontal = ViewZoom::horizontalMax(percent, ViewWidth);
    const int vertical = ViewZoom::verticalMax(percent, ViewHeight);
    const int lastColumnAt = ViewZoom::canvasLeft(horizontal, percent) + (4096 * percent) / 100;
    const int lastRowAt = ViewZoom::canvasTop(vertical, percent) + (2048 * percent) / 100;
    QVERIFY(lastColumnAt <= ViewWidth);
    QVERIFY(lastRowAt <= ViewHeight);
    if (horizontal > 35)
        QVERIFY(ViewZoom::canvasLeft(horizontal - 1, percent) + (4096 * percent) / 100 > ViewWidth);
    if (vertical > 45)
        QVERIFY(ViewZoom::canvasTop(vertical - 1, percent) + (2048 * percent) / 100 > ViewHeight);
}

void TestViewZoom::canvasOffset_data()
{
    QTest::addColumn<int>("percent");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");
    QTest::newRow("origin") << 300 << 0 << 0 << 0;
    QTest::newRow("100 %: the specified steps") << 100 << 2 << -200 << -70;
    QTest::newRow("25 %: the same map distance") << 25 << 2 << -50 << -17;
    QTest::newRow("800 %") << 800 << 3 << -2400 << -840;
}

void TestViewZoom::canvasOffset()
{
    QFETCH(int, percent);
    QFETCH(int, value);
    QTEST(ViewZoom::canvasLeft(value, percent), "left");
    QTEST(ViewZoom::canvasTop(value, percent), "top");
}

void TestViewZoom::mapPosition_data()
{
    QTest::addColumn<int>("percent");
    QTest::addColumn<QPointF>("view");
    QTest::addColumn<QPointF>("map");
    QTest::newRow("100 %") << 100 << QPointF(37.5, 20) << QPointF(37.5, 20);
    QTest::newRow("25 %") << 25 << QPointF(9, 4) << QPointF(36, 16);
    QTest::newRow("300 %") << 300 << QPointF(47.9, 48) << QPointF(47.9 / 3, 16);
    QTest::newRow("800 %") << 800 << QPointF(128, 8) << QPointF(16, 1);
}

void TestViewZoom::mapPosition()
{
    QFETCH(int, percent);
    QFETCH(QPointF, view);
    QTEST(ViewZoom::toMap(view, percent), "map");
}

void TestViewZoom::valueKeeping_data()
{
    QTest::addColumn<qreal>("mapPixel");
    QTest::addColumn<qreal>("viewPixel");
    QTest::addColumn<int>("percent");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("value");
    QTest::newRow("exact step") << 500.0 << 0.0 << 100 << 35 << 5;
    QTest::newRow("pointer in the middle at 200 %") << 1000.0 << 400.0 << 200 << 38 << 8;
    QTest::newRow("rounds to the nearer step") << 1060.0 << 0.0 << 400 << 40 << 11;
    QTest::newRow("before the map's start") << 50.0 << 300.0 << 100 << 35 << 0;
    QTest::newRow("beyond the range") << 4090.0 << 0.0 << 800 << 40 << 40;
}

void TestViewZoom::valueKeeping()
{
    QFETCH(qreal, mapPixel);
    QFETCH(qreal, viewPixel);
    QFETCH(int, percent);
    QFETCH(int, maximum);
    QTEST(ViewZoom::valueKeeping(mapPixel, viewPixel, percent, 100, maximum), "value");
}

QTEST_MAIN(TestViewZoom)
#include "tst_viewzoom.moc"
