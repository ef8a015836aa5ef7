// SPDX-License-Identifier: MIT
// Starts a program on the X display and reports, once its first top-level
// window is mapped, the wall time since the start and the CPU time the
// process used until then (all its threads, also those already ended), in
// milliseconds. With --rest <seconds> it then waits and reports the resident
// memory at rest.
// The program is ended afterwards.
// Usage: time_to_window [--rest <seconds>] <program> [arguments...]
#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

// CPU time of the whole process, threads that have already ended included,
// from the kernel's own nanosecond count (not the 10 ms ticks of
// /proc/<pid>/stat).
double cpuMilliseconds(pid_t pid)
{
    clockid_t clock;
    timespec used{};
    if (clock_getcpuclockid(pid, &clock) != 0 || clock_gettime(clock, &used) != 0)
        return -1;
    return used.tv_sec * 1e3 + used.tv_nsec / 1e6;
}

long residentKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, uint16_t(std::strlen(name)), name), nullptr);
    const xcb_atom_t found = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return found;
}

// The process that owns a window, by the _NET_WM_PID that Qt sets.
pid_t windowPid(xcb_connection_t *connection, xcb_window_t window, xcb_atom_t pidAtom)
{
    xcb_get_property_reply_t *reply = xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, pidAtom, XCB_ATOM_CARDINAL, 0, 1),
        nullptr);
    pid_t pid = 0;
    if (reply && xcb_get_property_value_length(reply) == 4)
        pid = pid_t(*static_cast<uint32_t *>(xcb_get_property_value(reply)));
    std::free(reply);
    return pid;
}

} // namespace

int main(int argc, char *argv[])
{
    int first = 1;
    double restSeconds = -1;
    if (argc > 2 && std::strcmp(argv[1], "--rest") == 0) {
        restSeconds = std::atof(argv[2]);
        first = 3;
    }
    if (first >= argc) {
        std::fprintf(stderr, "usage: time_to_window [--rest <seconds>] <program> [arguments...]\n");
        return 2;
    }

    // A server that has just reset after its last client may refuse a moment.
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    for (int tries = 0; xcb_connection_has_error(connection) && tries < 50; ++tries) {
        xcb_disconnect(connection);
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        connection = xcb_connect(nullptr, nullptr);
    }
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "cannot open the display\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    const xcb_atom_t pidAtom = atom(connection, "_NET_WM_PID");
    xcb_flush(connection);

    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        // The program's messages would mix with the figures.
        freopen("/dev/null", "w", stdout);
        freopen("/dev/null", "w", stderr);
        execvp(argv[first], argv + first);
        _exit(127);
    }

    double wallMs = -1;
    double cpuMs = -1;
    while (xcb_generic_event_t *event = xcb_wait_for_event(connection)) {
        if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
            const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event);
            if (!map->override_redirect && windowPid(connection, map->window, pidAtom) == child) {
                wallMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
                cpuMs = cpuMilliseconds(child);
                std::free(event);
                break;
            }
        }
        std::free(event);
        if (waitpid(child, nullptr, WNOHANG) == child) {
            std::fprintf(stderr, "%s ended without a window\n", argv[first]);
            return 1;
        }
    }
    std::printf("%.1f %.1f", wallMs, cpuMs);
    if (restSeconds >= 0) {
        std::this_thread::sleep_for(std::chrono::duration<double>(restSeconds));
        std::printf(" %ld", residentKiB(child));
    }
    std::printf("\n");
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    xcb_disconnect(connection);
    return wallMs < 0 ? 1 : 0;
}
