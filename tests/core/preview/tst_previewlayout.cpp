// SPDX-License-Identifier: MIT
// The preview's layout pass as arithmetic: scale, bars, viewport, document,
// holder and scroll ranges, in twips and in the pixels the widgets take.
#include "core/preview/PreviewLayout.h"

#include <QTest>

using namespace PreviewLayout;

namespace {

// The window as it opens: a 954 x 633 client area less the 33-pixel strip,
// with 17-pixel scroll bars.
constexpr QSize OpeningScrollArea(954, 600);
constexpr int BarThickness = 17;

Result layoutOf(QSize buffer, QSize scrollArea, float zoom)
{
    return layout(Input::fromPixels(buffer, scrollArea, BarThickness, BarThickness, zoom));
}

} // namespace

class TestPreviewLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void layoutPass_data();
    void layoutPass();
    void fitModesFillTheViewport_data();
    void fitModesFillTheViewport();
    void strictWidthTest();
    void tinyViewportsKeepOnePixel_data();
    void tinyViewportsKeepOnePixel();
    void holderOffset_data();
    void holderOffset();
    void scrollIntegers_data();
    void scrollIntegers();
    void scrollAreaPlacement();
};

void TestPreviewLayout::layoutPass_data()
{
    QTest::addColumn<QSize>("buffer");
    QTest::addColumn<QSize>("scrollArea");
    QTest::addColumn<float>("zoom");
    QTest::addColumn<bool>("horizontalBar");
    QTest::addColumn<bool>("verticalBar");
    QTest::addColumn<QSize>("viewport");
    QTest::addColumn<QSize>("document");
    QTest::addColumn<int>("hMax");
    QTest::addColumn<int>("hLargeChange");
    QTest::addColumn<int>("vMax");
    QTest::addColumn<int>("vLargeChange");

    // The start-up map, 255 x 127 tiles, needs both bars at 100 %.
    QTest::newRow("100 %") << QSize(4080, 2032) << OpeningScrollArea << 100.0f << true << true
                           << QSize(937, 583) << QSize(4080, 2032) << 3308 << 976 << 1544 << 607;
    QTest::newRow("50 % of 10 x 5")
        << QSize(160, 80) << OpeningScrollArea << 50.0f << false << false << QSize(954, 600)
        << QSize(80, 40) << 0 << 1 << 0 << 1;
    QTest::newRow("10 %") << QSize(4080, 2032) << OpeningScrollArea << 10.0f << false << false
                          << QSize(954, 600) << QSize(408, 203) << 0 << 1 << 0 << 1;
    QTest::newRow("200 % of the whole grid")
        << QSize(4096, 2048) << OpeningScrollArea << 200.0f << true << true << QSize(937, 583)
        << QSize(8192, 4096) << 7592 << 976 << 3694 << 607;
    // Fitted to the height, the page is wider than the window: the bar takes
    // its height and the page is fitted again, smaller.
    QTest::newRow("Full Page with the horizontal bar")
        << QSize(4080, 2032) << OpeningScrollArea << FullPage << true << false << QSize(954, 583)
        << QSize(1106, 551) << 193 << 994 << 0 << 1;
    QTest::newRow("Full Page without bars")
        << QSize(320, 320) << OpeningScrollArea << FullPage << false << false << QSize(954, 600)
        << QSize(568, 568) << 0 << 1 << 0 << 1;
    // 68 x 40 tiles: wider than the window when fitted to the full height,
    // narrower once fitted to the height above the bar; the bar stays.
    QTest::newRow("Full Page keeps its bar")
        << QSize(1088, 640) << OpeningScrollArea << FullPage << true << false << QSize(954, 583)
        << QSize(937, 551) << 17 << 994 << 0 << 1;
    // In a low window the re-fitted page and its margins end inside the
    // viewport: the computed maximum falls below the minimum.
    QTest::newRow("Full Page bar with a range below 0")
        << QSize(80, 16) << QSize(300, 100) << FullPage << true << false << QSize(300, 83)
        << QSize(255, 51) << -13 << 312 << 0 << 1;
    QTest::newRow("Full Width re-fitted beside the vertical bar")
        << QSize(320, 640) << OpeningScrollArea << FullWidth << false << true << QSize(937, 600)
        << QSize(905, 1810) << 0 << 1 << 1295 << 625;
    // One column of 128 tiles fitted to the width is far taller than a
    // 16-bit range of scroll units.
    QTest::newRow("range clamped to 32767")
        << QSize(16, 2048) << OpeningScrollArea << FullWidth << false << true << QSize(937, 600)
        << QSize(905, 115840) << 0 << 1 << 32767 << 625;
}

void TestPreviewLayout::layoutPass()
{
    QFETCH(QSize, buffer);
    QFETCH(QSize, scrollArea);
    QFETCH(float, zoom);
    const Result result = layoutOf(buffer, scrollArea, zoom);

    QTEST(result.horizontal.visible, "horizontalBar");
    QTEST(result.vertical.visible, "verticalBar");
    QTEST(result.viewport, "viewport");
    QTEST(result.document.size(), "document");
    QCOMPARE(result.document.topLeft(), QPoint(16, 16));
    QCOMPARE(result.holder, result.document.size() + QSize(32, 32));
    QCOMPARE(result.vertical.length, result.viewport.height());
    QCOMPARE(result.horizontal.length, result.viewport.width());
    QTEST(result.horizontal.max, "hMax");
    QTEST(result.horizontal.largeChange, "hLargeChange");
    QTEST(result.vertical.max, "vMax");
    QTEST(result.vertical.largeChange, "vLargeChange");
}

