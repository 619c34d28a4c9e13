// Starts a program on the current X display and reports, in one line, the milliseconds from
// its start to its first top-level window being mapped and Painted, and its peak resident set.
//   startup_probe PROGRAM  ->  "<milliseconds> <max-rss-KiB>"
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace {

using Clock = std::chrono::steady_clock;

// True once the window shows more than one colour: something has been drawn into it.
bool Painted(xcb_connection_t* connection, xcb_window_t window, int width, int height) {
    const auto cookie =
        xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0,
                      static_cast<uint16_t>(width), static_cast<uint16_t>(height), ~0u);
    xcb_get_image_reply_t* reply = xcb_get_image_reply(connection, cookie, nullptr);
    if (!reply)
        return false;
    const auto* data = reinterpret_cast<const uint32_t*>(xcb_get_image_data(reply));
    const int pixels = xcb_get_image_data_length(reply) / 4;
    bool varied = false;
    for (int i = 1; i < pixels && !varied; ++i)
        varied = (data[i] & 0xFFFFFF) != (data[0] & 0xFFFFFF);
    std::free(reply);
    return varied;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM\n", argv[0]);
        return 2;
    }
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);

    const auto start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execv(argv[1], argv + 1);
        _exit(127);
    }

    xcb_window_t window = XCB_NONE;
    int width = 0, height = 0;
    while (window == XCB_NONE) {
        xcb_generic_event_t* event = xcb_wait_for_event(connection);
        if (!event)
            return 3;
        if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
            auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
            auto geometry = xcb_get_geometry_reply(
                connection, xcb_get_geometry(connection, map->window), nullptr);
            if (geometry && geometry->width > 50 && geometry->height > 50) {
                window = map->window;
                width = geometry->width;
                height = geometry->height;
            }
            std::free(geometry);
        }
        std::free(event);
    }
    while (!Painted(connection, window, width, height))
        usleep(500);
    const double milliseconds =
        std::chrono::duration<double, std::milli>(Clock::now() - start).count();

    kill(child, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    std::printf("%.1f %ld\n", milliseconds, usage.ru_maxrss);
    xcb_disconnect(connection);
    return 0;
}
