// SPDX-License-Identifier: MIT
// The layout and naming options of tesselwick-cli export as a user gives
// them: the files written, the warning for padded screens, and the status
// and message for options that cannot work.
#include "tests/cli/CliSupport.h"
#include "tests/support/TestFiles.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using CliSupport::cli;

namespace {

constexpr int Success = 0;
constexpr int BadInput = 1;
constexpr int WrongUsage = 2;

QStringList exporting(const QString &format, const QStringList &more)
{
    return QStringList{QStringLiteral("export"), QStringLiteral("m.map"), QStringLiteral("-f"),
                       format} +
           more;
}

} // namespace

class TestCliExportOptions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();

    void wrongUsage_data();
    void wrongUsage();
    void badInput_data();
    void badInput();
    void screensAsFiles_data();
    void screensAsFiles();
    void cHeaderBesideTheSource();
    void failedFileLeavesTheOthers_data();
    void failedFileLeavesTheOthers();
    void symbolNamesTheData();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }
    QStringList files() const { return QDir(m_dir->path()).entryList(QDir::Files); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestCliExportOptions::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    // 5 x 3 cells numbered 0..14.
    TestFiles::write(path(QStringLiteral("m.map")),
                     CliSupport::mapFile(0xFE, 0x4F, 5, 3, 5, 3,
                                         [](int column, int row) { return row * 5 + column; }));
}

void TestCliExportOptions::wrongUsage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("says");
    const QString csv = QStringLiteral("csv");
    const QString asm_ = QStringLiteral("asm");
    QTest::newRow("dialect for c")
        << exporting(QStringLiteral("c"), {QStringLiteral("--dialect"), QStringLiteral("xa")})
        << "--dialect belongs to --format asm";
    QTest::newRow("unknown dialect")
        << exporting(asm_, {QStringLiteral("--dialect"), QStringLiteral("masm")})
        << "--dialect takes ca65, 64tass, acme, dasm, xa, kickass, z80, sdas, rgbds, not 'masm'";
    QTest::newRow("symbol for csv")
        << exporting(csv, {QStringLiteral("--symbol"), QStringLiteral("level")})
        << "--symbol belongs to --format asm and c";
    QTest::newRow("symbol with a dash")
        << exporting(asm_, {QStringLiteral("--symbol"), QStringLiteral("lev-1")})
        << "--symbol takes letters, digits and underscores only";
    QTest::newRow("symbol that is a register")
        << exporting(asm_, {QStringLiteral("--symbol"), QStringLiteral("X")})
        << "--symbol 'X' is empty, starts with a digit";
    QTest::newRow("symbol that is a keyword")
        << exporting(QStringLiteral("c"), {QStringLiteral("--symbol"), QStringLiteral("static")})
        << "--symbol 'static' is empty";
    QTest::newRow("symbol with two underscores")
        << exporting(QStringLiteral("c"), {QStringLiteral("--symbol"), QStringLiteral("a__b")})
        << "two underscores";
    QTest::newRow("rle for csv") << exporting(csv, {QStringLiteral("--rle")})
                                 << "--rle packs bin, asm and c, not csv";
    QTest::newRow("rle for tmx") << exporting(QStringLiteral("tmx"), {QStringLiteral("--rle")})
                                 << "--rle packs bin, asm and c, not tmx";
    QTest::newRow("order diagonal")
        << exporting(csv, {QStringLiteral("--order"), QStringLiteral("diagonal")})
        << "--order takes rows or columns";
    QTest::newRow("region of three numbers")
        << exporting(csv, {QStringLiteral("--region"), QStringLiteral("1,2,3")})
        << "--region takes X,Y,W,H";
    QTest::newRow("region of width 0")
        << exporting(csv, {QStringLiteral("--region"), QStringLiteral("0,0,0,2")})
        << "--region takes X,Y,W,H";
    QTest::newRow("region below 0")
        << exporting(csv, {QStringLiteral("--region"), QStringLiteral("-1,0,2,2")})
        << "--region takes X,Y,W,H";
    QTest::newRow("screens 0 wide")
        << exporting(csv, {QStringLiteral("--screens"), QStringLiteral("0x25")})
        << "--screens takes WxH";
    QTest::newRow("screens taller than a map")
        << exporting(csv, {QStringLiteral("--screens"), QStringLiteral("40x129")})
        << "--screens takes WxH";
    QTest::newRow("screens of csv to standard output")
        << exporting(csv, {QStringLiteral("--screens"), QStringLiteral("2x2"), QStringLiteral("-o"),
                           QStringLiteral("-")})
        << "--screens writes one csv file per screen";
    QTest::newRow("offset 256") << exporting(csv,
                                             {QStringLiteral("--offset"), QStringLiteral("256")})
                                << "--offset takes a whole number from -255 to 255";
    QTest::newRow("offset x") << exporting(csv, {QStringLiteral("--offset"), QStringLiteral("x")})
                              << "--offset takes a whole number";
    QTest::newRow("wrap alone") << exporting(csv, {QStringLiteral("--wrap")})
                                << "--wrap belongs to --offset";
    QTest::newRow("layout for render")
        << QStringList{QStringLiteral("render"), QStringLiteral("m.map"),     QStringLiteral("-o"),
                       QStringLiteral("m.bmp"),  QStringLiteral("--screens"), QStringLiteral("2x2")}
        << "--screens belongs to export";
    QTest::newRow("rle for info") << QStringList{QStringLiteral("info"), QStringLiteral("m.map"),
                                                 QStringLiteral("--rle")}
                                  << "--rle belongs to export";
}

