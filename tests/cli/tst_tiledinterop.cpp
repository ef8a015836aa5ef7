// SPDX-License-Identifier: MIT
// Tiled as the peer. Its tmxrasterizer draws the TMX files tesselwick-cli
// exports, and must draw exactly the picture tesselwick-cli renders. Tiled's
// own command-line converter (run headless on the offscreen platform) writes
// TMX files in each layer encoding it offers; tesselwick-cli must import each
// to the map it came from.
#include "tests/cli/CliSupport.h"
#include "tests/support/NumberedSheet.h"
#include "tests/support/TestFiles.h"

#include <QFileInfo>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <zlib.h>

using CliSupport::cli;

namespace {

const QString Tiled = QStringLiteral(TILED_PROGRAM);
const QString TmxRasterizer = QStringLiteral(TMXRASTERIZER_PROGRAM);

// The layer of a TMX file that tesselwick-cli exported (CSV), re-encoded the
// way a TMX file in another encoding holds it, for Tiled to read and write
// again.
QByteArray reencoded(QByteArray tmx, int cells, const QString &encoding)
{
    const int start = tmx.indexOf("<data encoding=\"csv\">");
    const int end = tmx.indexOf("</data>");
    const QByteArray csv = tmx.mid(start + 21, end - start - 21);
    QByteArray ids(cells * 4, '\0');
    int cell = 0;
    for (const QByteArray &value : csv.simplified().replace(" ", "").split(','))
        qToLittleEndian<quint32>(value.toUInt(), ids.data() + 4 * cell++);

    QByteArray attributes = "encoding=\"base64\"";
    QByteArray payload = ids;
    if (encoding != QStringLiteral("base64")) {
        const bool gzip = encoding == QStringLiteral("gzip");
        attributes += gzip ? " compression=\"gzip\"" : " compression=\"zlib\"";
        z_stream stream{};
        deflateInit2(&stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, gzip ? 31 : 15, 8,
                     Z_DEFAULT_STRATEGY);
        payload.resize(static_cast<qsizetype>(deflateBound(&stream, ids.size())) + 32);
        stream.next_in = reinterpret_cast<Bytef *>(ids.data());
        stream.avail_in = static_cast<uInt>(ids.size());
        stream.next_out = reinterpret_cast<Bytef *>(payload.data());
        stream.avail_out = static_cast<uInt>(payload.size());
        deflate(&stream, Z_FINISH);
        payload.truncate(payload.size() - stream.avail_out);
        deflateEnd(&stream);
    }
    return tmx.replace(start, end + 7 - start,
                       "<data " + attributes + ">" + payload.toBase64() + "</data>");
}

constexpr int LevelWidth = 12;
constexpr int LevelHeight = 7;

// One tile layer of the test level: gids from firstGid on, none empty (an
// empty cell is tile 0 in a map but nothing at all in Tiled's picture).
QByteArray tmxLayer(const char *name, int id, quint32 firstGid, int seed)
{
    QByteArray csv;
    for (int row = 0; row < LevelHeight; ++row)
        for (int column = 0; column < LevelWidth; ++column) {
            const quint32 tile = quint32((column * 7 + row * 13 + seed * 31) % 256);
            csv += QByteArray::number(firstGid + tile);
            if (row + 1 < LevelHeight || column + 1 < LevelWidth)
                csv += ',';
        }
    return QByteArray(" <layer id=\"") + QByteArray::number(id) + "\" name=\"" + name +
           "\" width=\"12\" height=\"7\">\n  <data encoding=\"csv\">" + csv +
           "</data>\n </layer>\n";
}

// The test level as TMX: the numbered sheet as a tileset from firstGid,
// after a tileset of 32 x 32 tiles when another comes first, and layers.
QByteArray tmxLevel(quint32 firstGid, bool otherTilesetFirst, const QByteArray &layers)
{
    QByteArray text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<map version=\"1.8\" orientation=\"orthogonal\" renderorder=\"right-down\" "
                      "width=\"12\" height=\"7\" tilewidth=\"16\" tileheight=\"16\" "
                      "infinite=\"0\" nextlayerid=\"4\" nextobjectid=\"1\">\n";
    if (otherTilesetFirst)
        text += " <tileset firstgid=\"1\" name=\"big\" tilewidth=\"32\" tileheight=\"32\" "
                "tilecount=\"2\" columns=\"2\">\n  <image source=\"big.png\" width=\"64\" "
                "height=\"32\"/>\n </tileset>\n";
    text += " <tileset firstgid=\"" + QByteArray::number(firstGid) +
            "\" name=\"numbers\" tilewidth=\"16\" tileheight=\"16\" tilecount=\"256\" "
            "columns=\"32\">\n  <image source=\"sheet.png\" width=\"512\" "
            "height=\"128\"/>\n </tileset>\n";
    return text + layers + "</map>\n";
}

QByteArray gzipped(const QByteArray &data)
{
    z_stream stream{};
    deflateInit2(&stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, 31, 8, Z_DEFAULT_STRATEGY);
    QByteArray out(static_cast<qsizetype>(deflateBound(&stream, data.size())) + 32, '\0');
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.data()));
    stream.avail_in = static_cast<uInt>(data.size());
    stream.next_out = reinterpret_cast<Bytef *>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    deflate(&stream, Z_FINISH);
    out.truncate(out.size() - stream.avail_out);
    deflateEnd(&stream);
    return out;
}

} // namespace

