// SPDX-License-Identifier: MIT
// Recovery copies: what one holds survives the file whole, a damaged one is
// told apart, and each editor's copies stay its own.
#include "core/files/RecoveryCopy.h"
#include "core/files/RecoveryFolder.h"
#include "tests/support/TestFiles.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

namespace {

RecoveryCopy::Contents sample(bool withSheet)
{
    RecoveryCopy::Contents contents;
    contents.mapFile = QByteArray(32772, '\0');
    for (int i = 0; i < contents.mapFile.size(); ++i)
        contents.mapFile[i] = char(i * 7 % 251);
    if (withSheet) {
        contents.tileSheet = QImage(512, 128, QImage::Format_RGB32);
        for (int y = 0; y < 128; ++y)
            for (int x = 0; x < 512; ++x)
                contents.tileSheet.setPixel(x, y, qRgb(x % 256, y * 2, (x ^ y) % 256));
    }
    contents.mapText = QStringLiteral("Map: forest & lake.map");
    contents.pickerCaption = QStringLiteral("Using dungeon.png TileSet");
    contents.mapSize = QSize(255, 127);
    contents.cursorText = QStringLiteral("Cursor Loc: 12, 5");
    contents.selectedTile = 255;
    return contents;
}

// What the copies in tests/core/files/data/recovery hold, one for each version
// ever written: the start-up map with two cells painted, on a sheet of one
// colour a tile.
RecoveryCopy::Contents kept(int version)
{
    RecoveryCopy::Contents contents;
    contents.mapFile = QByteArray(32772, '\0');
    contents.mapFile[0] = char(0xFE);
    contents.mapFile[1] = char(0x4F);
    contents.mapFile[2] = char(255);
    contents.mapFile[3] = char(127);
    contents.mapFile[4 + 2 * 256 + 7] = char(200);
    contents.mapFile[4 + 126 * 256 + 254] = char(77);
    contents.tileSheet = QImage(512, 128, QImage::Format_RGB32);
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 512; ++x) {
            const int tile = y / 16 * 32 + x / 16;
            contents.tileSheet.setPixel(x, y, qRgb(tile, 255 - tile, tile * 37 % 256));
        }
    contents.mapText = QStringLiteral("Map: Blank Map");
    contents.pickerCaption = QStringLiteral("Using flat.png TileSet");
    if (version >= 2) {
        contents.mapSize = QSize(255, 127);
        contents.cursorText = QStringLiteral("Cursor Loc: 254, 126");
        contents.selectedTile = 77;
    }
    return contents;
}

// Field by field, so a failure names the field.
void compareRead(const std::optional<RecoveryCopy::Contents> &read,
                 const RecoveryCopy::Contents &expected)
{
    QVERIFY(read);
    QCOMPARE(read->mapFile, expected.mapFile);
    QCOMPARE(read->tileSheet, expected.tileSheet);
    QCOMPARE(read->mapText, expected.mapText);
    QCOMPARE(read->pickerCaption, expected.pickerCaption);
    QCOMPARE(read->mapSize, expected.mapSize);
    QCOMPARE(read->cursorText, expected.cursorText);
    QCOMPARE(read->selectedTile, expected.selectedTile);
}

QString keptPath(int version)
{
    return QStringLiteral(TESSELWICK_TEST_DATA "/recovery/version%1.copy").arg(version);
}

// A copy framed as every version frames it (mark, fields, sum) around
// fields written by the test, so a copy whole by its sum can hold anything.
QByteArray framed(const QByteArray &mark, const std::function<void(QDataStream &)> &fields)
{
    QByteArray bytes = mark;
    {
        QDataStream stream(&bytes, QIODevice::Append);
        stream.setVersion(QDataStream::Qt_6_0);
        fields(stream);
    }
    return bytes + QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

// Version 2's fields with the given size and selected tile.
QByteArray version2(QSize size, qint16 tile)
{
    return framed("Tesselwick recovery copy 2\n", [&](QDataStream &stream) {
        stream << QByteArray(32772, '\0') << QByteArray() << QStringLiteral("Map: Blank Map")
               << QStringLiteral("Using Default TileSet") << size << QString() << tile;
    });
}

QStringList names(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

} // namespace

Q_DECLARE_METATYPE(RecoveryCopy::Contents)

class TestRecoveryCopy : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void contentsSurvive_data();
    void contentsSurvive();
    void everyVersionLoads_data();
    void everyVersionLoads();
    void damagedCopiesAreRefused_data();
    void damagedCopiesAreRefused();
    void runningEditorsKeepTheirCopies();
    void leftCopyIsTakenOnce();
    void leftCopyRemovedOrMovedAside();
};

