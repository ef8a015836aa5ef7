// SPDX-License-Identifier: MIT
// Exports judged by the toolchains that read them: every assembler Debian
// packages assembles each dialect, gcc, g++ and SDCC compile the C, and the
// bytes they make equal --format bin of the same options. The decoders of
// packed data run as they ship: the C one compiled by each compiler, the
// 6502 one assembled by ca65 and run in sim65.
#include "cli/SymbolNames.h"
#include "tests/cli/CliSupport.h"
#include "tests/support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using CliSupport::cli;

namespace {

const QString DecoderFolder = QStringLiteral(TESSELWICK_DECODERS);

// The full map: stretches of one tile and stretches of scattered tiles, so
// that packing meets both; the seed is printed with a failure.
QByteArray fullMap(quint32 seed)
{
    QRandomGenerator random(seed);
    std::vector<int> cells;
    while (cells.size() < 256u * 128u) {
        const int tile = random.bounded(256);
        const int length = random.bounded(4) == 0 ? 1 + random.bounded(200) : 1;
        cells.insert(cells.end(), static_cast<std::size_t>(length), tile);
    }
    return CliSupport::mapFile(0xFE, 0x4F, 255, 127, 256, 128, [&](int column, int row) {
        return cells[static_cast<std::size_t>(row * 256 + column)];
    });
}

const QList<QStringList> LayoutOptions = {
    {},
    {QStringLiteral("--order"), QStringLiteral("columns")},
    {QStringLiteral("--screens"), QStringLiteral("40x25")},
    {QStringLiteral("--rle")},
    {QStringLiteral("--screens"), QStringLiteral("40x25"), QStringLiteral("--order"),
     QStringLiteral("columns"), QStringLiteral("--rle"), QStringLiteral("--offset"),
     QStringLiteral("7"), QStringLiteral("--wrap")},
};

// Runs a program in folder; on failure the verdict names it with its output.
bool runs(const QString &folder, const QString &program, const QStringList &arguments,
          QByteArray *out = nullptr)
{
    const CliSupport::Run run = CliSupport::run(program, arguments, folder);
    if (run.exitCode != 0) {
        qWarning("%s %s failed (%d):\n%s%s", qPrintable(program),
                 qPrintable(arguments.join(QLatin1Char(' '))), run.exitCode, run.out.constData(),
                 run.err.constData());
        return false;
    }
    if (out)
        *out = run.out;
    return true;
}

// The first size bytes of a linked SDCC/sdas program placed at 0: the
// exported data, as makebin writes the linker's Intel hex out.
bool linkedBytes(const QString &folder, const QString &linker, const QString &object,
                 qsizetype size, QByteArray *bytes)
{
    if (!runs(folder, linker, {QStringLiteral("-i"), QStringLiteral("linked.ihx"), object}) ||
        !runs(folder, QStringLiteral("makebin"),
              {QStringLiteral("-s"), QStringLiteral("65536"), QStringLiteral("linked.ihx"),
               QStringLiteral("linked.bin")}))
        return false;
    *bytes = TestFiles::readAll(QDir(folder).filePath(QStringLiteral("linked.bin"))).left(size);
    return true;
}

// Assembles m.asm in folder with the toolchain and gives the bytes it makes.
bool assemble(const QString &toolchain, const QString &folder, qsizetype size, QByteArray *bytes)
{
    const QString out = QStringLiteral("out.bin");
    bool ok = false;
    if (toolchain == QStringLiteral("ca65")) {
        TestFiles::write(QDir(folder).filePath(QStringLiteral("raw.cfg")),
                         "MEMORY { ALL: start = $0000, size = $10000, file = %O; }\n"
                         "SEGMENTS { CODE: load = ALL, type = ro; }\n");
        ok = runs(folder, QStringLiteral("ca65"),
                  {QStringLiteral("level.asm"), QStringLiteral("-o"), QStringLiteral("level.o")}) &&
             runs(folder, QStringLiteral("ld65"),
                  {QStringLiteral("-C"), QStringLiteral("raw.cfg"), QStringLiteral("-o"), out,
                   QStringLiteral("level.o")});
    } else if (toolchain == QStringLiteral("64tass")) {
        ok = runs(folder, QStringLiteral("64tass"),
                  {QStringLiteral("--quiet"), QStringLiteral("--nostart"), QStringLiteral("-o"),
                   out, QStringLiteral("level.asm")});
    } else if (toolchain == QStringLiteral("acme")) {
        ok = runs(folder, QStringLiteral("acme"),
                  {QStringLiteral("-f"), QStringLiteral("plain"), QStringLiteral("-o"), out,
                   QStringLiteral("level.asm")});
    } else if (toolchain == QStringLiteral("dasm")) {
        ok = runs(folder, QStringLiteral("dasm"),
                  {QStringLiteral("level.asm"), QStringLiteral("-o") + out, QStringLiteral("-f3")});
    } else if (toolchain == QStringLiteral("xa")) {
        ok = runs(folder, QStringLiteral("xa"), {QStringLiteral("-o"), out, QStringLiteral("level.asm")});
    } else if (toolchain == QStringLiteral("pasmo")) {
        ok = runs(folder, QStringLiteral("pasmo"), {QStringLiteral("level.asm"), out});
    } else if (toolchain == QStringLiteral("z80asm")) {
        ok = runs(folder, QStringLiteral("z80asm"),
                  {QStringLiteral("-o"), out, QStringLiteral("level.asm")});
    } else if (toolchain == QStringLiteral("sdasz80") || toolchain == QStringLiteral("sdasgb")) {
        const QString linker = toolchain == QStringLiteral("sdasz80") ? QStringLiteral("sdldz80")
                                                                       : QStringLiteral("sdldgb");
        return runs(folder, toolchain,
                    {QStringLiteral("-o"), QStringLiteral("level.rel"), QStringLiteral("level.asm")}) &&
               linkedBytes(folder, linker, QStringLiteral("level.rel"), size, bytes);
    }
    if (ok)
        *bytes = TestFiles::readAll(QDir(folder).filePath(out));
    return ok;
}

// The lists of names that C libraries keep for themselves; the others are
// the assemblers'.
const QStringList LibraryLists = {QStringLiteral("c"), QStringLiteral("posix"),
                                  QStringLiteral("cc65"), QStringLiteral("sdcc")};

// The names on the assemblers' lists, or on every list, once and in lower
// case as the lists are compared; a name that starts with an underscore
// loses it instead.
QStringList reservedNames(bool libraries)
{
    QStringList names;
    const QMap<QString, QStringList> &lists = SymbolNames::reservedByToolchain();
    for (auto list = lists.begin(); list != lists.end(); ++list)
        if (libraries || !LibraryLists.contains(list.key()))
            for (const QString &name : list.value())
                if (!name.startsWith(QLatin1Char('_')))
                    names.append(name.toLower());
    names.sort();
    names.removeDuplicates();
    return names;
}

// How a dialect's program names its CPU and origin, includes a file and
// writes the address of a label: for a file that includes many exports.
struct IncludingProgram
{
    QString dialect;
    QByteArray start;
    QByteArray include;
    QByteArray address;
};

const QMap<QString, IncludingProgram> &includingPrograms()
{
    static const QMap<QString, IncludingProgram> programs = {
        {QStringLiteral("ca65"),
         {QStringLiteral("ca65"), ".setcpu \"65816\"\n", ".include \"%1\"\n", ".word %1\n"}},
        {QStringLiteral("64tass"),
         {QStringLiteral("64tass"), ".cpu \"65816\"\n* = $0000\n", ".include \"%1\"\n",
          ".word %1\n"}},
        {QStringLiteral("acme"),
         {QStringLiteral("acme"), "!cpu 65816\n* = $0000\ntesselwick_included = 1\n",
          "!source \"%1\"\n", "!word %1\n"}},
        {QStringLiteral("dasm"),
         {QStringLiteral("dasm"), "    processor 6502\n    org $0000\n", "    include \"%1\"\n",
          "    .word %1\n"}},
        {QStringLiteral("xa"),
         {QStringLiteral("xa"), "*=$0000\n", "#include \"%1\"\n", ".word %1\n"}},
        {QStringLiteral("pasmo"),
         {QStringLiteral("z80"), "    org 0\n", "    include \"%1\"\n", "    defw %1\n"}},
        {QStringLiteral("z80asm"),
         {QStringLiteral("z80"), "    org 0\n", "    include \"%1\"\n", "    defw %1\n"}},
        {QStringLiteral("sdasz80"),
         {QStringLiteral("sdas"), {}, "    .include \"%1\"\n", "    .dw _%1\n"}},
        {QStringLiteral("sdasgb"),
         {QStringLiteral("sdas"), {}, "    .include \"%1\"\n", "    .dw _%1\n"}},
    };
    return programs;
}

struct Exported
{
    QByteArray bin;
    // The same layout without --rle.
    QByteArray unpackedBin;
    int blocks = 1;
};

} // namespace

