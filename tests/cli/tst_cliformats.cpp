// SPDX-License-Identifier: MIT
// The data formats of tesselwick-cli called directly: what they write, what
// they read back, and where they point when a file breaks their rules.
#include "cli/CommandLine.h"
#include "cli/CsvFormat.h"
#include "cli/LoadedMap.h"
#include "cli/MapExport.h"
#include "cli/SymbolNames.h"
#include "cli/TiledMap.h"
#include "cli/TmjFormat.h"
#include "cli/TmxFormat.h"
#include "tests/cli/CliSupport.h"

#include <QTest>
#include <QtEndian>

#include <zlib.h>

using CliSupport::cellsOf;

namespace {

// A TMX file around a layer's <data> element, with map attributes to vary.
QByteArray tmx(const QByteArray &data, const QByteArray &mapAttributes = "width=\"3\" height=\"2\"",
               const QByteArray &layers = QByteArray())
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<map version=\"1.8\" orientation=\"orthogonal\" " +
           mapAttributes +
           " tilewidth=\"16\" tileheight=\"16\" infinite=\"0\">\n"
           " <tileset firstgid=\"1\" name=\"t\" tilewidth=\"16\" tileheight=\"16\" "
           "tilecount=\"256\" columns=\"32\">\n"
           "  <image source=\"t.png\" width=\"512\" height=\"128\"/>\n"
           " </tileset>\n"
           " <layer id=\"1\" name=\"l\" width=\"3\" height=\"2\">\n"
           "  " +
           data + "\n </layer>\n" + layers + "</map>\n";
}

// The ids of a 3 x 2 layer as TMX stores them in binary: 32-bit little endian.
QByteArray binaryIds(const QList<quint32> &ids)
{
    QByteArray bytes(ids.size() * 4, '\0');
    for (int i = 0; i < ids.size(); ++i)
        qToLittleEndian(ids[i], bytes.data() + i * 4);
    return bytes;
}

QByteArray packed(const QByteArray &data, bool gzip)
{
    z_stream stream{};
    deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, gzip ? 31 : 15, 8, Z_DEFAULT_STRATEGY);
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

// What went wrong, for a check's message: QVERIFY2 words it even on success.
template <typename T> QString whyNot(const Outcome<T> &outcome)
{
    return outcome.succeeded() ? QString() : outcome.failure().describe();
}

const QList<quint32> SampleIds = {1, 0, 256, 2, 17, 128};
const std::vector<std::uint8_t> SampleCells = {0, 0, 255, 1, 16, 127};

} // namespace

Q_DECLARE_METATYPE(Failure)
Q_DECLARE_METATYPE(TiledMap)

class TestCliFormats : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void csvRoundTrip_data();
    void csvRoundTrip();
    void csvIsPlainRows();
    void csvRefuses_data();
    void csvRefuses();

    void tmxRoundTrip_data();
    void tmxRoundTrip();
    void tmxEncodings_data();
    void tmxEncodings();
    void tmxRefuses_data();
    void tmxRefuses();

    void tiledLayers_data();
    void tiledLayers();
    void tmjRoundTrip_data();
    void tmjRoundTrip();
    void tmjRefuses_data();
    void tmjRefuses();

    void importedHeaderBytes_data();
    void importedHeaderBytes();

    void failureText_data();
    void failureText();

    void sourceFormats();
    void identifiers_data();
    void identifiers();
};

void TestCliFormats::csvRoundTrip_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("one cell") << 1 << 1;
    QTest::newRow("40 x 25") << 40 << 25;
    QTest::newRow("whole grid") << 256 << 128;
}

void TestCliFormats::csvRoundTrip()
{
    QFETCH(int, width);
    QFETCH(int, height);
    const MapCells map = cellsOf(width, height, 7);
    const Outcome<MapCells> read = CsvFormat::read(CsvFormat::write(map));
    QVERIFY2(read.succeeded(), qPrintable(whyNot(read)));
    const MapCells &back = read.value();
    QCOMPARE(back.width, width);
    QCOMPARE(back.height, height);
    QVERIFY(back.cells == map.cells);
}

