// SPDX-License-Identifier: MIT
// Asks the window manager to maximise a window or to restore it, as its
// title bar's maximise button does: a _NET_WM_STATE client message to the
// root window. Used by desktop_test.sh, whose xdotool cannot ask for it.
// Usage: hbquor_window_state WINDOW_ID maximize|restore
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char **argv) {
    if (argc != 3 ||
        (std::strcmp(argv[2], "maximize") != 0 && std::strcmp(argv[2], "restore") != 0)) {
        std::fprintf(stderr, "usage: %s WINDOW_ID maximize|restore\n", argv[0]);
        return 2;
    }
    Display *display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "cannot open the display\n");
        return 1;
    }
    constexpr long Remove = 0;
    constexpr long Add = 1;
    constexpr long FromApplication = 1;
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = static_cast<Window>(std::strtoul(argv[1], nullptr, 0));
    event.xclient.message_type = XInternAtom(display, "_NET_WM_STATE", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = std::strcmp(argv[2], "maximize") == 0 ? Add : Remove;
    event.xclient.data.l[1] =
        static_cast<long>(XInternAtom(display, "_NET_WM_STATE_MAXIMIZED_VERT", False));
    event.xclient.data.l[2] =
        static_cast<long>(XInternAtom(display, "_NET_WM_STATE_MAXIMIZED_HORZ", False));
    event.xclient.data.l[3] = FromApplication;
    const Status sent = XSendEvent(display, DefaultRootWindow(display), False,
                                   SubstructureRedirectMask | SubstructureNotifyMask, &event);
    XCloseDisplay(display);
    return sent != 0 ? 0 : 1;
}
