// SPDX-License-Identifier: MIT
// tesselwick-cli in a pipeline: standard input from a writer that pauses,
// standard output that cannot take what is written or whose reader goes
// away, and names that are not UTF-8.
#include "cli/CsvFormat.h"
#include "cli/Inflate.h"
#include "cli/InputFile.h"
#include "cli/LoadedMap.h"
#include "cli/RawArguments.h"
#include "cli/TmjFormat.h"
#include "cli/TmxFormat.h"
#include "tests/cli/CliSupport.h"
#include "tests/cli/RawProcess.h"
#include "tests/support/FileFaults.h"
#include "tests/support/TestFiles.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <optional>
#include <thread>

#include <fcntl.h>
#include <zlib.h>

using CliSupport::cellsOf;

namespace {

constexpr int Success = 0;
constexpr int BadInput = 1;
constexpr int WrongUsage = 2;

const QByteArray Program = QByteArrayLiteral(TESSELWICK_CLI);

QByteArray gzipped(const QByteArray &data)
{
    z_stream stream{};
    // Window bits 15, plus 16 for the gzip wrapper.
    deflateInit2(&stream, Z_BEST_SPEED, Z_DEFLATED, 31, 8, Z_DEFAULT_STRATEGY);
    QByteArray packed(qsizetype(deflateBound(&stream, uLong(data.size()))), '\0');
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.constData()));
    stream.avail_in = uInt(data.size());
    stream.next_out = reinterpret_cast<Bytef *>(packed.data());
    stream.avail_out = uInt(packed.size());
    deflate(&stream, Z_FINISH);
    packed.truncate(qsizetype(stream.total_out));
    deflateEnd(&stream);
    return packed;
}

// The byte just after the last line end before offset, so that a pipe cut
// there ends with whole lines.
qsizetype afterLineEndBefore(const QByteArray &text, qsizetype offset)
{
    return text.lastIndexOf('\n', offset - 1) + 1;
}

QList<QByteArray> bytesOf(const QStringList &arguments)
{
    QList<QByteArray> bytes;
    for (const QString &argument : arguments)
        bytes.append(argument.toUtf8());
    return bytes;
}

// How a run ended and what it wrote to standard output and error.
struct Result
{
    RawProcess::Ending ending;
    QByteArray out;
    QByteArray err;
};

} // namespace

class TestCliStreams : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();

    void pausedStandardInput_data();
    void pausedStandardInput();
    void standardInputLimit_data();
    void standardInputLimit();
    void gzipBeyondTheLimit_data();
    void gzipBeyondTheLimit();

    void failedStandardOutput_data();
    void failedStandardOutput();
    void readerThatStopsEarly_data();
    void readerThatStopsEarly();

    void namesThatAreNotUtf8_data();
    void namesThatAreNotUtf8();
    void utf8NamesAreKept();

private:
    QString path(const QString &name) const { return m_dir->filePath(name); }
    QByteArray rawPath(const QByteArray &name) const
    {
        return QFile::encodeName(m_dir->path()) + '/' + name;
    }
    // Runs the program in the test's folder with standard input from
    // /dev/null, standard output into out (a descriptor or
    // RawProcess::Closed; none: a file read back into the result) and
    // standard error read back.
    Result run(const QList<QByteArray> &arguments, std::optional<int> out = std::nullopt) const;
    // The same, but standard input is a pipe that gets first, and once the
    // program has taken all of it, the rest.
    Result runWithPause(const QList<QByteArray> &arguments, QByteArrayView first,
                        QByteArrayView rest) const;
    Result runWith(const QList<QByteArray> &arguments, int in, std::optional<int> out,
                   const std::function<void(RawProcess::Child &)> &whileRunning) const;

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestCliStreams::initTestCase()
{
    // Writing to a pipe whose reader has gone fails with EPIPE instead of
    // ending the test. The programs started inherit this; the program
    // under test must undo it for its own output.
    std::signal(SIGPIPE, SIG_IGN);
}

void TestCliStreams::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