class TestCliToolchains : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();

    void assemblers_data();
    void assemblers();
    void cCompilers_data();
    void cCompilers();
    void decoder6502_data();
    void decoder6502();
    void reservedNamesAssemble_data();
    void reservedNamesAssemble();
    void reservedNamesCompile_data();
    void reservedNamesCompile();
    void includedAfterCode_data();
    void includedAfterCode();

private:
    // Exports one map under each of names into folder/out with the format
    // options; gives the bytes of one export.
    void exportReservedNames(const QString &folder, const QStringList &names,
                             const QStringList &format, QByteArray *bytes);
    void addMapRows(const QStringList &toolchains);
    // Writes the map as level.map and exports it with the layout options (and
    // formatOptions) as format, and as bin with and without --rle.
    void exportMap(const QByteArray &map, const QStringList &format, const QStringList &options,
                   Exported *exported);
    QString path(const QString &name) const { return m_dir->filePath(name); }

    quint32 m_seed = 0;
    QByteArray m_full;
    std::unique_ptr<QTemporaryDir> m_dir;
    // The C export under every reserved name, made once for all compilers.
    std::unique_ptr<QTemporaryDir> m_cNames;
    QByteArray m_cNamesBytes;
};

void TestCliToolchains::initTestCase()
{
    m_seed = qEnvironmentVariableIsSet("TESSELWICK_SEED")
                 ? qEnvironmentVariable("TESSELWICK_SEED").toUInt()
                 : QRandomGenerator::global()->generate();
    qInfo("seed %u (TESSELWICK_SEED=%u repeats this run)", m_seed, m_seed);
    m_full = fullMap(m_seed);
}

