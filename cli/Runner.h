// SPDX-License-Identifier: MIT
#pragma once

#include <QList>

#include <functional>

namespace Commands {
struct Report;
}

// Runs one piece of work per input on a pool of threads and hands back the
// reports in the order of the inputs, so what is printed does not depend on
// which thread finished first.
namespace Runner {

QList<Commands::Report> runAll(int count, int threads,
                               const std::function<Commands::Report(int)> &work);

} // namespace Runner
