// SPDX-License-Identifier: MIT
// tesselwick-cli as a user runs it: the files each command writes, the
// round trips through CSV and TMX, the exit status and messages for bad input
// and wrong usage, and several maps at once.
#include "cli/TileSheet.h"
#include "tests/cli/CliSupport.h"
#include "tests/support/FileFaults.h"
#include "tests/support/TestFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using CliSupport::cli;

namespace {

constexpr int Success = 0;
constexpr int BadInput = 1;
constexpr int WrongUsage = 2;

const QString GoldenFolder = QStringLiteral(TESSELWICK_TEST_DATA);
const QStringList ExportFormats = {QStringLiteral("csv"), QStringLiteral("tmx"),
                                   QStringLiteral("asm"), QStringLiteral("c"),
                                   QStringLiteral("bin")};
const QByteArray Untouched = "an earlier file that must stay";

} // namespace

class TestCliTool : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();

    void goldenExports_data();
    void goldenExports();
    void roundTrips_data();
    void roundTrips();
    void fullWidthKeepsCellsNotHeightByte();
    void importOfTiledLayout();

    void badInput_data();
    void badInput();
    void fullDiskKeepsEarlierFiles_data();
    void fullDiskKeepsEarlierFiles();
    void wrongUsage_data();
    void wrongUsage();
    void helpAndVersion();
    void manPageCoversTheOptions();

    void strictMapReading_data();
    void strictMapReading();
    void missingFoldersAreMade_data();
    void missingFoldersAreMade();
    void linksAreNotWrittenOver_data();
    void linksAreNotWrittenOver();
    void standardInput_data();
    void standardInput();
    void wideImportWarns_data();
    void wideImportWarns();

    void info();
    void severalMapsAsOneByOne();
    void renderSizes_data();
    void renderSizes();
    void exportToStandardOutput();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }
    QString writeMap(const QString &name, const QByteArray &bytes) const;

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestCliTool::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

QString TestCliTool::writeMap(const QString &name, const QByteArray &bytes) const
{
    const QString file = path(name);
    TestFiles::write(file, bytes);
    return file;
}

void TestCliTool::goldenExports_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("format");
    const QDir golden(GoldenFolder);
    const QStringList cases = golden.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QVERIFY(!cases.isEmpty());
    for (const QString &name : cases)
        for (const QString &format : ExportFormats)
            QTest::addRow("%s %s", qPrintable(name), qPrintable(format))
                << golden.filePath(name) << format;
}

void TestCliTool::goldenExports()
{
    QFETCH(QString, folder);
    QFETCH(QString, format);
    const QStringList maps = QDir(folder).entryList({QStringLiteral("*.map")}, QDir::Files);
    QCOMPARE(maps.size(), 1);
    const QString stem = QFileInfo(maps.first()).completeBaseName();
    const QString name = stem + QLatin1Char('.') + format;
    const QString output = path(name);

    const CliSupport::Run run = cli({QStringLiteral("export"), QDir(folder).filePath(maps.first()),
                                     QStringLiteral("-f"), format, QStringLiteral("-o"), output});
    QVERIFY2(run.exitCode == Success, run.err.constData());
    QVERIFY(run.out.isEmpty());
    const QByteArray expected = TestFiles::readAll(QDir(folder).filePath(name));
    QVERIFY(!expected.isEmpty());
    QCOMPARE(TestFiles::readAll(output), expected);

    if (format == QStringLiteral("c")) {
        // The header beside it.
        const QString header = stem + QStringLiteral(".h");
        QCOMPARE(TestFiles::readAll(path(header)),
                 TestFiles::readAll(QDir(folder).filePath(header)));
    }
    if (format == QStringLiteral("tmx")) {
        // The sheet beside it is the built-in tile set as the editor uses it.
        const QImage sheet = CliSupport::picture(path(stem + QStringLiteral(".tiles.png")));
        QCOMPARE(sheet, TileSheet::builtIn()
                            .copy(0, 0, Tiles::SheetWidth, Tiles::SheetHeight)
                            .convertToFormat(QImage::Format_RGB32));
    }
}

void TestCliTool::roundTrips_data()
{
    QTest::addColumn<QByteArray>("map");
    QTest::addColumn<QString>("format");
    const QList<std::pair<const char *, QByteArray>> maps = {
        {"40 x 25", CliSupport::plainMap(40, 25, 1)},
        {"1 x 1", CliSupport::plainMap(1, 1, 2)},
        {"254 x 128", CliSupport::plainMap(254, 128, 3)},
        {"whole grid FF 7F", CliSupport::plainMap(256, 128, 4)},
        {"255 x 127 as New Map makes it, FF 7F", CliSupport::plainMap(255, 127, 5)},
        {"all tile 0", CliSupport::plainMap(10, 10, 0).replace(4, 100, QByteArray(100, '\0'))},
    };
    for (const auto &[name, bytes] : maps)
        for (const QString &format : {QStringLiteral("csv"), QStringLiteral("tmx")})
            QTest::addRow("%s via %s", name, qPrintable(format)) << bytes << format;
}