void TestCliFormats::csvIsPlainRows()
{
    MapCells map;
    map.width = 3;
    map.height = 2;
    map.cells = {0, 9, 255, 10, 100, 1};
    QCOMPARE(CsvFormat::write(map), QByteArray("0,9,255\n10,100,1\n"));

    // Windows line ends, blanks and a trailing blank line are read the same.
    const Outcome<MapCells> back = CsvFormat::read("0, 9 ,255\r\n10,100,\t1\r\n\r\n");
    QVERIFY(back.succeeded());
    QVERIFY(back.value().cells == map.cells);
}

void TestCliFormats::csvRefuses_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("says");

    QTest::newRow("empty") << QByteArray() << 0 << 0 << "no rows";
    QTest::newRow("only blank lines") << QByteArray("\n  \n") << 0 << 0 << "no rows";
    QTest::newRow("ragged rows") << QByteArray("1,2,3\n4,5,6\n7,8\n") << 3 << 0
                                 << "2 values where line 1 has 3";
    QTest::newRow("256") << QByteArray("1,2,3\n4,256,6\n") << 2 << 3
                         << "\"256\" is not a tile number 0..255";
    QTest::newRow("negative") << QByteArray("1,-2,3\n") << 1 << 3
                              << "\"-2\" is not a tile number 0..255";
    QTest::newRow("not a number") << QByteArray("1,2,3\n4,5,x7\n") << 2 << 5
                                  << "\"x7\" is not a tile number";
    QTest::newRow("empty value") << QByteArray("1,,3\n") << 1 << 3 << "a value is missing";
    QTest::newRow("trailing comma") << QByteArray("1,2,\n") << 1 << 5 << "a value is missing";
    QTest::newRow("257 columns") << QByteArray("0" + QByteArray(",0").repeated(256) + "\n") << 1
                                 << 0 << "257 values; a map has at most 256 columns";
    QTest::newRow("129 rows") << QByteArray("0\n").repeated(129) << 129 << 0
                              << "more than 128 rows";
}

void TestCliFormats::csvRefuses()
{
    QFETCH(QByteArray, text);
    QFETCH(int, line);
    QFETCH(int, column);
    QFETCH(QString, says);
    const Outcome<MapCells> read = CsvFormat::read(text);
    QVERIFY(!read.succeeded());
    const Failure &failure = read.failure();
    QVERIFY2(failure.message.contains(says), qPrintable(failure.message));
    QCOMPARE(failure.line, line);
    QCOMPARE(failure.column, column);
}

void TestCliFormats::tmxRoundTrip_data()
{
    csvRoundTrip_data();
}

void TestCliFormats::tmxRoundTrip()
{
    QFETCH(int, width);
    QFETCH(int, height);
    const MapCells map = cellsOf(width, height, 11);
    const QByteArray text = TmxFormat::write(map, QStringLiteral("a & b"), QStringLiteral("s.png"));
    const Outcome<MapCells> read = TmxFormat::read(text);
    QVERIFY2(read.succeeded(), qPrintable(whyNot(read)));
    const MapCells &back = read.value();
    QCOMPARE(back.width, width);
    QCOMPARE(back.height, height);
    QVERIFY(back.cells == map.cells);
    // Tile n is id n + 1; 0 would be an empty cell.
    const QByteArray firstId =
        "<data encoding=\"csv\">\n" + QByteArray::number(map.cells.front() + 1);
    QVERIFY(text.contains(firstId + ',') || text.contains(firstId + '\n'));
}

void TestCliFormats::tmxEncodings_data()
{
    QTest::addColumn<QByteArray>("data");
    const QByteArray ids = binaryIds(SampleIds);
    QTest::newRow("csv") << QByteArray("<data encoding=\"csv\">\n1,0,256,\n2,17,128\n</data>");
    QTest::newRow("csv on one line")
        << QByteArray("<data encoding=\"csv\">1,0,256,2,17,128</data>");
    QTest::newRow("base64") << "<data encoding=\"base64\">\n   " + ids.toBase64() + "\n  </data>";
    QTest::newRow("base64 zlib") << "<data encoding=\"base64\" compression=\"zlib\">" +
                                        packed(ids, false).toBase64() + "</data>";
    QTest::newRow("base64 gzip") << "<data encoding=\"base64\" compression=\"gzip\">" +
                                        packed(ids, true).toBase64() + "</data>";
}

