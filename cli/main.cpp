// SPDX-License-Identifier: MIT
// tesselwick-cli: the editor's map files as data and pictures, for build
// pipelines and other editors.
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/LoadedMap.h"
#include "cli/Runner.h"
#include "cli/TileCommands.h"

#include <QCoreApplication>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

void print(std::FILE *stream, const QByteArray &text)
{
    std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()), stream);
}

int fail(const Failure &failure)
{
    print(stderr, CommandLine::errorText(failure).toUtf8());
    return CommandLine::exitCodeOf(failure);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (const std::optional<Outcome<QByteArray>> done =
            TileCommands::run(QCoreApplication::arguments())) {
        if (!done->succeeded())
            return fail(done->failure());
        print(stdout, done->value());
        return CommandLine::Success;
    }
    const Outcome<CommandLine::Parsed> parsed = CommandLine::parse(QCoreApplication::arguments());
    if (!parsed.succeeded())
        return fail(parsed.failure());
    if (!parsed.value().request) {
        print(stdout, parsed.value().answer.toUtf8());
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
        print(stdout, report.value().out);
        for (const QString &warning : report.value().warnings)
            print(stderr,
                  (ProgramName + QStringLiteral(": ") + warning + QLatin1Char('\n')).toUtf8());
    }
    return exitCode;
}
