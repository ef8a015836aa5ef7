// SPDX-License-Identifier: MIT
#pragma once

#include "cli/Failure.h"

#include <QByteArray>
#include <QStringList>

#include <optional>

// The tile budget commands of tesselwick-cli: import-picture, tiles and
// compact. Each works on one file and writes what the editor's own commands
// of the same names make.
namespace TileCommands {

// Runs the command line when it names one of these commands, giving the
// text for standard output or the failure; nothing when it names another.
std::optional<Outcome<QByteArray>> run(const QStringList &arguments);

} // namespace TileCommands
