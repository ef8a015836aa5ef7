// SPDX-License-Identifier: MIT
#include "core/tiles/PictureImport.h"
#include "core/tiles/PictureTiles.h"
#include "core/tiles/TileMerge.h"
#include "tests/support/TilePictures.h"

#include <QBuffer>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <random>

using PictureTiles::SizeCheck;
using Tiles::TileSize;

class TestPictureTiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void checkSize_data();
    void checkSize();
    void cut_data();
    void cut();
    void tilesDifferingInOnePixelStayApart();
    void planKeepsFirstAppearanceOrderAndBlackRest();
    void planRefusesMoreThan256WithoutMerge();
    void sizeBytes_data();
    void sizeBytes();
    void mergeKeepsEachCellInItsGroup();
    void readRefuses_data();
    void readRefuses();
};

Q_DECLARE_METATYPE(PictureTiles::SizeCheck)
Q_DECLARE_METATYPE(PictureImport::Picture::Status)

void TestPictureTiles::checkSize_data()
{
    QTest::addColumn<QSize>("pixels");
    QTest::addColumn<SizeCheck>("check");
    QTest::newRow("one tile") << QSize(16, 16) << SizeCheck::Fits;
    QTest::newRow("whole grid") << QSize(4096, 2048) << SizeCheck::Fits;
    QTest::newRow("254 columns") << QSize(4064, 32) << SizeCheck::Fits;
    QTest::newRow("255 columns") << QSize(4080, 32) << SizeCheck::Width255;
    QTest::newRow("257 columns") << QSize(4112, 16) << SizeCheck::TooLarge;
    QTest::newRow("129 rows") << QSize(16, 2064) << SizeCheck::TooLarge;
    QTest::newRow("width not whole tiles") << QSize(17, 16) << SizeCheck::NotWholeTiles;
    QTest::newRow("height not whole tiles") << QSize(32, 40) << SizeCheck::NotWholeTiles;
    QTest::newRow("too large and not whole") << QSize(5000, 16) << SizeCheck::NotWholeTiles;
    QTest::newRow("empty") << QSize(0, 16) << SizeCheck::NotWholeTiles;
}

void TestPictureTiles::checkSize()
{
    QFETCH(QSize, pixels);
    QTEST(PictureTiles::checkSize(pixels), "check");
}

void TestPictureTiles::cut_data()
{
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("distinct");
    QTest::newRow("one tile") << 1 << 1 << 1;
    QTest::newRow("all the same") << 12 << 7 << 1;
    QTest::newRow("all different") << 10 << 6 << 60;
    QTest::newRow("exactly 256, then repeats") << 20 << 14 << 256;
    QTest::newRow("257") << 20 << 14 << 257;
    QTest::newRow("whole grid, 300 tiles") << 256 << 128 << 300;
}

void TestPictureTiles::cut()
{
    QFETCH(int, columns);
    QFETCH(int, rows);
    QFETCH(int, distinct);
    const QImage picture = TilePictures::distinctTiles(columns, rows, distinct);
    const PictureTiles::Cut cut = PictureTiles::cut(picture);

    QCOMPARE(cut.columns, columns);
    QCOMPARE(cut.rows, rows);
    QCOMPARE(cut.distinctCount(), distinct);
    // The tiles are numbered in the order they first appear, row by row:
    // with keys counted up the same way, each cell's tile is its key.
    for (int index = 0; index < columns * rows; ++index)
        QCOMPARE(cut.cells[index], std::min(index, distinct - 1));
    int cells = 0;
    for (const int uses : cut.uses)
        cells += uses;
    QCOMPARE(cells, columns * rows);
    QCOMPARE(cut.uses.back(), columns * rows - distinct + 1);
    QCOMPARE(PictureTiles::draw(cut.columns, cut.rows, cut.cells, cut.distinct), picture);
}

void TestPictureTiles::tilesDifferingInOnePixelStayApart()
{
    QImage picture = TilePictures::picture(3, 1, [](int, int) { return 5; });
    // The last pixel of the middle tile and the first of the last one.
    picture.setPixel(2 * TileSize - 1, TileSize - 1, qRgb(1, 2, 3));
    picture.setPixel(2 * TileSize, 0, qRgb(1, 2, 3));
    const PictureTiles::Cut cut = PictureTiles::cut(picture);
    QCOMPARE(cut.distinctCount(), 3);
    QCOMPARE(PictureTiles::draw(cut.columns, cut.rows, cut.cells, cut.distinct), picture);
}