void TestCliTool::roundTrips()
{
    QFETCH(QByteArray, map);
    QFETCH(QString, format);
    const QString original = writeMap(QStringLiteral("original.map"), map);
    const QString data = path(QStringLiteral("data.") + format);
    const QString back = path(QStringLiteral("back.map"));

    CliSupport::Run run = cli({QStringLiteral("export"), original, QStringLiteral("--format"),
                               format, QStringLiteral("-o"), data});
    QVERIFY2(run.exitCode == Success, run.err.constData());
    run = cli({QStringLiteral("import"), data, QStringLiteral("-o"), back});
    QVERIFY2(run.exitCode == Success, run.err.constData());
    QCOMPARE(TestFiles::readAll(back), map);
}

void TestCliTool::fullWidthKeepsCellsNotHeightByte()
{
    // A width byte of 255 makes the map the whole 256 x 128 grid whatever
    // the height byte says, so CSV and TMX carry all 128 rows and the map
    // comes back with the height byte of a full grid.
    const QByteArray low =
        CliSupport::mapFile(0xFE, 0x4F, 255, 40, 256, 128, CliSupport::scattered(6));
    QByteArray expected = low;
    expected[3] = 127;
    const QString original = writeMap(QStringLiteral("low.map"), low);
    CliSupport::Run run =
        cli({QStringLiteral("export"), original, QStringLiteral("-f"), QStringLiteral("csv"),
             QStringLiteral("-o"), path(QStringLiteral("low.csv"))});
    QVERIFY2(run.exitCode == Success, run.err.constData());
    QCOMPARE(TestFiles::readAll(path(QStringLiteral("low.csv"))).count('\n'), 128);
    run = cli({QStringLiteral("import"), path(QStringLiteral("low.csv")), QStringLiteral("-o"),
               path(QStringLiteral("back.map"))});
    QVERIFY2(run.exitCode == Success, run.err.constData());
    QCOMPARE(TestFiles::readAll(path(QStringLiteral("back.map"))), expected);
}

void TestCliTool::importOfTiledLayout()
{
    // Tiled writes a comma after every row but the last; the CSV of the map
    // data is not the plain CSV format, and ids are one more than tiles.
    const QString tmx = path(QStringLiteral("layout.tmx"));
    TestFiles::write(tmx, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<map version=\"1.8\" tiledversion=\"1.8.2\" orientation=\"orthogonal\" "
                          "renderorder=\"right-down\" width=\"2\" height=\"2\" tilewidth=\"16\" "
                          "tileheight=\"16\" infinite=\"0\" nextlayerid=\"2\" "
                          "nextobjectid=\"1\">\n"
                          " <tileset firstgid=\"1\" source=\"sheet.tsx\"/>\n"
                          " <layer id=\"1\" name=\"Tile Layer 1\" width=\"2\" height=\"2\">\n"
                          "  <data encoding=\"csv\">\n3,0,\n256,1\n</data>\n </layer>\n"
                          " <objectgroup id=\"2\" name=\"objects\"/>\n"
                          "</map>\n");
    const QString map = path(QStringLiteral("layout.map"));
    const CliSupport::Run run = cli({QStringLiteral("import"), tmx, QStringLiteral("-o"), map});
    QVERIFY2(run.exitCode == Success, run.err.constData());
    QCOMPARE(TestFiles::readAll(map),
             CliSupport::mapFile(0xFE, 0x4F, 2, 2, 2, 2, [](int column, int row) {
                 return QList<int>{2, 0, 255, 0}.at(row * 2 + column);
             }));
}

