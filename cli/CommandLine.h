// SPDX-License-Identifier: MIT
#pragma once

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

struct Parsed
{
    // Set when there is work to do; otherwise exitCode and the texts say
    // what to print and how to end.
    std::optional<Request> request;
    int exitCode = Success;
    QString out;
    QString err;
};

Parsed parse(const QStringList &arguments);

} // namespace CommandLine
