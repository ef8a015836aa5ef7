// SPDX-License-Identifier: MIT
// Writing a file whole or not at all: every way a write can fail leaves what
// was there before, and says why.
#include "core/files/AtomicFile.h"
#include "tests/support/FileFaults.h"
#include "tests/support/TestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray Content(32772, 'm');

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

} // namespace

class TestAtomicFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writesTheWholeContent_data();
    void writesTheWholeContent();
    void failures_data();
    void failures();
    void writersFailureKeepsTheOldFile();
    void deviceFailsBeforeTheWriter();
    void setFailingPartWayChangesNoFile();
    void setWithMadeContent();
};

// A new file and one that replaces a longer or a shorter one, with no
// temporary file left beside it.
void TestAtomicFile::writesTheWholeContent_data()
{
    QTest::addColumn<QByteArray>("existing");
    QTest::newRow("new file") << QByteArray();
    QTest::newRow("replaces a shorter file") << QByteArray("an older, shorter file");
    QTest::newRow("replaces a longer file") << QByteArray(40000, 'o');
}

void TestAtomicFile::writesTheWholeContent()
{
    QFETCH(QByteArray, existing);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.map"));
    if (!existing.isEmpty())
        TestFiles::write(path, existing);

    const FileResult result = AtomicFile::write(path, Content);

    QVERIFY(result.succeeded());
    QCOMPARE(TestFiles::readAll(path), Content);
    QCOMPARE(entries(dir.path()), QStringList{QStringLiteral("a.map")});
}

// Every row fails with its reason and the file's name, and leaves the folder
// as it was: no temporary file, the file beside untouched, and a pipe or a
// device never replaced by a regular file.
void TestAtomicFile::failures_data()
{
    FileFaults::addSaveFailureRows();
    QTest::newRow("device") << QStringLiteral("/dev/null") << QStringLiteral("Not a regular file");
    QTest::newRow("full disk") << QStringLiteral("plain.map")
                               << QStringLiteral("only 1000 of 32772 bytes could be written; "
                                                 "the disk may be full");
}

void TestAtomicFile::failures()
{
    QFETCH(QString, name);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("folder.map"));
    const QString plain = dir.filePath(QStringLiteral("plain.map"));
    TestFiles::write(plain, QByteArray("plain"));
    if (name.startsWith(QStringLiteral("locked/")) &&
        !FileFaults::makeReadOnlyFolder(dir.filePath(QStringLiteral("locked"))))
        QSKIP("permissions do not stop this user from writing");
    const QStringList before = entries(dir.path());
    const QString path = QDir::isAbsolutePath(name) ? name : dir.filePath(name);
    const QFileInfo target(path);
    const bool special = target.exists() && !target.isFile() && !target.isDir();

    FileResult result;
    {
        // Only the full-disk row writes anything that the limit could stop.
        const FileFaults::FileSizeLimit fullDisk(1000);
        result = AtomicFile::write(path, Content);
    }

    QVERIFY(!result.succeeded());
    QCOMPARE(result.reason(), reason);
    QCOMPARE(result.fileName(), path);
    QCOMPARE(entries(dir.path()), before);
    QCOMPARE(TestFiles::readAll(plain), QByteArray("plain"));
    if (special)
        QVERIFY(!QFileInfo(path).isFile());
}

// A writer that fails part way leaves the old file and its reason stands.
void TestAtomicFile::writersFailureKeepsTheOldFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("picture.bmp"));
    TestFiles::write(path, QByteArray("old"));

    const FileResult result = AtomicFile::write(path, [&path](QIODevice &file) {
        file.write("half a picture");
        return FileResult::failure(path, QStringLiteral("cannot encode"));
    });

    QVERIFY(!result.succeeded());
    QCOMPARE(result.reason(), QStringLiteral("cannot encode"));
    QCOMPARE(TestFiles::readAll(path), QByteArray("old"));
    QCOMPARE(entries(dir.path()), QStringList{QStringLiteral("picture.bmp")});
}

