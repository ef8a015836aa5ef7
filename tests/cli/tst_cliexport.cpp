// SPDX-License-Identifier: MIT
// The layouts and packing of export called directly: which cells each block
// holds, the run-length packing against its C decoder, and the dialects no
// Debian assembler can check against files reviewed by hand.
#include "cli/AssemblerDialects.h"
#include "cli/MapExport.h"
#include "cli/MapLayout.h"
#include "cli/RunLength.h"
#include "cli/decoders/tesselwick_unrle.h"
#include "tests/cli/CliSupport.h"
#include "tests/support/TestFiles.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTest>

namespace {

const QString DialectFolder = QStringLiteral(TESSELWICK_DIALECT_DATA);

// A w x h map whose cell (c, r) is r * 16 + c, so each cell says where it was.
MapCells numberedMap(int width, int height)
{
    MapCells map;
    map.width = width;
    map.height = height;
    for (int row = 0; row < height; ++row)
        for (int column = 0; column < width; ++column)
            map.cells.push_back(static_cast<std::uint8_t>(row * 16 + column));
    return map;
}

std::vector<std::uint8_t> bytes(std::initializer_list<int> values)
{
    std::vector<std::uint8_t> result;
    for (const int value : values)
        result.push_back(static_cast<std::uint8_t>(value));
    return result;
}

QByteArray byteArray(const std::vector<std::uint8_t> &values)
{
    return QByteArray(reinterpret_cast<const char *>(values.data()),
                      static_cast<qsizetype>(values.size()));
}

QByteArray repeated(int count, char value)
{
    return QByteArray(count, value);
}

QByteArray distinct(int count)
{
    QByteArray result;
    for (int i = 0; i < count; ++i)
        result += static_cast<char>(i + 1);
    return result;
}

QByteArray unpacked(const QByteArray &packed, qsizetype size, qsizetype *consumed)
{
    QByteArray out(size, '\0');
    const auto *begin = reinterpret_cast<const unsigned char *>(packed.constData());
    const unsigned char *end =
        tesselwick_unrle(begin, reinterpret_cast<unsigned char *>(out.data()));
    *consumed = end - begin;
    return out;
}

} // namespace

Q_DECLARE_METATYPE(ExportOptions)
Q_DECLARE_METATYPE(QList<std::vector<std::uint8_t>>)

class TestCliExport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void layouts_data();
    void layouts();
    void layoutRefuses_data();
    void layoutRefuses();
    void paddingIsReported();

    void packing_data();
    void packing();
    void packedRoundTrip();

    void goldenDialects_data();
    void goldenDialects();
    void romBankHoldsEachRgbdsBlock_data();
    void romBankHoldsEachRgbdsBlock();
};

void TestCliExport::layouts_data()
{
    QTest::addColumn<ExportOptions>("options");
    QTest::addColumn<QSize>("screens");
    QTest::addColumn<QList<std::vector<std::uint8_t>>>("blocks");
    // The map is 3 x 2: 0 1 2 / 16 17 18.
    ExportOptions plain;
    QTest::newRow("whole map") << plain << QSize(1, 1)
                               << QList<std::vector<std::uint8_t>>{bytes({0, 1, 2, 16, 17, 18})};
    ExportOptions columns;
    columns.order = ExportOptions::Order::Columns;
    QTest::newRow("columns") << columns << QSize(1, 1)
                             << QList<std::vector<std::uint8_t>>{bytes({0, 16, 1, 17, 2, 18})};
    ExportOptions region;
    region.region = QRect(1, 0, 2, 2);
    QTest::newRow("region") << region << QSize(1, 1)
                            << QList<std::vector<std::uint8_t>>{bytes({1, 2, 17, 18})};
    ExportOptions screens;
    screens.screens = QSize(2, 1);
    QTest::newRow("screens in reading order, padded")
        << screens << QSize(2, 2)
        << QList<std::vector<std::uint8_t>>{bytes({0, 1}), bytes({2, 0}), bytes({16, 17}),
                                            bytes({18, 0})};
    ExportOptions everything;
    everything.region = QRect(1, 0, 2, 2);
    everything.screens = QSize(1, 2);
    everything.order = ExportOptions::Order::Columns;
    everything.offset = 240;
    everything.wrap = true;
    QTest::newRow("region, screens, columns, offset wrapped")
        << everything << QSize(2, 1)
        << QList<std::vector<std::uint8_t>>{bytes({241, 1}), bytes({242, 2})};
    ExportOptions padOffset;
    padOffset.screens = QSize(2, 2);
    padOffset.offset = 5;
    QTest::newRow("padding takes the offset")
        << padOffset << QSize(2, 1)
        << QList<std::vector<std::uint8_t>>{bytes({5, 6, 21, 22}), bytes({7, 5, 23, 5})};
    ExportOptions down;
    down.offset = -16;
    down.region = QRect(0, 1, 3, 1);
    QTest::newRow("negative offset")
        << down << QSize(1, 1) << QList<std::vector<std::uint8_t>>{bytes({0, 1, 2})};
}

