// SPDX-License-Identifier: MIT
#include "cli/Runner.h"

#include "cli/Commands.h"

#include <QThreadPool>

#include <algorithm>
#include <atomic>

namespace Runner {

int workerCount(int count, int threads)
{
    return std::clamp(threads, 1, std::max(count, 1));
}

QList<Commands::Report> runAll(int count, int threads,
                               const std::function<Commands::Report(int, int)> &work)
{
    QList<Commands::Report> reports(count);
    const int workers = workerCount(count, threads);
    if (workers == 1) {
        for (int index = 0; index < count; ++index)
            reports[index] = work(index, 0);
        return reports;
    }
    // Each worker takes the next input until none is left, so a slow map
    // does not hold up the others.
    std::atomic<int> next{0};
    QThreadPool pool;
    pool.setMaxThreadCount(workers);
    for (int worker = 0; worker < workers; ++worker)
        pool.start([&, worker] {
            for (int index = next++; index < count; index = next++)
                reports[index] = work(index, worker);
        });
    pool.waitForDone();
    return reports;
}

} // namespace Runner
