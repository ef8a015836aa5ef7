// SPDX-License-Identifier: MIT
// A save removes the temporary file an interrupted save of the same target
// left, found by the inode its note names, and nothing else: not a user's
// file that happens to be named like a temporary one.
#include "core/files/BitmapExport.h"
#include "core/files/SaveJournal.h"
#include "tests/support/TestFiles.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

QByteArray noteFor(const QString &path)
{
    struct stat status;
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return {};
    return QByteArray::number(qulonglong(status.st_dev)) + ' ' +
           QByteArray::number(qulonglong(status.st_ino));
}

} // namespace

class TestSaveJournal : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void nextSaveRemovesOnlyTheNotedFile_data();
    void nextSaveRemovesOnlyTheNotedFile();
};

void TestSaveJournal::nextSaveRemovesOnlyTheNotedFile_data()
{
    QTest::addColumn<QByteArray>("note"); // "whole", "cut short" or "none"
    QTest::addColumn<bool>("leftoverRemoved");
    QTest::newRow("left by a kill") << QByteArray("whole") << true;
    QTest::newRow("note cut short by a kill") << QByteArray("cut short") << false;
    QTest::newRow("no note") << QByteArray("none") << false;
}

// Both files are named as QSaveFile names its temporary files; only the one
// the note names is the editor's.
void TestSaveJournal::nextSaveRemovesOnlyTheNotedFile()
{
    QFETCH(QByteArray, note);
    QFETCH(bool, leftoverRemoved);
    QTemporaryDir dir;
    const QDir folder(dir.path());
    const QString target = folder.filePath(QStringLiteral("map.bmp"));
    const QString leftover = QStringLiteral("map.bmp.Xb3kQz");
    const QString usersOwn = QStringLiteral("map.bmp.backup");
    for (const QString &name : {QStringLiteral("map.bmp"), leftover, usersOwn})
        TestFiles::write(folder.filePath(name), name.toUtf8());
    const QByteArray noted = noteFor(folder.filePath(leftover));
    if (note == "whole")
        TestFiles::write(SaveJournal::notePath(target), noted);
    else if (note == "cut short")
        TestFiles::write(SaveJournal::notePath(target), noted.left(noted.indexOf(' ') + 1));

    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QVERIFY(writeBitmapFile(picture, target).succeeded());

    QStringList kept{QStringLiteral("map.bmp"), usersOwn};
    if (!leftoverRemoved)
        kept.insert(1, leftover);
    QCOMPARE(folder.entryList(QDir::Files | QDir::Hidden, QDir::Name), kept);
}

QTEST_GUILESS_MAIN(TestSaveJournal)
#include "tst_savejournal.moc"