void TestCliExport::layouts()
{
    QFETCH(ExportOptions, options);
    QFETCH(QSize, screens);
    QFETCH(QList<std::vector<std::uint8_t>>, blocks);
    const Outcome<MapLayout::Blocks> layout = MapLayout::lay(numberedMap(3, 2), options);
    if (!layout.succeeded())
        QFAIL(qPrintable(layout.failure().message));
    const MapLayout::Blocks &laid = layout.value();
    QCOMPARE(laid.screens, screens);
    QCOMPARE(laid.blocks.size(), static_cast<std::size_t>(blocks.size()));
    for (qsizetype i = 0; i < blocks.size(); ++i)
        QCOMPARE(byteArray(laid.blocks[static_cast<std::size_t>(i)].cells), byteArray(blocks[i]));
}

void TestCliExport::layoutRefuses_data()
{
    QTest::addColumn<ExportOptions>("options");
    QTest::addColumn<QString>("says");
    ExportOptions outside;
    outside.region = QRect(2, 0, 2, 1);
    QTest::newRow("region outside")
        << outside << "--region 2,0,2,1 reaches outside the map's 3 x 2 cells";
    ExportOptions over;
    over.offset = 238;
    QTest::newRow("sum over 255") << over
                                  << "tile 18 with --offset 238 gives 256, outside 0..255 (--wrap";
    ExportOptions under;
    under.offset = -1;
    QTest::newRow("sum under 0") << under << "tile 0 with --offset -1 gives -1";
    ExportOptions padUnder;
    padUnder.region = QRect(1, 0, 2, 1);
    padUnder.screens = QSize(3, 1);
    padUnder.offset = -1;
    QTest::newRow("padding under 0") << padUnder << "tile 0 with --offset -1";
}

void TestCliExport::layoutRefuses()
{
    QFETCH(ExportOptions, options);
    QFETCH(QString, says);
    const Outcome<MapLayout::Blocks> layout = MapLayout::lay(numberedMap(3, 2), options);
    QVERIFY(!layout.succeeded());
    QVERIFY2(layout.failure().message.startsWith(says), qPrintable(layout.failure().message));
    QVERIFY(layout.failure().file.isEmpty());
}