Result TestCliStreams::runWith(const QList<QByteArray> &arguments, int in, std::optional<int> out,
                               const std::function<void(RawProcess::Child &)> &whileRunning) const
{
    Result result;
    const QString outPath = path(QStringLiteral("standard-output"));
    const int outFile = out ? -1
                            : ::open(QFile::encodeName(outPath).constData(),
                                     O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    int errPipe[2];
    if (pipe2(errPipe, O_CLOEXEC) != 0)
        return result;
    // Relative names are the test folder's.
    const QString before = QDir::currentPath();
    QDir::setCurrent(m_dir->path());
    RawProcess::Child child;
    const bool started = child.start(Program, arguments, in, out ? *out : outFile, errPipe[1]);
    QDir::setCurrent(before);
    ::close(errPipe[1]);
    // Read while the program runs, so that a long message cannot hold it up;
    // the pipe ends when the program does.
    std::thread errors([&] {
        char buffer[4096];
        for (ssize_t got; (got = ::read(errPipe[0], buffer, sizeof buffer)) > 0;)
            result.err.append(buffer, got);
    });
    if (started) {
        whileRunning(child);
        result.ending = child.wait();
    }
    errors.join();
    ::close(errPipe[0]);
    if (!out) {
        ::close(outFile);
        result.out = TestFiles::readAll(outPath);
        QFile::remove(outPath);
    }
    return result;
}

Result TestCliStreams::run(const QList<QByteArray> &arguments, std::optional<int> out) const
{
    const int nothing = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    Result result = runWith(arguments, nothing, out, [](RawProcess::Child &) {});
    ::close(nothing);
    return result;
}

Result TestCliStreams::runWithPause(const QList<QByteArray> &arguments, QByteArrayView first,
                                    QByteArrayView rest) const
{
    int in[2];
    if (pipe2(in, O_CLOEXEC) != 0)
        return {};
    bool drained = false;
    Result result = runWith(arguments, in[0], std::nullopt, [&](RawProcess::Child &child) {
        ::close(in[0]);
        RawProcess::writeAll(in[1], first);
        // A program that takes one read() for all gets only first.
        drained = QTest::qWaitFor(
            [&] { return RawProcess::unread(in[1]) == 0 || !child.running(); }, 60000);
        RawProcess::writeAll(in[1], rest);
        ::close(in[1]);
    });
    if (!drained)
        result.ending = {};
    return result;
}

void TestCliStreams::pausedStandardInput_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("inputName");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<qsizetype>("pause");
    // The map file an import writes; empty for the other commands.
    QTest::addColumn<QByteArray>("map");

    const QByteArray map = CliSupport::plainMap(40, 30, 3);
    const QStringList info = {QStringLiteral("info"), QStringLiteral("IN")};
    const QStringList lenientInfo = {QStringLiteral("info"), QStringLiteral("--lenient"),
                                     QStringLiteral("IN")};
    const QStringList exportCsv = {QStringLiteral("export"), QStringLiteral("IN"),
                                   QStringLiteral("-f"),     QStringLiteral("csv"),
                                   QStringLiteral("-o"),     QStringLiteral("-")};
    QStringList lenientExport = exportCsv;
    lenientExport.append(QStringLiteral("--lenient"));
    const auto import = [](const QString &format) {
        return QStringList{QStringLiteral("import"), QStringLiteral("IN"),
                           QStringLiteral("-f"),     format,
                           QStringLiteral("-o"),     QStringLiteral("OUT")};
    };

    QTest::newRow("map, info") << info << "m.map" << map << qsizetype(1000) << QByteArray();
    QTest::newRow("map, export") << exportCsv << "m.map" << map << qsizetype(20000) << QByteArray();
    QTest::newRow("map, tiles") << QStringList{QStringLiteral("tiles"), QStringLiteral("IN")}
                                << "m.map" << map << qsizetype(4) << QByteArray();
    // A short map is padded with zeros only where the file ends, a long one
    // reported at its whole size.
    QTest::newRow("short map, --lenient info")
        << lenientInfo << "short.map" << map.left(20000) << qsizetype(4096) << QByteArray();
    QTest::newRow("short map, --lenient export")
        << lenientExport << "short.map" << map.left(20000) << qsizetype(4096) << QByteArray();
    QTest::newRow("long map, --lenient info") << lenientInfo << "long.map" << map + map.left(9000)
                                              << qsizetype(map.size()) << QByteArray();

    // 200 columns as the CSV of a pipeline: a pause after a whole line
    // leaves text that reads as a shorter map.
    const MapCells wide = cellsOf(200, 120, 5);
    const QByteArray csv = CsvFormat::write(wide);
    QTest::newRow("csv") << import(QStringLiteral("csv")) << "w.csv" << csv
                         << afterLineEndBefore(csv, 65536) << LoadedMap::fileFor(wide);
    const MapCells level = cellsOf(64, 48, 6);
    const QByteArray tmx = TmxFormat::write(level, QStringLiteral("l"), QStringLiteral("l.png"));
    QTest::newRow("tmx") << import(QStringLiteral("tmx")) << "l.tmx" << tmx
                         << afterLineEndBefore(tmx, tmx.size() / 2) << LoadedMap::fileFor(level);
    const QByteArray tmj = TmjFormat::write(level, QStringLiteral("l"), QStringLiteral("l.png"));
    QTest::newRow("tmj") << import(QStringLiteral("tmj")) << "l.tmj" << tmj
                         << qsizetype(tmj.size() / 2) << LoadedMap::fileFor(level);
    const QByteArray csvGz = gzipped(csv);
    QTest::newRow("csv.gz") << import(QStringLiteral("csv")) << "w.csv.gz" << csvGz
                            << qsizetype(csvGz.size() / 2) << LoadedMap::fileFor(wide);
    const QByteArray tmxGz = gzipped(tmx);
    QTest::newRow("tmx.gz") << import(QStringLiteral("tmx")) << "l.tmx.gz" << tmxGz
                            << qsizetype(tmxGz.size() / 2) << LoadedMap::fileFor(level);
}

