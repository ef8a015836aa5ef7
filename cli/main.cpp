// SPDX-License-Identifier: MIT
// tesselwick-cli: the editor's map files as data and pictures, for build
// pipelines and other editors.
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/LoadedMap.h"
#include "cli/RawArguments.h"
#include "cli/Runner.h"
#include "cli/StandardStreams.h"
#include "cli/TileCommands.h"

#include <QCoreApplication>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

void printError(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stderr);
}

int fail(const Failure &failure)
{
    printError(CommandLine::errorText(failure));
    return CommandLine::exitCodeOf(failure);
}

// The exit status, unless standard output could not take all it was given.
int finish(StandardStreams::Output &out, int exitCode)
{
    if (const Outcome<> closed = out.close(); !closed.succeeded())
        return fail(closed.failure());
    return exitCode;
}

int work(StandardStreams::Output &out)
{
    if (const std::optional<Outcome<QByteArray>> done =
            TileCommands::run(QCoreApplication::arguments())) {
        if (!done->succeeded())
            return fail(done->failure());
        out.write(done->value());
        return CommandLine::Success;
    }
    const Outcome<CommandLine::Parsed> parsed = CommandLine::parse(QCoreApplication::arguments());
    if (!parsed.succeeded())
        return fail(parsed.failure());
    if (!parsed.value().request) {
        out.write(parsed.value().answer.toUtf8());
        return CommandLine::Success;
    }
    const Request &request = *parsed.value().request;

    const Outcome<QImage> sheet = Commands::prepare(request);
    if (!sheet.succeeded())
        return fail(sheet.failure());
    const Commands::Shared shared{request, sheet.value()};
    const int count = static_cast<int>(request.inputs.size());
    // One map per worker, reused for each input it takes.
    std::vector<std::unique_ptr<LoadedMap>> maps;
    for (int worker = 0; worker < Runner::workerCount(count, request.jobs); ++worker)
        maps.push_back(std::make_unique<LoadedMap>());
    const QList<Commands::Report> reports =
        Runner::runAll(count, request.jobs, [&](int index, int worker) {
            return Commands::run(shared, index, *maps[worker]);
        });

    int exitCode = CommandLine::Success;
    for (const Commands::Report &report : reports) {
        if (!report.succeeded()) {
            exitCode = fail(report.failure());
            continue;
        }
        out.write(report.value().out);
        for (const QString &warning : report.value().warnings)
            printError(ProgramName + QStringLiteral(": ") + warning + QLatin1Char('\n'));
    }
    return exitCode;
}

} // namespace

int main(int argc, char *argv[])
{
    StandardStreams::prepare();
    // Checked before Qt decodes them, which would change such a name.
    if (const Outcome<> names = RawArguments::check(argc, argv); !names.succeeded())
        return fail(names.failure());
    QCoreApplication app(argc, argv);
    StandardStreams::Output out;
    const int exitCode = work(out);
    return finish(out, exitCode);
}