void TestRecoveryCopy::contentsSurvive_data()
{
    QTest::addColumn<RecoveryCopy::Contents>("contents");
    QTest::newRow("built-in sheet") << sample(false);
    QTest::newRow("sheet of its own") << sample(true);
    RecoveryCopy::Contents loaded = sample(false);
    loaded.mapSize = QSize(256, 128);
    loaded.cursorText = QStringLiteral("Cursor Location");
    loaded.selectedTile = 0;
    QTest::newRow("whole grid, tile 0, cursor not on the map yet") << loaded;
    RecoveryCopy::Contents smallest = sample(false);
    smallest.mapSize = QSize(1, 1);
    QTest::newRow("one cell") << smallest;
    RecoveryCopy::Contents unknown = sample(true);
    unknown.mapSize.reset();
    unknown.cursorText.reset();
    unknown.selectedTile.reset();
    QTest::newRow("size, cursor and tile not kept") << unknown;
}

void TestRecoveryCopy::contentsSurvive()
{
    QFETCH(RecoveryCopy::Contents, contents);
    const QByteArray bytes = RecoveryCopy::encode(contents);
    QVERIFY(bytes.startsWith("Tesselwick recovery copy 2\n"));
    compareRead(RecoveryCopy::decode(bytes), contents);
}

void TestRecoveryCopy::everyVersionLoads_data()
{
    QTest::addColumn<int>("version");
    for (int version = 1; version <= RecoveryCopy::Version; ++version)
        QTest::addRow("version %d", version) << version;
}

// A copy that an editor of any earlier version left still loads, with what
// its version kept; the fields it is too old for are "not kept".
void TestRecoveryCopy::everyVersionLoads()
{
    QFETCH(int, version);
    const QByteArray bytes = TestFiles::readAll(keptPath(version));
    QVERIFY2(bytes.startsWith("Tesselwick recovery copy " + QByteArray::number(version) + '\n'),
             qPrintable(keptPath(version)));
    compareRead(RecoveryCopy::decode(bytes), kept(version));
}

void TestRecoveryCopy::damagedCopiesAreRefused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    const QString damaged = RecoveryCopy::Damaged;
    const QByteArray whole = RecoveryCopy::encode(sample(true));
    QTest::newRow("empty") << QByteArray() << damaged;
    QTest::newRow("cut short") << whole.first(whole.size() / 2) << damaged;
    QTest::newRow("last byte missing") << whole.chopped(1) << damaged;
    QTest::newRow("one byte more") << whole + 'x' << damaged;
    QByteArray flipped = whole;
    flipped[whole.size() / 3] = char(flipped[whole.size() / 3] ^ 0x10);
    QTest::newRow("a byte changed") << flipped << damaged;
    QTest::newRow("a map file") << QByteArray(32772, '\x4f') << damaged;
    // Whole by their sums, but not what any version writes.
    RecoveryCopy::Contents shortMap = sample(false);
    shortMap.mapFile.chop(1);
    QTest::newRow("map one byte short") << RecoveryCopy::encode(shortMap) << damaged;
    const QByteArray v1Fields = TestFiles::readAll(keptPath(1)).sliced(27).chopped(32);
    const auto withMark = [&](const char *mark) {
        return framed(mark,
                      [&](QDataStream &stream) { stream.writeRawData(v1Fields, v1Fields.size()); });
    };
    QVERIFY(withMark("Tesselwick recovery copy 1\n") == TestFiles::readAll(keptPath(1)));
    QTest::newRow("version 0") << withMark("Tesselwick recovery copy 0\n") << damaged;
    QTest::newRow("version 01") << withMark("Tesselwick recovery copy 01\n") << damaged;
    QTest::newRow("no version") << withMark("Tesselwick recovery copy \n") << damaged;
    QTest::newRow("no line end") << withMark("Tesselwick recovery copy 1") << damaged;
    QTest::newRow("version 2 holding version 1")
        << withMark("Tesselwick recovery copy 2\n") << damaged;
    QTest::newRow("width 0") << version2(QSize(0, 127), 0) << damaged;
    QTest::newRow("width 257") << version2(QSize(257, 127), 0) << damaged;
    QTest::newRow("height 129") << version2(QSize(255, 129), 0) << damaged;
    QTest::newRow("tile 256") << version2(QSize(255, 127), 256) << damaged;
    QTest::newRow("tile -2") << version2(QSize(255, 127), -2) << damaged;
    // A later editor's copy holds what this one cannot read: not loaded in
    // part, and told apart from damage.
    QTest::newRow("next version") << withMark(QByteArray(
                                         "Tesselwick recovery copy " +
                                         QByteArray::number(RecoveryCopy::Version + 1) + '\n'))
                                  << RecoveryCopy::TooNew;
}