void TestCliStreams::pausedStandardInput()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, inputName);
    QFETCH(QByteArray, input);
    QFETCH(qsizetype, pause);
    QFETCH(QByteArray, map);
    QVERIFY(pause > 0 && pause < input.size());
    TestFiles::write(path(inputName), input);

    const auto withInput = [&](const QString &inputArgument, const QString &output) {
        QStringList filled = arguments;
        filled.replaceInStrings(QRegularExpression(QStringLiteral("^IN$")), inputArgument);
        filled.replaceInStrings(QRegularExpression(QStringLiteral("^OUT$")), output);
        return bytesOf(filled);
    };
    const Result fromFile = run(withInput(inputName, QStringLiteral("from-file.map")));
    QVERIFY2(fromFile.ending.code == Success, fromFile.err.constData());
    const Result fromPipe =
        runWithPause(withInput(QStringLiteral("-"), QStringLiteral("from-pipe.map")),
                     input.left(pause), input.mid(pause));
    QVERIFY(!fromPipe.ending.signalled);
    QVERIFY2(fromPipe.ending.code == Success, fromPipe.err.constData());

    // The same report, but for the input's name.
    QByteArray expected = fromFile.out;
    expected.replace(inputName.toUtf8() + ": ", "standard input: ");
    QCOMPARE(fromPipe.out, expected);
    QCOMPARE(fromPipe.err, QByteArray());
    if (!map.isEmpty()) {
        QCOMPARE(TestFiles::readAll(path(QStringLiteral("from-file.map"))), map);
        QCOMPARE(TestFiles::readAll(path(QStringLiteral("from-pipe.map"))), map);
    }
}

void TestCliStreams::standardInputLimit_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<qsizetype>("size");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("says");

    const QStringList info = {QStringLiteral("info"), QStringLiteral("--lenient"),
                              QStringLiteral("-")};
    const QStringList import = {QStringLiteral("import"), QStringLiteral("-"),
                                QStringLiteral("-f"),     QStringLiteral("csv"),
                                QStringLiteral("-o"),     QStringLiteral("out.map")};
    const QByteArray tooLarge = "tesselwick-cli: standard input: the input is larger than 64 MB\n";
    QTest::newRow("a map of the largest size")
        << info << qsizetype(InputFile::MaxBytes) << Success
        << QByteArray("file ") + QByteArray::number(InputFile::MaxBytes) + " bytes";
    QTest::newRow("a map one byte larger")
        << info << qsizetype(InputFile::MaxBytes + 1) << BadInput << tooLarge;
    QTest::newRow("a csv larger") << import << qsizetype(InputFile::MaxBytes + (1 << 20))
                                  << BadInput << tooLarge;
}

void TestCliStreams::standardInputLimit()
{
    QFETCH(QStringList, arguments);
    QFETCH(qsizetype, size);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, says);
    const QByteArray input(size, '\0');
    const QByteArrayView bytes(input);
    const Result result =
        runWithPause(bytesOf(arguments), bytes.first(1 << 20), bytes.sliced(1 << 20));
    QCOMPARE(result.ending.signalled, false);
    QCOMPARE(result.ending.code, exitCode);
    QVERIFY2((exitCode == Success ? result.out : result.err).contains(says),
             result.err.constData());
    QVERIFY(!QFile::exists(path(QStringLiteral("out.map"))));
}