void TestCliToolchains::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestCliToolchains::addMapRows(const QStringList &toolchains)
{
    QTest::addColumn<QString>("toolchain");
    QTest::addColumn<bool>("full");
    QTest::addColumn<QStringList>("options");
    for (const QString &toolchain : toolchains)
        for (const bool full : {true, false})
            for (const QStringList &options : LayoutOptions)
                QTest::addRow("%s, %s%s%s", qPrintable(toolchain), full ? "256 x 128" : "39 x 19",
                              options.isEmpty() ? "" : ", ",
                              qPrintable(options.join(QLatin1Char(' '))))
                    << toolchain << full << options;
}

void TestCliToolchains::exportMap(const QByteArray &map, const QStringList &format,
                                  const QStringList &options, Exported *exported)
{
    TestFiles::write(path(QStringLiteral("level.map")), map);
    const QStringList base = {QStringLiteral("export"), QStringLiteral("level.map"),
                              QStringLiteral("-f")};
    CliSupport::Run run = cli(base + format + options, m_dir->path());
    QVERIFY2(run.exitCode == 0, run.err.constData());
    run = cli(base + QStringList{QStringLiteral("bin"), QStringLiteral("-o"), QStringLiteral("-")} +
                  options,
              m_dir->path());
    QVERIFY2(run.exitCode == 0, run.err.constData());
    exported->bin = run.out;
    exported->unpackedBin = run.out;
    if (options.contains(QStringLiteral("--rle"))) {
        QStringList unpacked = options;
        unpacked.removeAll(QStringLiteral("--rle"));
        run = cli(base +
                      QStringList{QStringLiteral("bin"), QStringLiteral("-o"), QStringLiteral("-")} +
                      unpacked,
                  m_dir->path());
        QVERIFY2(run.exitCode == 0, run.err.constData());
        exported->unpackedBin = run.out;
    }
    const int screenIndex = static_cast<int>(options.indexOf(QStringLiteral("--screens")));
    if (screenIndex >= 0) {
        const QStringList screen = options[screenIndex + 1].split(QLatin1Char('x'));
        const int width = map == m_full ? 256 : 39;
        const int height = map == m_full ? 128 : 19;
        exported->blocks = ((width + screen[0].toInt() - 1) / screen[0].toInt()) *
                           ((height + screen[1].toInt() - 1) / screen[1].toInt());
    }
}

void TestCliToolchains::assemblers_data()
{
    addMapRows({QStringLiteral("ca65"), QStringLiteral("64tass"), QStringLiteral("acme"),
                QStringLiteral("dasm"), QStringLiteral("xa"), QStringLiteral("pasmo"),
                QStringLiteral("z80asm"), QStringLiteral("sdasz80"), QStringLiteral("sdasgb")});
}

