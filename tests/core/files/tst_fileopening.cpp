// SPDX-License-Identifier: MIT
// Files given by name: whether one opens as a map or a picture, and the list
// of recent maps.
#include "core/files/OpenedFileKind.h"
#include "core/files/RecentFiles.h"

#include <QDir>
#include <QTest>

Q_DECLARE_METATYPE(OpenedFileKind::Kind)

using Kind = OpenedFileKind::Kind;
using namespace Qt::StringLiterals;

class TestFileOpening : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void kindOfFile_data();
    void kindOfFile();
    void recentList_data();
    void recentList();
};

void TestFileOpening::kindOfFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("start");
    QTest::addColumn<Kind>("kind");
    const QByteArray map("\xFE\x4F\xFF\x7F", 4);
    QTest::newRow("map") << "forest.map" << QByteArray("\x21\x43") << Kind::Map;
    QTest::newRow("upper case") << "FOREST.MAP" << QByteArray() << Kind::Map;
    QTest::newRow("prg") << "level.prg" << QByteArray("\x01\x08") << Kind::Map;
    QTest::newRow("any name, map bytes") << "level.bin" << map << Kind::Map;
    QTest::newRow("no name, map bytes") << "level" << map << Kind::Map;
    QTest::newRow("png") << "tiles.png" << QByteArray("\x89PNG") << Kind::Picture;
    QTest::newRow("bmp") << "tiles.bmp" << QByteArray("BM") << Kind::Picture;
    QTest::newRow("one map byte") << "x" << QByteArray("\xFE") << Kind::Picture;
    QTest::newRow("empty") << "empty" << QByteArray() << Kind::Picture;
    QTest::newRow("map in the folder name") << "maps.map/tiles.png" << QByteArray("BM")
                                             << Kind::Picture;
}

void TestFileOpening::kindOfFile()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, start);
    QTEST(OpenedFileKind::of(name, start), "kind");
}

void TestFileOpening::recentList_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("added");
    QTest::addColumn<QStringList>("after");
    QStringList eight;
    for (int i = 1; i <= 8; ++i)
        eight << QStringLiteral("/m/%1.map").arg(i);
    QTest::newRow("first") << QStringList() << "/m/a.map" << QStringList{u"/m/a.map"_s};
    QTest::newRow("newest first") << QStringList{u"/m/a.map"_s} << "/m/b.map"
                                  << QStringList{u"/m/b.map"_s, u"/m/a.map"_s};
    QTest::newRow("moves up, once") << QStringList{u"/m/a.map"_s, u"/m/b.map"_s, u"/m/c.map"_s}
                                    << "/m/b.map"
                                    << QStringList{u"/m/b.map"_s, u"/m/a.map"_s, u"/m/c.map"_s};
    QTest::newRow("another spelling") << QStringList{u"/m/a.map"_s, u"/m/b.map"_s} << "/m/x/../b.map"
                                      << QStringList{u"/m/b.map"_s, u"/m/a.map"_s};
    QTest::newRow("oldest drops off") << eight << "/m/9.map"
                                      << (QStringList{u"/m/9.map"_s} + eight.first(7));
    QTest::newRow("full, moves up") << eight << "/m/8.map"
                                    << (QStringList{u"/m/8.map"_s} + eight.first(7));
    QTest::newRow("relative name") << QStringList() << "a.map"
                                   << QStringList{QDir::current().absoluteFilePath(u"a.map"_s)};
}

void TestFileOpening::recentList()
{
    QFETCH(QStringList, before);
    QFETCH(QString, added);
    QTEST(RecentFiles::withRecent(before, added), "after");
}

QTEST_GUILESS_MAIN(TestFileOpening)
#include "tst_fileopening.moc"
