// Starts a program and prints the microseconds from just before its exec until the X server
// maps a top-level window of the given title; then ends the program.
// Usage: window_shown TITLE PROGRAM [ARGUMENTS...]
//
// It waits on the X server's own MapNotify event rather than polling with xdotool: each poll is
// a process of its own, which takes a core from the program being measured and adds its own
// delay, enough to blur differences of a few per cent. Meant for a server with no window
// manager (Xvfb), where a top-level window is a child of the root.
#include <xcb/xcb.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <poll.h>
#include <string_view>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

template <typename T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

xcb_atom_t Atom(xcb_connection_t* x, const char* name)
{
    Reply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(x, xcb_intern_atom(x, 0, std::strlen(name), name), nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

bool HasTitle(xcb_connection_t* x, xcb_window_t window, xcb_atom_t netWmName,
              std::string_view title)
{
    // Qt sets _NET_WM_NAME (UTF-8) before it maps the window.
    Reply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(
            x, xcb_get_property(x, 0, window, netWmName, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024),
            nullptr),
        &std::free);
    if (!reply)
        return false;
    const std::string_view name(static_cast<const char*>(xcb_get_property_value(reply.get())),
                                xcb_get_property_value_length(reply.get()));
    return name == title;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: window_shown TITLE PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    const std::string_view title = argv[1];
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "window_shown: cannot connect to the X server\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    // Checked, so the server has the mask before the program can map anything.
    if (xcb_generic_error_t* error = xcb_request_check(
            x, xcb_change_window_attributes_checked(x, root, XCB_CW_EVENT_MASK, &mask))) {
        std::free(error);
        std::fprintf(stderr, "window_shown: cannot watch the root window\n");
        return 1;
    }
    const xcb_atom_t netWmName = Atom(x, "_NET_WM_NAME");

    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child < 0) {
        std::perror("window_shown: fork");
        return 1;
    }
    if (child == 0) {
        close(xcb_get_file_descriptor(x));
        execvp(argv[2], argv + 2);
        std::perror(argv[2]);
        _exit(127);
    }

    int status = 1;
    const Clock::time_point deadline = start + std::chrono::seconds(30);
    for (bool shown = false; !shown;) {
        if (Clock::now() > deadline) {
            std::fprintf(stderr, "window_shown: no window \"%s\" within 30 s\n", argv[1]);
            break;
        }
        if (waitpid(child, nullptr, WNOHANG) == child) {
            std::fprintf(stderr, "window_shown: %s ended before showing a window\n", argv[2]);
            return 1;
        }
        pollfd fd{xcb_get_file_descriptor(x), POLLIN, 0};
        if (poll(&fd, 1, 100) < 0 && errno != EINTR)
            break;
        while (xcb_generic_event_t* event = xcb_poll_for_event(x)) {
            const Clock::time_point now = Clock::now();
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY && !shown) {
                const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
                if (HasTitle(x, map->window, netWmName, title)) {
                    std::printf(
                        "%lld\n",
                        static_cast<long long>(
                            std::chrono::duration_cast<std::chrono::microseconds>(now - start)
                                .count()));
                    shown = true;
                    status = 0;
                }
            }
            std::free(event);
        }
        if (xcb_connection_has_error(x))
            break;
    }
    if (xcb_connection_has_error(x))
        std::fprintf(stderr, "window_shown: the connection to the X server broke\n");
    // Ended, or killed when it ignores SIGTERM (or hangs in its handler) for a second: the bound
    // above holds whatever the program does.
    kill(child, SIGTERM);
    bool ended = false;
    for (int i = 0; i < 100 && !(ended = waitpid(child, nullptr, WNOHANG) == child); ++i)
        usleep(10000);
    if (!ended) {
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
    }
    xcb_disconnect(x);
    return status;
}
