// SPDX-License-Identifier: MIT
#include "cli/CommandLine.h"
#include "tests/cli/CliSupport.h"
#include "tests/support/NumberedSheet.h"
#include "tests/support/TestFiles.h"
#include "tests/support/TilePictures.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using CliSupport::cli;
using CommandLine::BadInput;
using CommandLine::Success;
using CommandLine::WrongUsage;

class TestCliTiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();

    void importThenRenderGivesThePicture_data();
    void importThenRenderGivesThePicture();
    void tooManyTiles();
    void refusedPictures_data();
    void refusedPictures();
    void listsTiles();
    void compactDrawsTheSameMap();
    void wrongUsage_data();
    void wrongUsage();
    void helpCoversTheCommands();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }
    QString writePicture(const QString &name, const QImage &picture) const;

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestCliTiles::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

QString TestCliTiles::writePicture(const QString &name, const QImage &picture) const
{
    const QString file = path(name);
    if (!picture.save(file))
        qFatal("cannot write %s", qPrintable(file));
    return file;
}

void TestCliTiles::importThenRenderGivesThePicture_data()
{
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("distinct");
    QTest::addColumn<QString>("pictureName");
    QTest::addColumn<QString>("sheetName");
    QTest::newRow("PNG, one tile") << 1 << 1 << 1 << "in.png" << "sheet.png";
    QTest::newRow("BMP, 254 columns") << 254 << 3 << 200 << "in.bmp" << "sheet.bmp";
    QTest::newRow("PNG, 256 tiles") << 20 << 13 << 256 << "in.png" << "sheet.bmp";
    QTest::newRow("PNG, whole grid") << 256 << 128 << 256 << "in.png" << "sheet.png";
    QTest::newRow("BMP, whole grid") << 256 << 128 << 150 << "in.bmp" << "sheet.png";
}

void TestCliTiles::importThenRenderGivesThePicture()
{
    QFETCH(int, columns);
    QFETCH(int, rows);
    QFETCH(int, distinct);
    QFETCH(QString, pictureName);
    QFETCH(QString, sheetName);
    const QImage picture = TilePictures::picture(columns, rows, [=](int column, int row) {
        return (row * columns + column) * 7 % distinct;
    });
    const QString input = writePicture(pictureName, picture);
    const CliSupport::Run imported = cli({QStringLiteral("import-picture"), input,
                                          QStringLiteral("-o"), path(QStringLiteral("out.map")),
                                          QStringLiteral("--sheet"), path(sheetName)});
    QCOMPARE(imported.exitCode, Success);
    QVERIFY(imported.err.isEmpty());
    QCOMPARE(QImageReader(path(sheetName)).size(), QSize(512, 128));

    const QByteArray map = TestFiles::readAll(path(QStringLiteral("out.map")));
    QCOMPARE(map.size(), 32772);
    QCOMPARE(map.left(2), QByteArray("\xFE\x4F"));
    QCOMPARE(std::uint8_t(map[2]), columns == 256 ? 255 : columns);
    QCOMPARE(std::uint8_t(map[3]), columns == 256 ? rows - 1 : rows);

    const CliSupport::Run rendered =
        cli({QStringLiteral("render"), path(QStringLiteral("out.map")), QStringLiteral("--tiles"),
             path(sheetName), QStringLiteral("-o"), path(QStringLiteral("render.png"))});
    QCOMPARE(rendered.exitCode, Success);
    const QImage render = QImage(path(QStringLiteral("render.png")))
                              .convertToFormat(QImage::Format_RGB32);
    QCOMPARE(render, picture);
}

void TestCliTiles::tooManyTiles()
{
    const QString input = writePicture(QStringLiteral("busy.png"),
                                       TilePictures::distinctTiles(20, 14, 257));
    const QStringList arguments{QStringLiteral("import-picture"), input, QStringLiteral("-o"),
                                path(QStringLiteral("busy.map")), QStringLiteral("--sheet"),
                                path(QStringLiteral("busy-tiles.png"))};
    const CliSupport::Run refused = cli(arguments);
    QCOMPARE(refused.exitCode, BadInput);
    QCOMPARE(QString::fromUtf8(refused.err),
             QStringLiteral("tesselwick-cli: %1: The picture has 257 different tiles, more than "
                            "the 256 a tile sheet holds. Give --merge to merge similar tiles.\n")
                 .arg(input));
    QVERIFY(!QFileInfo::exists(path(QStringLiteral("busy.map"))));
    QVERIFY(!QFileInfo::exists(path(QStringLiteral("busy-tiles.png"))));

    const CliSupport::Run merged = cli(arguments + QStringList{QStringLiteral("--merge")});
    QCOMPARE(merged.exitCode, Success);
    QVERIFY2(QString::fromUtf8(merged.out)
                 .startsWith(input + QStringLiteral(": 257 different tiles merged into 256; PSNR ")),
             merged.out.constData());
    QVERIFY(QFileInfo::exists(path(QStringLiteral("busy.map"))));
}