void TestCliTool::badInput_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("says");

    const QByteArray good = CliSupport::plainMap(4, 3, 9);
    const QByteArray layer = "<layer id=\"1\" name=\"l\" width=\"2\" height=\"1\"><data "
                             "encoding=\"csv\">1,2</data></layer>";
    const auto tmx = [](const QByteArray &mapAttributes, const QByteArray &body) {
        return "<?xml version=\"1.0\"?>\n<map orientation=\"orthogonal\" " + mapAttributes + ">\n" +
               body + "\n</map>\n";
    };
    const QByteArray plain = "width=\"2\" height=\"1\" tilewidth=\"16\" tileheight=\"16\"";
    const QStringList import = {QStringLiteral("import"), QStringLiteral("IN"),
                                QStringLiteral("-o"), QStringLiteral("OUT")};
    const QStringList render = {QStringLiteral("render"), QStringLiteral("IN"),
                                QStringLiteral("-o"), QStringLiteral("OUT")};
    const QStringList exportCsv = {QStringLiteral("export"), QStringLiteral("IN"),
                                   QStringLiteral("-f"),     QStringLiteral("csv"),
                                   QStringLiteral("-o"),     QStringLiteral("OUT")};

    // The input's name (an empty content means the file is not created), then
    // the output, which holds an earlier file unless it cannot exist.
    QTest::newRow("missing file") << render << "absent.map" << QByteArray() << "out.bmp"
                                  << "absent.map: No such file";
    QTest::newRow("folder") << exportCsv << "folder.map/" << QByteArray() << "out.csv"
                            << "folder.map";
    QTest::newRow("empty csv") << import << "empty.csv" << QByteArray("\n") << "out.map"
                               << "empty.csv: the text holds no rows";
    QTest::newRow("ragged rows") << import << "ragged.csv" << QByteArray("1,2,3\n4,5\n")
                                 << "out.map"
                                 << "ragged.csv:2: 2 values where line 1 has 3";
    QTest::newRow("a value of 256")
        << import << "big.csv" << QByteArray("1,2\n3,256\n") << "out.map"
        << "big.csv:2:3: \"256\" is not a tile number";
    QTest::newRow("a negative value")
        << import << "negative.csv" << QByteArray("1,-2\n") << "out.map"
        << "negative.csv:1:3: \"-2\" is not a tile number";
    QTest::newRow("two layers") << import << "two.tmx" << tmx(plain, layer + "\n" + layer)
                                << "out.map"
                                << "two.tmx: the map has 2 tile layers (\"l\", \"l\")";
    QTest::newRow("32 x 32 tiles")
        << import << "big-tiles.tmx"
        << tmx("width=\"2\" height=\"1\" tilewidth=\"32\" tileheight=\"32\"", layer) << "out.map"
        << "big-tiles.tmx:2:";
    QTest::newRow("a width of 300")
        << import << "wide.tmx"
        << tmx("width=\"300\" height=\"1\" tilewidth=\"16\" tileheight=\"16\"", layer) << "out.map"
        << "<map> attribute width=\"300\"";
    QTest::newRow("an infinite map")
        << import << "infinite.tmx" << tmx(plain + " infinite=\"1\"", layer) << "out.map"
        << "<map> attribute infinite=\"1\"";
    QTest::newRow("bad base64") << import << "base64.tmx"
                                << tmx(plain,
                                       "<layer id=\"1\" name=\"l\" width=\"2\" height=\"1\"><data "
                                       "encoding=\"base64\">AQAAAA=?AgAAAA==</data></layer>")
                                << "out.map"
                                << "base64.tmx:3:";
    QTest::newRow("bad zlib data")
        << import << "zlib.tmx"
        << tmx(plain, "<layer id=\"1\" name=\"l\" width=\"2\" height=\"1\"><data "
                      "encoding=\"base64\" compression=\"zlib\">AQAAAAIAAAA=</data></layer>")
        << "out.map"
        << "compression=\"zlib\": not valid zlib data";
    QTest::newRow("an unwritable output")
        << exportCsv << "good.map" << good << "/proc/tesselwick-out.csv"
        << "/proc/tesselwick-out.csv: cannot write";
    QTest::newRow("an output below a file")
        << import << "good.csv" << QByteArray("1,2\n") << "good.csv/out.map"
        << "good.csv/out.map: cannot write";
    QTest::newRow("an output two folders below a file")
        << render << "good.map" << good << "good.map/new/out.png"
        << "good.map/new/out.png: cannot write: the folder";
    QTest::newRow("a short map") << exportCsv << "short.map" << good.left(100) << "out.csv"
                                 << "short.map: 100 bytes, where a map file has exactly 32772 "
                                    "(--lenient reads it as the editor does)";
    QTest::newRow("a long map") << render << "long.map" << good + good << "out.bmp"
                                << "long.map: 65544 bytes, where a map file has exactly 32772";
    QTest::newRow("a picture named as a map")
        << render << "picture.map" << QByteArray("\x89PNG\r\n\x1a\n", 8) << "out.png"
        << "picture.map: 8 bytes, where a map file has exactly 32772; it looks like a PNG "
           "picture";
    QTest::newRow("a Tiled map named as a map")
        << exportCsv << "level.map" << QByteArray("<?xml version=\"1.0\"?>\n<map/>\n") << "out.csv"
        << "it looks like an XML file, perhaps a Tiled map";
    QTest::newRow("an unreadable tile set")
        << QStringList{QStringLiteral("render"), QStringLiteral("IN"),      QStringLiteral("-o"),
                       QStringLiteral("OUT"),    QStringLiteral("--tiles"), QStringLiteral("IN")}
        << "notes.bmp" << QByteArray("plain text") << "out.bmp"
        << "This is not a TileSet file";
}

void TestCliTool::badInput()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, input);
    QFETCH(QByteArray, content);
    QFETCH(QString, output);
    QFETCH(QString, says);

    QString inputPath = path(input);
    if (input.endsWith(QLatin1Char('/'))) {
        QVERIFY(QDir().mkpath(inputPath));
        inputPath.chop(1);
    } else if (!content.isEmpty()) {
        TestFiles::write(inputPath, content);
    }
    // Outputs in the test's folder whose folder exists hold an earlier file.
    const bool elsewhere = QFileInfo(output).isAbsolute();
    const QString outputPath = elsewhere ? output : path(output);
    const bool earlierFile = !elsewhere && QFileInfo(QFileInfo(outputPath).path()).isDir();
    if (earlierFile)
        TestFiles::write(outputPath, Untouched);
    const QStringList before =
        QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

    for (QString &argument : arguments) {
        if (argument == QStringLiteral("IN"))
            argument = inputPath;
        else if (argument == QStringLiteral("OUT"))
            argument = outputPath;
    }
    const CliSupport::Run run = cli(arguments);
    QCOMPARE(run.exitCode, BadInput);
    QVERIFY(run.out.isEmpty());
    const QString message = QString::fromUtf8(run.err);
    QVERIFY2(message.startsWith(QStringLiteral("tesselwick-cli: ")), qPrintable(message));
    QVERIFY2(message.contains(says), qPrintable(message));
    QCOMPARE(message.count(QLatin1Char('\n')), 1);

    // Nothing written, nothing replaced, no temporary file left behind.
    if (earlierFile)
        QCOMPARE(TestFiles::readAll(outputPath), Untouched);
    else
        QVERIFY(!QFileInfo::exists(outputPath));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
}

