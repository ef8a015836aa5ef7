// SPDX-License-Identifier: MIT
#include "core/state/EditorState.h"
#include "core/state/MapRoutines.h"
#include "mapfile/MapFileFormat.h"
#include "mapfile/MapFileIO.h"
#include "mapfile/MapLoading.h"
#include "tests/support/FileFaults.h"
#include "tests/support/NumberedSheet.h"
#include "tests/support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int FileSize = 32772;

// Four leading bytes and a grid whose every cell differs from its neighbours.
QByteArray mapBytes(int widthByte, int heightByte, int length = FileSize)
{
    QByteArray bytes(length, Qt::Uninitialized);
    const char head[] = {char(0x12), char(0x34), char(widthByte), char(heightByte)};
    for (int i = 0; i < length; ++i)
        bytes[i] = i < 4 ? head[i] : char((i * 7 + i / 256) % 251 + 1);
    return bytes;
}

// The bytes a file leaves behind once loaded: padded with zeros or cut to
// 32,772 bytes.
QByteArray asLoaded(const QByteArray &file)
{
    QByteArray bytes = file.left(FileSize);
    bytes.append(QByteArray(FileSize - bytes.size(), '\0'));
    return bytes;
}

} // namespace

class TestMapFileFormat : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void loadAndSaveBack_data();
    void loadAndSaveBack();
    void startUpMapSavesAsFullWidth();
    void loadRedrawsVisibleCells();
    void readTakesAtMostOneFile_data();
    void readTakesAtMostOneFile();
    void readFailures_data();
    void readFailures();
    void saveReplacesExistingFile();
    void failedSaveKeepsExistingFile();
};

void TestMapFileFormat::loadAndSaveBack_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<QSize>("canvas");

    QTest::newRow("255/127 is the full grid")
        << mapBytes(255, 127) << 256 << 128 << QSize(4096, 2048);
    QTest::newRow("255/40 keeps a short canvas")
        << mapBytes(255, 40) << 256 << 128 << QSize(4096, 656);
    QTest::newRow("255/0") << mapBytes(255, 0) << 256 << 128 << QSize(4096, 16);
    QTest::newRow("255/255") << mapBytes(255, 255) << 256 << 128 << QSize(4096, 4096);
    QTest::newRow("254/127") << mapBytes(254, 127) << 254 << 127 << QSize(4064, 2032);
    QTest::newRow("10x5 keeps hidden cells") << mapBytes(10, 5) << 10 << 5 << QSize(160, 80);
    QTest::newRow("1x1") << mapBytes(1, 1) << 1 << 1 << QSize(16, 16);
    QTest::newRow("254/128 fills the grid")
        << mapBytes(254, 128) << 254 << 128 << QSize(4064, 2048);
    QTest::newRow("width byte 0") << mapBytes(0, 5) << 1 << 5 << QSize(16, 80);
    QTest::newRow("height byte 0") << mapBytes(10, 0) << 10 << 1 << QSize(160, 16);
    QTest::newRow("height byte 129") << mapBytes(10, 129) << 10 << 128 << QSize(160, 2048);
    QTest::newRow("height byte 255") << mapBytes(200, 255) << 200 << 128 << QSize(3200, 2048);
    QTest::newRow("short file") << mapBytes(40, 25, 1000) << 40 << 25 << QSize(640, 400);
    QTest::newRow("long file") << mapBytes(40, 25, 40000) << 40 << 25 << QSize(640, 400);
    QTest::newRow("0-byte file") << QByteArray() << 1 << 1 << QSize(16, 16);
    QTest::newRow("3-byte file") << QByteArray("\xAA\xBB\x0A", 3) << 10 << 1 << QSize(160, 16);
    QTest::newRow("5-byte file") << QByteArray("\xAA\xBB\x0A\x05\x07", 5) << 10 << 5
                                 << QSize(160, 80);
}

// Loading puts the working size and canvas of the width-255 rule and the
// clamps in place, and saving at once gives back the file's first 32,772
// bytes exactly (zeros where it was short), header and size bytes included.
void TestMapFileFormat::loadAndSaveBack()
{
    QFETCH(QByteArray, file);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(QSize, canvas);
    EditorState state;
    state.tileMap.fill(99);
    state.selectedTile = 42;
    resetMap(state);

    MapFile::applyLoadedMap(state, MapFile::decode(file));

    QCOMPARE(int(state.mapWidth), width);
    QCOMPARE(int(state.mapHeight), height);
    QCOMPARE(state.mapCanvas.size(), canvas);
    QCOMPARE(state.statusText(EditorState::SizePanel),
             QStringLiteral("Size: %1x%2").arg(width).arg(height));
    QCOMPARE(state.selectedTile, 42);
    const QByteArray saved = MapFile::encode(state);
    QCOMPARE(saved.size(), FileSize);
    QCOMPARE(saved, asLoaded(file));
}