void TestCliTiles::refusedPictures_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("message");
    const auto encoded = [](QSize size) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        return bytes;
    };
    QTest::newRow("not whole tiles")
        << encoded(QSize(20, 16)) << QStringLiteral("The picture is 20 x 16 pixels: its width and "
                                                    "height must be multiples of 16.");
    QTest::newRow("255 columns") << encoded(QSize(4080, 16))
                                 << QStringLiteral("The picture is 255 tiles wide, a width no map "
                                                   "file can hold: its width byte 255 stands for "
                                                   "256 columns. Make the picture 254 or 256 "
                                                   "tiles wide.");
    QTest::newRow("damaged") << encoded(QSize(64, 64)).left(60)
                             << QStringLiteral("This file holds no picture, or the picture in it "
                                               "is damaged.");
}

void TestCliTiles::refusedPictures()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, message);
    const QString input = path(QStringLiteral("picture.png"));
    TestFiles::write(input, file);
    const CliSupport::Run run = cli({QStringLiteral("import-picture"), input, QStringLiteral("-o"),
                                     path(QStringLiteral("p.map")), QStringLiteral("--sheet"),
                                     path(QStringLiteral("p.png"))});
    QCOMPARE(run.exitCode, BadInput);
    // Qt's picture reader may print a warning of its own first.
    const QString expected = QStringLiteral("tesselwick-cli: %1: %2\n").arg(input, message);
    QVERIFY2(QString::fromUtf8(run.err).endsWith(expected), run.err.constData());
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{QStringLiteral("picture.png")});
}

void TestCliTiles::listsTiles()
{
    // 3 x 2 cells of tiles 5, 9, 5 / 0, 9, 9; tile 77 outside the map.
    QByteArray map = CliSupport::mapFile(0xFE, 0x4F, 3, 2, 3, 2, [](int column, int row) {
        const int tiles[] = {5, 9, 5, 0, 9, 9};
        return tiles[row * 3 + column];
    });
    map[4 + 10] = 77;
    const QString input = path(QStringLiteral("small.map"));
    TestFiles::write(input, map);
    // A sheet whose tile 9 draws the same picture as tile 5.
    QImage sheet = NumberedSheet::sheet();
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            sheet.setPixel(Tiles::sheetOrigin(9) + QPoint(x, y),
                           sheet.pixel(Tiles::sheetOrigin(5) + QPoint(x, y)));
    const QString sheetFile = writePicture(QStringLiteral("sheet.png"), sheet);

    const CliSupport::Run plain = cli({QStringLiteral("tiles"), input});
    QCOMPARE(plain.exitCode, Success);
    QCOMPARE(QString::fromUtf8(plain.out),
             QStringLiteral("%1: 3 of 256 tiles used in 3 x 2 cells\n"
                            "tile 0: 1\ntile 5: 2\ntile 9: 3\n"
                            "unused: 1-4, 6-8, 10-255\n")
                 .arg(input));
    const CliSupport::Run withSheet =
        cli({QStringLiteral("tiles"), input, QStringLiteral("--tiles"), sheetFile});
    QCOMPARE(withSheet.exitCode, Success);
    QVERIFY2(withSheet.out.contains("tile 9: 3 (the same picture as tile 5)\n"),
             withSheet.out.constData());
}