void TestCliTool::fullDiskKeepsEarlierFiles_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("output");
    const QString map = QStringLiteral("full.map");
    QTest::newRow("render bmp") << QStringList{QStringLiteral("render"), map, QStringLiteral("-o"),
                                               QStringLiteral("out.bmp")}
                                << "out.bmp";
    QTest::newRow("render png") << QStringList{QStringLiteral("render"), map, QStringLiteral("-o"),
                                               QStringLiteral("out.png")}
                                << "out.png";
    QTest::newRow("export csv") << QStringList{QStringLiteral("export"), map,
                                               QStringLiteral("-f"),     QStringLiteral("csv"),
                                               QStringLiteral("-o"),     QStringLiteral("out.csv")}
                                << "out.csv";
    QTest::newRow("export tmx") << QStringList{QStringLiteral("export"), map,
                                               QStringLiteral("-f"),     QStringLiteral("tmx"),
                                               QStringLiteral("-o"),     QStringLiteral("out.tmx")}
                                << "out.tmx";
    QTest::newRow("import csv") << QStringList{QStringLiteral("import"), QStringLiteral("full.csv"),
                                               QStringLiteral("-o"), QStringLiteral("out.map")}
                                << "out.map";
}

void TestCliTool::fullDiskKeepsEarlierFiles()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, output);
    writeMap(QStringLiteral("full.map"), CliSupport::plainMap(256, 128, 8));
    TestFiles::write(path(QStringLiteral("full.csv")), QByteArray("0,1,2,3\n").repeated(100));
    TestFiles::write(path(output), Untouched);
    const QStringList before = QDir(m_dir->path()).entryList(QDir::Files);

    CliSupport::Run run;
    {
        // The program inherits the limit: its files end short as on a full disk.
        const FileFaults::FileSizeLimit fullDisk(4096);
        run = cli(arguments, m_dir->path());
    }
    QCOMPARE(run.exitCode, BadInput);
    QVERIFY2(run.err.contains(": cannot write: "), run.err.constData());
    QCOMPARE(TestFiles::readAll(path(output)), Untouched);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), before);
}

void TestCliTool::wrongUsage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("says");
    const QString map = QStringLiteral("m.map");
    QTest::newRow("nothing") << QStringList() << "no command given";
    QTest::newRow("unknown command")
        << QStringList{QStringLiteral("draw"), map} << "unknown command 'draw'";
    QTest::newRow("no files") << QStringList{QStringLiteral("info")} << "at least one file";
    QTest::newRow("unknown option")
        << QStringList{QStringLiteral("info"), QStringLiteral("--x"), map} << "Unknown option 'x'";
    QTest::newRow("render without output")
        << QStringList{QStringLiteral("render"), map} << "render needs -o OUT";
    QTest::newRow("render to an unknown picture type")
        << QStringList{QStringLiteral("render"), map, QStringLiteral("-o"), QStringLiteral("a.gif")}
        << "cannot tell the picture format";
    QTest::newRow("zoom 0") << QStringList{QStringLiteral("render"), map,
                                           QStringLiteral("-o"),     QStringLiteral("a.bmp"),
                                           QStringLiteral("--zoom"), QStringLiteral("0")}
                            << "--zoom needs a percentage";
    QTest::newRow("zoom 200.5") << QStringList{QStringLiteral("render"), map,
                                               QStringLiteral("-o"),     QStringLiteral("a.bmp"),
                                               QStringLiteral("-z"),     QStringLiteral("200.5")}
                                << "--zoom needs a percentage";
    QTest::newRow("zoom for export") << QStringList{QStringLiteral("export"), map,
                                                    QStringLiteral("-f"),     QStringLiteral("csv"),
                                                    QStringLiteral("-z"),     QStringLiteral("50")}
                                     << "--zoom belongs to render";
    QTest::newRow("export without format")
        << QStringList{QStringLiteral("export"), map} << "export needs --format";
    QTest::newRow("export to xml")
        << QStringList{QStringLiteral("export"), map, QStringLiteral("-f"), QStringLiteral("xml")}
        << "export needs --format";
    QTest::newRow("tmx to standard output")
        << QStringList{QStringLiteral("export"), map,
                       QStringLiteral("-f"),     QStringLiteral("tmx"),
                       QStringLiteral("-o"),     QStringLiteral("-")}
        << "-o - takes one map";
    QTest::newRow("render to standard output")
        << QStringList{QStringLiteral("render"), map, QStringLiteral("-o"), QStringLiteral("-")}
        << "-o - is for export only";
    QTest::newRow("import of an unknown type")
        << QStringList{QStringLiteral("import"), QStringLiteral("a.txt"), QStringLiteral("-o"), map}
        << "cannot tell the format of 'a.txt'";
    QTest::newRow("jobs 0") << QStringList{QStringLiteral("info"), QStringLiteral("-j"),
                                           QStringLiteral("0"), map}
                            << "--jobs needs a whole number";
    QTest::newRow("two maps into one file")
        << QStringList{QStringLiteral("export"),  QStringLiteral("a/m.map"),
                       QStringLiteral("b/m.map"), QStringLiteral("-f"),
                       QStringLiteral("csv"),     QStringLiteral("-o"),
                       QStringLiteral(".")}
        << "two inputs would both be written to";
    QTest::newRow("several maps into a file")
        << QStringList{QStringLiteral("render"), QStringLiteral("a.map"), QStringLiteral("b.map"),
                       QStringLiteral("-o"), QStringLiteral("out.png")}
        << "several inputs need -o to name a folder, and 'out.png' is a file";
    QTest::newRow("standard input twice")
        << QStringList{QStringLiteral("info"), QStringLiteral("-"), QStringLiteral("-")}
        << "- (standard input) must be the only input";
    QTest::newRow("standard input and a map")
        << QStringList{QStringLiteral("export"), QStringLiteral("-"),   map,
                       QStringLiteral("-f"),     QStringLiteral("csv"), QStringLiteral("-o"),
                       QStringLiteral("out")}
        << "- (standard input) must be the only input";
    QTest::newRow("standard input exported without -o")
        << QStringList{QStringLiteral("export"), QStringLiteral("-"), QStringLiteral("-f"),
                       QStringLiteral("csv")}
        << "reading standard input needs -o OUT";
    QTest::newRow("standard input imported without --format")
        << QStringList{QStringLiteral("import"), QStringLiteral("-"), QStringLiteral("-o"), map}
        << "cannot tell the format of '-'";
    QTest::newRow("lenient import")
        << QStringList{QStringLiteral("import"), QStringLiteral("a.csv"), QStringLiteral("-o"), map,
                       QStringLiteral("--lenient")}
        << "--lenient belongs to info, render and export";
    QTest::newRow("over its own input")
        << QStringList{QStringLiteral("import"), QStringLiteral("m.csv"), QStringLiteral("-o"),
                       QStringLiteral("m.csv"),  QStringLiteral("-f"),    QStringLiteral("csv")}
        << "would be written over itself";
}