void TestCliFormats::tmxEncodings()
{
    QFETCH(QByteArray, data);
    const Outcome<MapCells> read = TmxFormat::read(tmx(data));
    QVERIFY2(read.succeeded(), qPrintable(whyNot(read)));
    const MapCells &map = read.value();
    QCOMPARE(map.width, 3);
    QCOMPARE(map.height, 2);
    QVERIFY(map.cells == SampleCells);
}

void TestCliFormats::tmxRefuses_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("says");

    const QByteArray csv = "<data encoding=\"csv\">1,0,256,2,17,128</data>";
    const QByteArray ids = binaryIds(SampleIds);
    QTest::newRow("two layers") << tmx(csv, "width=\"3\" height=\"2\"",
                                       " <layer id=\"2\" name=\"m\" width=\"3\" height=\"2\">\n  " +
                                           csv + "\n </layer>\n")
                                << 0 << "the map has 2 tile layers (\"l\", \"m\"); choose one";
    QTest::newRow("second layer in a group")
        << tmx(csv, "width=\"3\" height=\"2\"",
               " <group id=\"3\">\n  <layer id=\"2\" name=\"m\" width=\"3\" height=\"2\">\n"
               "   " +
                   csv + "\n  </layer>\n </group>\n")
        << 0 << "the map has 2 tile layers";
    QByteArray bigTiles = tmx(csv);
    bigTiles.replace("tilewidth=\"16\" tileheight=\"16\" infinite",
                     "tilewidth=\"32\" tileheight=\"32\" infinite");
    QTest::newRow("32 x 32 tiles") << bigTiles << 2 << "<map> attribute tilewidth=\"32\"";
    QByteArray bigSheetTiles = tmx(csv);
    bigSheetTiles.replace("name=\"t\" tilewidth=\"16\"", "name=\"t\" tilewidth=\"32\"");
    QTest::newRow("tileset of 32 pixel tiles")
        << bigSheetTiles << 7
        << "tile id 1 is from tileset \"t\" (firstgid 1) of 32 x 16 tiles; the tiles must be 16 "
           "x 16 pixels";
    QTest::newRow("width 300") << tmx(csv, "width=\"300\" height=\"2\"") << 2
                               << "<map> attribute width=\"300\": must be 1..256";
    QTest::newRow("height 129") << tmx(csv, "width=\"3\" height=\"129\"") << 2
                                << "<map> attribute height=\"129\": must be 1..128";
    QTest::newRow("no width") << tmx(csv, "height=\"2\"") << 2 << "<map> has no width attribute";
    QByteArray infinite = tmx(csv);
    infinite.replace("infinite=\"0\"", "infinite=\"1\"");
    QTest::newRow("infinite") << infinite << 2 << "<map> attribute infinite=\"1\"";
    QTest::newRow("chunks") << tmx("<data encoding=\"csv\"><chunk x=\"0\" y=\"0\" width=\"3\" "
                                   "height=\"2\">1,0,256,2,17,128</chunk></data>")
                            << 7 << "<chunk>";
    QByteArray isometric = tmx(csv);
    isometric.replace("orthogonal", "isometric");
    QTest::newRow("isometric") << isometric << 2 << "orientation=\"isometric\"";
    QTest::newRow("id 257") << tmx("<data encoding=\"csv\">\n1,0,256,\n2,257,128\n</data>") << 7
                            << "layer \"l\", column 1, row 1: tile id 257 is beyond the 256 "
                               "tiles of tileset \"t\" (firstgid 1)";
    QTest::newRow("flipped tile") << tmx("<data encoding=\"csv\">1,2147483649,3,4,5,6</data>") << 7
                                  << "tile id 2147483649 is flipped or rotated";
    QTest::newRow("negative id") << tmx("<data encoding=\"csv\">1,-2,3,4,5,6</data>") << 7
                                 << "\"-2\" is not a tile id";
    QTest::newRow("too few ids") << tmx("<data encoding=\"csv\">1,2,3,4,5</data>") << 7
                                 << "5 tile ids where the 3 x 2 map needs 6";
    QTest::newRow("too many ids") << tmx("<data encoding=\"csv\">1,2,3,4,5,6,7</data>") << 7
                                  << "more than the 3 x 2 = 6 tile ids";
    QTest::newRow("bad base64") << tmx("<data encoding=\"base64\">AAAA!AAA</data>") << 7
                                << "not valid base64";
    QTest::newRow("short base64") << tmx("<data encoding=\"base64\">" + ids.first(20).toBase64() +
                                         "</data>")
                                  << 7 << "20 bytes where the 3 x 2 map needs 24";
    QTest::newRow("bad zlib") << tmx("<data encoding=\"base64\" compression=\"zlib\">" +
                                     QByteArray("not zlib at all").toBase64() + "</data>")
                              << 7 << "not valid zlib data";
    QTest::newRow("gzip called zlib") << tmx("<data encoding=\"base64\" compression=\"zlib\">" +
                                             packed(ids, true).toBase64() + "</data>")
                                      << 7 << "not valid zlib data";
    QTest::newRow("cut gzip") << tmx("<data encoding=\"base64\" compression=\"gzip\">" +
                                     packed(ids, true).chopped(6).toBase64() + "</data>")
                              << 7 << "not valid gzip data";
    QTest::newRow("zlib of too much") << tmx("<data encoding=\"base64\" compression=\"zlib\">" +
                                             packed(ids + ids, false).toBase64() + "</data>")
                                      << 7 << "more than the 24 bytes expected";
    QTest::newRow("zstd") << tmx("<data encoding=\"base64\" compression=\"zstd\">AAAA</data>") << 7
                          << "compression=\"zstd\": must be zlib or gzip";
    QTest::newRow("xml tiles") << tmx("<data><tile gid=\"1\"/></data>") << 7
                               << "<data> has no encoding attribute";
    QTest::newRow("no layer") << QByteArray("<map orientation=\"orthogonal\" width=\"3\" "
                                            "height=\"2\" tilewidth=\"16\" tileheight=\"16\">\n"
                                            "</map>\n")
                              << 0 << "no tile layer";
    QTest::newRow("not a map") << QByteArray("<tileset name=\"t\"/>") << 1
                               << "not with a TMX <map>";
    QTest::newRow("broken xml") << tmx(csv).replace("</layer>", "</layr>") << 8
                                << "not well-formed XML";
    QTest::newRow("empty file") << QByteArray() << 1 << "";
}