void TestCliExport::paddingIsReported()
{
    ExportOptions options;
    options.screens = QSize(40, 25);
    const Outcome<MapExport::Files> packed =
        MapExport::build(numberedMap(39, 19), QStringLiteral("bin"), options, QStringLiteral("m"),
                         QStringLiteral("m.bin"));
    QVERIFY(packed.succeeded());
    QCOMPARE(packed.value().warning,
             QStringLiteral("39 x 19 cells do not divide into screens of 40 x 25: "
                            "padded with tile 0 to 40 x 25"));
    QCOMPARE(packed.value().files.size(), 1u);
    QCOMPARE(packed.value().files[0].bytes.size(), 1000);

    options.screens = QSize(13, 19);
    const Outcome<MapExport::Files> even =
        MapExport::build(numberedMap(39, 19), QStringLiteral("csv"), options, QStringLiteral("m"),
                         QStringLiteral("out/m.csv"));
    QVERIFY(even.succeeded());
    QVERIFY(even.value().warning.isEmpty());
    QCOMPARE(even.value().files.size(), 3u);
    QCOMPARE(even.value().files[2].path, QStringLiteral("out/m_2.csv"));
}

void TestCliExport::packing_data()
{
    QTest::addColumn<QByteArray>("raw");
    QTest::addColumn<QByteArray>("packed");
    QTest::newRow("one byte") << QByteArray("\x05", 1) << QByteArray("\x01\x05\x00", 3);
    QTest::newRow("a pair alone is a run")
        << QByteArray("\x07\x07", 2) << QByteArray("\x80\x07\x00", 3);
    QTest::newRow("a pair inside copied bytes stays copied")
        << QByteArray("\x01\x02\x02\x03", 4) << QByteArray("\x04\x01\x02\x02\x03\x00", 6);
    QTest::newRow("the longest run") << repeated(129, 'z')
                                     << QByteArray("\xff"
                                                   "z"
                                                   "\x00",
                                                   3);
    QTest::newRow("one more than the longest run") << repeated(130, 'z')
                                                   << QByteArray("\xff"
                                                                 "z"
                                                                 "\x01"
                                                                 "z"
                                                                 "\x00",
                                                                 5);
    QTest::newRow("the longest copy")
        << distinct(127) << QByteArray("\x7f") + distinct(127) + QByteArray(1, '\0');
    QTest::newRow("one more than the longest copy")
        << distinct(128) << QByteArray("\x7f") + distinct(127) + QByteArray("\x01\x80\x00", 3);
    QTest::newRow("zeros") << repeated(3, '\0') << QByteArray("\x81\x00\x00", 3);
    QTest::newRow("copy, run, copy")
        << QByteArray("\x01\x09\x09\x09\x02", 5) << QByteArray("\x01\x01\x81\x09\x01\x02\x00", 7);
}

void TestCliExport::packing()
{
    QFETCH(QByteArray, raw);
    QFETCH(QByteArray, packed);
    QCOMPARE(RunLength::pack(raw), packed);
    qsizetype consumed = 0;
    QCOMPARE(unpacked(packed, raw.size(), &consumed), raw);
    QCOMPARE(consumed, packed.size());
}

void TestCliExport::packedRoundTrip()
{
    // Random maps of random sizes, with runs of every length mixed with
    // scattered tiles; TESSELWICK_SEED repeats a run.
    const quint32 seed = qEnvironmentVariableIsSet("TESSELWICK_SEED")
                             ? qEnvironmentVariable("TESSELWICK_SEED").toUInt()
                             : QRandomGenerator::global()->generate();
    qInfo("seed %u (TESSELWICK_SEED=%u repeats this run)", seed, seed);
    QRandomGenerator random(seed);
    for (int map = 0; map < 1000; ++map) {
        const int width = 1 + random.bounded(256);
        const int height = 1 + random.bounded(128);
        const int runChance = random.bounded(101);
        QByteArray raw;
        raw.reserve(width * height);
        while (raw.size() < width * height) {
            const char tile = static_cast<char>(random.bounded(256));
            const int length = random.bounded(100) < runChance ? 1 + random.bounded(300) : 1;
            raw += QByteArray(std::min<qsizetype>(length, width * height - raw.size()), tile);
        }
        // Two blocks one after the other, as screens are written: the
        // decoder must stop at the first block's end.
        const QByteArray first = RunLength::pack(raw);
        const QByteArray both = first + RunLength::pack(raw.sliced(raw.size() / 2));
        QVERIFY(first.size() <= raw.size() + raw.size() / RunLength::LongestCopy + 2);
        qsizetype consumed = 0;
        const QByteArray back = unpacked(both, raw.size(), &consumed);
        QVERIFY2(back == raw, qPrintable(QStringLiteral("map %1 of seed %2").arg(map).arg(seed)));
        QCOMPARE(consumed, first.size());
        const QByteArray second =
            unpacked(both.sliced(consumed), raw.size() - raw.size() / 2, &consumed);
        QVERIFY(second == raw.sliced(raw.size() / 2));
    }
}