void TestCliTool::wrongUsage()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, says);
    const CliSupport::Run run = cli(arguments, m_dir->path());
    QCOMPARE(run.exitCode, WrongUsage);
    QVERIFY(run.out.isEmpty());
    QVERIFY2(run.err.contains(says.toUtf8()), run.err.constData());
    QVERIFY(run.err.contains("--help"));
    QVERIFY(QDir(m_dir->path()).isEmpty());
}

void TestCliTool::helpAndVersion()
{
    const CliSupport::Run help = cli({QStringLiteral("--help")});
    QCOMPARE(help.exitCode, Success);
    QVERIFY(help.out.startsWith("Usage: tesselwick-cli "));
    const QString text = QString::fromUtf8(help.out).simplified();
    QVERIFY(text.contains(QStringLiteral("CSV and TMX hold only the map's own cells")));
    for (const char *command : {"info MAP", "render MAP", "export MAP", "import IN"})
        QVERIFY2(text.contains(QLatin1String(command)), command);

    const CliSupport::Run version = cli({QStringLiteral("--version")});
    QCOMPARE(version.exitCode, Success);
    QCOMPARE(version.out, QByteArray("tesselwick-cli 1.0 (Tesselwick by Quorvane Labs)\n"));
}

void TestCliTool::manPageCoversTheOptions()
{
    const QString page =
        QString::fromUtf8(TestFiles::readAll(QStringLiteral(TESSELWICK_CLI_MAN_PAGE)));
    QVERIFY(!page.isEmpty());
    const QString help = QString::fromUtf8(cli({QStringLiteral("--help")}).out);
    const QRegularExpression option(QStringLiteral("--([a-z]+)"));
    int options = 0;
    for (const QRegularExpressionMatch &match : option.globalMatch(help)) {
        ++options;
        QVERIFY2(page.contains(QStringLiteral("\\-\\-") + match.captured(1)),
                 qPrintable(match.captured(0)));
    }
    QVERIFY(options >= 7);
}

void TestCliTool::wideImportWarns_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<QString>("warning");
    QTest::newRow("254 columns") << 254 << 3 << QString();
    QTest::newRow("255 columns")
        << 255 << 3
        << "tesselwick-cli: wide.csv: warning: 255 x 3 tiles read; a map file keeps a map 255 "
           "columns wide only as the whole 256 x 128 grid, so the map is 256 x 128 tiles, the "
           "cells not read being tile 0\n";
    QTest::newRow("256 columns") << 256 << 3 << "warning: 256 x 3 tiles read";
    QTest::newRow("the whole grid") << 256 << 128 << QString();
}