void TestCliToolchains::assemblers()
{
    QFETCH(QString, toolchain);
    QFETCH(bool, full);
    QFETCH(QStringList, options);
    const QMap<QString, QString> dialects = {
        {QStringLiteral("pasmo"), QStringLiteral("z80")},
        {QStringLiteral("z80asm"), QStringLiteral("z80")},
        {QStringLiteral("sdasz80"), QStringLiteral("sdas")},
        {QStringLiteral("sdasgb"), QStringLiteral("sdas")},
    };
    Exported exported;
    exportMap(full ? m_full : CliSupport::plainMap(39, 19, m_seed),
              {QStringLiteral("asm"), QStringLiteral("--dialect"),
               dialects.value(toolchain, toolchain)},
              options, &exported);
    if (QTest::currentTestFailed())
        return;
    QByteArray assembled;
    QVERIFY2(assemble(toolchain, m_dir->path(), exported.bin.size(), &assembled),
             qPrintable(QStringLiteral("seed %1").arg(m_seed)));
    QVERIFY(!exported.bin.isEmpty());
    QVERIFY2(assembled == exported.bin, qPrintable(QStringLiteral("seed %1").arg(m_seed)));
}

void TestCliToolchains::cCompilers_data()
{
    addMapRows({QStringLiteral("c89"), QStringLiteral("c99"), QStringLiteral("c11"),
                QStringLiteral("c++"), QStringLiteral("sdcc z80"), QStringLiteral("sdcc sm83")});
}

void TestCliToolchains::cCompilers()
{
    QFETCH(QString, toolchain);
    QFETCH(bool, full);
    QFETCH(QStringList, options);
    Exported exported;
    exportMap(full ? m_full : CliSupport::plainMap(39, 19, m_seed), {QStringLiteral("c")}, options,
              &exported);
    if (QTest::currentTestFailed())
        return;
    const bool packed = options.contains(QStringLiteral("--rle"));
    const bool split = options.contains(QStringLiteral("--screens"));
    QStringList labels;
    for (int i = 0; i < exported.blocks; ++i)
        labels.append(split ? QStringLiteral("level_%1").arg(i) : QStringLiteral("level"));

    if (toolchain.startsWith(QStringLiteral("sdcc"))) {
        const QString target = toolchain.section(QLatin1Char(' '), 1);
        // A file that uses the header, compiled as well, and the data linked
        // on its own.
        TestFiles::write(path(QStringLiteral("user.c")),
                         "#include \"level.h\"\nunsigned char first(void) { return " +
                             labels.first().toUtf8() + "[0]; }\n");
        for (const QString &source : {QStringLiteral("level.c"), QStringLiteral("user.c")})
            QVERIFY(runs(m_dir->path(), QStringLiteral("sdcc"),
                         {QStringLiteral("-m") + target, QStringLiteral("--Werror"),
                          QStringLiteral("-c"), source}));
        QByteArray linked;
        QVERIFY(linkedBytes(m_dir->path(),
                            target == QStringLiteral("z80") ? QStringLiteral("sdldz80")
                                                            : QStringLiteral("sdldgb"),
                            QStringLiteral("level.rel"), exported.bin.size(), &linked));
        QVERIFY2(linked == exported.bin, qPrintable(QStringLiteral("seed %1").arg(m_seed)));
        return;
    }

    // A program of its own file that reaches the arrays through the header
    // (so they must have external linkage), checks the size macros, writes
    // the arrays and, when packed, what the shipped decoder unpacks.
    QByteArray driver = "#include <stdio.h>\n#include \"level.h\"\n#include \"tesselwick_unrle.h\"\n";
    if (packed)
        driver += "static unsigned char buffer[LEVEL_SIZE];\n";
    driver += "int main(void)\n{\n"
              "    FILE *unpacked = fopen(\"unpacked.bin\", \"wb\");\n"
              "    if (LEVEL_SIZE != LEVEL_WIDTH * LEVEL_HEIGHT || unpacked == NULL)\n"
              "        return 1;\n";
    for (const QString &label : labels) {
        const QByteArray name = label.toUtf8();
        const QByteArray size = packed ? name.toUpper() + "_PACKED_SIZE" : "LEVEL_SIZE";
        driver += "    if (sizeof " + name + " != " + size + ") return 2;\n";
        driver += "    fwrite(" + name + ", 1, sizeof " + name + ", stdout);\n";
        if (packed)
            driver += "    tesselwick_unrle(" + name + ", buffer);\n"
                      "    fwrite(buffer, 1, sizeof buffer, unpacked);\n";
    }
    driver += "    return fclose(unpacked) == 0 ? 0 : 3;\n}\n";
    TestFiles::write(path(QStringLiteral("driver.c")), driver);

    const bool cxx = toolchain == QStringLiteral("c++");
    QStringList arguments = {QStringLiteral("-Wall"), QStringLiteral("-Wextra"),
                             QStringLiteral("-pedantic"), QStringLiteral("-Werror"),
                             QStringLiteral("-I"), DecoderFolder};
    arguments += cxx ? QStringList{QStringLiteral("-x"), QStringLiteral("c++")}
                     : QStringList{QStringLiteral("-std=") + toolchain};
    arguments += {QStringLiteral("-o"), QStringLiteral("driver"), QStringLiteral("driver.c"),
                  QStringLiteral("level.c"), QDir(DecoderFolder).filePath(QStringLiteral("tesselwick_unrle.c"))};
    QVERIFY(runs(m_dir->path(), cxx ? QStringLiteral("g++") : QStringLiteral("gcc"), arguments));
    QByteArray written;
    QVERIFY(runs(m_dir->path(), path(QStringLiteral("driver")), {}, &written));
    QVERIFY2(written == exported.bin, qPrintable(QStringLiteral("seed %1").arg(m_seed)));
    QVERIFY(TestFiles::readAll(path(QStringLiteral("unpacked.bin"))) ==
            (packed ? exported.unpackedBin : QByteArray()));
    QVERIFY(!packed || exported.unpackedBin != exported.bin);
}