class TestTiledInterop : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void tmxRasterizerDrawsOurPicture_data();
    void tmxRasterizerDrawsOurPicture();
    void tmxRasterizerAtTwiceTheSize();
    void tiledWrittenFilesImport_data();
    void tiledWrittenFilesImport();
    void importIsWhatTiledDraws_data();
    void importIsWhatTiledDraws();
    void tiledJsonRoundTrip();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }
    CliSupport::Run peer(const QString &program, const QStringList &arguments) const;

    std::unique_ptr<QTemporaryDir> m_dir;
    QTemporaryDir m_runtime;
};

void TestTiledInterop::initTestCase()
{
    // Both are Qt programs; without a display they need the offscreen
    // platform and a runtime folder of their own.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("XDG_RUNTIME_DIR", m_runtime.path().toUtf8());
    qputenv("HOME", m_runtime.path().toUtf8());
    QVERIFY(QFileInfo(Tiled).isExecutable());
    QVERIFY(QFileInfo(TmxRasterizer).isExecutable());
}

void TestTiledInterop::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

CliSupport::Run TestTiledInterop::peer(const QString &program, const QStringList &arguments) const
{
    return CliSupport::run(program, arguments, m_dir->path());
}

void TestTiledInterop::tmxRasterizerDrawsOurPicture_data()
{
    QTest::addColumn<QByteArray>("map");
    QTest::addColumn<QImage>("sheet");

    const QByteArray sample = TestFiles::readAll(QStringLiteral(TESSELWICK_TEST_DATA) +
                                                 QStringLiteral("/sample/sample.map"));
    QImage small = NumberedSheet::sheet().copy(0, 0, 300, 70);
    QTest::newRow("sample, built-in sheet") << sample << QImage();
    QTest::newRow("whole grid, built-in sheet") << CliSupport::plainMap(256, 128, 41) << QImage();
    QTest::newRow("odd size, numbered sheet")
        << CliSupport::plainMap(77, 101, 42) << NumberedSheet::sheet();
    // Tiles beyond a small sheet are the sheet box's background in both.
    QTest::newRow("254 x 3, small sheet") << CliSupport::plainMap(254, 3, 43) << small;
}

void TestTiledInterop::tmxRasterizerDrawsOurPicture()
{
    QFETCH(QByteArray, map);
    QFETCH(QImage, sheet);
    TestFiles::write(path(QStringLiteral("level.map")), map);
    QStringList tiles;
    if (!sheet.isNull()) {
        QVERIFY(sheet.save(path(QStringLiteral("sheet.png"))));
        tiles = {QStringLiteral("--tiles"), path(QStringLiteral("sheet.png"))};
    }

    CliSupport::Run run =
        cli(QStringList{QStringLiteral("export"), path(QStringLiteral("level.map")),
                        QStringLiteral("-f"), QStringLiteral("tmx")} +
            tiles);
    QVERIFY2(run.exitCode == 0, run.err.constData());
    run = cli(QStringList{QStringLiteral("render"), path(QStringLiteral("level.map")),
                          QStringLiteral("-o"), path(QStringLiteral("ours.png"))} +
              tiles);
    QVERIFY2(run.exitCode == 0, run.err.constData());
    run =
        peer(TmxRasterizer, {path(QStringLiteral("level.tmx")), path(QStringLiteral("peer.png"))});
    QVERIFY2(run.exitCode == 0, run.err.constData());

    const QImage ours = CliSupport::picture(path(QStringLiteral("ours.png")));
    const QImage theirs = CliSupport::picture(path(QStringLiteral("peer.png")));
    QVERIFY(!ours.isNull());
    QCOMPARE(theirs.size(), ours.size());
    QCOMPARE(theirs, ours);
}