void TestCliTool::wideImportWarns()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(QString, warning);
    const QByteArray row = "1" + QByteArray(",1").repeated(width - 1) + "\n";
    TestFiles::write(path(QStringLiteral("wide.csv")), row.repeated(height));
    const CliSupport::Run run = cli({QStringLiteral("import"), QStringLiteral("wide.csv"),
                                     QStringLiteral("-o"), QStringLiteral("wide.map")},
                                    m_dir->path());
    QCOMPARE(run.exitCode, Success);
    if (warning.isEmpty())
        QCOMPARE(run.err, QByteArray());
    else
        QVERIFY2(run.err.startsWith("tesselwick-cli: wide.csv: ") &&
                     run.err.contains(warning.toUtf8()) && run.err.count('\n') == 1,
                 run.err.constData());
    const QByteArray map = TestFiles::readAll(path(QStringLiteral("wide.map")));
    QCOMPARE(map.size(), 32772);
    QCOMPARE(static_cast<std::uint8_t>(map[2]), std::uint8_t(width >= 255 ? 255 : width));
}

void TestCliTool::info()
{
    // A "%" in a name is printed as it is.
    const QString sample = writeMap(QStringLiteral("sample %2.map"),
                                    CliSupport::mapFile(0x12, 0x34, 3, 2, 3, 2, [](int c, int r) {
                                        return c == 2 && r == 1 ? 200 : 7;
                                    }));
    const QString full =
        writeMap(QStringLiteral("full.map"),
                 CliSupport::mapFile(0xFE, 0x4F, 255, 40, 1, 1, [](int, int) { return 5; }));
    const QString tall =
        writeMap(QStringLiteral("tall.map"), CliSupport::mapFile(0xFE, 0x4F, 255, 128, 0, 0, {}));
    const QString clamped = writeMap(QStringLiteral("clamped.map"),
                                     CliSupport::mapFile(0xFE, 0x4F, 0, 200, 0, 0, nullptr));
    const QString shortFile = writeMap(QStringLiteral("short.map"), QByteArray("\xFE\x4F\x05", 3));
    const QString longFile =
        writeMap(QStringLiteral("long.map"), CliSupport::plainMap(2, 2, 1) + QByteArray("extra"));

    const CliSupport::Run run = cli({QStringLiteral("info"), QStringLiteral("--lenient"), sample,
                                     full, tall, clamped, shortFile, longFile});
    QVERIFY2(run.exitCode == Success, run.err.constData());
    const QStringList lines = QString::fromUtf8(run.out).split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 7);
    QCOMPARE(lines[0], sample + QStringLiteral(": bytes 12 34 03 02; size 3 x 2 tiles; canvas "
                                               "48 x 32 pixels; distinct tiles 2; file 32772 "
                                               "bytes; loads in the editor unchanged"));
    QCOMPARE(lines[1], full + QStringLiteral(": bytes FE 4F FF 28; size 256 x 128 tiles (width "
                                             "byte 255: the whole grid); canvas 4096 x 656 "
                                             "pixels; distinct tiles 2; file 32772 bytes; loads "
                                             "in the editor unchanged"));
    QCOMPARE(lines[2], tall + QStringLiteral(": bytes FE 4F FF 80; size 256 x 128 tiles (width "
                                             "byte 255: the whole grid); canvas 4096 x 2064 "
                                             "pixels; distinct tiles 1; file 32772 bytes; the "
                                             "editor loads it changed: height byte 128 gives a "
                                             "canvas taller than the grid's 128 rows"));
    QCOMPARE(lines[3], clamped + QStringLiteral(": bytes FE 4F 00 C8; size 1 x 128 tiles; canvas "
                                                "16 x 2048 pixels; distinct tiles 1; file 32772 "
                                                "bytes; the editor loads it changed: width byte 0 "
                                                "taken as 1, height byte 200 taken as 128"));
    QCOMPARE(lines[4], shortFile + QStringLiteral(": bytes FE 4F 05 --; size 5 x 1 tiles; canvas "
                                                  "80 x 16 pixels; distinct tiles 1; file 3 bytes; "
                                                  "the editor loads it changed: short file read "
                                                  "as if padded with zeros to 32772 bytes, height "
                                                  "byte 0 taken as 1"));
    QCOMPARE(lines[5], longFile + QStringLiteral(": bytes FE 4F 02 02; size 2 x 2 tiles; canvas "
                                                 "32 x 32 pixels; distinct tiles 4; file 32777 "
                                                 "bytes; the editor loads it changed: long file "
                                                 "read only to its first 32772 bytes"));
}

void TestCliTool::strictMapReading_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("says");
    const QStringList commands[] = {
        {QStringLiteral("info")},
        {QStringLiteral("render"), QStringLiteral("-o"), QStringLiteral("out.bmp")},
        {QStringLiteral("export"), QStringLiteral("-f"), QStringLiteral("c")},
    };
    for (const QStringList &command : commands) {
        QTest::addRow("%s of an empty file", qPrintable(command.first()))
            << command << QByteArray() << "0 bytes, where a map file has exactly 32772";
        QTest::addRow("%s of a map one byte short", qPrintable(command.first()))
            << command << CliSupport::plainMap(5, 5, 1).chopped(1)
            << "32771 bytes, where a map file has exactly 32772";
    }
}

