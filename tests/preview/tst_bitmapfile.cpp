// SPDX-License-Identifier: MIT
// Writing bitmap files: the format standard readers expect, names used as
// given, and old files kept when a write fails.
#include "core/BitmapExport.h"
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
    void writesUncompressed24BitBitmap();
    void nameIsUsedAsGiven();
    void replacesAnExistingFile();
    void failedWriteKeepsTheOldFile();
    void folderThatCannotExist();
    void fullDiskKeepsTheOldFile();
    void pipeIsNotReplaced();
};

void TestBitmapFile::writesUncompressed24BitBitmap()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("map.bmp"));
    // 10 pixels of 3 bytes make rows that need padding to 32 bytes.
    const QImage picture = pattern(QSize(10, 7));
    QCOMPARE(writeBitmapFile(picture, path), QString());

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

    QImage read;
    QVERIFY(read.load(path));
    QCOMPARE(read.convertToFormat(QImage::Format_RGB32), picture);
}

void TestBitmapFile::nameIsUsedAsGiven()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("no extension"));
    QCOMPARE(writeBitmapFile(pattern(QSize(4, 4)), path), QString());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files),
             QStringList({QStringLiteral("no extension")}));
}

void TestBitmapFile::replacesAnExistingFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("map.bmp"));
    TestFiles::write(path, "an older file");
    const QImage picture = pattern(QSize(3, 2));
    QCOMPARE(writeBitmapFile(picture, path), QString());
    QImage read;
    QVERIFY(read.load(path, "BMP"));
    QCOMPARE(read.convertToFormat(QImage::Format_RGB32), picture);
}

void TestBitmapFile::failedWriteKeepsTheOldFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("map.bmp"));
    TestFiles::write(path, "old");
    // An empty picture makes the writer fail once the file is open.
    QVERIFY(!writeBitmapFile(QImage(), path).isEmpty());
    QCOMPARE(TestFiles::readAll(path), QByteArray("old"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({QStringLiteral("map.bmp")}));
}

void TestBitmapFile::folderThatCannotExist()
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("plain"));
    TestFiles::write(file, "old");
    // A folder under a plain file cannot be made, not even by root.
    const QString reason = writeBitmapFile(pattern(QSize(2, 2)), file + QStringLiteral("/x.bmp"));
    QVERIFY(!reason.isEmpty());
    QCOMPARE(TestFiles::readAll(file), QByteArray("old"));
}

void TestBitmapFile::fullDiskKeepsTheOldFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("map.bmp"));
    TestFiles::write(path, "old");
    QString reason;
    {
        // Room for the headers and a few rows, not for the whole picture.
        const FileFaults::FileSizeLimit fullDisk(4096);
        reason = writeBitmapFile(pattern(QSize(256, 256)), path);
    }
    // 54 bytes of headers and 256 rows of 768.
    QCOMPARE(reason,
             QStringLiteral("only 4096 of 196662 bytes could be written; the disk may be full"));
    QCOMPARE(TestFiles::readAll(path), QByteArray("old"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({QStringLiteral("map.bmp")}));
}

void TestBitmapFile::pipeIsNotReplaced()
{
    const QString pipe = FileFaults::pipeWithoutWriter();
    QVERIFY(!writeBitmapFile(pattern(QSize(2, 2)), pipe).isEmpty());
    QVERIFY(QFileInfo(pipe).exists() && !QFileInfo(pipe).isFile());
}

QTEST_APPLESS_MAIN(TestBitmapFile)
#include "tst_bitmapfile.moc"
