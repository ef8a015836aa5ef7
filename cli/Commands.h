// SPDX-License-Identifier: MIT
#pragma once

#include "cli/Failure.h"
#include "cli/OutputPaths.h"
#include "cli/Request.h"

#include <QByteArray>
#include <QImage>
#include <QStringList>

class LoadedMap;

// The work of each command on one input file.
namespace Commands {

// What one input gave when its work succeeded: text for standard output,
// and warnings about what was done that the user may not expect.
struct Output
{
    QByteArray out;
    QStringList warnings;
};

using Report = Outcome<Output>;

// What all inputs of a request share, prepared once before the work starts.
struct Shared
{
    Shared(const Request &request, QImage sheet);

    const Request &request;
    // The tile sheet render and export draw with.
    QImage sheet;
    // Every file the request reads: no output may replace one.
    OutputPaths::InputFiles inputs;
};

// Refuses a request that would write over one of its inputs, as far as the
// names of its outputs are known before any map is read; then reads the
// --tiles sheet (or takes the built-in one) for the commands that draw, a
// null picture for the others.
Outcome<QImage> prepare(const Request &request);

// Does the request's work on input number index, loading the map into map.
// A map reused from input to input is drawn anew in whole each time, as the
// editor's canvas is on every Load Map, but keeps its memory.
Report run(const Shared &shared, int index, LoadedMap &map);

} // namespace Commands