void TestMapFileFormat::startUpMapSavesAsFullWidth()
{
    EditorState state;
    resetMap(state);
    const QByteArray saved = MapFile::encode(state);
    QCOMPARE(saved, QByteArray("\xFE\x4F\xFF\x7F", 4) + QByteArray(32768, '\0'));

    MapFile::applyLoadedMap(state, MapFile::decode(saved));
    QCOMPARE(int(state.mapWidth), 256);
    QCOMPARE(int(state.mapHeight), 128);
    QCOMPARE(state.statusText(EditorState::SizePanel), QStringLiteral("Size: 256x128"));
}

void TestMapFileFormat::loadRedrawsVisibleCells()
{
    EditorState state;
    state.tileSheet.setPicture(NumberedSheet::sheet());
    resetMap(state);
    const QByteArray file = mapBytes(255, 40);

    MapFile::applyLoadedMap(state, MapFile::decode(file));

    const QImage &canvas = state.mapCanvas.image();
    for (int row = 0; row < 41; ++row)
        for (int column = 0; column < 256; ++column) {
            const int tile = quint8(file[4 + row * 256 + column]);
            const QPoint centre = Tiles::cellOrigin(column, row) + QPoint(8, 8);
            QCOMPARE(canvas.pixel(centre), NumberedSheet::tileColour(tile));
        }
}

void TestMapFileFormat::readTakesAtMostOneFile_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("read");
    QTest::newRow("empty") << 0 << 0;
    QTest::newRow("short") << 10 << 10;
    QTest::newRow("exact") << FileSize << FileSize;
    QTest::newRow("long") << 100000 << FileSize;
}

void TestMapFileFormat::readTakesAtMostOneFile()
{
    QFETCH(int, length);
    QFETCH(int, read);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.map"));
    TestFiles::write(path, mapBytes(1, 2, length));

    QByteArray bytes;
    QVERIFY(MapFile::read(path, &bytes).succeeded());
    QCOMPARE(bytes, mapBytes(1, 2, length).left(read));
}

void TestMapFileFormat::readFailures_data()
{
    FileFaults::addReadFailureRows();
}

void TestMapFileFormat::readFailures()
{
    QFETCH(QString, name);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("folder.map"));
    TestFiles::write(dir.filePath(QStringLiteral("plain.map")), mapBytes(1, 1));
    TestFiles::write(dir.filePath(QStringLiteral("locked.map")), mapBytes(1, 1));
    const QString path = QDir::isAbsolutePath(name) ? name : dir.filePath(name);
    if (name == QStringLiteral("locked.map") && !FileFaults::makeUnreadable(path))
        QSKIP("permissions do not stop this user from reading");

    QByteArray bytes("untouched");
    const FileResult result = MapFile::read(path, &bytes);
    QVERIFY(!result.succeeded());
    QCOMPARE(result.reason(), reason);
    QCOMPARE(result.fileName(), path);
    QCOMPARE(bytes, QByteArray("untouched"));
}

void TestMapFileFormat::saveReplacesExistingFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.map"));
    TestFiles::write(path, QByteArray("an older, shorter file"));
    const QByteArray bytes = mapBytes(30, 20);

    QVERIFY(MapFile::save(path, bytes).succeeded());
    QCOMPARE(TestFiles::readAll(path), bytes);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("a.map")});
}

// Saves go through the atomic write, whose failures its own test covers: a
// disk that fills up part way reports it and keeps the existing file.
void TestMapFileFormat::failedSaveKeepsExistingFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.map"));
    const QByteArray existing = mapBytes(7, 7);
    TestFiles::write(path, existing);

    FileResult result;
    {
        const FileFaults::FileSizeLimit fullDisk(1000);
        result = MapFile::save(path, mapBytes(9, 9));
    }
    QVERIFY(!result.succeeded());
    QCOMPARE(result.fileName(), path);
    QCOMPARE(result.reason(),
             QStringLiteral("only 1000 of 32772 bytes could be written; the disk may be full"));
    QCOMPARE(TestFiles::readAll(path), existing);
}

QTEST_GUILESS_MAIN(TestMapFileFormat)
#include "tst_mapfileformat.moc"