void TestPreviewLayout::fitModesFillTheViewport_data()
{
    QTest::addColumn<QSize>("buffer");
    QTest::addColumn<float>("zoom");
    QTest::newRow("Full Page, wide map") << QSize(4080, 2032) << FullPage;
    QTest::newRow("Full Page, square map") << QSize(320, 320) << FullPage;
    QTest::newRow("Full Width, tall map") << QSize(320, 640) << FullWidth;
    QTest::newRow("Full Width, small map") << QSize(160, 80) << FullWidth;
}

// In twips, the page and its two margins fill the viewport exactly along the
// fitted side, whatever bars the pass added.
void TestPreviewLayout::fitModesFillTheViewport()
{
    QFETCH(QSize, buffer);
    QFETCH(float, zoom);
    const Result result = layoutOf(buffer, OpeningScrollArea, zoom);
    if (zoom == FullPage)
        QCOMPARE(result.documentHeight + BothMargins, result.viewportHeight);
    else
        QCOMPARE(result.documentWidth + BothMargins, result.viewportWidth);
}

// A document exactly as wide as the viewport needs no bar, although the
// viewport then cuts off its right margin; one pixel more does.
void TestPreviewLayout::strictWidthTest()
{
    const Result fits = layoutOf(QSize(954, 80), OpeningScrollArea, 100.0f);
    QVERIFY(!fits.horizontal.visible);
    QCOMPARE(fits.documentWidth, fits.viewportWidth);

    const Result wider = layoutOf(QSize(955, 80), OpeningScrollArea, 100.0f);
    QVERIFY(wider.horizontal.visible);
    QCOMPARE(wider.viewportHeight, 9000.0f - 255.0f);
}

void TestPreviewLayout::tinyViewportsKeepOnePixel_data()
{
    QTest::addColumn<QSize>("scrollArea");
    QTest::addColumn<float>("zoom");
    QTest::newRow("Full Page below the margins") << QSize(20, 20) << FullPage;
    QTest::newRow("Full Width below the margins") << QSize(20, 20) << FullWidth;
    QTest::newRow("smaller than a bar") << QSize(10, 10) << 100.0f;
    QTest::newRow("no area at all, Full Page") << QSize(0, 0) << FullPage;
    QTest::newRow("half a percent") << OpeningScrollArea << 0.5f;
}

void TestPreviewLayout::tinyViewportsKeepOnePixel()
{
    QFETCH(QSize, scrollArea);
    QFETCH(float, zoom);
    const Result result = layoutOf(QSize(160, 80), scrollArea, zoom);
    QVERIFY(result.viewport.width() >= 1 && result.viewport.height() >= 1);
    QVERIFY(result.document.width() >= 1 && result.document.height() >= 1);
    QVERIFY(result.vertical.length >= 1 && result.horizontal.length >= 1);
    QVERIFY(result.vertical.largeChange >= 1 && result.horizontal.largeChange >= 1);
    QVERIFY(result.scale > 0);
}

void TestPreviewLayout::holderOffset_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<float>("twips");
    QTest::addColumn<int>("pixels");
    QTest::newRow("origin") << 0 << 0.0f << 0;
    QTest::newRow("one unit") << 1 << -14.4f << -1;
    QTest::newRow("an arrow step") << 14 << -201.6f << -13;
    QTest::newRow("ten units") << 10 << -144.0f << -10;
    QTest::newRow("a hundred units") << 100 << -1440.0f << -96;
    QTest::newRow("the start-up map's last unit") << 1544 << -22233.6f << -1482;
}

void TestPreviewLayout::holderOffset()
{
    QFETCH(int, value);
    QTEST(PreviewLayout::holderOffset(value), "twips");
    QTEST(holderOffsetPixels(value), "pixels");
}

void TestPreviewLayout::scrollIntegers_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("half to even, down") << 0.5 << 0;
    QTest::newRow("half to even, up") << 1.5 << 2;
    QTest::newRow("two and a half") << 2.5 << 2;
    QTest::newRow("negative half") << -1.5 << -2;
    QTest::newRow("nearest") << 1543.708 << 1544;
    QTest::newRow("beyond the range") << 120076.0 << 32767;
    QTest::newRow("below the range") << -40000.0 << -32768;
}

void TestPreviewLayout::scrollIntegers()
{
    QFETCH(double, value);
    QTEST(toScrollInteger(value), "expected");
}

void TestPreviewLayout::scrollAreaPlacement()
{
    QCOMPARE(scrollAreaOnLoad(QSize(954, 633)), QRect(0, 33, 954, 600));
    QCOMPARE(scrollAreaOnResize(QSize(800, 500), false), QRect(0, 33, 800, 467));
    // 600 twips is 40 pixels: that height or less keeps the layout.
    QCOMPARE(scrollAreaOnResize(QSize(800, 40), false), std::nullopt);
    QCOMPARE(scrollAreaOnResize(QSize(800, 41), false), QRect(0, 33, 800, 8));
    QCOMPARE(scrollAreaOnResize(QSize(800, 500), true), std::nullopt);
}

QTEST_APPLESS_MAIN(TestPreviewLayout)
#include "tst_previewlayout.moc"