// A writer that writes in pieces and stops at the first short write still
// fails with the short write, the real cause, and the counts so far.
void TestAtomicFile::deviceFailsBeforeTheWriter()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("picture.bmp"));
    TestFiles::write(path, QByteArray("old"));

    FileResult result;
    {
        const FileFaults::FileSizeLimit fullDisk(1000);
        result = AtomicFile::write(path, [&path](QIODevice &file) {
            const QByteArray row(600, 'r');
            while (file.write(row) == row.size()) {
            }
            return FileResult::failure(path, QStringLiteral("the writer gave up"));
        });
    }

    QVERIFY(!result.succeeded());
    QCOMPARE(result.reason(),
             QStringLiteral("only 1000 of 1200 bytes could be written; the disk may be full"));
    QCOMPARE(TestFiles::readAll(path), QByteArray("old"));
    QCOMPARE(entries(dir.path()), QStringList{QStringLiteral("picture.bmp")});
}

// A set of files whose last one meets a full disk: the first keeps its old
// content though its own new content was written whole, and nothing of the
// set is left behind.
void TestAtomicFile::setFailingPartWayChangesNoFile()
{
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("level.c"));
    const QString header = dir.filePath(QStringLiteral("level.h"));
    TestFiles::write(source, QByteArray("old"));
    const QByteArray small(500, 's');
    const QByteArray large(1200, 'l');

    FileResult result;
    {
        const FileFaults::FileSizeLimit fullDisk(1000);
        result = AtomicFile::writeAll({{source, small}, {header, large}});
    }

    QVERIFY(!result.succeeded());
    QCOMPARE(result.fileName(), header);
    QCOMPARE(TestFiles::readAll(source), QByteArray("old"));
    QCOMPARE(entries(dir.path()), QStringList{QStringLiteral("level.c")});

    QVERIFY(AtomicFile::writeAll({{source, small}, {header, large}}).succeeded());
    QCOMPARE(TestFiles::readAll(source), small);
    QCOMPARE(TestFiles::readAll(header), large);
}

// A set whose last file is made as it is written (a picture, say): the
// maker's own failure after part of the file keeps the whole set as it was,
// and a maker that succeeds writes what it makes beside the plain bytes.
void TestAtomicFile::setWithMadeContent()
{
    QTemporaryDir dir;
    const QString map = dir.filePath(QStringLiteral("level.map"));
    const QString sheet = dir.filePath(QStringLiteral("level.png"));
    TestFiles::write(map, QByteArray("old map"));
    TestFiles::write(sheet, QByteArray("old sheet"));
    const QByteArray newMap(500, 'm');
    const auto failingSheet = [](QIODevice &file) {
        file.write("half a picture");
        return FileResult::failure(QStringLiteral("anywhere"), QStringLiteral("cannot encode"));
    };

    const FileResult failed = AtomicFile::writeAll({{map, newMap}, {sheet, failingSheet}});

    QVERIFY(!failed.succeeded());
    QCOMPARE(failed.fileName(), sheet);
    QCOMPARE(failed.reason(), QStringLiteral("cannot encode"));
    QCOMPARE(TestFiles::readAll(map), QByteArray("old map"));
    QCOMPARE(TestFiles::readAll(sheet), QByteArray("old sheet"));
    QCOMPARE(entries(dir.path()),
             (QStringList{QStringLiteral("level.map"), QStringLiteral("level.png")}));

    const AtomicFile::Fill madeSheet = [](QIODevice &file) {
        file.write("a whole ");
        file.write("picture");
        return FileResult();
    };
    QVERIFY(AtomicFile::writeAll({{map, newMap}, {sheet, madeSheet}}).succeeded());
    QCOMPARE(TestFiles::readAll(map), newMap);
    QCOMPARE(TestFiles::readAll(sheet), QByteArray("a whole picture"));
}

QTEST_GUILESS_MAIN(TestAtomicFile)
#include "tst_atomicfile.moc"
