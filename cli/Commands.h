// SPDX-License-Identifier: MIT
#pragma once

#include "cli/Request.h"

#include <QByteArray>
#include <QImage>

class LoadedMap;

// The work of each command on one input file.
namespace Commands {

// What one input gave: text for standard output and for standard error,
// and whether it succeeded.
struct Report
{
    bool ok = true;
    QByteArray out;
    QByteArray err;
};

// What all inputs of a request share, prepared once before the work starts.
struct Shared
{
    const Request &request;
    // The tile sheet render and export draw with.
    QImage sheet;
};

// Reads the --tiles sheet (or takes the built-in one) for the commands that
// draw. On failure the report says why.
Report prepare(const Request &request, QImage *sheet);

// Does the request's work on input number index, loading the map into map.
// A map reused from input to input is drawn anew in whole each time, as the
// editor's canvas is on every Load Map, but keeps its memory.
Report run(const Shared &shared, int index, LoadedMap &map);

} // namespace Commands