void TestCliExport::goldenDialects_data()
{
    QTest::addColumn<QString>("dialect");
    QTest::addColumn<bool>("screensPacked");
    for (const QString &dialect : {AssemblerDialects::KickAss, AssemblerDialects::Rgbds})
        for (const bool packed : {false, true})
            QTest::addRow("%s%s", qPrintable(dialect), packed ? " screens packed" : "")
                << dialect << packed;
}

void TestCliExport::goldenDialects()
{
    // Reviewed against each assembler's manual: Debian packages neither, so
    // no test can run them as tst_clitoolchains runs the others.
    QFETCH(QString, dialect);
    QFETCH(bool, screensPacked);
    ExportOptions options;
    options.dialect = dialect;
    if (screensPacked) {
        options.screens = QSize(3, 2);
        options.rle = true;
    }
    MapCells map = numberedMap(5, 3);
    map.cells[6] = map.cells[7] = map.cells[8] = 200;
    const Outcome<MapExport::Files> built = MapExport::build(
        map, QStringLiteral("asm"), options, QStringLiteral("cave: 1"), QStringLiteral("cave.asm"));
    QVERIFY(built.succeeded());
    const MapExport::Files &files = built.value();
    const QString golden =
        QDir(DialectFolder)
            .filePath(
                QStringLiteral("cave%1.%2.asm")
                    .arg(screensPacked ? QStringLiteral("-screens-rle") : QString(), dialect));
    const QByteArray expected = TestFiles::readAll(golden);
    QVERIFY2(!expected.isEmpty(), qPrintable(golden));
    QCOMPARE(files.files.at(0).bytes, expected);
}

void TestCliExport::romBankHoldsEachRgbdsBlock_data()
{
    QTest::addColumn<QString>("dialect");
    QTest::addColumn<QSize>("screens");
    QTest::addColumn<bool>("accepted");
    const QSize whole;
    QTest::newRow("whole map, rgbds") << AssemblerDialects::Rgbds << whole << false;
    QTest::newRow("one bank a screen") << AssemblerDialects::Rgbds << QSize(128, 128) << true;
    QTest::newRow("one byte over a bank") << AssemblerDialects::Rgbds << QSize(129, 128) << false;
    QTest::newRow("whole map, ca65") << AssemblerDialects::Ca65 << whole << true;
}

void TestCliExport::romBankHoldsEachRgbdsBlock()
{
    // A ROMX section larger than a 16 KiB bank fails in rgbasm, so it is
    // refused before a file is written.
    QFETCH(QString, dialect);
    QFETCH(QSize, screens);
    QFETCH(bool, accepted);
    ExportOptions options;
    options.dialect = dialect;
    if (screens.isValid())
        options.screens = screens;
    const Outcome<MapExport::Files> built =
        MapExport::build(numberedMap(256, 128), QStringLiteral("asm"), options,
                         QStringLiteral("level"), QStringLiteral("level.asm"));
    QCOMPARE(built.succeeded(), accepted);
    if (!accepted) {
        QCOMPARE(built.failure().kind, Failure::Kind::Usage);
        QVERIFY2(built.failure().message.contains(QStringLiteral("--screens or --region")),
                 qPrintable(built.failure().message));
    }
}

QTEST_GUILESS_MAIN(TestCliExport)
#include "tst_cliexport.moc"