void TestCliToolchains::decoder6502_data()
{
    QTest::addColumn<QByteArray>("map");
    QTest::addColumn<QStringList>("options");
    QTest::newRow("40 x 25 screen") << CliSupport::plainMap(40, 25, m_seed) << QStringList();
    QTest::newRow("32 x 30 screen") << CliSupport::plainMap(32, 30, m_seed) << QStringList();
    QTest::newRow("128 x 64 map, runs") << CliSupport::mapFile(0xFE, 0x4F, 128, 64, 128, 64,
                                                               [](int column, int row) {
                                                                   return (column / 9 + row) % 7;
                                                               })
                                        << QStringList();
    QTest::newRow("256 x 128 map screen by screen")
        << m_full << QStringList{QStringLiteral("--screens"), QStringLiteral("40x25")};
}

void TestCliToolchains::decoder6502()
{
    QFETCH(QByteArray, map);
    QFETCH(QStringList, options);
    Exported exported;
    exportMap(map, {QStringLiteral("bin")}, options + QStringList{QStringLiteral("--rle")},
              &exported);
    if (QTest::currentTestFailed())
        return;
    TestFiles::write(path(QStringLiteral("packed.bin")), exported.bin);
    // Reads all packed blocks (at most a full map's), unpacks them one after
    // another with the 6502 decoder and writes each.
    TestFiles::write(path(QStringLiteral("unpack.c")),
                     "#include <unistd.h>\n"
                     "extern unsigned char *unrle_src;\n"
                     "extern unsigned char *unrle_dst;\n"
                     "#pragma zpsym(\"unrle_src\")\n"
                     "#pragma zpsym(\"unrle_dst\")\n"
                     "void unrle(void);\n"
                     "static unsigned char packed[34000u];\n"
                     "static unsigned char out[8192u];\n"
                     "int main(void)\n{\n"
                     "    unsigned int size = 0;\n"
                     "    int got;\n"
                     "    while (size < sizeof packed &&\n"
                     "           (got = read(0, packed + size, 1024)) > 0)\n"
                     "        size += got;\n"
                     "    unrle_src = packed;\n"
                     "    while (unrle_src < packed + size) {\n"
                     "        unrle_dst = out;\n"
                     "        unrle();\n"
                     "        write(1, out, unrle_dst - out);\n"
                     "    }\n"
                     "    return 0;\n}\n");
    // cc65 gives C names a leading underscore.
    TestFiles::write(path(QStringLiteral("names.s")), "        .importzp unrle_src, unrle_dst\n"
                                                      "        .import unrle\n"
                                                      "        .exportzp _unrle_src := unrle_src\n"
                                                      "        .exportzp _unrle_dst := unrle_dst\n"
                                                      "        .export _unrle := unrle\n");
    // A copy, as cl65 writes each object file beside its source.
    QVERIFY(QFile::copy(QDir(DecoderFolder).filePath(QStringLiteral("tesselwick_unrle.s")),
                        path(QStringLiteral("tesselwick_unrle.s"))));
    QVERIFY(runs(m_dir->path(), QStringLiteral("cl65"),
                 {QStringLiteral("-t"), QStringLiteral("sim6502"), QStringLiteral("-O"),
                  QStringLiteral("-o"), QStringLiteral("unpack"), QStringLiteral("unpack.c"),
                  QStringLiteral("names.s"), QStringLiteral("tesselwick_unrle.s")}));
    const CliSupport::Run run = CliSupport::run(
        QStringLiteral("sh"),
        {QStringLiteral("-c"), QStringLiteral("sim65 unpack < packed.bin")}, m_dir->path());
    QVERIFY2(run.exitCode == 0, run.err.constData());
    QVERIFY(!exported.unpackedBin.isEmpty());
    QVERIFY2(run.out == exported.unpackedBin, qPrintable(QStringLiteral("seed %1").arg(m_seed)));
}