void TestCliExportOptions::wrongUsage()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, says);
    const CliSupport::Run run = cli(arguments, m_dir->path());
    QCOMPARE(run.exitCode, WrongUsage);
    QVERIFY(run.out.isEmpty());
    QVERIFY2(run.err.contains(says.toUtf8()), run.err.constData());
    QCOMPARE(files(), QStringList{QStringLiteral("m.map")});
}

void TestCliExportOptions::badInput_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("says");
    QTest::newRow("region outside the map")
        << exporting(QStringLiteral("bin"), {QStringLiteral("--region"), QStringLiteral("3,1,3,2")})
        << "m.map: --region 3,1,3,2 reaches outside the map's 5 x 3 cells";
    QTest::newRow("offset over 255")
        << exporting(QStringLiteral("asm"), {QStringLiteral("--offset"), QStringLiteral("250")})
        << "m.map: tile 6 with --offset 250 gives 256, outside 0..255 (--wrap takes it modulo "
           "256)";
    QTest::newRow("padding under 0")
        << exporting(QStringLiteral("csv"), {QStringLiteral("--screens"), QStringLiteral("2x2"),
                                             QStringLiteral("--region"), QStringLiteral("1,0,3,3"),
                                             QStringLiteral("--offset"), QStringLiteral("-1")})
        << "m.map: tile 0 with --offset -1 gives -1";
}

void TestCliExportOptions::badInput()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, says);
    const CliSupport::Run run = cli(arguments, m_dir->path());
    QCOMPARE(run.exitCode, BadInput);
    QVERIFY2(run.err.contains(says.toUtf8()), run.err.constData());
    QCOMPARE(files(), QStringList{QStringLiteral("m.map")});
}

void TestCliExportOptions::screensAsFiles_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QStringList>("written");
    QTest::newRow("csv") << "csv"
                         << QStringList{QStringLiteral("m_0.csv"), QStringLiteral("m_1.csv"),
                                        QStringLiteral("m_2.csv"), QStringLiteral("m_3.csv")};
    QTest::newRow("tmx") << "tmx"
                         << QStringList{QStringLiteral("m.tiles.png"), QStringLiteral("m_0.tmx"),
                                        QStringLiteral("m_1.tmx"), QStringLiteral("m_2.tmx"),
                                        QStringLiteral("m_3.tmx")};
    QTest::newRow("tmj") << "tmj"
                         << QStringList{QStringLiteral("m.tiles.png"), QStringLiteral("m_0.tmj"),
                                        QStringLiteral("m_1.tmj"), QStringLiteral("m_2.tmj"),
                                        QStringLiteral("m_3.tmj")};
    QTest::newRow("bin") << "bin" << QStringList{QStringLiteral("m.bin")};
}

void TestCliExportOptions::screensAsFiles()
{
    QFETCH(QString, format);
    QFETCH(QStringList, written);
    const CliSupport::Run run =
        cli(exporting(format, {QStringLiteral("--screens"), QStringLiteral("3x2"),
                               QStringLiteral("--offset"), QStringLiteral("1")}),
            m_dir->path());
    QCOMPARE(run.exitCode, Success);
    QCOMPARE(run.err, QByteArray("tesselwick-cli: m.map: warning: 5 x 3 cells do not divide into "
                                 "screens of 3 x 2: padded with tile 0 to 6 x 4\n"));
    written.append(QStringLiteral("m.map"));
    written.sort();
    QCOMPARE(files(), written);
    if (format == QStringLiteral("csv")) {
        // Reading order; the padding is tile 0 plus the offset.
        QCOMPARE(TestFiles::readAll(path(QStringLiteral("m_1.csv"))),
                 QByteArray("4,5,1\n9,10,1\n"));
        QCOMPARE(TestFiles::readAll(path(QStringLiteral("m_2.csv"))),
                 QByteArray("11,12,13\n1,1,1\n"));
    } else if (format == QStringLiteral("bin")) {
        QCOMPARE(TestFiles::readAll(path(QStringLiteral("m.bin"))).toHex(),
                 QByteArray("010203060708"
                            "040501090a01"
                            "0b0c0d010101"
                            "0e0f01010101"));
    } else if (format == QStringLiteral("tmj")) {
        // The last screen: two cells of the map, the rest padding; ids count from 1.
        const QJsonObject tmj =
            QJsonDocument::fromJson(TestFiles::readAll(path(QStringLiteral("m_3.tmj")))).object();
        QCOMPARE(tmj.value(QStringLiteral("width")).toInt(), 3);
        QCOMPARE(tmj.value(QStringLiteral("height")).toInt(), 2);
        const QJsonObject layer = tmj.value(QStringLiteral("layers")).toArray().at(0).toObject();
        QCOMPARE(layer.value(QStringLiteral("data")).toArray(), (QJsonArray{15, 16, 2, 2, 2, 2}));
        const QJsonObject tileset =
            tmj.value(QStringLiteral("tilesets")).toArray().at(0).toObject();
        QCOMPARE(tileset.value(QStringLiteral("image")).toString(), QStringLiteral("m.tiles.png"));
    } else {
        const QByteArray tmx = TestFiles::readAll(path(QStringLiteral("m_3.tmx")));
        QVERIFY2(tmx.contains("width=\"3\" height=\"2\""), tmx.constData());
        QVERIFY2(tmx.contains("<image source=\"m.tiles.png\""), tmx.constData());
    }
}

