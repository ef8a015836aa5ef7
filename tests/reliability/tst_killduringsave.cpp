// SPDX-License-Identifier: MIT
// A process that saves a map and exports a picture through the editor's own
// code is killed with SIGKILL at random moments, many times: each file is
// then always its old or its new version, whole, and the next successful
// save and export leave nothing but the two files.
#include "core/files/BitmapExport.h"
#include "mapfile/MapFileIO.h"
#include "tests/support/TestFiles.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <csignal>

namespace {

constexpr int Kills = 200;
// Up to a few times what one save and one export take.
constexpr int MaxDelayMicroseconds = 30'000;

const QString MapName = QStringLiteral("map.map");
const QString PictureName = QStringLiteral("picture.bmp");
const QString ExpectedName = QStringLiteral("expected");

// The seed from TESSELWICK_SEED, to repeat a failed run, or a new one.
quint32 seed()
{
    bool given = false;
    const quint32 value = qEnvironmentVariable("TESSELWICK_SEED").toUInt(&given);
    return given ? value : QRandomGenerator::global()->generate();
}

} // namespace

class TestKillDuringSave : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void killedSaveLeavesOldOrNewFile();
};

void TestKillDuringSave::killedSaveLeavesOldOrNewFile()
{
    const quint32 runSeed = seed();
    qInfo("kill test: seed %u (repeat with TESSELWICK_SEED=%u)", runSeed, runSeed);
    QRandomGenerator random(runSeed);
    QTemporaryDir dir;
    const QDir folder(dir.path());
    const auto versions = [&folder](const QString &name) {
        return QList<QByteArray>{
            TestFiles::readAll(folder.filePath(ExpectedName + QStringLiteral("/0/") + name)),
            TestFiles::readAll(folder.filePath(ExpectedName + QStringLiteral("/1/") + name))};
    };

    int kills = 0;
    for (; kills < Kills; ++kills) {
        QProcess saver;
        saver.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        saver.start(QStringLiteral(TESSELWICK_SAVE_LOOP), {dir.path()});
        QVERIFY2(saver.waitForReadyRead(10'000), "the saving process did not start");
        QCOMPARE(saver.readLine(), QByteArray("ready\n"));
        QThread::usleep(random.bounded(MaxDelayMicroseconds));
        ::kill(pid_t(saver.processId()), SIGKILL);
        QVERIFY(saver.waitForFinished(10'000));
        QCOMPARE(saver.exitStatus(), QProcess::CrashExit);

        for (const QString &name : {MapName, PictureName}) {
            const QByteArray file = TestFiles::readAll(folder.filePath(name));
            if (!versions(name).contains(file))
                QFAIL(qPrintable(QStringLiteral("after kill %1, %2 is neither version but %3 bytes")
                                     .arg(kills + 1)
                                     .arg(name)
                                     .arg(file.size())));
        }
    }
    // A kill can leave QSaveFile's temporary file and the save's note; the
    // next save of the same target removes them.
    const QStringList left =
        folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    qInfo("kill test: killed the saving process %d times; left beside the files: %s", kills,
          qPrintable(left.join(QStringLiteral(", "))));

    QVERIFY(MapFile::save(folder.filePath(MapName), versions(MapName).constFirst()).succeeded());
    QVERIFY(writeBitmapFile(QImage::fromData(versions(PictureName).constFirst()),
                            folder.filePath(PictureName))
                .succeeded());
    QCOMPARE(folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList({ExpectedName, MapName, PictureName}));
}

QTEST_GUILESS_MAIN(TestKillDuringSave)
#include "tst_killduringsave.moc"
