// SPDX-License-Identifier: MIT
// tesselwick-cli: the editor's map files as data and pictures, for build
// pipelines and other editors.
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/LoadedMap.h"
#include "cli/Runner.h"

#include <QCoreApplication>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

void print(std::FILE *stream, const QByteArray &text)
{
    std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()), stream);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const CommandLine::Parsed parsed = CommandLine::parse(QCoreApplication::arguments());
    if (!parsed.request) {
        print(stdout, parsed.out.toUtf8());
        print(stderr, parsed.err.toUtf8());
        return parsed.exitCode;
    }
    const Request &request = *parsed.request;

    QImage sheet;
    const Commands::Report prepared = Commands::prepare(request, &sheet);
    if (!prepared.ok) {
        print(stderr, prepared.err);
        return CommandLine::BadInput;
    }
    const Commands::Shared shared{request, sheet};
    const int count = static_cast<int>(request.inputs.size());
    // One map per worker, reused for each input it takes.
    std::vector<std::unique_ptr<LoadedMap>> maps;
    for (int worker = 0; worker < Runner::workerCount(count, request.jobs); ++worker)
        maps.push_back(std::make_unique<LoadedMap>());
    const QList<Commands::Report> reports =
        Runner::runAll(count, request.jobs, [&](int index, int worker) {
            return Commands::run(shared, index, *maps[worker]);
        });

    bool allOk = true;
    for (const Commands::Report &report : reports) {
        print(stdout, report.out);
        print(stderr, report.err);
        allOk = allOk && report.ok;
    }
    return allOk ? CommandLine::Success : CommandLine::BadInput;
}