void TestCliStreams::gzipBeyondTheLimit_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("says");
    const QByteArray bomb = gzipped(QByteArray(InputFile::MaxBytes + 1, '0'));
    QTest::newRow("valid, one byte too many")
        << bomb << Inflate::TooLargeMessage.arg(InputFile::MaxBytes).toUtf8();
    QTest::newRow("cut short") << bomb.left(bomb.size() / 2) << QByteArray("not valid gzip data: ");
    QTest::newRow("bytes after the stream")
        << gzipped("1,2\n") + "xyz" << QByteArray("not valid gzip data: 3 bytes follow");
}

void TestCliStreams::gzipBeyondTheLimit()
{
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, says);
    TestFiles::write(path(QStringLiteral("in.csv.gz")), file);
    const Result result = run(bytesOf({QStringLiteral("import"), QStringLiteral("in.csv.gz"),
                                       QStringLiteral("-o"), QStringLiteral("out.map")}));
    QCOMPARE(result.ending.code, BadInput);
    QVERIFY2(result.err.startsWith("tesselwick-cli: in.csv.gz: " + says), result.err.constData());
    QVERIFY(!QFile::exists(path(QStringLiteral("out.map"))));
}

void TestCliStreams::failedStandardOutput_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QByteArray>("says");

    const QList<std::pair<const char *, QStringList>> commands = {
        {"export",
         {QStringLiteral("export"), QStringLiteral("m.map"), QStringLiteral("-f"),
          QStringLiteral("csv"), QStringLiteral("-o"), QStringLiteral("-")}},
        {"info", {QStringLiteral("info"), QStringLiteral("m.map"), QStringLiteral("m.map")}},
        {"tiles", {QStringLiteral("tiles"), QStringLiteral("m.map")}},
        {"help", {QStringLiteral("--help")}},
    };
    // A full disk, a file that may grow no more, and no standard output at
    // all.
    const QList<std::pair<const char *, const char *>> targets = {
        {"/dev/full", "No space left on device"},
        {"limited file", "File too large"},
        {"closed", "Bad file descriptor"},
    };
    for (const auto &[command, arguments] : commands)
        for (const auto &[target, says] : targets)
            QTest::addRow("%s into %s", command, target)
                << arguments << QString::fromLatin1(target) << QByteArray(says);
}

void TestCliStreams::failedStandardOutput()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, target);
    QFETCH(QByteArray, says);
    TestFiles::write(path(QStringLiteral("m.map")), CliSupport::plainMap(200, 100, 4));

    Result result;
    if (target == QStringLiteral("/dev/full")) {
        const int full = ::open("/dev/full", O_WRONLY | O_CLOEXEC);
        result = run(bytesOf(arguments), full);
        ::close(full);
    } else if (target == QStringLiteral("closed")) {
        result = run(bytesOf(arguments), RawProcess::Closed);
    } else {
        const int file = ::open(QFile::encodeName(path(QStringLiteral("out.txt"))).constData(),
                                O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
        // Inherited by the program: its output ends short as on a full disk.
        const FileFaults::FileSizeLimit limited(16);
        result = run(bytesOf(arguments), file);
        ::close(file);
    }
    QCOMPARE(result.ending.signalled, false);
    QCOMPARE(result.ending.code, BadInput);
    QCOMPARE(result.err, "tesselwick-cli: standard output: cannot write: " + says + '\n');
}

void TestCliStreams::readerThatStopsEarly_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("export") << QStringList{QStringLiteral("export"), QStringLiteral("m.map"),
                                           QStringLiteral("-f"),     QStringLiteral("csv"),
                                           QStringLiteral("-o"),     QStringLiteral("-")};
    QTest::newRow("info") << QStringList{QStringLiteral("info"), QStringLiteral("m.map")};
    QTest::newRow("tiles") << QStringList{QStringLiteral("tiles"), QStringLiteral("m.map")};
}

void TestCliStreams::readerThatStopsEarly()
{
    QFETCH(QStringList, arguments);
    TestFiles::write(path(QStringLiteral("m.map")), CliSupport::plainMap(200, 100, 4));
    int pipe[2];
    QVERIFY(pipe2(pipe, O_CLOEXEC) == 0);
    // The reader is gone before the first byte, as head is after its lines.
    ::close(pipe[0]);
    const Result result = run(bytesOf(arguments), pipe[1]);
    ::close(pipe[1]);
    // Ended as other tools end, quietly, although SIGPIPE was ignored by
    // the test that started it.
    QCOMPARE(result.ending.signalled, true);
    QCOMPARE(result.ending.code, SIGPIPE);
    QCOMPARE(result.err, QByteArray());
}

