// SPDX-License-Identifier: MIT
#pragma once

#include "cli/Commands.h"

#include <QList>

#include <functional>

// Runs one piece of work per input on a pool of threads and hands back the
// reports in the order of the inputs, so what is printed does not depend on
// which thread finished first.
namespace Runner {

// How many workers take count inputs on at most threads threads.
int workerCount(int count, int threads);

// Calls work(index, worker) for every input; worker (0 .. workerCount - 1)
// names the thread, so that each can keep what it reuses from input to
// input.
QList<Commands::Report> runAll(int count, int threads,
                               const std::function<Commands::Report(int, int)> &work);

} // namespace Runner