void TestRecoveryCopy::damagedCopiesAreRefused()
{
    QFETCH(QByteArray, bytes);
    QString whyNot;
    QVERIFY(!RecoveryCopy::decode(bytes, &whyNot));
    QTEST(whyNot, "reason");
}

// Two editors at once: neither takes the copy of the other while it runs.
void TestRecoveryCopy::runningEditorsKeepTheirCopies()
{
    QTemporaryDir folder;
    RecoveryFolder first(folder.path());
    RecoveryFolder second(folder.path());
    QVERIFY(first.write("one").succeeded());
    QVERIFY(second.write("two").succeeded());
    QVERIFY(first.ownPath() != second.ownPath());

    QVERIFY(first.takeLeftCopies().empty());
    QVERIFY(second.takeLeftCopies().empty());
    QCOMPARE(TestFiles::readAll(first.ownPath()), QByteArray("one"));
    QCOMPARE(TestFiles::readAll(second.ownPath()), QByteArray("two"));

    first.removeOwn();
    QVERIFY(!QFileInfo::exists(first.ownPath()));
    QVERIFY(QFileInfo::exists(second.ownPath()));
}

// An editor gone without removing its copy leaves it; the first editor to
// look takes it, and one starting at the same time does not get it too.
void TestRecoveryCopy::leftCopyIsTakenOnce()
{
    QTemporaryDir folder;
    QString leftPath;
    {
        RecoveryFolder gone(folder.path());
        QVERIFY(gone.write("left").succeeded());
        leftPath = gone.ownPath();
    }
    QVERIFY(QFileInfo::exists(leftPath));

    RecoveryFolder next(folder.path());
    RecoveryFolder alongside(folder.path());
    std::vector<RecoveryFolder::LeftCopy> taken = next.takeLeftCopies();
    QCOMPARE(taken.size(), size_t(1));
    QCOMPARE(taken.front().path(), leftPath);
    QByteArray bytes;
    QVERIFY(taken.front().read(&bytes).succeeded());
    QCOMPARE(bytes, QByteArray("left"));
    QVERIFY(alongside.takeLeftCopies().empty());

    // Let go untouched, it is there for the next start.
    taken.clear();
    QCOMPARE(alongside.takeLeftCopies().size(), size_t(1));
}

void TestRecoveryCopy::leftCopyRemovedOrMovedAside()
{
    QTemporaryDir folder;
    for (const char *content : {"kept", "damaged"}) {
        RecoveryFolder gone(folder.path());
        QVERIFY(gone.write(content).succeeded());
        // Two copies written within one tick of the file system's clock
        // have the same time, and either could come first: the first copy,
        // alone in the folder yet, is made a minute older.
        if (QByteArrayView(content) == "kept") {
            const QFileInfoList copies =
                QDir(folder.path()).entryInfoList({QStringLiteral("*.recovery")}, QDir::Files);
            QCOMPARE(copies.size(), 1);
            QFile file(copies.front().filePath());
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-60),
                                     QFileDevice::FileModificationTime));
        }
    }
    RecoveryFolder next(folder.path());
    std::vector<RecoveryFolder::LeftCopy> taken = next.takeLeftCopies();
    QCOMPARE(taken.size(), size_t(2));
    QByteArray first;
    QVERIFY(taken.at(0).read(&first).succeeded());
    QCOMPARE(first, QByteArray("kept")); // oldest first
    const QString removed = taken.at(0).path();
    taken.at(0).remove();
    const QString aside = taken.at(1).moveAside();

    QVERIFY(!QFileInfo::exists(removed));
    QVERIFY(aside.endsWith(QStringLiteral(".damaged")));
    QCOMPARE(TestFiles::readAll(aside), QByteArray("damaged"));
    QCOMPARE(names(folder.path()), QStringList{QFileInfo(aside).fileName()});
    QVERIFY(RecoveryFolder(folder.path()).takeLeftCopies().empty());
}

QTEST_GUILESS_MAIN(TestRecoveryCopy)
#include "tst_recoverycopy.moc"