void TestCliToolchains::exportReservedNames(const QString &folder, const QStringList &names,
                                            const QStringList &format, QByteArray *bytes)
{
    // One small map behind every name: links cost no room.
    const QDir at(folder);
    const QString original = at.filePath(QStringLiteral("original.map"));
    TestFiles::write(original, CliSupport::mapFile(0xFE, 0x4F, 2, 1, 2, 1, [](int column, int) {
                         return column == 0 ? 0x5A : 0xC3;
                     }));
    QVERIFY(at.mkpath(QStringLiteral("maps")));
    QStringList arguments = {QStringLiteral("export")};
    for (const QString &name : names) {
        const QString map = QStringLiteral("maps/%1.map").arg(name);
        QVERIFY(QFile::link(original, at.filePath(map)));
        arguments.append(map);
    }
    CliSupport::Run run = cli(arguments + QStringList{QStringLiteral("-f")} + format +
                                  QStringList{QStringLiteral("-o"), QStringLiteral("out")},
                              folder);
    QVERIFY2(run.exitCode == 0, run.err.constData());
    run = cli({QStringLiteral("export"), QStringLiteral("original.map"), QStringLiteral("-f"),
               QStringLiteral("bin"), QStringLiteral("-o"), QStringLiteral("-")},
              folder);
    QVERIFY2(run.exitCode == 0, run.err.constData());
    *bytes = run.out;
}

void TestCliToolchains::reservedNamesAssemble_data()
{
    QTest::addColumn<QString>("toolchain");
    for (const QString &toolchain : includingPrograms().keys())
        QTest::newRow(qPrintable(toolchain)) << toolchain;
}

// A map named after each reserved word, all included by one program that
// then writes the address of each label: every label keeps its place and
// nothing is read as an instruction.
void TestCliToolchains::reservedNamesAssemble()
{
    QFETCH(QString, toolchain);
    const IncludingProgram &program = includingPrograms()[toolchain];
    const QStringList names = reservedNames(false);
    QByteArray data;
    exportReservedNames(m_dir->path(), names,
                        {QStringLiteral("asm"), QStringLiteral("--dialect"), program.dialect},
                        &data);
    if (QTest::currentTestFailed())
        return;
    QByteArray source = program.start;
    QByteArray expected;
    for (const QString &name : std::as_const(names)) {
        source += QByteArray(program.include).replace("%1", "out/" + name.toUtf8() + ".asm");
        expected += data;
    }
    for (qsizetype i = 0; i < names.size(); ++i) {
        source +=
            QByteArray(program.address).replace("%1", (SymbolNames::Prefix + names[i]).toUtf8());
        const qsizetype address = i * data.size();
        expected += static_cast<char>(address & 0xFF);
        expected += static_cast<char>(address >> 8);
    }
    TestFiles::write(path(QStringLiteral("level.asm")), source);
    QByteArray assembled;
    QVERIFY(assemble(toolchain, m_dir->path(), expected.size(), &assembled));
    QCOMPARE(assembled.size(), expected.size());
    QVERIFY(assembled == expected);
}

void TestCliToolchains::reservedNamesCompile_data()
{
    QTest::addColumn<QString>("toolchain");
    for (const char *toolchain : {"c11", "c++", "sdcc z80", "sdcc sm83", "cc65"})
        QTest::newRow(toolchain) << QString::fromLatin1(toolchain);
}

