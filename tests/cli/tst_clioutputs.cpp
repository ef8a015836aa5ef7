// SPDX-License-Identifier: MIT
// Where tesselwick-cli's outputs may go: no file a command writes, side
// files included, may be one of its inputs by any name or link, and the
// files of one output are written all together or not at all.
#include "cli/TileSheet.h"
#include "tests/cli/CliSupport.h"
#include "tests/support/FileFaults.h"
#include "tests/support/TestFiles.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QMap>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using CliSupport::cli;

namespace {

constexpr int Success = 0;
constexpr int BadInput = 1;
constexpr int WrongUsage = 2;

const QByteArray Untouched = "an earlier file that must stay";

// Every file under folder, links read through, by its path inside folder.
QMap<QString, QByteArray> filesIn(const QString &folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator entries(folder, QDir::Files | QDir::Hidden | QDir::System,
                         QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        const QString file = entries.next();
        files.insert(QDir(folder).relativeFilePath(file), TestFiles::readAll(file));
    }
    return files;
}

// A map whose left half is tile 0 and right half tiles of three digits, so
// that its two halves take CSV files of very different sizes.
QByteArray halvesMap()
{
    return CliSupport::mapFile(
        0xFE, 0x4F, 255, 127, Tiles::GridColumns, Tiles::GridRows,
        [](int column, int row) { return column < Tiles::GridColumns / 2 ? 0 : 100 + row % 100; });
}

QStringList words(const char *text)
{
    return QString::fromLatin1(text).split(QLatin1Char(' '));
}

} // namespace

class TestCliOutputs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();

    void outputsNeverReplaceInputs_data();
    void outputsNeverReplaceInputs();
    void reExportReplacesItsOwnSheet();
    void fullDiskChangesNoFileOfTheSet_data();
    void fullDiskChangesNoFileOfTheSet();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

// Maps small and large, a tile sheet, a picture and a CSV file to read.
void TestCliOutputs::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    TestFiles::write(path(QStringLiteral("lv.map")), CliSupport::plainMap(4, 3, 1));
    TestFiles::write(path(QStringLiteral("other.map")), CliSupport::plainMap(3, 4, 2));
    TestFiles::write(path(QStringLiteral("full.map")), CliSupport::plainMap(256, 128, 8));
    TestFiles::write(path(QStringLiteral("halves.map")), halvesMap());
    TestFiles::write(path(QStringLiteral("lv.csv")), "1,2\n3,4\n");
    QVERIFY(TileSheet::builtIn().save(path(QStringLiteral("lv.tiles.png")), "PNG"));
    QImage picture(32, 16, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    picture.setPixel(20, 5, qRgb(250, 10, 10));
    QVERIFY(picture.save(path(QStringLiteral("pic.png")), "PNG"));
}

// Each file a command writes beside or instead of its main output, made
// the same file as an input: by the same name, or by a link of that name
// (symbolic unless the row says hard).
void TestCliOutputs::outputsNeverReplaceInputs_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("symbolic");
    const auto row = [](const char *name, const char *arguments, const char *link = "",
                        const char *target = "", bool symbolic = true) {
        QTest::newRow(name) << words(arguments) << QString::fromLatin1(link)
                            << QString::fromLatin1(target) << symbolic;
    };
    row("tmx sheet named as the --tiles sheet",
        "export lv.map -f tmx --tiles lv.tiles.png -o lv.tmx");
    row("tmj sheet named as the --tiles sheet",
        "export lv.map -f tmj --tiles lv.tiles.png -o lv.tmj");
    row("tmx screens' sheet named as the --tiles sheet",
        "export lv.map -f tmx --screens 2x2 --tiles lv.tiles.png -o lv.tmx");
    row("tmx sheet linked to the map", "export lv.map -f tmx -o x.tmx", "x.tiles.png", "lv.map");
    row("tmj sheet linked to the --tiles sheet",
        "export lv.map -f tmj --tiles lv.tiles.png -o x.tmj", "x.tiles.png", "lv.tiles.png");
    row("header linked to the map", "export lv.map -f c -o x.c", "x.h", "lv.map");
    row("header a hard link of the map", "export lv.map -f c -o x.c", "x.h", "lv.map", false);
    row("header linked to another map of the run", "export lv.map other.map -f c -o out",
        "out/other.h", "../lv.map");
    row("main output in a folder linked to the map's", "export lv.map -f csv -o linked/lv.map",
        "linked", ".");
    row("numbered screen linked to the map", "export lv.map -f csv --screens 2x2 -o x.csv",
        "x_1.csv", "lv.map");
    row("numbered screen a hard link of the map", "export lv.map -f tmj --screens 2x2 -o x.tmj",
        "x_3.tmj", "lv.map", false);
    row("picture linked to the --tiles sheet", "render lv.map --tiles lv.tiles.png -o x.png",
        "x.png", "lv.tiles.png");
    row("picture linked to another map of the run", "render lv.map other.map -o out", "out/lv.bmp",
        "../other.map");
    row("imported map linked to its CSV", "import lv.csv -o x.map", "x.map", "lv.csv");
    row("import-picture's map linked to the picture",
        "import-picture pic.png -o x.map --sheet x.png", "x.map", "pic.png");
    row("import-picture's sheet linked to the picture",
        "import-picture pic.png -o x.map --sheet x.png", "x.png", "pic.png");
    row("compact's sheet named as the --tiles sheet",
        "compact lv.map --tiles lv.tiles.png -o x.map --sheet lv.tiles.png");
    row("compact's sheet linked to the map",
        "compact lv.map --tiles lv.tiles.png -o x.map --sheet x.png", "x.png", "lv.map");
    row("compact's map linked to the --tiles sheet",
        "compact lv.map --tiles lv.tiles.png -o x.map --sheet x.png", "x.map", "lv.tiles.png");
}