void TestTiledInterop::tmxRasterizerAtTwiceTheSize()
{
    // At 200 % every pixel becomes a 2 x 2 block, as Tiled's renderer draws
    // tiles scaled by 2 without smoothing.
    TestFiles::write(path(QStringLiteral("level.map")), CliSupport::plainMap(61, 37, 44));
    CliSupport::Run run = cli({QStringLiteral("export"), path(QStringLiteral("level.map")),
                               QStringLiteral("-f"), QStringLiteral("tmx")});
    QVERIFY2(run.exitCode == 0, run.err.constData());
    run = cli({QStringLiteral("render"), path(QStringLiteral("level.map")), QStringLiteral("-o"),
               path(QStringLiteral("ours.bmp")), QStringLiteral("--zoom"), QStringLiteral("200")});
    QVERIFY2(run.exitCode == 0, run.err.constData());
    run = peer(TmxRasterizer,
               {QStringLiteral("--scale"), QStringLiteral("2"), QStringLiteral("--no-smoothing"),
                path(QStringLiteral("level.tmx")), path(QStringLiteral("peer.png"))});
    QVERIFY2(run.exitCode == 0, run.err.constData());
    const QImage ours = CliSupport::picture(path(QStringLiteral("ours.bmp")));
    QCOMPARE(ours.size(), QSize(61 * 32, 37 * 32));
    QCOMPARE(CliSupport::picture(path(QStringLiteral("peer.png"))), ours);
}

void TestTiledInterop::tiledWrittenFilesImport_data()
{
    QTest::addColumn<QString>("encoding");
    QTest::addColumn<QByteArray>("map");
    QTest::addColumn<QByteArray>("written");
    // The layer data format Tiled keeps from the file it read; the attribute
    // it then writes shows which one it used.
    QTest::newRow("csv") << "csv" << CliSupport::plainMap(40, 25, 51)
                         << QByteArray("<data encoding=\"csv\">");
    QTest::newRow("base64") << "base64" << CliSupport::plainMap(256, 128, 52)
                            << QByteArray("<data encoding=\"base64\">");
    QTest::newRow("base64 zlib") << "zlib" << CliSupport::plainMap(100, 60, 53)
                                 << QByteArray("<data encoding=\"base64\" compression=\"zlib\">");
    QTest::newRow("base64 gzip") << "gzip" << CliSupport::plainMap(1, 128, 54)
                                 << QByteArray("<data encoding=\"base64\" compression=\"gzip\">");
}

void TestTiledInterop::tiledWrittenFilesImport()
{
    QFETCH(QString, encoding);
    QFETCH(QByteArray, map);
    QFETCH(QByteArray, written);
    const QString original = path(QStringLiteral("original.map"));
    TestFiles::write(original, map);
    CliSupport::Run run =
        cli({QStringLiteral("export"), original, QStringLiteral("-f"), QStringLiteral("tmx"),
             QStringLiteral("-o"), path(QStringLiteral("ours.tmx"))});
    QVERIFY2(run.exitCode == 0, run.err.constData());
    QByteArray input = TestFiles::readAll(path(QStringLiteral("ours.tmx")));
    if (encoding != QStringLiteral("csv")) {
        const MapFile::Contents contents = MapFile::decode(map);
        const int width = contents.widthByte == 255 ? 256 : contents.widthByte;
        const int height = contents.widthByte == 255 ? 128 : contents.heightByte;
        input = reencoded(input, width * height, encoding);
    }
    TestFiles::write(path(QStringLiteral("input.tmx")), input);

    // Tiled reads the file and writes it anew with its own TMX writer.
    run = peer(Tiled, {QStringLiteral("--export-map"), QStringLiteral("tmx"),
                       path(QStringLiteral("input.tmx")), path(QStringLiteral("tiled.tmx"))});
    QVERIFY2(run.exitCode == 0, run.err.constData());
    const QByteArray tiled = TestFiles::readAll(path(QStringLiteral("tiled.tmx")));
    QVERIFY2(tiled.contains("tiledversion="), tiled.left(300).constData());
    QVERIFY2(tiled.contains(written), tiled.left(800).constData());

    const QString imported = path(QStringLiteral("imported.map"));
    run = cli({QStringLiteral("import"), path(QStringLiteral("tiled.tmx")), QStringLiteral("-o"),
               imported});
    QVERIFY2(run.exitCode == 0, run.err.constData());
    QCOMPARE(TestFiles::readAll(imported), map);
}