void TestCliFormats::tmxRefuses()
{
    QFETCH(QByteArray, text);
    QFETCH(int, line);
    QFETCH(QString, says);
    const Outcome<MapCells> read = TmxFormat::read(text);
    QVERIFY(!read.succeeded());
    QVERIFY2(read.failure().message.contains(says), qPrintable(read.failure().message));
    QCOMPARE(read.failure().line, line);
}

void TestCliFormats::tiledLayers_data()
{
    QTest::addColumn<TiledMap>("map");
    QTest::addColumn<QString>("choice");
    // The cells read, or what the failure says.
    QTest::addColumn<std::vector<std::uint8_t>>("cells");
    QTest::addColumn<QString>("says");

    using Tileset = TiledMap::Tileset;
    const Tileset ours{1, QStringLiteral("ours"), 16, 16, 256};
    const auto map = [](std::vector<Tileset> tilesets, std::vector<std::vector<quint32>> layers) {
        TiledMap result;
        result.width = 2;
        result.height = 2;
        result.tilesets = std::move(tilesets);
        const QStringList names = {QStringLiteral("ground"), QStringLiteral("walls"),
                                   QStringLiteral("3")};
        for (std::size_t i = 0; i < layers.size(); ++i)
            result.layers.push_back({names[int(i)], std::move(layers[i]), 5, 1});
        return result;
    };
    const auto row = [](const char *name, const TiledMap &tiled, const char *choice,
                        std::vector<std::uint8_t> cells, const char *says = "") {
        QTest::newRow(name) << tiled << QString::fromLatin1(choice) << cells
                            << QString::fromLatin1(says);
    };
    row("one layer, ids from 1", map({ours}, {{1, 2, 0, 256}}), "", {0, 1, 0, 255});
    row("firstgid 3", map({{3, QStringLiteral("t"), 16, 16, 256}}, {{3, 4, 0, 258}}), "",
        {0, 1, 0, 255});
    row("a second tileset before ours",
        map({{1, QStringLiteral("big"), 32, 32, 4}, {5, QStringLiteral("t"), 16, 16, 256}},
            {{5, 6, 7, 260}}),
        "", {0, 1, 2, 255});
    row("a tileset in a file of its own", map({{1, QStringLiteral("t.tsx"), 0, 0, 0}}, {{1, 9}}),
        "", {0, 8, 0, 0});
    row("three layers by name", map({ours}, {{1, 1, 1, 1}, {2, 3, 4, 5}, {9, 9, 9, 9}}), "walls",
        {1, 2, 3, 4});
    row("three layers by number", map({ours}, {{1, 1, 1, 1}, {2, 3, 4, 5}, {9, 9, 9, 9}}), "2",
        {1, 2, 3, 4});
    row("a name before a number", map({ours}, {{1, 1, 1, 1}, {2, 3, 4, 5}, {9, 9, 9, 9}}), "3",
        {8, 8, 8, 8});

    row("three layers, none chosen", map({ours}, {{1, 1, 1, 1}, {2, 3, 4, 5}, {9, 9, 9, 9}}), "",
        {}, "the map has 3 tile layers (\"ground\", \"walls\", \"3\"); choose one with --layer");
    row("an unknown layer", map({ours}, {{1, 1, 1, 1}, {2, 3, 4, 5}}), "roof", {},
        "no tile layer \"roof\"; the map's tile layers are \"ground\", \"walls\"");
    row("number 0", map({ours}, {{1, 1, 1, 1}, {2, 3, 4, 5}}), "0", {}, "no tile layer \"0\"");
    row("no layer", map({ours}, {}), "", {}, "the map has no tile layer");
    row("ids from two tilesets",
        map({{1, QStringLiteral("big"), 32, 32, 4}, {5, QStringLiteral("t"), 16, 16, 256}},
            {{5, 6, 2, 5}}),
        "", {},
        "column 0, row 1: tile id 2 is from tileset \"big\" (firstgid 1), but the layer "
        "already uses tileset \"t\" (firstgid 5)");
    row("ids of a tileset of 32 pixel tiles",
        map({{1, QStringLiteral("big"), 32, 32, 4}, {5, QStringLiteral("t"), 16, 16, 256}},
            {{2, 0, 0, 0}}),
        "", {}, "tile id 2 is from tileset \"big\" (firstgid 1) of 32 x 32 tiles");
    row("an id below the first tileset", map({{3, QStringLiteral("t"), 16, 16, 256}}, {{3, 2}}), "",
        {}, "column 1, row 0: tile id 2 belongs to no tileset");
    row("an id beyond the tileset", map({ours}, {{1, 257}}), "", {},
        "tile id 257 is beyond the 256 tiles of tileset \"ours\"");
    row("tile 256 of a tileset of unknown size",
        map({{1, QStringLiteral("t.tsx"), 0, 0, 0}}, {{1, 257}}), "", {},
        "tile id 257 is tile 256 of tileset \"t.tsx\" (firstgid 1); a map has tiles 0..255");
    row("flipped", map({ours}, {{0x80000001u}}), "", {}, "is flipped or rotated");
}