void TestCliOutputs::outputsNeverReplaceInputs()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, link);
    QFETCH(QString, target);
    QFETCH(bool, symbolic);
    if (!link.isEmpty()) {
        QVERIFY(QDir().mkpath(QFileInfo(path(link)).absolutePath()));
        if (symbolic)
            QVERIFY(QFile::link(target, path(link)));
        else
            QCOMPARE(::link(QFile::encodeName(path(target)).constData(),
                            QFile::encodeName(path(link)).constData()),
                     0);
    }
    const QMap<QString, QByteArray> before = filesIn(m_dir->path());

    const CliSupport::Run run = cli(arguments, m_dir->path());
    QCOMPARE(run.exitCode, WrongUsage);
    QVERIFY(run.out.isEmpty());
    QVERIFY2(run.err.contains("would be written over itself"), run.err.constData());
    // Nothing written, not even the files of another input.
    QCOMPARE(filesIn(m_dir->path()), before);
}

// The sheet of an earlier export is no input: exporting again replaces it,
// also when the sheet read is an equal copy under another name.
void TestCliOutputs::reExportReplacesItsOwnSheet()
{
    TestFiles::write(path(QStringLiteral("lv.tiles.png")), Untouched);
    QVERIFY(TileSheet::builtIn().save(path(QStringLiteral("mine.png")), "PNG"));
    const CliSupport::Run run =
        cli(words("export lv.map -f tmx --tiles mine.png -o lv.tmx"), m_dir->path());
    QVERIFY2(run.exitCode == Success, run.err.constData());
    QCOMPARE(CliSupport::picture(path(QStringLiteral("lv.tiles.png"))).size(),
             QSize(Tiles::SheetWidth, Tiles::SheetHeight));
}

// Commands that write several files, each of which exists already, into a
// disk that fills up: whichever file meets the full disk, the earlier one
// written in whole or not, every file stays as it was and no temporary
// file is left.
void TestCliOutputs::fullDiskChangesNoFileOfTheSet_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("existing");
    QTest::addColumn<int>("limit");
    const auto row = [](const char *name, const char *arguments, const char *existing, int limit) {
        QTest::newRow(name) << words(arguments) << words(existing) << limit;
    };
    // The map (117 KB) does not fit, the sheet (23 KB) does.
    row("tmx map too large", "export full.map -f tmx -o full.tmx", "full.tmx full.tiles.png",
        64 * 1024);
    // The map (1 KB) fits, the sheet does not.
    row("tmx sheet too large", "export lv.map -f tmx -o lv.tmx", "lv.tmx lv.tiles.png", 8 * 1024);
    row("tmj sheet too large", "export lv.map -f tmj -o lv.tmj", "lv.tmj lv.tiles.png", 8 * 1024);
    row("c source too large", "export full.map -f c -o full.c", "full.c full.h", 64 * 1024);
    // The first screen (tile 0, 32 KB) fits, the second (64 KB) does not.
    row("second screen too large", "export halves.map -f csv --screens 128x128 -o h.csv",
        "h_0.csv h_1.csv", 48 * 1024);
    row("tmx screens and their sheet", "export halves.map -f tmx --screens 128x128 -o h.tmx",
        "h_0.tmx h_1.tmx h.tiles.png", 48 * 1024);
    // A PNG sheet (at most 29 KB) fits, the map (32 KB) does not.
    row("compact's map too large", "compact full.map --tiles lv.tiles.png -o c.map --sheet c.png",
        "c.map c.png", 31 * 1024);
    row("import-picture's map too large", "import-picture pic.png -o p.map --sheet p.png",
        "p.map p.png", 16 * 1024);
    // The map (32 KB) fits, a bitmap sheet (192 KB) does not.
    row("compact's sheet too large", "compact full.map --tiles lv.tiles.png -o c.map --sheet c.bmp",
        "c.map c.bmp", 64 * 1024);
    row("import-picture's sheet too large", "import-picture pic.png -o p.map --sheet p.bmp",
        "p.map p.bmp", 64 * 1024);
}

void TestCliOutputs::fullDiskChangesNoFileOfTheSet()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, existing);
    QFETCH(int, limit);
    for (const QString &name : existing)
        TestFiles::write(path(name), Untouched);
    const QStringList before =
        QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);

    CliSupport::Run run;
    {
        // The program inherits the limit: its files end short as on a full disk.
        const FileFaults::FileSizeLimit fullDisk(static_cast<rlim_t>(limit));
        run = cli(arguments, m_dir->path());
    }
    QCOMPARE(run.exitCode, BadInput);
    QVERIFY2(run.err.contains(": cannot write: "), run.err.constData());
    for (const QString &name : existing)
        QVERIFY2(TestFiles::readAll(path(name)) == Untouched, qPrintable(name));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             before);

    // With room on the disk the same command replaces every file.
    const CliSupport::Run roomy = cli(arguments, m_dir->path());
    QVERIFY2(roomy.exitCode == Success, roomy.err.constData());
    for (const QString &name : existing)
        QVERIFY2(TestFiles::readAll(path(name)) != Untouched, qPrintable(name));
}

QTEST_GUILESS_MAIN(TestCliOutputs)
#include "tst_clioutputs.moc"