void TestCliExportOptions::cHeaderBesideTheSource()
{
    // The missing folder is made for both files.
    CliSupport::Run run =
        cli(exporting(QStringLiteral("c"), {QStringLiteral("-o"), QStringLiteral("out/lev.c")}),
            m_dir->path());
    QCOMPARE(run.exitCode, Success);
    QCOMPARE(QDir(path(QStringLiteral("out"))).entryList(QDir::Files),
             (QStringList{QStringLiteral("lev.c"), QStringLiteral("lev.h")}));
    const QByteArray header = TestFiles::readAll(path(QStringLiteral("out/lev.h")));
    // "m" is a Z80 condition: the name gets the prefix.
    QVERIFY2(header.contains("extern const unsigned char map_m[MAP_M_SIZE];"), header.constData());

    // To standard output the source alone: no header is written anywhere.
    run = cli(exporting(QStringLiteral("c"), {QStringLiteral("-o"), QStringLiteral("-")}),
              m_dir->path());
    QCOMPARE(run.exitCode, Success);
    QCOMPARE(run.out, TestFiles::readAll(path(QStringLiteral("out/lev.c"))));
    QCOMPARE(files(), QStringList{QStringLiteral("m.map")});
}

void TestCliExportOptions::failedFileLeavesTheOthers_data()
{
    // A folder stands where the last file of the set would go.
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("blocked");
    QTest::addColumn<QStringList>("setFiles");
    QTest::newRow("source and header")
        << exporting(QStringLiteral("c"), {QStringLiteral("-o"), QStringLiteral("lev.c")})
        << "lev.h" << QStringList{QStringLiteral("lev.c")};
    QTest::newRow("numbered screens")
        << exporting(QStringLiteral("csv"), {QStringLiteral("--screens"), QStringLiteral("3x2")})
        << "m_3.csv"
        << QStringList{QStringLiteral("m_0.csv"), QStringLiteral("m_1.csv"),
                       QStringLiteral("m_2.csv")};
}

void TestCliExportOptions::failedFileLeavesTheOthers()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, blocked);
    QFETCH(QStringList, setFiles);
    QVERIFY(QDir(m_dir->path()).mkdir(blocked));
    // One file of the set is there from before and keeps its bytes.
    const QByteArray earlier("from an earlier export\n");
    TestFiles::write(path(setFiles.first()), earlier);

    const CliSupport::Run run = cli(arguments, m_dir->path());
    QCOMPARE(run.exitCode, BadInput);
    QVERIFY2(run.err.contains(blocked.toUtf8()), run.err.constData());
    QCOMPARE(TestFiles::readAll(path(setFiles.first())), earlier);
    QStringList left{setFiles.first(), QStringLiteral("m.map")};
    left.sort();
    QCOMPARE(files(), left);
}

void TestCliExportOptions::symbolNamesTheData()
{
    const CliSupport::Run run =
        cli(exporting(QStringLiteral("asm"), {QStringLiteral("--symbol"), QStringLiteral("Cave_2"),
                                              QStringLiteral("--dialect"), QStringLiteral("z80"),
                                              QStringLiteral("--region"), QStringLiteral("1,1,2,1"),
                                              QStringLiteral("-o"), QStringLiteral("-")}),
            m_dir->path());
    QCOMPARE(run.exitCode, Success);
    QCOMPARE(run.out, QByteArray("; m: 5 x 3 tiles, region 1,1 of 2 x 1, one byte a tile, row by "
                                 "row\nCave_2:\n    defb 006h,007h\n"));
}

QTEST_GUILESS_MAIN(TestCliExportOptions)
#include "tst_cliexportoptions.moc"