void TestCliFormats::tiledLayers()
{
    QFETCH(TiledMap, map);
    QFETCH(QString, choice);
    QFETCH(std::vector<std::uint8_t>, cells);
    QFETCH(QString, says);
    for (TiledMap::Layer &layer : map.layers)
        layer.gids.resize(4, 1);
    const Outcome<MapCells> read = TiledLayers::cells(map, choice);
    if (says.isEmpty()) {
        QVERIFY2(read.succeeded(), qPrintable(whyNot(read)));
        QCOMPARE(read.value().width, 2);
        QCOMPARE(read.value().height, 2);
        QVERIFY(read.value().cells == cells);
    } else {
        QVERIFY(!read.succeeded());
        QVERIFY2(read.failure().message.contains(says), qPrintable(read.failure().message));
    }
}

void TestCliFormats::tmjRoundTrip_data()
{
    csvRoundTrip_data();
}

void TestCliFormats::tmjRoundTrip()
{
    QFETCH(int, width);
    QFETCH(int, height);
    const MapCells map = cellsOf(width, height, 13);
    const Outcome<MapCells> read =
        TmjFormat::read(TmjFormat::write(map, QStringLiteral("a \"b\""), QStringLiteral("s.png")));
    QVERIFY2(read.succeeded(), qPrintable(whyNot(read)));
    QVERIFY(read.value() == map);
}