// A map named after each reserved word, all compiled in one file after the
// headers of the library that reserves it: no name clashes with the
// library's. gcc's program also writes the arrays.
void TestCliToolchains::reservedNamesCompile()
{
    QFETCH(QString, toolchain);
    const QStringList names = reservedNames(true);
    if (!m_cNames) {
        m_cNames = std::make_unique<QTemporaryDir>();
        QVERIFY(m_cNames->isValid());
        exportReservedNames(m_cNames->path(), names, {QStringLiteral("c")}, &m_cNamesBytes);
        if (QTest::currentTestFailed()) {
            m_cNames.reset();
            return;
        }
    }
    const QByteArray data = m_cNamesBytes;
    const QByteArray out = QDir(m_cNames->path()).filePath(QStringLiteral("out/")).toUtf8();
    const bool gnu = toolchain == QStringLiteral("c11") || toolchain == QStringLiteral("c++");
    const bool cxx = toolchain == QStringLiteral("c++");
    // The headers of each library, POSIX's for gcc with its names shown.
    QList<QByteArray> headers = {"assert", "ctype",  "errno",  "iso646",  "limits",
                                 "setjmp", "signal", "stdarg", "stdbool", "stddef",
                                 "stdint", "stdio",  "stdlib", "string",  "time"};
    QByteArray source;
    if (gnu) {
        source = "#define _XOPEN_SOURCE 700\n#define _DEFAULT_SOURCE 1\n";
        headers +=
            {"float",      "locale",      "math",         "complex",    "fenv",      "inttypes",
             "uchar",      "wchar",       "wctype",       "aio",        "arpa/inet", "dirent",
             "dlfcn",      "fcntl",       "fnmatch",      "ftw",        "glob",      "grp",
             "iconv",      "langinfo",    "libgen",       "monetary",   "mqueue",    "netdb",
             "net/if",     "netinet/in",  "nl_types",     "poll",       "pthread",   "pwd",
             "regex",      "sched",       "search",       "semaphore",  "spawn",     "strings",
             "sys/mman",   "sys/msg",     "sys/resource", "sys/select", "sys/sem",   "sys/shm",
             "sys/socket", "sys/stat",    "sys/statvfs",  "sys/time",   "sys/times", "sys/uio",
             "sys/un",     "sys/utsname", "sys/wait",     "syslog",     "termios",   "unistd",
             "utime",      "wordexp"};
        if (!cxx)
            headers += {"stdalign", "stdatomic", "stdnoreturn", "tgmath", "threads"};
    } else if (toolchain == QStringLiteral("cc65")) {
        headers +=
            {"locale", "inttypes", "6502",     "cbm", "c64",    "cc65",     "conio",  "dbg",
             "device", "dio",      "dirent",   "em",  "fcntl",  "joystick", "lz4",    "modload",
             "mouse",  "o65",      "peekpoke", "pen", "serial", "tgi",      "unistd", "zlib"};
    } else {
        headers += {"float", "math", "stdalign", "stdnoreturn", "uchar", "wchar"};
    }
    for (const QByteArray &header : std::as_const(headers))
        source += "#include <" + header + ".h>\n";
    for (const QString &name : std::as_const(names))
        source += "#include \"" + out + name.toUtf8() + ".h\"\n#include \"" + out + name.toUtf8() +
                  ".c\"\n";
    QByteArray expected;
    // SDCC and cc65 compile the file alone: the clashes are in the
    // declarations. gcc's program writes every array.
    if (gnu) {
        source += "int main(void)\n{\n";
        for (const QString &name : std::as_const(names)) {
            const QByteArray array = (SymbolNames::Prefix + name).toUtf8();
            source += "    fwrite(" + array + ", 1, sizeof " + array + ", stdout);\n";
            expected += data;
        }
        source += "    return 0;\n}\n";
    }
    TestFiles::write(path(QStringLiteral("all.c")), source);

    if (toolchain.startsWith(QStringLiteral("sdcc"))) {
        QVERIFY(runs(m_dir->path(), QStringLiteral("sdcc"),
                     {QStringLiteral("-m") + toolchain.section(QLatin1Char(' '), 1),
                      QStringLiteral("--Werror"), QStringLiteral("-c"), QStringLiteral("all.c")}));
        return;
    }
    if (!gnu) {
        QVERIFY(runs(m_dir->path(), QStringLiteral("cl65"),
                     {QStringLiteral("-t"), QStringLiteral("c64"), QStringLiteral("-c"),
                      QStringLiteral("all.c")}));
        return;
    }
    QStringList arguments = {QStringLiteral("-Wall"), QStringLiteral("-Wextra"),
                             QStringLiteral("-pedantic"), QStringLiteral("-Werror")};
    arguments += cxx ? QStringList{QStringLiteral("-x"), QStringLiteral("c++")}
                     : QStringList{QStringLiteral("-std=c11")};
    arguments += {QStringLiteral("-o"), QStringLiteral("all"), QStringLiteral("all.c")};
    QVERIFY(runs(m_dir->path(), cxx ? QStringLiteral("g++") : QStringLiteral("gcc"), arguments));
    QByteArray written;
    QVERIFY(runs(m_dir->path(), path(QStringLiteral("all")), {}, &written));
    QVERIFY(written == expected);
}

