// SPDX-License-Identifier: MIT
// The committed artwork must be exactly what the generator draws, in the file formats the
// editor reads.

#include "tools/artgen/Banner.h"
#include "tools/artgen/Icons.h"
#include "tools/artgen/Scenes.h"
#include "tools/artgen/TileSheet.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTest>
#include <QXmlStreamReader>

using namespace ArtGen;

namespace {

const QDir resources(QStringLiteral(RESOURCES_DIR));

QByteArray readResource(const QString &name)
{
    QFile file(resources.filePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

quint32 littleEndian(const QByteArray &bytes, int offset, int size)
{
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | quint8(bytes[offset + i]);
    return value;
}

} // namespace

class ArtworkTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void bitmapsAreUncompressed24Bit_data();
    void bitmapsAreUncompressed24Bit();
    void imagesMatchTheGenerator();
    void tileSheetPaddingIsBlack();
    void sampleMapMatchesTheGenerator();
    void resourceListNamesExistingFiles();
};

void ArtworkTest::bitmapsAreUncompressed24Bit_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("tile sheet") << QStringLiteral("tileset.bmp") << 512 << 130;
    QTest::newRow("banner") << QStringLiteral("banner.bmp") << 1200 << 45;
    QTest::newRow("credits backdrop") << QStringLiteral("credits_backdrop.bmp") << 530 << 275;
}

void ArtworkTest::bitmapsAreUncompressed24Bit()
{
    QFETCH(QString, name);
    QFETCH(int, width);
    QFETCH(int, height);
    const QByteArray bmp = readResource(name);
    QVERIFY2(bmp.size() > 54, qPrintable(name));
    QCOMPARE(bmp.left(2), QByteArray("BM"));
    QCOMPARE(int(littleEndian(bmp, 18, 4)), width);
    QCOMPARE(int(littleEndian(bmp, 22, 4)), height); // positive: stored bottom-up
    QCOMPARE(littleEndian(bmp, 28, 2), 24u);
    QCOMPARE(littleEndian(bmp, 30, 4), 0u);
}

void ArtworkTest::imagesMatchTheGenerator()
{
    const QImage sheet = tileSheetImage(buildTileSet());
    const std::pair<QString, QImage> expected[] = {
        {QStringLiteral("tileset.bmp"), sheet},
        {QStringLiteral("banner.bmp"), banner()},
        {QStringLiteral("credits_backdrop.bmp"), creditsBackdrop(sheet)},
        {QStringLiteral("icons/tesselwick.png"), applicationIcon(2)},
        {QStringLiteral("icons/tesselwick-16.png"), applicationIcon(1)},
        {QStringLiteral("icons/tesselwick-48.png"), applicationIcon(3)},
        {QStringLiteral("icons/tesselwick-64.png"), applicationIcon(4)},
        {QStringLiteral("icons/tesselwick-128.png"), applicationIcon(8)},
        {QStringLiteral("icons/tesselwick-256.png"), applicationIcon(16)},
        {QStringLiteral("icons/preview.png"), previewIcon(2)},
    };
    for (const auto &[name, image] : expected) {
        const QImage committed(resources.filePath(name));
        QVERIFY2(!committed.isNull(), qPrintable(name));
        QVERIFY2(committed.convertToFormat(QImage::Format_ARGB32) ==
                     image.convertToFormat(QImage::Format_ARGB32),
                 qPrintable(name +
                            QStringLiteral(" differs from the generator's output; regenerate it")));
    }
    QCOMPARE(QImage(resources.filePath(QStringLiteral("icons/tesselwick.png"))).size(),
             QSize(32, 32));
}

void ArtworkTest::tileSheetPaddingIsBlack()
{
    const QImage sheet(resources.filePath(QStringLiteral("tileset.bmp")));
    for (int y = 128; y < sheet.height(); ++y)
        for (int x = 0; x < sheet.width(); ++x)
            QCOMPARE(sheet.pixel(x, y), qRgb(0, 0, 0));
}

void ArtworkTest::sampleMapMatchesTheGenerator()
{
    const QByteArray map = readResource(QStringLiteral("sample.map"));
    QCOMPARE(map.size(), 4 + 256 * 128);
    QCOMPARE(quint8(map[0]), quint8(0xfe));
    QCOMPARE(quint8(map[1]), quint8(0x4f));
    QCOMPARE(quint8(map[2]), quint8(40));
    QCOMPARE(quint8(map[3]), quint8(25));
    QVERIFY2(map == sampleScene().fileBytes(), "sample.map differs from the generator's output");
}

void ArtworkTest::resourceListNamesExistingFiles()
{
    QXmlStreamReader qrc(readResource(QStringLiteral("art.qrc")));
    QStringList aliases;
    while (!qrc.atEnd()) {
        if (qrc.readNext() != QXmlStreamReader::StartElement || qrc.name() != QLatin1String("file"))
            continue;
        const QString alias = qrc.attributes().value(QLatin1String("alias")).toString();
        const QString file = qrc.readElementText();
        QVERIFY2(QFile::exists(resources.filePath(file)), qPrintable(file));
        aliases << alias;
    }
    QVERIFY2(!qrc.hasError(), qPrintable(qrc.errorString()));
    for (const char *alias : {"tileset.bmp", "banner.bmp", "credits_backdrop.bmp", "sample.map",
                              "icons/tesselwick.png", "icons/preview.png"})
        QVERIFY2(aliases.contains(QLatin1String(alias)), alias);
}

QTEST_GUILESS_MAIN(ArtworkTest)
#include "tst_artwork.moc"
