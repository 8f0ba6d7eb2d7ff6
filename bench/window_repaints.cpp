// Counts how often a program repainted given points of its window on the X server, from outside
// the program: what bench/roll.sh uses to see that a roll drew its animation on the dice.
//
//   window_repaints WINDOW X,Y [X,Y ...]
//
// WINDOW is an X window id (decimal or 0x hex), each X,Y a point in the window's own
// coordinates. It asks the X server for a report of every drawing on the window (the DAMAGE
// extension, one rectangle per report), prints "ready" once the server has taken the request, and
// counts for each point the reports whose rectangle covers it until its standard input ends. It
// then prints the counts, in the order of the points, on one line. A program built on Qt sends
// each repaint of its window to the X server as one drawing per rectangle of the repainted area,
// and those rectangles do not overlap, so a point's count is the number of repaints that covered
// it. Exit status 2, with a message, when there is no display, no DAMAGE extension or no such
// window.
#include <poll.h>
#include <unistd.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

struct Point {
    int x;
    int y;
};

[[noreturn]] void stop(const char* why) {
    std::fprintf(stderr, "window_repaints: %s\n", why);
    std::exit(2);
}

bool covers(const xcb_rectangle_t& r, Point p) {
    return p.x >= r.x && p.x < r.x + r.width && p.y >= r.y && p.y < r.y + r.height;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) stop("usage: window_repaints WINDOW X,Y [X,Y ...]");
    const auto window = static_cast<xcb_window_t>(std::strtoul(argv[1], nullptr, 0));
    std::vector<Point> points;
    for (int i = 2; i < argc; ++i) {
        Point p{};
        if (std::sscanf(argv[i], "%d,%d", &p.x, &p.y) != 2) stop("a point is written X,Y");
        points.push_back(p);
    }

    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) stop("no X display");
    const xcb_query_extension_reply_t* damage_extension = xcb_get_extension_data(x, &xcb_damage_id);
    if (!damage_extension || !damage_extension->present) stop("the X server has no DAMAGE");
    // The extension refuses every other request until its version has been asked.
    std::free(xcb_damage_query_version_reply(x, xcb_damage_query_version(x, 1, 1), nullptr));
    const xcb_damage_damage_t damage = xcb_generate_id(x);
    // The checked request waits for the server's answer: once it is in, every drawing that the
    // server does from then on is reported.
    if (xcb_generic_error_t* error = xcb_request_check(
            x,
            xcb_damage_create_checked(x, damage, window, XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES))) {
        std::free(error);
        stop("no such window");
    }
    std::printf("ready\n");
    std::fflush(stdout);

    std::vector<long> counts(points.size(), 0);
    const uint8_t notify = damage_extension->first_event + XCB_DAMAGE_NOTIFY;
    auto take = [&](xcb_generic_event_t* event) {
        if ((event->response_type & 0x7f) == notify) {
            const auto* report = reinterpret_cast<xcb_damage_notify_event_t*>(event);
            for (std::size_t i = 0; i < points.size(); ++i)
                if (report->damage == damage && covers(report->area, points[i])) ++counts[i];
        }
        std::free(event);
    };
    pollfd watched[2] = {{0, POLLIN, 0}, {xcb_get_file_descriptor(x), POLLIN, 0}};
    for (;;) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(x)) take(event);
        if (xcb_connection_has_error(x)) stop("the X display went away");
        if (poll(watched, 2, -1) < 0) continue;
        char ignored[64];
        if (watched[0].revents && read(0, ignored, sizeof ignored) <= 0) break;
    }
    // The server answers requests in order and sends each report before the answers to later
    // requests: after this answer, every report of a drawing done before the end is in.
    std::free(xcb_get_input_focus_reply(x, xcb_get_input_focus(x), nullptr));
    while (xcb_generic_event_t* event = xcb_poll_for_event(x)) take(event);

    for (std::size_t i = 0; i < counts.size(); ++i) std::printf(i ? " %ld" : "%ld", counts[i]);
    std::printf("\n");
    xcb_disconnect(x);
    return 0;
}