void TestCliTool::strictMapReading()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, content);
    QFETCH(QString, says);
    writeMap(QStringLiteral("odd.map"), content);
    arguments.insert(1, QStringLiteral("odd.map"));
    const CliSupport::Run refused = cli(arguments, m_dir->path());
    QCOMPARE(refused.exitCode, BadInput);
    QVERIFY(refused.out.isEmpty());
    QVERIFY2(refused.err.startsWith("tesselwick-cli: odd.map: " + says.toUtf8()),
             refused.err.constData());
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{QStringLiteral("odd.map")});

    // The editor's own reading takes it.
    const CliSupport::Run lenient =
        cli(arguments + QStringList{QStringLiteral("--lenient")}, m_dir->path());
    QVERIFY2(lenient.exitCode == Success, lenient.err.constData());
}

void TestCliTool::missingFoldersAreMade_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("written");
    const QString a = QStringLiteral("a.map");
    const QString b = QStringLiteral("b.map");
    QTest::newRow("a picture") << QStringList{QStringLiteral("render"), a, QStringLiteral("-o"),
                                              QStringLiteral("new/deep/a.png")}
                               << QStringList{QStringLiteral("new/deep/a.png")};
    QTest::newRow("several pictures")
        << QStringList{QStringLiteral("render"), a, b, QStringLiteral("-o"), QStringLiteral("new")}
        << QStringList{QStringLiteral("new/a.bmp"), QStringLiteral("new/b.bmp")};
    QTest::newRow("a Tiled map and its sheet")
        << QStringList{QStringLiteral("export"), a,
                       QStringLiteral("-f"),     QStringLiteral("tmx"),
                       QStringLiteral("-o"),     QStringLiteral("new/a.tmx")}
        << QStringList{QStringLiteral("new/a.tmx"), QStringLiteral("new/a.tiles.png")};
    QTest::newRow("an imported map")
        << QStringList{QStringLiteral("import"), QStringLiteral("a.csv"), QStringLiteral("-o"),
                       QStringLiteral("new/a.map")}
        << QStringList{QStringLiteral("new/a.map")};
}

void TestCliTool::missingFoldersAreMade()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, written);
    writeMap(QStringLiteral("a.map"), CliSupport::plainMap(4, 3, 1));
    writeMap(QStringLiteral("b.map"), CliSupport::plainMap(3, 4, 2));
    TestFiles::write(path(QStringLiteral("a.csv")), "1,2\n3,4\n");
    const CliSupport::Run run = cli(arguments, m_dir->path());
    QVERIFY2(run.exitCode == Success, run.err.constData());
    for (const QString &file : written)
        QVERIFY2(QFileInfo(path(file)).isFile(), qPrintable(file));
}

void TestCliTool::linksAreNotWrittenOver_data()
{
    QTest::addColumn<bool>("symbolic");
    QTest::newRow("symbolic link") << true;
    QTest::newRow("hard link") << false;
}

void TestCliTool::linksAreNotWrittenOver()
{
    QFETCH(bool, symbolic);
    const QByteArray map = CliSupport::plainMap(4, 3, 1);
    const QString original = writeMap(QStringLiteral("level.map"), map);
    const QString link = path(QStringLiteral("link.map"));
    if (symbolic)
        QVERIFY(QFile::link(original, link));
    else
        QCOMPARE(
            ::link(QFile::encodeName(original).constData(), QFile::encodeName(link).constData()),
            0);
    // Import of the map read as CSV would replace it; so would an export
    // named like it.
    const CliSupport::Run import = cli({QStringLiteral("import"), link, QStringLiteral("-f"),
                                        QStringLiteral("csv"), QStringLiteral("-o"), original});
    QCOMPARE(import.exitCode, WrongUsage);
    QVERIFY2(import.err.contains("would be written over itself"), import.err.constData());
    const CliSupport::Run exported = cli({QStringLiteral("export"), original, QStringLiteral("-f"),
                                          QStringLiteral("csv"), QStringLiteral("-o"), link});
    QCOMPARE(exported.exitCode, WrongUsage);
    QCOMPARE(TestFiles::readAll(original), map);
}

void TestCliTool::standardInput_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("out");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("fileContent");
    const QByteArray map =
        CliSupport::mapFile(0xFE, 0x4F, 2, 1, 2, 1, [](int c, int) { return c + 7; });
    QTest::newRow("export to standard output")
        << QStringList{QStringLiteral("export"), QStringLiteral("-"),  QStringLiteral("-f"),
                       QStringLiteral("csv"),    QStringLiteral("-o"), QStringLiteral("-")}
        << map << QByteArray("7,8\n") << QString() << QByteArray();
    QTest::newRow("import of semicolon CSV")
        << QStringList{QStringLiteral("import"), QStringLiteral("-"),  QStringLiteral("-f"),
                       QStringLiteral("csv"),    QStringLiteral("-o"), QStringLiteral("m.map")}
        << QByteArray("7;8\n") << QByteArray() << "m.map" << map;
    QTest::newRow("info") << QStringList{QStringLiteral("info"), QStringLiteral("-")} << map
                          << QByteArray("standard input: bytes FE 4F 02 01; size 2 x 1 tiles; "
                                        "canvas 32 x 16 pixels; distinct tiles 2; file 32772 "
                                        "bytes; loads in the editor unchanged\n")
                          << QString() << QByteArray();
}