void TestCliStreams::namesThatAreNotUtf8_data()
{
    QTest::addColumn<QList<QByteArray>>("arguments");
    // A file made under that name beforehand, if any.
    QTest::addColumn<QByteArray>("existing");
    // How the message shows the name.
    QTest::addColumn<QByteArray>("shown");

    // Latin-1 "é", a lone continuation byte, a sequence cut short and bytes
    // no UTF-8 text holds.
    QTest::newRow("a map that exists")
        << QList<QByteArray>{"info", "caf\xe9.map"} << QByteArray("caf\xe9.map")
        << QByteArray("caf\xef\xbf\xbd.map");
    QTest::newRow("an output") << QList<QByteArray>{"export", "m.map", "-f",
                                                    "csv",    "-o",    "out\x80.csv"}
                               << QByteArray() << QByteArray("out\xef\xbf\xbd.csv");
    QTest::newRow("an output that exists")
        << QList<QByteArray>{"export", "m.map", "-f", "csv", "-oout\xc3.csv"}
        << QByteArray("out\xc3.csv") << QByteArray("-oout\xef\xbf\xbd.csv");
    QTest::newRow("an import") << QList<QByteArray>{"import", "in.csv", "-o", "\xff.map"}
                               << QByteArray() << QByteArray("\xef\xbf\xbd.map");
    QTest::newRow("a tile sheet") << QList<QByteArray>{"render", "m.map",   "-o",
                                                       "m.png",  "--tiles", "s\xfe.png"}
                                  << QByteArray("s\xfe.png") << QByteArray("s\xef\xbf\xbd.png");
    QTest::newRow("a sheet written")
        << QList<QByteArray>{"compact", "m.map", "--tiles", "s.png",
                             "-o",      "c.map", "--sheet", "n\xe9.png"}
        << QByteArray() << QByteArray("n\xef\xbf\xbd.png");
    QTest::newRow("a symbol") << QList<QByteArray>{"export", "m.map",    "-f",
                                                   "c",      "--symbol", "lev\xe9l"}
                              << QByteArray() << QByteArray("lev\xef\xbf\xbdl");
}

void TestCliStreams::namesThatAreNotUtf8()
{
    QFETCH(QList<QByteArray>, arguments);
    QFETCH(QByteArray, existing);
    QFETCH(QByteArray, shown);
    const QByteArray map = CliSupport::plainMap(4, 3, 2);
    TestFiles::write(path(QStringLiteral("m.map")), map);
    TestFiles::write(path(QStringLiteral("in.csv")), "1,2\n");
    // QTemporaryDir cannot name such a file to remove it.
    const auto removeExisting = qScopeGuard([&] {
        if (!existing.isEmpty())
            ::unlink(rawPath(existing).constData());
    });
    if (!existing.isEmpty()) {
        const int made =
            ::open(rawPath(existing).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        QVERIFY(made >= 0);
        QCOMPARE(::write(made, map.constData(), std::size_t(map.size())), ssize_t(map.size()));
        ::close(made);
    }
    const QStringList before = QDir(m_dir->path()).entryList(QDir::Files);

    const Result result = run(arguments);
    QCOMPARE(result.ending.code, WrongUsage);
    QCOMPARE(result.out, QByteArray());
    QVERIFY2(result.err.startsWith("tesselwick-cli: " + shown + ": " +
                                   RawArguments::NotUtf8Message.toUtf8() + '\n'),
             result.err.constData());
    // Nothing written or replaced.
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), before);
    if (!existing.isEmpty()) {
        QFile kept;
        const int opened = ::open(rawPath(existing).constData(), O_RDONLY | O_CLOEXEC);
        QVERIFY(kept.open(opened, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle));
        QCOMPARE(kept.readAll(), map);
    }
}

void TestCliStreams::utf8NamesAreKept()
{
    const QString map = QStringLiteral("café ☃.map");
    TestFiles::write(path(map), CliSupport::plainMap(4, 3, 2));
    const Result info = run(bytesOf({QStringLiteral("info"), map}));
    QVERIFY2(info.ending.code == Success, info.err.constData());
    QVERIFY(info.out.startsWith(map.toUtf8() + ": bytes FE 4F 04 03;"));

    const Result exported =
        run(bytesOf({QStringLiteral("export"), map, QStringLiteral("-f"), QStringLiteral("csv"),
                     QStringLiteral("-o"), QStringLiteral("ü.csv")}));
    QVERIFY2(exported.ending.code == Success, exported.err.constData());
    QVERIFY(QFile::exists(QFile::decodeName(rawPath("\xc3\xbc.csv"))));
}

QTEST_GUILESS_MAIN(TestCliStreams)
#include "tst_clistreams.moc"