void TestTiledInterop::importIsWhatTiledDraws_data()
{
    // The Tiled map, and how it reaches the import: as written, packed with
    // gzip, or converted to JSON by Tiled itself.
    QTest::addColumn<QByteArray>("tmx");
    QTest::addColumn<QString>("via");
    QTest::addColumn<QString>("layer");
    // Empty when the import must give what Tiled draws of that layer;
    // otherwise what the refusal says.
    QTest::addColumn<QString>("says");

    const QByteArray one = tmxLayer("ground", 1, 1, 0);
    const QByteArray three =
        tmxLayer("ground", 1, 3, 0) + tmxLayer("walls", 2, 3, 1) + tmxLayer("roof", 3, 3, 2);
    const QString tmx = QStringLiteral("tmx");
    const QString gz = QStringLiteral("tmx.gz");
    const QString json = QStringLiteral("tiled json");
    QTest::newRow("firstgid 1") << tmxLevel(1, false, one) << tmx << QString() << QString();
    QTest::newRow("firstgid 3") << tmxLevel(3, false, tmxLayer("ground", 1, 3, 0)) << tmx
                                << QString() << QString();
    QTest::newRow("a second tileset first")
        << tmxLevel(3, true, tmxLayer("ground", 1, 3, 0)) << tmx << QString() << QString();
    QTest::newRow("three layers, the middle one")
        << tmxLevel(3, true, three) << tmx << QStringLiteral("walls") << QString();
    QTest::newRow("three layers, the last by number")
        << tmxLevel(3, true, three) << tmx << QStringLiteral("3") << QString();
    QTest::newRow("three layers, none chosen")
        << tmxLevel(3, true, three) << tmx << QString()
        << QStringLiteral("the map has 3 tile layers (\"ground\", \"walls\", \"roof\")");
    QTest::newRow("gzipped") << tmxLevel(3, true, three) << gz << QStringLiteral("roof")
                             << QString();
    QTest::newRow("Tiled's JSON") << tmxLevel(3, true, three) << json << QStringLiteral("walls")
                                  << QString();
    QTest::newRow("Tiled's JSON, three layers, none chosen")
        << tmxLevel(3, true, three) << json << QString()
        << QStringLiteral("the map has 3 tile layers");
    QTest::newRow("a layer using both tilesets")
        << tmxLevel(3, true, tmxLayer("ground", 1, 3, 0).replace(">3,10,", ">3,2,")) << tmx
        << QString()
        << QStringLiteral("column 1, row 0: tile id 2 is from tileset \"big\" (firstgid 1), but "
                          "the layer already uses tileset \"numbers\" (firstgid 3)");
    QTest::newRow("Tiled's JSON, a layer of 32 pixel tiles")
        << tmxLevel(3, true, tmxLayer("ground", 1, 3, 0).replace(">3,", ">2,")) << json << QString()
        << QStringLiteral("tile id 2 is from tileset \"big\" (firstgid 1) of 32 x 32 tiles; the "
                          "tiles must be 16 x 16 pixels");
}

