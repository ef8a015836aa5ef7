// SPDX-License-Identifier: MIT
// The scaled document picture: any part equals that part of the whole, tiles
// stay sharp when enlarged and are averaged when shrunk.
#include "core/render/ScaledPicture.h"

#include <QTest>

namespace {

// Every pixel different, so any misplaced pixel shows.
QImage pattern(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(x * 7 % 256, y * 13 % 256, (x * y) % 256));
    return image;
}

} // namespace

class TestScaledPicture : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void partsMatchTheWhole_data();
    void partsMatchTheWhole();
    void sameSizeIsTheSource();
    void enlargingRepeatsPixels();
    void shrinkingAverages();
    void areaBeyondThePictureIsBlack();
};

void TestScaledPicture::partsMatchTheWhole_data()
{
    QTest::addColumn<QSize>("source");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("area");
    QTest::newRow("200 %") << QSize(160, 80) << QSize(320, 160) << QRect(33, 17, 101, 60);
    QTest::newRow("150 %") << QSize(160, 80) << QSize(240, 120) << QRect(1, 1, 77, 119);
    QTest::newRow("50 %") << QSize(160, 80) << QSize(80, 40) << QRect(5, 3, 40, 30);
    QTest::newRow("10 %") << QSize(160, 80) << QSize(16, 8) << QRect(3, 2, 9, 5);
    QTest::newRow("fitted, odd sizes") << QSize(160, 80) << QSize(113, 57) << QRect(50, 0, 63, 57);
    QTest::newRow("wider, lower") << QSize(160, 80) << QSize(300, 41) << QRect(150, 20, 150, 21);
}

void TestScaledPicture::partsMatchTheWhole()
{
    QFETCH(QSize, source);
    QFETCH(QSize, size);
    QFETCH(QRect, area);
    const ScaledPicture picture(pattern(source), size);
    const QImage whole = picture.whole();
    QCOMPARE(whole.size(), size);
    QCOMPARE(picture.render(area), whole.copy(area));
}

void TestScaledPicture::sameSizeIsTheSource()
{
    const QImage source = pattern(QSize(160, 80));
    QCOMPARE(ScaledPicture(source, source.size()).whole(), source);
}

void TestScaledPicture::enlargingRepeatsPixels()
{
    const QImage source = pattern(QSize(16, 16));
    const QImage twice = ScaledPicture(source, QSize(32, 32)).whole();
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            QCOMPARE(twice.pixel(x, y), source.pixel(x / 2, y / 2));

    // At 150 % a 16-pixel tile becomes 24 pixels with no colour of a
    // neighbour mixed in.
    const QImage half = ScaledPicture(source, QSize(24, 24)).whole();
    QCOMPARE(half.pixel(0, 0), source.pixel(0, 0));
    QCOMPARE(half.pixel(23, 23), source.pixel(15, 15));
    QCOMPARE(half.pixel(2, 1), source.pixel(1, 1));
}

void TestScaledPicture::shrinkingAverages()
{
    // A white pixel in a black 4 x 4 block fades to a sixteenth, not to nothing.
    QImage source(8, 4, QImage::Format_RGB32);
    source.fill(Qt::black);
    source.setPixel(1, 2, qRgb(255, 255, 255));
    source.setPixel(4, 0, qRgb(160, 0, 0));
    source.setPixel(7, 3, qRgb(0, 0, 96));
    const QImage small = ScaledPicture(source, QSize(2, 1)).whole();
    QCOMPARE(small.pixel(0, 0), qRgb(16, 16, 16));
    QCOMPARE(small.pixel(1, 0), qRgb(10, 0, 6));
}

void TestScaledPicture::areaBeyondThePictureIsBlack()
{
    const ScaledPicture picture(pattern(QSize(16, 16)), QSize(32, 32));
    const QImage part = picture.render(QRect(24, -4, 16, 16));
    QCOMPARE(part.size(), QSize(16, 16));
    QCOMPARE(part.pixel(0, 0), qRgb(0, 0, 0));
    QCOMPARE(part.pixel(9, 5), qRgb(0, 0, 0));
    QCOMPARE(part.pixel(0, 4), picture.whole().pixel(24, 0));
    QCOMPARE(part.pixel(7, 15), picture.whole().pixel(31, 11));
}

QTEST_APPLESS_MAIN(TestScaledPicture)
#include "tst_scaledpicture.moc"