void TestCliFormats::tmjRefuses_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("says");
    const QByteArray head = R"({"type":"map","orientation":"orthogonal","width":3,"height":2,)"
                            R"("tilewidth":16,"tileheight":16,"infinite":false,)"
                            R"("tilesets":[{"firstgid":1,"name":"t","tilewidth":16,)"
                            R"("tileheight":16,"tilecount":256}],"layers":[)";
    const auto layer = [](const QByteArray &data) {
        return R"({"type":"tilelayer","name":"l","width":3,"height":2,)" + data + "}";
    };
    const QByteArray ids = binaryIds(SampleIds);
    QTest::newRow("good array") << head + layer(R"("data":[1,0,256,2,17,128])") + "]}"
                                << "";
    QTest::newRow("good zlib") << head +
                                      layer(R"("encoding":"base64","compression":"zlib","data":")" +
                                            packed(ids, false).toBase64() + "\"") +
                                      "]}"
                               << "";
    QTest::newRow("layer in a group")
        << head + R"({"type":"group","layers":[)" + layer(R"("data":[1,0,256,2,17,128])") + "]}]}"
        << "";
    QTest::newRow("not JSON") << QByteArray("<map/>") << "not valid JSON at byte 1";
    QTest::newRow("a tileset file")
        << QByteArray(R"({"type":"tileset"})") << "type: \"tileset\": the file is not a Tiled map";
    QTest::newRow("too few ids") << head + layer(R"("data":[1,2,3])") + "]}"
                                 << "layers[0].data: 3 tile ids where the 3 x 2 map needs 6";
    QTest::newRow("a string id") << head + layer(R"("data":[1,2,"3",4,5,6])") + "]}"
                                 << "layers[0].data[2]: not a tile id";
    QTest::newRow("a negative id") << head + layer(R"("data":[1,2,3,-4,5,6])") + "]}"
                                   << "layers[0].data[3]: not a tile id";
    QTest::newRow("zstd") << head + layer(R"("encoding":"base64","compression":"zstd","data":"")") +
                                 "]}"
                          << "layers[0].compression: \"zstd\": must be zlib or gzip";
    QTest::newRow("short base64")
        << head + layer(R"("encoding":"base64","data":")" + ids.first(20).toBase64() + "\"") + "]}"
        << "layers[0].data: 20 bytes where the 3 x 2 map needs 24";
    QByteArray wide = head + layer(R"("data":[1,0,256,2,17,128])") + "]}";
    wide.replace(R"("width":3,"height":2,"tilewidth")", R"("width":300,"height":2,"tilewidth")");
    QTest::newRow("width 300") << wide << "width: must be a number 1..256";
    QByteArray infinite = head + layer(R"("data":[1,0,256,2,17,128])") + "]}";
    infinite.replace(R"("infinite":false)", R"("infinite":true)");
    QTest::newRow("infinite") << infinite << "infinite: infinite maps are not supported";
    QByteArray bigTiles = head + layer(R"("data":[1,0,256,2,17,128])") + "]}";
    bigTiles.replace(R"("tilewidth":16,"tileheight":16,"infinite")",
                     R"("tilewidth":32,"tileheight":32,"infinite")");
    QTest::newRow("32 pixel tiles") << bigTiles << "tilewidth: tiles must be 16 x 16 pixels";
}

void TestCliFormats::tmjRefuses()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, says);
    const Outcome<MapCells> read = TmjFormat::read(text);
    if (says.isEmpty()) {
        QVERIFY2(read.succeeded(), qPrintable(whyNot(read)));
        QVERIFY(read.value().cells == SampleCells);
        return;
    }
    QVERIFY(!read.succeeded());
    QVERIFY2(read.failure().message.contains(says), qPrintable(read.failure().message));
}