void TestCliToolchains::includedAfterCode_data()
{
    QTest::addColumn<QString>("toolchain");
    QTest::addColumn<QByteArray>("program");
    // lda level (absolute), the data, rts, from $1000.
    QTest::newRow("acme") << QStringLiteral("acme")
                          << QByteArray("* = $1000\ntesselwick_included = 1\n    lda level\n"
                                        "!source \"level.asm\"\n    rts\n");
    QTest::newRow("dasm") << QStringLiteral("dasm")
                          << QByteArray("    processor 6502\n    org $1000\n    lda level\n"
                                        "    include \"level.asm\"\n    rts\n");
    QTest::newRow("ca65, included") << QStringLiteral("ca65")
                                    << QByteArray("    lda level\n    .include \"level.asm\"\n"
                                                  "    rts\n");
    // The data as a module of its own between two others.
    QTest::newRow("ca65, linked") << QStringLiteral("ca65")
                                  << QByteArray("    .import level\n    lda level\n");
}

// The file holds only data: included after code, or linked after another
// module, it follows that code, and code after it follows the data.
void TestCliToolchains::includedAfterCode()
{
    QFETCH(QString, toolchain);
    QFETCH(QByteArray, program);
    Exported exported;
    exportMap(CliSupport::plainMap(5, 3, m_seed),
              {QStringLiteral("asm"), QStringLiteral("--dialect"), toolchain}, {}, &exported);
    if (QTest::currentTestFailed())
        return;
    TestFiles::write(path(QStringLiteral("main.asm")), program);
    const QByteArray expected = QByteArray("\xAD\x03\x10", 3) + exported.bin + '\x60';
    const QString out = QStringLiteral("out.bin");
    if (toolchain == QStringLiteral("acme")) {
        QVERIFY(runs(m_dir->path(), QStringLiteral("acme"),
                     {QStringLiteral("-f"), QStringLiteral("plain"), QStringLiteral("-o"), out,
                      QStringLiteral("main.asm")}));
    } else if (toolchain == QStringLiteral("dasm")) {
        QVERIFY(
            runs(m_dir->path(), QStringLiteral("dasm"),
                 {QStringLiteral("main.asm"), QStringLiteral("-o") + out, QStringLiteral("-f3")}));
    } else {
        TestFiles::write(path(QStringLiteral("at1000.cfg")),
                         "MEMORY { ALL: start = $1000, size = $1000, file = %O; }\n"
                         "SEGMENTS { CODE: load = ALL, type = ro; }\n");
        TestFiles::write(path(QStringLiteral("tail.asm")), "    rts\n");
        QStringList objects = {QStringLiteral("main.o")};
        QStringList sources = {QStringLiteral("main.asm")};
        if (!program.contains(".include")) {
            sources += {QStringLiteral("level.asm"), QStringLiteral("tail.asm")};
            objects += {QStringLiteral("level.o"), QStringLiteral("tail.o")};
        }
        for (qsizetype i = 0; i < sources.size(); ++i)
            QVERIFY(runs(m_dir->path(), QStringLiteral("ca65"),
                         {sources[i], QStringLiteral("-o"), objects[i]}));
        QVERIFY(runs(m_dir->path(), QStringLiteral("ld65"),
                     QStringList{QStringLiteral("-C"), QStringLiteral("at1000.cfg"),
                                 QStringLiteral("-o"), out} +
                         objects));
    }
    QCOMPARE(TestFiles::readAll(path(out)).toHex(' '), expected.toHex(' '));
}

QTEST_GUILESS_MAIN(TestCliToolchains)
#include "tst_clitoolchains.moc"
