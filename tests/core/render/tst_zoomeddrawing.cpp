// SPDX-License-Identifier: MIT
// Drawing part of a picture zoomed, with and without the grid, against the
// rule written pixel by pixel.
#include "core/render/ZoomedDrawing.h"

#include <QTest>

namespace {

constexpr QRgb Untouched = 0xff123456;
constexpr QRgb Grid = 0xffff00ff;

// Every pixel its own colour.
QImage numbered(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(x, y, (x * 7 + y) % 256));
    return image;
}

// The rule, one pixel at a time.
QImage expected(const QImage &source, int percent, const QRect &view, QSize targetSize, QPoint at,
                int gridCell)
{
    QImage target(targetSize, QImage::Format_RGB32);
    target.fill(Untouched);
    const QSize zoomed = source.size() * percent / 100;
    for (int y = view.top(); y <= view.bottom(); ++y) {
        for (int x = view.left(); x <= view.right(); ++x) {
            const QPoint to = QPoint(x, y) - view.topLeft() + at;
            if (x < 0 || y < 0 || x >= zoomed.width() || y >= zoomed.height() ||
                !target.rect().contains(to))
                continue;
            const bool onGrid = gridCell > 0 && (x % gridCell == 0 || y % gridCell == 0);
            target.setPixel(to, onGrid ? Grid : source.pixel(x * 100 / percent, y * 100 / percent));
        }
    }
    return target;
}

} // namespace

class TestZoomedDrawing : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void handles_data();
    void handles();
    void drawsAsTheRule_data();
    void drawsAsTheRule();
};

void TestZoomedDrawing::handles_data()
{
    QTest::addColumn<int>("percent");
    QTest::addColumn<bool>("handled");
    QTest::newRow("25") << 25 << true;
    QTest::newRow("50") << 50 << true;
    QTest::newRow("100") << 100 << true;
    QTest::newRow("300") << 300 << true;
    QTest::newRow("800") << 800 << true;
    QTest::newRow("75") << 75 << false;
    QTest::newRow("150") << 150 << false;
    QTest::newRow("0") << 0 << false;
}

void TestZoomedDrawing::handles()
{
    QFETCH(int, percent);
    QTEST(ZoomedDrawing::handles(percent), "handled");
}

void TestZoomedDrawing::drawsAsTheRule_data()
{
    QTest::addColumn<int>("percent");
    QTest::addColumn<QRect>("view");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<int>("gridCell");
    for (int percent : {25, 50, 100, 200, 300, 400, 800}) {
        const int cell = 16 * percent / 100;
        QTest::addRow("%d %%, from the origin", percent) << percent << QRect(0, 0, 40, 30)
                                                         << QPoint(0, 0) << 0;
        QTest::addRow("%d %%, cut cells, placed inside", percent)
            << percent << QRect(7, 5, 31, 23) << QPoint(3, 2) << 0;
        QTest::addRow("%d %%, grid", percent) << percent << QRect(5, 9, 37, 29) << QPoint(0, 0)
                                              << cell;
        QTest::addRow("%d %%, grid, whole cells", percent)
            << percent << QRect(cell, cell, 2 * cell, 20) << QPoint(0, 0) << cell;
        QTest::addRow("%d %%, grid, within one cell", percent)
            << percent << QRect(3, 2, cell / 2, 7) << QPoint(1, 0) << cell;
        QTest::addRow("%d %%, past the picture's far edge", percent)
            << percent << QRect(64 * percent / 100 - 10, 48 * percent / 100 - 6, 40, 30)
            << QPoint(1, 1) << cell;
        QTest::addRow("%d %%, placed past the target's edges", percent)
            << percent << QRect(3, 3, 40, 30) << QPoint(-5, 20) << 0;
    }
}

void TestZoomedDrawing::drawsAsTheRule()
{
    QFETCH(int, percent);
    QFETCH(QRect, view);
    QFETCH(QPoint, at);
    QFETCH(int, gridCell);
    const QImage source = numbered(QSize(64, 48));
    QImage target(44, 36, QImage::Format_RGB32);
    target.fill(Untouched);
    ZoomedDrawing::draw(source, percent, view, target, at, gridCell, Grid);
    QCOMPARE(target, expected(source, percent, view, target.size(), at, gridCell));
}

QTEST_MAIN(TestZoomedDrawing)
#include "tst_zoomeddrawing.moc"
