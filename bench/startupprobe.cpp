// Starts a program on the current X server and reports, on one line, the
// milliseconds from exec to the mapping of its first window of the given size
// and its resident memory in kB once it has settled.
//
//   startupprobe WIDTH HEIGHT SETTLE_MS program [args...]

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <thread>

namespace {

long ResidentKb(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 5) {
        std::fprintf(stderr, "usage: startupprobe WIDTH HEIGHT SETTLE_MS program [args...]\n");
        return 2;
    }
    const int width = std::atoi(argv[1]), height = std::atoi(argv[2]);
    const int settleMs = std::atoi(argv[3]);

    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "no X server\n");
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(x);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execv(argv[4], argv + 4);
        _exit(127);
    }
    double mappedMs = -1;
    // Wait for the mapping, but not for a program that has already ended.
    pollfd xfd{xcb_get_file_descriptor(x), POLLIN, 0};
    int status = 0;
    while (mappedMs < 0) {
        std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> event(xcb_poll_for_event(x), &std::free);
        if (!event) {
            if (xcb_connection_has_error(x))
                break;
            if (waitpid(child, &status, WNOHANG) == child) {
                std::fprintf(stderr, "%s ended before its window was mapped (status %d)\n", argv[4], status);
                return 1;
            }
            poll(&xfd, 1, 100);
            continue;
        }
        if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY)
            continue;
        const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event.get());
        std::unique_ptr<xcb_get_geometry_reply_t, decltype(&std::free)> g(
            xcb_get_geometry_reply(x, xcb_get_geometry(x, map->window), nullptr), &std::free);
        if (g && g->width == width && g->height == height)
            mappedMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
    const long kb = ResidentKb(child);
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    xcb_disconnect(x);
    std::printf("%.1f %ld\n", mappedMs, kb);
    return mappedMs < 0 ? 1 : 0;
}