void TestCliTool::standardInput()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, out);
    QFETCH(QString, file);
    QFETCH(QByteArray, fileContent);
    const CliSupport::Run run = cli(arguments, m_dir->path(), input);
    QVERIFY2(run.exitCode == Success, run.err.constData());
    QCOMPARE(run.out, out);
    if (!file.isEmpty())
        QCOMPARE(TestFiles::readAll(path(file)), fileContent);
}

void TestCliTool::severalMapsAsOneByOne()
{
    QStringList maps;
    for (int i = 0; i < 8; ++i)
        maps.append(
            writeMap(QStringLiteral("map%1.map").arg(i),
                     CliSupport::plainMap(20 + (i * 97) % 230, 10 + (i * 53) % 118, 100 + i)));
    // Sizes that grow and shrink from one map to the next, and a bad map in
    // the middle, reported in its place while the others are still done.
    maps.insert(3, path(QStringLiteral("absent.map")));

    QByteArray firstOut;
    QByteArray firstErr;
    QList<QByteArray> firstPictures;
    for (const char *jobs : {"1", "4"}) {
        const QString folder = path(QStringLiteral("pictures-") + QLatin1String(jobs));
        QVERIFY(QDir().mkpath(folder));
        const CliSupport::Run render = cli(
            QStringList{QStringLiteral("render")} + maps +
            QStringList{QStringLiteral("-o"), folder, QStringLiteral("-j"), QLatin1String(jobs)});
        QCOMPARE(render.exitCode, BadInput);
        const CliSupport::Run info = cli(
            QStringList{QStringLiteral("info"), QStringLiteral("-j"), QLatin1String(jobs)} + maps);
        QCOMPARE(info.exitCode, BadInput);
        QCOMPARE(info.out.count('\n'), 8);

        QList<QByteArray> pictures;
        for (int i = 0; i < 8; ++i)
            pictures.append(
                TestFiles::readAll(QDir(folder).filePath(QStringLiteral("map%1.bmp").arg(i))));
        QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 8);
        if (firstOut.isEmpty()) {
            firstOut = info.out;
            firstErr = render.err + info.err;
            firstPictures = pictures;
        } else {
            QCOMPARE(info.out, firstOut);
            QCOMPARE(render.err + info.err, firstErr);
            QVERIFY(pictures == firstPictures);
        }
    }

    // Each picture is the one the map gives on its own.
    for (int i = 0; i < 8; ++i) {
        const QString name = QStringLiteral("map%1").arg(i);
        const QString alone = path(name + QStringLiteral("-alone.bmp"));
        const CliSupport::Run run =
            cli({QStringLiteral("render"), path(name + QStringLiteral(".map")),
                 QStringLiteral("-o"), alone});
        QCOMPARE(run.exitCode, Success);
        QCOMPARE(TestFiles::readAll(alone), firstPictures[i]);
    }
}

void TestCliTool::renderSizes_data()
{
    QTest::addColumn<QByteArray>("map");
    QTest::addColumn<QString>("zoom");
    QTest::addColumn<QSize>("size");
    const QByteArray tenByFive = CliSupport::plainMap(10, 5, 1);
    QTest::newRow("10 x 5 at 100 %") << tenByFive << "100" << QSize(160, 80);
    QTest::newRow("10 x 5 at 50 %") << tenByFive << "50" << QSize(80, 40);
    QTest::newRow("10 x 5 at 200 %") << tenByFive << "200" << QSize(320, 160);
    QTest::newRow("10 x 5 at 0.5 %") << tenByFive << "0.5" << QSize(1, 1);
    QTest::newRow("width byte 255, height byte 40")
        << CliSupport::mapFile(0xFE, 0x4F, 255, 40, 0, 0, nullptr) << "100" << QSize(4096, 656);
}

void TestCliTool::renderSizes()
{
    QFETCH(QByteArray, map);
    QFETCH(QString, zoom);
    QFETCH(QSize, size);
    const QString input = writeMap(QStringLiteral("m.map"), map);
    for (const QString &format : {QStringLiteral("bmp"), QStringLiteral("png")}) {
        const QString output = path(QStringLiteral("m.") + format);
        const CliSupport::Run run = cli({QStringLiteral("render"), input, QStringLiteral("-o"),
                                         output, QStringLiteral("--zoom"), zoom});
        QVERIFY2(run.exitCode == Success, run.err.constData());
        QImageReader reader(output);
        QCOMPARE(reader.format(), format.toLatin1());
        QCOMPARE(reader.size(), size);
    }
    // Both formats hold the same pixels.
    QCOMPARE(CliSupport::picture(path(QStringLiteral("m.png"))),
             CliSupport::picture(path(QStringLiteral("m.bmp"))));
}

void TestCliTool::exportToStandardOutput()
{
    const QString input =
        writeMap(QStringLiteral("m.map"),
                 CliSupport::mapFile(0xFE, 0x4F, 2, 1, 2, 1, [](int c, int) { return c + 1; }));
    const CliSupport::Run run =
        cli({QStringLiteral("export"), input, QStringLiteral("-f"), QStringLiteral("csv"),
             QStringLiteral("-o"), QStringLiteral("-")});
    QCOMPARE(run.exitCode, Success);
    QCOMPARE(run.out, QByteArray("1,2\n"));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{QStringLiteral("m.map")});
}

QTEST_GUILESS_MAIN(TestCliTool)
#include "tst_clitool.moc"