void TestTiledInterop::importIsWhatTiledDraws()
{
    QFETCH(QByteArray, tmx);
    QFETCH(QString, via);
    QFETCH(QString, layer);
    QFETCH(QString, says);
    QVERIFY(NumberedSheet::sheet().save(path(QStringLiteral("sheet.png"))));
    QImage big(64, 32, QImage::Format_RGB32);
    big.fill(Qt::magenta);
    QVERIFY(big.save(path(QStringLiteral("big.png"))));
    const QString level = path(QStringLiteral("level.tmx"));
    TestFiles::write(level, tmx);

    QString input = level;
    if (via == QStringLiteral("tmx.gz")) {
        input = path(QStringLiteral("level.tmx.gz"));
        TestFiles::write(input, gzipped(tmx));
    } else if (via == QStringLiteral("tiled json")) {
        input = path(QStringLiteral("level.tmj"));
        const CliSupport::Run run =
            peer(Tiled, {QStringLiteral("--export-map"), QStringLiteral("json"), level, input});
        QVERIFY2(run.exitCode == 0, run.err.constData());
        QVERIFY(TestFiles::readAll(input).contains("\"tiledversion\""));
    }

    const QString imported = path(QStringLiteral("imported.map"));
    QStringList arguments = {QStringLiteral("import"), input, QStringLiteral("-o"), imported};
    if (!layer.isEmpty())
        arguments += {QStringLiteral("--layer"), layer};
    CliSupport::Run run = cli(arguments);
    if (!says.isEmpty()) {
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.startsWith("tesselwick-cli: " + QFileInfo(input).filePath().toUtf8()),
                 run.err.constData());
        QVERIFY2(QString::fromUtf8(run.err).contains(says), run.err.constData());
        QVERIFY(!QFileInfo::exists(imported));
        return;
    }
    QVERIFY2(run.exitCode == 0, run.err.constData());
    QVERIFY(run.err.isEmpty());
    run = cli({QStringLiteral("render"), imported, QStringLiteral("-o"),
               path(QStringLiteral("ours.png")), QStringLiteral("--tiles"),
               path(QStringLiteral("sheet.png"))});
    QVERIFY2(run.exitCode == 0, run.err.constData());

    // Tiled draws the file the import read (the plain TMX for the gzipped
    // one), showing the chosen layer only, by its name.
    const QString drawn = via == QStringLiteral("tmx.gz") ? level : input;
    QStringList peerArguments;
    if (!layer.isEmpty()) {
        const QStringList names = {QStringLiteral("ground"), QStringLiteral("walls"),
                                   QStringLiteral("roof")};
        bool isNumber = false;
        const int number = layer.toInt(&isNumber);
        peerArguments = {QStringLiteral("--show-layer"), isNumber ? names.at(number - 1) : layer};
    }
    run = peer(TmxRasterizer, peerArguments + QStringList{drawn, path(QStringLiteral("peer.png"))});
    QVERIFY2(run.exitCode == 0, run.err.constData());
    const QImage ours = CliSupport::picture(path(QStringLiteral("ours.png")));
    QCOMPARE(ours.size(), QSize(LevelWidth * 16, LevelHeight * 16));
    QCOMPARE(CliSupport::picture(path(QStringLiteral("peer.png"))), ours);
}

void TestTiledInterop::tiledJsonRoundTrip()
{
    // Our JSON export is drawn by Tiled as we render the map, and what Tiled
    // writes of it again imports to the same map.
    const QByteArray map = CliSupport::plainMap(45, 23, 61);
    const QString original = path(QStringLiteral("original.map"));
    TestFiles::write(original, map);
    CliSupport::Run run =
        cli({QStringLiteral("export"), original, QStringLiteral("-f"), QStringLiteral("tmj"),
             QStringLiteral("-o"), path(QStringLiteral("ours.tmj"))});
    QVERIFY2(run.exitCode == 0, run.err.constData());
    run = cli({QStringLiteral("render"), original, QStringLiteral("-o"),
               path(QStringLiteral("ours.png"))});
    QVERIFY2(run.exitCode == 0, run.err.constData());
    run = peer(TmxRasterizer, {path(QStringLiteral("ours.tmj")), path(QStringLiteral("peer.png"))});
    QVERIFY2(run.exitCode == 0, run.err.constData());
    QCOMPARE(CliSupport::picture(path(QStringLiteral("peer.png"))),
             CliSupport::picture(path(QStringLiteral("ours.png"))));

    run = peer(Tiled, {QStringLiteral("--export-map"), QStringLiteral("json"),
                       path(QStringLiteral("ours.tmj")), path(QStringLiteral("tiled.json"))});
    QVERIFY2(run.exitCode == 0, run.err.constData());
    run = cli({QStringLiteral("import"), path(QStringLiteral("tiled.json")), QStringLiteral("-o"),
               path(QStringLiteral("back.map"))});
    QVERIFY2(run.exitCode == 0, run.err.constData());
    QCOMPARE(TestFiles::readAll(path(QStringLiteral("back.map"))), map);
}

QTEST_GUILESS_MAIN(TestTiledInterop)
#include "tst_tiledinterop.moc"