void TestCliTiles::compactDrawsTheSameMap()
{
    const QString input = path(QStringLiteral("level.map"));
    TestFiles::write(input, CliSupport::plainMap(40, 25, 7));
    const QString sheet = writePicture(QStringLiteral("sheet.png"), NumberedSheet::sheet());
    const CliSupport::Run compacted =
        cli({QStringLiteral("compact"), input, QStringLiteral("--tiles"), sheet,
             QStringLiteral("-o"), path(QStringLiteral("packed.map")), QStringLiteral("--sheet"),
             path(QStringLiteral("packed.bmp"))});
    QCOMPARE(compacted.exitCode, Success);

    const auto render = [this](const QString &map, const QString &tiles, const QString &out) {
        QCOMPARE(cli({QStringLiteral("render"), map, QStringLiteral("--tiles"), tiles,
                      QStringLiteral("-o"), path(out)})
                     .exitCode,
                 Success);
    };
    render(input, sheet, QStringLiteral("before.png"));
    render(path(QStringLiteral("packed.map")), path(QStringLiteral("packed.bmp")),
           QStringLiteral("after.png"));
    QCOMPARE(QImage(path(QStringLiteral("after.png"))), QImage(path(QStringLiteral("before.png"))));

    // The used tiles are now the first ones.
    const QString listing =
        QString::fromUtf8(cli({QStringLiteral("tiles"), path(QStringLiteral("packed.map"))}).out);
    const QStringList lines = listing.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const int used = lines.first().section(QLatin1Char(' '), 1, 1).toInt();
    QVERIFY(used > 100);
    QCOMPARE(lines.last(), used == 256 ? lines.last()
                                       : QStringLiteral("unused: %1-255").arg(used));
    QVERIFY(lines.at(used).startsWith(QStringLiteral("tile %1: ").arg(used - 1)));
}

void TestCliTiles::wrongUsage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    const QString pic = QStringLiteral("p.png");
    const QString map = QStringLiteral("m.map");
    QTest::newRow("no sheet") << QStringList{QStringLiteral("import-picture"), pic,
                                             QStringLiteral("-o"), map}
                              << QStringLiteral("import-picture needs -o MAP and --sheet SHEET");
    QTest::newRow("sheet format")
        << QStringList{QStringLiteral("import-picture"), pic, QStringLiteral("-o"), map,
                       QStringLiteral("--sheet"), QStringLiteral("s.gif")}
        << QStringLiteral("cannot tell the picture format of 's.gif': name it .bmp or .png");
    QTest::newRow("two pictures")
        << QStringList{QStringLiteral("import-picture"), pic, pic, QStringLiteral("-o"), map,
                       QStringLiteral("--sheet"), QStringLiteral("s.png")}
        << QStringLiteral("import-picture takes one file");
    QTest::newRow("compact without tiles")
        << QStringList{QStringLiteral("compact"), map, QStringLiteral("-o"),
                       QStringLiteral("n.map"), QStringLiteral("--sheet"), QStringLiteral("s.png")}
        << QStringLiteral("compact needs --tiles SHEET");
    QTest::newRow("merge on tiles")
        << QStringList{QStringLiteral("tiles"), map, QStringLiteral("--merge")}
        << QStringLiteral("--merge belongs to import-picture");
    QTest::newRow("tiles writes nothing")
        << QStringList{QStringLiteral("tiles"), map, QStringLiteral("-o"), QStringLiteral("x")}
        << QStringLiteral("tiles takes no -o and no --sheet");
    QTest::newRow("map over sheet")
        << QStringList{QStringLiteral("import-picture"), pic, QStringLiteral("-o"),
                       QStringLiteral("same.png"), QStringLiteral("--sheet"),
                       QStringLiteral("same.png")}
        << QStringLiteral("the map and the sheet would both be written to 'same.png'");
}

void TestCliTiles::wrongUsage()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    const CliSupport::Run run = cli(arguments, m_dir->path());
    QCOMPARE(run.exitCode, WrongUsage);
    QCOMPARE(QString::fromUtf8(run.err),
             QStringLiteral("tesselwick-cli: %1\nTry 'tesselwick-cli --help' for more "
                            "information.\n")
                 .arg(message));
    QVERIFY(QDir(m_dir->path()).entryList(QDir::Files).isEmpty());
}

void TestCliTiles::helpCoversTheCommands()
{
    const QString help = QString::fromUtf8(cli({QStringLiteral("--help")}).out).simplified();
    for (const char *usage : {"import-picture PICTURE -o MAP --sheet SHEET [--merge]",
                              "tiles MAP [--tiles SHEET]",
                              "compact MAP --tiles SHEET -o MAP2 --sheet SHEET2"})
        QVERIFY2(help.contains(QLatin1String(usage)), usage);
    const QString page =
        QString::fromUtf8(TestFiles::readAll(QStringLiteral(TESSELWICK_CLI_MAN_PAGE)));
    for (const char *command : {"import-picture", "tiles", "compact", "\\-\\-sheet", "\\-\\-merge"})
        QVERIFY2(page.contains(QLatin1String(command)), command);
}

QTEST_GUILESS_MAIN(TestCliTiles)
#include "tst_clitiles.moc"
