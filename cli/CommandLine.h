// SPDX-License-Identifier: MIT
#pragma once

#include "cli/Failure.h"
#include "cli/Request.h"

#include <QString>
#include <QStringList>

#include <optional>

// The command line: subcommand, files and options, checked before anything
// is read or written.
namespace CommandLine {

inline constexpr int Success = 0;
inline constexpr int BadInput = 1;
inline constexpr int WrongUsage = 2;

// Names an output as standard output.
inline const QString StandardOutput = QStringLiteral("-");

// A command line that asks for work, or only for the help or the version
// text.
struct Parsed
{
    std::optional<Request> request;
    QString answer;
};

Outcome<Parsed> parse(const QStringList &arguments);

// The format import reads a file in: given (csv, tmx, tmj or json), or the
// file's extension, looked for under a .gz; empty when neither tells.
QString importFormatOf(const QString &given, const QString &fileName);

// The exit status a failure ends the program with.
inline int exitCodeOf(const Failure &failure)
{
    return failure.kind == Failure::Kind::Usage ? WrongUsage : BadInput;
}

// A failure as standard error shows it; wrong usage points at --help.
inline QString errorText(const Failure &failure)
{
    QString text = ProgramName + QStringLiteral(": ") + failure.describe() + QLatin1Char('\n');
    if (failure.kind == Failure::Kind::Usage)
        text += QStringLiteral("Try '%1 --help' for more information.\n").arg(ProgramName);
    return text;
}

} // namespace CommandLine
