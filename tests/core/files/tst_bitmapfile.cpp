// SPDX-License-Identifier: MIT
// Writing bitmap files: the format standard readers expect, names used as
// given, and old files kept when a write fails.
#include "core/files/BitmapExport.h"
#include "tests/support/FileFaults.h"
#include "tests/support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <QtEndian>

namespace {

QImage pattern(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(x * 9 % 256, y * 5 % 256, 200));
    return image;
}

} // namespace

class TestBitmapFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writesUncompressed24BitBitmap_data();
    void writesUncompressed24BitBitmap();
    void nameIsUsedAsGiven();
    void replacesAnExistingFile();
    void failedWriteKeepsTheOldFile_data();
    void failedWriteKeepsTheOldFile();
};

void TestBitmapFile::writesUncompressed24BitBitmap_data()
{
    QTest::addColumn<QImage::Format>("bandFormat");
    QTest::addColumn<bool>("banded");
    QTest::newRow("whole picture") << QImage::Format_RGB32 << false;
    QTest::newRow("32-bit bands") << QImage::Format_RGB32 << true;
    QTest::newRow("bands in the file's pixel layout") << QImage::Format_BGR888 << true;
    QTest::newRow("other bands") << QImage::Format_RGB888 << true;
}

void TestBitmapFile::writesUncompressed24BitBitmap()
{
    QFETCH(QImage::Format, bandFormat);
    QFETCH(bool, banded);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("map.bmp"));
    // 10 pixels of 3 bytes make rows that need padding to 32 bytes.
    const QImage picture = pattern(QSize(10, 7));
    const PictureBand bands = [&](int first, int count) {
        return picture.copy(0, first, picture.width(), count).convertToFormat(bandFormat);
    };
    QVERIFY((banded ? writeBitmapFile(picture.size(), bands, path) : writeBitmapFile(picture, path))
                .succeeded());

    const QByteArray bytes = TestFiles::readAll(path);
    QVERIFY(bytes.startsWith("BM"));
    const auto field16 = [&bytes](int offset) {
        return qFromLittleEndian<quint16>(bytes.constData() + offset);
    };
    const auto field32 = [&bytes](int offset) {
        return qFromLittleEndian<qint32>(bytes.constData() + offset);
    };
    QCOMPARE(field32(18), 10); // width
    QCOMPARE(field32(22), 7);  // height, positive: rows stored bottom-up
    QCOMPARE(field16(28), 24); // bits a pixel
    QCOMPARE(field32(30), 0);  // no compression
    QCOMPARE(bytes.size(), field32(10) + 7 * 32);
    for (int row = 0; row < 7; ++row)
        QCOMPARE(bytes.mid(field32(10) + row * 32 + 30, 2), QByteArray(2, '\0'));

    QImage read;
    QVERIFY(read.load(path));
    QCOMPARE(read.convertToFormat(QImage::Format_RGB32), picture);
}

void TestBitmapFile::nameIsUsedAsGiven()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("no extension"));
    QVERIFY(writeBitmapFile(pattern(QSize(4, 4)), path).succeeded());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
             QStringList({QStringLiteral("no extension")}));
}

void TestBitmapFile::replacesAnExistingFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("map.bmp"));
    TestFiles::write(path, "an older file");
    const QImage picture = pattern(QSize(3, 2));
    QVERIFY(writeBitmapFile(picture, path).succeeded());
    QImage read;
    QVERIFY(read.load(path, "BMP"));
    QCOMPARE(read.convertToFormat(QImage::Format_RGB32), picture);
}

// The bitmap's own ways to fail part way: the writer refusing the picture
// once the file is open, and the rows running into a full disk. Failures of
// the file itself are the atomic write's, tested with it.
void TestBitmapFile::failedWriteKeepsTheOldFile_data()
{
    QTest::addColumn<QImage>("picture");
    QTest::addColumn<QString>("reason");
    QTest::newRow("empty picture") << QImage() << QStringLiteral("The picture is empty.");
    // Room for the headers and a few rows, not for the whole picture.
    QTest::newRow("full disk") << pattern(QSize(256, 256))
                               << QStringLiteral("only 4096 of 196662 bytes could be written; "
                                                 "the disk may be full");
}

void TestBitmapFile::failedWriteKeepsTheOldFile()
{
    QFETCH(QImage, picture);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("map.bmp"));
    TestFiles::write(path, "old");

    FileResult result;
    {
        const FileFaults::FileSizeLimit fullDisk(4096);
        result = writeBitmapFile(picture, path);
    }

    QVERIFY(!result.succeeded());
    QCOMPARE(result.reason(), reason);
    QCOMPARE(result.fileName(), path);
    QCOMPARE(TestFiles::readAll(path), QByteArray("old"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({QStringLiteral("map.bmp")}));
}

QTEST_APPLESS_MAIN(TestBitmapFile)
#include "tst_bitmapfile.moc"