void TestPictureTiles::planKeepsFirstAppearanceOrderAndBlackRest()
{
    // Keys 3, 1, 3, 2 ...: three tiles, first seen in that order.
    const int keys[] = {3, 1, 3, 2, 1, 2};
    const QImage picture =
        TilePictures::picture(3, 2, [&keys](int column, int row) { return keys[row * 3 + column]; });
    const auto plan = PictureImport::plan(PictureTiles::cut(picture), false);
    QVERIFY(plan);
    QCOMPARE(plan->distinctCount, 3);
    QVERIFY(!plan->merged);
    QVERIFY(std::isinf(plan->psnr));
    const std::vector<std::uint8_t> cells{0, 1, 0, 2, 1, 2};
    QCOMPARE(plan->cells, cells);
    QCOMPARE(plan->sheet.size(), QSize(Tiles::SheetWidth, Tiles::SheetHeight));
    const int sheetKeys[] = {3, 1, 2};
    for (int tile = 0; tile < 3; ++tile)
        QCOMPARE(plan->sheet.copy(QRect(Tiles::sheetOrigin(tile), QSize(TileSize, TileSize))),
                 TilePictures::picture(1, 1, [&](int, int) { return sheetKeys[tile]; }));
    QImage black(TileSize, TileSize, QImage::Format_RGB32);
    black.fill(Qt::black);
    for (int tile = 3; tile < Tiles::TileCount; ++tile)
        QCOMPARE(plan->sheet.copy(QRect(Tiles::sheetOrigin(tile), QSize(TileSize, TileSize))),
                 black);
}

void TestPictureTiles::planRefusesMoreThan256WithoutMerge()
{
    const PictureTiles::Cut cut = PictureTiles::cut(TilePictures::distinctTiles(20, 14, 257));
    QVERIFY(!PictureImport::plan(cut, false));
    const auto merged = PictureImport::plan(cut, true);
    QVERIFY(merged);
    QVERIFY(merged->merged);
    QCOMPARE(merged->distinctCount, 257);
    QCOMPARE(*std::max_element(merged->cells.begin(), merged->cells.end()), 255);
    QVERIFY(merged->psnr > 0 && std::isfinite(merged->psnr));
    QCOMPARE(merged->mergedText(),
             QStringLiteral("257 different tiles merged into 256; PSNR %1 dB against the picture.")
                 .arg(merged->psnr, 0, 'f', 1));
}

void TestPictureTiles::sizeBytes_data()
{
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("widthByte");
    QTest::addColumn<int>("heightByte");
    QTest::addColumn<int>("mapWidth");
    QTest::addColumn<int>("mapHeight");
    QTest::newRow("one tile") << 1 << 1 << 1 << 1 << 1 << 1;
    QTest::newRow("254 columns") << 254 << 128 << 254 << 128 << 254 << 128;
    QTest::newRow("full width, 10 rows") << 256 << 10 << 255 << 9 << 256 << 128;
    QTest::newRow("whole grid") << 256 << 128 << 255 << 127 << 256 << 128;
    QTest::newRow("full width, one row") << 256 << 1 << 255 << 0 << 256 << 128;
}

void TestPictureTiles::sizeBytes()
{
    QFETCH(int, columns);
    QFETCH(int, rows);
    PictureImport::Plan plan;
    plan.columns = columns;
    plan.rows = rows;
    QTEST(int(plan.widthByte()), "widthByte");
    QTEST(int(plan.heightByte()), "heightByte");
    QTEST(plan.mapWidth(), "mapWidth");
    QTEST(plan.mapHeight(), "mapHeight");
}

