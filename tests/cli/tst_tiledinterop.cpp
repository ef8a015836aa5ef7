// SPDX-License-Identifier: MIT
// Tiled as the peer. Its tmxrasterizer draws the TMX files tesselwick-cli
// exports, and must draw exactly the picture tesselwick-cli renders. Tiled's
// own command-line converter (run headless on the offscreen platform) writes
// TMX files in each layer encoding it offers; tesselwick-cli must import each
// to the map it came from.
#include "tests/cli/CliSupport.h"
#include "tests/support/NumberedSheet.h"
#include "tests/support/TestFiles.h"

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

QTEST_GUILESS_MAIN(TestTiledInterop)
#include "tst_tiledinterop.moc"
