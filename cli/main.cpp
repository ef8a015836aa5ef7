// SPDX-License-Identifier: MIT
// tesselwick-cli: the editor's map files as data and pictures, for build
// pipelines and other editors.
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/Runner.h"

#include <QCoreApplication>

#include <cstdio>

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
    const QList<Commands::Report> reports =
        Runner::runAll(static_cast<int>(request.inputs.size()), request.jobs,
                       [&shared](int index) { return Commands::run(shared, index); });

    bool allOk = true;
    for (const Commands::Report &report : reports) {
        print(stdout, report.out);
        print(stderr, report.err);
        allOk = allOk && report.ok;
    }
    return allOk ? CommandLine::Success : CommandLine::BadInput;
}