// 200 base tiles of random pixels, far apart from each other, and 1,000
// variants of them with every channel moved by at most 4, all shuffled over a
// picture of 1,200 cells.
void TestPictureTiles::mergeKeepsEachCellInItsGroup()
{
    constexpr int Bases = 200;
    constexpr int Variants = 1000;
    constexpr int Columns = 40;
    constexpr int Rows = 30;
    const QByteArray fixedSeed = qgetenv("TESSELWICK_MERGE_SEED");
    const quint32 seed =
        fixedSeed.isEmpty() ? QRandomGenerator::global()->generate() : fixedSeed.toUInt();
    qInfo("seed %u (TESSELWICK_MERGE_SEED=%u repeats this run)", seed, seed);
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> channel(0, 255);
    std::uniform_int_distribution<int> noise(-4, 4);

    std::vector<std::array<QRgb, PictureTiles::TilePixels>> tiles(Bases + Variants);
    std::vector<int> baseOf(Bases + Variants);
    for (int base = 0; base < Bases; ++base) {
        for (QRgb &pixel : tiles[base])
            pixel = qRgb(channel(random), channel(random), channel(random));
        baseOf[base] = base;
    }
    const auto nudge = [&](int value) { return std::clamp(value + noise(random), 0, 255); };
    for (int variant = Bases; variant < Bases + Variants; ++variant) {
        const int base = variant % Bases;
        baseOf[variant] = base;
        for (int pixel = 0; pixel < PictureTiles::TilePixels; ++pixel) {
            const QRgb from = tiles[base][pixel];
            tiles[variant][pixel] = qRgb(nudge(qRed(from)), nudge(qGreen(from)), nudge(qBlue(from)));
        }
    }
    std::vector<int> order(Bases + Variants);
    std::iota(order.begin(), order.end(), 0);
    std::shuffle(order.begin(), order.end(), random);

    QImage picture(Columns * TileSize, Rows * TileSize, QImage::Format_RGB32);
    for (int cell = 0; cell < Columns * Rows; ++cell)
        for (int pixel = 0; pixel < PictureTiles::TilePixels; ++pixel)
            picture.setPixel((cell % Columns) * TileSize + pixel % TileSize,
                             (cell / Columns) * TileSize + pixel / TileSize,
                             tiles[order[cell]][pixel]);

    const auto plan = PictureImport::plan(PictureTiles::cut(picture), true);
    QVERIFY(plan);
    QCOMPARE(plan->distinctCount, Bases + Variants);

    double squaredError = 0;
    for (int cell = 0; cell < Columns * Rows; ++cell) {
        const QPoint sheetAt = Tiles::sheetOrigin(plan->cells[cell]);
        const auto &base = tiles[baseOf[order[cell]]];
        for (int pixel = 0; pixel < PictureTiles::TilePixels; ++pixel) {
            const QRgb merged =
                plan->sheet.pixel(sheetAt.x() + pixel % TileSize, sheetAt.y() + pixel / TileSize);
            const QRgb original = tiles[order[cell]][pixel];
            // A tile of the cell's own group is within 4 of its base.
            const int apart = std::max({std::abs(qRed(merged) - qRed(base[pixel])),
                                        std::abs(qGreen(merged) - qGreen(base[pixel])),
                                        std::abs(qBlue(merged) - qBlue(base[pixel]))});
            if (apart > 4)
                QFAIL(qPrintable(QStringLiteral("cell %1 shows a tile of another group").arg(cell)));
            for (const int d : {qRed(merged) - qRed(original), qGreen(merged) - qGreen(original),
                                qBlue(merged) - qBlue(original)})
                squaredError += double(d) * d;
        }
    }
    const double psnr =
        TileMerge::psnr(squaredError, double(Columns) * Rows * PictureTiles::TilePixels * 3);
    qInfo("PSNR %.2f dB", psnr);
    QVERIFY2(psnr >= 39.0, qPrintable(QString::number(psnr)));
    QVERIFY(std::abs(plan->psnr - psnr) < 1e-9);
}

void TestPictureTiles::readRefuses_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<PictureImport::Picture::Status>("status");
    QTest::addColumn<QString>("problem");
    const auto encoded = [](QSize size, const char *format) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, format);
        return bytes;
    };
    using Status = PictureImport::Picture::Status;
    QTest::newRow("fits, PNG") << encoded(QSize(64, 32), "PNG") << Status::Loaded << QString();
    QTest::newRow("fits, BMP") << encoded(QSize(4096, 16), "BMP") << Status::Loaded << QString();
    QTest::newRow("not whole tiles")
        << encoded(QSize(40, 32), "PNG") << Status::NotWholeTiles
        << QStringLiteral(
               "The picture is 40 x 32 pixels: its width and height must be multiples of 16.");
    QTest::newRow("too wide") << encoded(QSize(4112, 16), "BMP") << Status::TooLarge
                              << QStringLiteral("The picture is 4112 x 16 pixels, larger than a "
                                                "whole map of 256 x 128 tiles (4096 x 2048 pixels).");
    QTest::newRow("too tall") << encoded(QSize(16, 2064), "PNG") << Status::TooLarge
                              << QStringLiteral("The picture is 16 x 2064 pixels, larger than a "
                                                "whole map of 256 x 128 tiles (4096 x 2048 pixels).");
    QTest::newRow("255 columns") << encoded(QSize(4080, 16), "PNG") << Status::Width255
                                 << PictureImport::Width255Message;
    QTest::newRow("cut short PNG") << encoded(QSize(64, 64), "PNG").left(80) << Status::Damaged
                                   << PictureImport::DamagedMessage;
    QTest::newRow("cut short BMP") << encoded(QSize(64, 64), "BMP").left(200) << Status::Damaged
                                   << PictureImport::DamagedMessage;
    QTest::newRow("no picture") << QByteArray("plain text") << Status::Damaged
                                << PictureImport::DamagedMessage;
}

void TestPictureTiles::readRefuses()
{
    QFETCH(QByteArray, file);
    QBuffer buffer(&file);
    buffer.open(QIODevice::ReadOnly);
    const PictureImport::Picture picture = PictureImport::read(buffer);
    QTEST(picture.status, "status");
    QTEST(picture.problem(), "problem");
    QCOMPARE(picture.image.isNull(), picture.status != PictureImport::Picture::Status::Loaded);
}

QTEST_GUILESS_MAIN(TestPictureTiles)
#include "tst_picturetiles.moc"
