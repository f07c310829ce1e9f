// Starts a program and prints how many microseconds pass until the X server maps its first
// top-level window, then ends the program. Run on a display of its own (Xvfb): any top-level
// window mapped on it counts.
//   regforge-window-start PROGRAM [ARGS...]
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kTimeout = std::chrono::seconds(20);

struct Connection {
    xcb_connection_t* xcb;
    ~Connection() { xcb_disconnect(xcb); }
};

bool mapped(xcb_connection_t* xcb, Clock::time_point deadline) {
    const int fd = xcb_get_file_descriptor(xcb);
    while (Clock::now() < deadline) {
        while (std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> event{xcb_poll_for_event(xcb),
                                                                                &std::free}) {
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY)
                return true;
        }
        if (xcb_connection_has_error(xcb) != 0)
            return false;
        pollfd wait{fd, POLLIN, 0};
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        poll(&wait, 1, static_cast<int>(left.count()) + 1);
    }
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: regforge-window-start PROGRAM [ARGS...]\n");
        return 2;
    }
    const Connection connection{xcb_connect(nullptr, nullptr)};
    if (xcb_connection_has_error(connection.xcb) != 0) {
        std::fprintf(stderr, "regforge-window-start: no X display\n");
        return 1;
    }
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection.xcb)).data;
    // Map notifications of the root window's children are the top-level windows appearing.
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_request_check(connection.xcb, xcb_change_window_attributes_checked(connection.xcb, screen->root,
                                                                           XCB_CW_EVENT_MASK, &mask));

    const auto start = Clock::now();
    const pid_t child = fork();
    if (child < 0) {
        std::perror("regforge-window-start: fork");
        return 1;
    }
    if (child == 0) {
        execv(argv[1], argv + 1);
        std::perror("regforge-window-start: exec");
        _exit(127);
    }
    const bool shown = mapped(connection.xcb, start + kTimeout);
    const auto elapsed = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start);
    kill(child, SIGTERM);
    int status = 0;
    waitpid(child, &status, 0);
    if (!shown) {
        std::fprintf(stderr, "regforge-window-start: %s showed no window\n", argv[1]);
        return 1;
    }
    std::printf("%lld\n", static_cast<long long>(elapsed.count()));
    return 0;
}