void TestCliFormats::failureText_data()
{
    QTest::addColumn<Failure>("failure");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("file and place")
        << Failure::at(3, 7, QStringLiteral("bad")).in(QStringLiteral("a.csv"))
        << "tesselwick-cli: a.csv:3:7: bad\n"
        << CommandLine::BadInput;
    QTest::newRow("line only") << Failure::at(3, 0, QStringLiteral("bad")).in(QStringLiteral("a"))
                               << "tesselwick-cli: a:3: bad\n"
                               << CommandLine::BadInput;
    QTest::newRow("a named file is kept")
        << Failure::of(QStringLiteral("in.tmx"), QStringLiteral("bad")).in(QStringLiteral("b"))
        << "tesselwick-cli: in.tmx: bad\n"
        << CommandLine::BadInput;
    QTest::newRow("from a file result")
        << Failure::from(FileResult::failure(QStringLiteral("o.map"), QStringLiteral("full")))
        << "tesselwick-cli: o.map: full\n"
        << CommandLine::BadInput;
    QTest::newRow("usage") << Failure::usage(QStringLiteral("no command given"))
                           << "tesselwick-cli: no command given\nTry 'tesselwick-cli --help' for "
                              "more information.\n"
                           << CommandLine::WrongUsage;
}

void TestCliFormats::failureText()
{
    QFETCH(Failure, failure);
    QFETCH(QString, text);
    QFETCH(int, exitCode);
    QCOMPARE(CommandLine::errorText(failure), text);
    QCOMPARE(CommandLine::exitCodeOf(failure), exitCode);
}

void TestCliFormats::importedHeaderBytes_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<QByteArray>("leading");
    QTest::newRow("40 x 25") << 40 << 25 << QByteArray("\xFE\x4F\x28\x19", 4);
    QTest::newRow("1 x 1") << 1 << 1 << QByteArray("\xFE\x4F\x01\x01", 4);
    QTest::newRow("254 x 128") << 254 << 128 << QByteArray("\xFE\x4F\xFE\x80", 4);
    // Only the width byte 255 gives a map as wide as the grid; its canvas is
    // one row taller than the height byte, so 128 rows are 7F.
    QTest::newRow("whole grid") << 256 << 128 << QByteArray("\xFE\x4F\xFF\x7F", 4);
    QTest::newRow("256 x 10") << 256 << 10 << QByteArray("\xFE\x4F\xFF\x09", 4);
    // As New Map writes a map 255 columns wide.
    QTest::newRow("255 x 127") << 255 << 127 << QByteArray("\xFE\x4F\xFF\x7F", 4);
}

void TestCliFormats::importedHeaderBytes()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(QByteArray, leading);
    const MapCells map = cellsOf(width, height, 3);
    const QByteArray file = LoadedMap::fileFor(map);
    QCOMPARE(file.size(), MapFile::FileSize);
    QCOMPARE(file.first(4), leading);
    const MapFile::Contents contents = MapFile::decode(file);
    for (int row = 0; row < Tiles::GridRows; ++row)
        for (int column = 0; column < Tiles::GridColumns; ++column) {
            const bool inside = column < width && row < height;
            const int expected = inside ? map.at(column, row) : 0;
            if (contents.grid[row * Tiles::GridColumns + column] != expected)
                QFAIL(qPrintable(QStringLiteral("cell %1, %2").arg(column).arg(row)));
        }
}

