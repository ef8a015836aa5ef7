// SPDX-License-Identifier: MIT
// Recovery copies: what one holds survives the file whole, a damaged one is
// told apart, and each editor's copies stay its own.
#include "core/files/RecoveryCopy.h"
#include "core/files/RecoveryFolder.h"
#include "tests/support/TestFiles.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

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
    return contents;
}

QStringList names(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

} // namespace

class TestRecoveryCopy : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void contentsSurvive_data();
    void contentsSurvive();
    void damagedCopiesAreRefused_data();
    void damagedCopiesAreRefused();
    void runningEditorsKeepTheirCopies();
    void leftCopyIsTakenOnce();
    void leftCopyRemovedOrMovedAside();
};

void TestRecoveryCopy::contentsSurvive_data()
{
    QTest::addColumn<bool>("withSheet");
    QTest::newRow("built-in sheet") << false;
    QTest::newRow("sheet of its own") << true;
}

void TestRecoveryCopy::contentsSurvive()
{
    QFETCH(bool, withSheet);
    const RecoveryCopy::Contents contents = sample(withSheet);
    const std::optional<RecoveryCopy::Contents> read =
        RecoveryCopy::decode(RecoveryCopy::encode(contents));
    QVERIFY(read);
    QCOMPARE(read->mapFile, contents.mapFile);
    QCOMPARE(read->tileSheet, contents.tileSheet);
    QCOMPARE(read->mapText, contents.mapText);
    QCOMPARE(read->pickerCaption, contents.pickerCaption);
}

void TestRecoveryCopy::damagedCopiesAreRefused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray whole = RecoveryCopy::encode(sample(true));
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("cut short") << whole.first(whole.size() / 2);
    QTest::newRow("last byte missing") << whole.chopped(1);
    QTest::newRow("one byte more") << whole + 'x';
    QByteArray flipped = whole;
    flipped[whole.size() / 3] = char(flipped[whole.size() / 3] ^ 0x10);
    QTest::newRow("a byte changed") << flipped;
    QTest::newRow("a map file") << QByteArray(32772, '\x4f');
    // Whole by its sum, but a map of the wrong length is no map.
    RecoveryCopy::Contents shortMap = sample(false);
    shortMap.mapFile.chop(1);
    QTest::newRow("map one byte short") << RecoveryCopy::encode(shortMap);
}

void TestRecoveryCopy::damagedCopiesAreRefused()
{
    QFETCH(QByteArray, bytes);
    QVERIFY(!RecoveryCopy::decode(bytes));
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
