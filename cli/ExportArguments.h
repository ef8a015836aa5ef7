// SPDX-License-Identifier: MIT
#pragma once

#include "cli/ExportOptions.h"
#include "cli/Failure.h"

#include <QString>

// The layout and naming options of export as given on the command line,
// checked against each other and the format before any map is read.
namespace ExportArguments {

struct Given
{
    QString format;
    bool toStandardOutput = false;
    // Each empty when not given.
    QString dialect;
    QString symbol;
    QString order;
    QString region;
    QString screens;
    QString offset;
    bool wrap = false;
    bool rle = false;
};

// The options given, or what is wrong with them (a usage error).
Outcome<ExportOptions> read(const Given &given);

} // namespace ExportArguments
