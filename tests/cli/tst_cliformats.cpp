// SPDX-License-Identifier: MIT
// The data formats of tesselwick-cli called directly: what they write, what
// they read back, and where they point when a file breaks their rules.
#include "cli/CsvFormat.h"
#include "cli/LoadedMap.h"
#include "cli/MapExport.h"
#include "cli/SymbolNames.h"
#include "cli/TmxFormat.h"
#include "tests/cli/CliSupport.h"

#include <QTest>
#include <QtEndian>

#include <zlib.h>

namespace {

MapCells cellsOf(int width, int height, quint32 seed)
{
    MapCells map;
    map.width = width;
    map.height = height;
    const auto tile = CliSupport::scattered(seed);
    for (int row = 0; row < height; ++row)
        for (int column = 0; column < width; ++column)
            map.cells.push_back(static_cast<std::uint8_t>(tile(column, row)));
    return map;
}

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

const QList<quint32> SampleIds = {1, 0, 256, 2, 17, 128};
const std::vector<std::uint8_t> SampleCells = {0, 0, 255, 1, 16, 127};

} // namespace

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

    void importedHeaderBytes_data();
    void importedHeaderBytes();

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
    MapCells back;
    Problem problem;
    QVERIFY2(CsvFormat::read(CsvFormat::write(map), &back, &problem),
             qPrintable(problem.describe(QStringLiteral("csv"))));
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
    MapCells back;
    Problem problem;
    QVERIFY(CsvFormat::read("0, 9 ,255\r\n10,100,\t1\r\n\r\n", &back, &problem));
    QVERIFY(back.cells == map.cells);
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
    QTest::newRow("negative") << QByteArray("1,-1,3\n") << 1 << 3
                              << "\"-1\" is not a tile number 0..255";
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
    MapCells map;
    Problem problem;
    QVERIFY(!CsvFormat::read(text, &map, &problem));
    QVERIFY2(problem.what.contains(says), qPrintable(problem.what));
    QCOMPARE(problem.line, line);
    QCOMPARE(problem.column, column);
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
    MapCells back;
    Problem problem;
    const QByteArray text = TmxFormat::write(map, QStringLiteral("a & b"), QStringLiteral("s.png"));
    QVERIFY2(TmxFormat::read(text, &back, &problem),
             qPrintable(problem.describe(QStringLiteral("tmx"))));
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
    MapCells map;
    Problem problem;
    QVERIFY2(TmxFormat::read(tmx(data), &map, &problem),
             qPrintable(problem.describe(QStringLiteral("tmx"))));
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
                                << 9 << "a second tile layer <layer>";
    QTest::newRow("second layer in a group")
        << tmx(csv, "width=\"3\" height=\"2\"",
               " <group id=\"3\">\n  <layer id=\"2\" name=\"m\" width=\"3\" height=\"2\">\n"
               "   " +
                   csv + "\n  </layer>\n </group>\n")
        << 10 << "a second tile layer";
    QByteArray bigTiles = tmx(csv);
    bigTiles.replace("tilewidth=\"16\" tileheight=\"16\" infinite",
                     "tilewidth=\"32\" tileheight=\"32\" infinite");
    QTest::newRow("32 x 32 tiles") << bigTiles << 2 << "<map> attribute tilewidth=\"32\"";
    QByteArray bigSheetTiles = tmx(csv);
    bigSheetTiles.replace("name=\"t\" tilewidth=\"16\"", "name=\"t\" tilewidth=\"32\"");
    QTest::newRow("tileset of 32 pixel tiles")
        << bigSheetTiles << 3 << "<tileset> attribute tilewidth=\"32\"";
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
    QTest::newRow("id 257") << tmx("<data encoding=\"csv\">\n1,0,256,\n2,257,128\n</data>") << 9
                            << "tile id 257 is out of range";
    QTest::newRow("flipped tile") << tmx("<data encoding=\"csv\">1,2147483649,3,4,5,6</data>") << 7
                                  << "tile id 2147483649 is out of range";
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
                              << 3 << "no tile layer";
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
    MapCells map;
    Problem problem;
    QVERIFY(!TmxFormat::read(text, &map, &problem));
    QVERIFY2(problem.what.contains(says), qPrintable(problem.what));
    QCOMPARE(problem.line, line);
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
    MapExport::Files asm_;
    MapExport::Files c;
    Problem problem;
    QVERIFY(MapExport::build(map, QStringLiteral("asm"), {}, QStringLiteral("cave-1"),
                             QStringLiteral("out/cave-1.asm"), &asm_, &problem));
    QVERIFY(MapExport::build(map, QStringLiteral("c"), {}, QStringLiteral("cave-1"),
                             QStringLiteral("out/cave-1.c"), &c, &problem));
    QCOMPARE(asm_.files.size(), 1u);
    QCOMPARE(asm_.files[0].bytes, QByteArray("; cave-1: 3 x 2 tiles, one byte a tile, row by row\n"
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
    QTest::newRow("runs of other characters, as C++ keeps __ for itself")
        << "a -- b" << "a_b";
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