void TestCliFormats::sourceFormats()
{
    MapCells map;
    map.width = 3;
    map.height = 2;
    map.cells = {0, 10, 255, 1, 2, 171};
    const Outcome<MapExport::Files> asmBuilt = MapExport::build(
        map, QStringLiteral("asm"), {}, QStringLiteral("cave-1"), QStringLiteral("out/cave-1.asm"));
    const Outcome<MapExport::Files> cBuilt = MapExport::build(
        map, QStringLiteral("c"), {}, QStringLiteral("cave-1"), QStringLiteral("out/cave-1.c"));
    QVERIFY(asmBuilt.succeeded());
    QVERIFY(cBuilt.succeeded());
    const MapExport::Files &asm_ = asmBuilt.value();
    const MapExport::Files &c = cBuilt.value();
    QCOMPARE(asm_.files.size(), 1u);
    QCOMPARE(asm_.files[0].bytes, QByteArray("; cave-1: 3 x 2 tiles, one byte a tile, row by row\n"
                                             "    .export cave_1\n"
                                             "cave_1:\n"
                                             "    .byte $00,$0a,$ff\n"
                                             "    .byte $01,$02,$ab\n"));
    QCOMPARE(c.files.size(), 2u);
    QCOMPARE(c.files[0].path, QStringLiteral("out/cave-1.c"));
    QCOMPARE(c.files[0].bytes, QByteArray("/* cave-1: 3 x 2 tiles, one byte a tile, row by row */\n"
                                          "\n"
                                          "extern const unsigned char cave_1[6u];\n"
                                          "const unsigned char cave_1[6u] = {\n"
                                          "    0x00, 0x0a, 0xff,\n"
                                          "    0x01, 0x02, 0xab\n"
                                          "};\n"));
    QCOMPARE(c.files[1].path, QStringLiteral("out/cave-1.h"));
    QCOMPARE(c.files[1].bytes, QByteArray("/* cave-1: 3 x 2 tiles, one byte a tile, row by row */\n"
                                          "#ifndef CAVE_1_H_INCLUDED\n"
                                          "#define CAVE_1_H_INCLUDED\n"
                                          "\n"
                                          "#define CAVE_1_WIDTH 3u\n"
                                          "#define CAVE_1_HEIGHT 2u\n"
                                          "#define CAVE_1_SIZE 6u\n"
                                          "\n"
                                          "#ifdef __cplusplus\n"
                                          "extern \"C\" {\n"
                                          "#endif\n"
                                          "\n"
                                          "extern const unsigned char cave_1[CAVE_1_SIZE];\n"
                                          "\n"
                                          "#ifdef __cplusplus\n"
                                          "}\n"
                                          "#endif\n"
                                          "\n"
                                          "#endif\n"));
}

void TestCliFormats::identifiers_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("identifier");
    QTest::newRow("plain") << "level1"
                           << "level1";
    QTest::newRow("blanks and dashes") << "level 2-b"
                                       << "level_2_b";
    QTest::newRow("runs of other characters, as C++ keeps __ for itself") << "a -- b"
                                                                          << "a_b";
    QTest::newRow("leading digit") << "2nd level"
                                   << "map_2nd_level";
    QTest::newRow("leading underscore, reserved in C") << "_Level"
                                                       << "Level";
    QTest::newRow("letters beyond ASCII") << QStringLiteral("h\u00f6hle") << "h_hle";
    QTest::newRow("empty") << ""
                           << "map";
    QTest::newRow("C keyword") << "int"
                               << "map_int";
    QTest::newRow("C++ keyword") << "class"
                                 << "map_class";
    QTest::newRow("6502 register") << "A"
                                   << "map_A";
    QTest::newRow("6502 register y") << "y"
                                     << "map_y";
    QTest::newRow("6502 instruction") << "lda"
                                      << "map_lda";
    QTest::newRow("Z80 register pair") << "HL"
                                       << "map_HL";
    QTest::newRow("Z80 instruction") << "djnz"
                                     << "map_djnz";
    QTest::newRow("directive") << "org"
                               << "map_org";
    QTest::newRow("keyword as part of a name") << "intro"
                                               << "intro";
    QTest::newRow("65C02 instruction, which xa assembles") << "phx"
                                                            << "map_phx";
    QTest::newRow("65816 instruction") << "XBA"
                                       << "map_XBA";
    QTest::newRow("pasmo directive") << "endp"
                                     << "map_endp";
    QTest::newRow("pasmo operator") << "shl"
                                    << "map_shl";
    QTest::newRow("C library function") << "time"
                                        << "map_time";
    QTest::newRow("C library macro, in another case") << "eof"
                                                      << "map_eof";
    QTest::newRow("POSIX function") << "index"
                                    << "map_index";
    QTest::newRow("cc65 library function") << "cgetc"
                                           << "map_cgetc";
    QTest::newRow("SDCC library function") << "Serial0Init"
                                           << "map_Serial0Init";
    QTest::newRow("library name as part of a name") << "timer"
                                                    << "timer";
}

void TestCliFormats::identifiers()
{
    QFETCH(QString, name);
    QFETCH(QString, identifier);
    QCOMPARE(SymbolNames::fromFileName(name), identifier);
    // What a file name gives always serves as --symbol too.
    QVERIFY2(SymbolNames::problemWith(identifier).isEmpty(), qPrintable(identifier));
}

QTEST_GUILESS_MAIN(TestCliFormats)
#include "tst_cliformats.moc"
