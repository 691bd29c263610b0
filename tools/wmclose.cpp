// Asks the X client owning a top-level window to close it, as a window
// manager's close box does: a WM_DELETE_WINDOW message. Used by the checks
// that run the game under Xvfb, where no window manager runs.
// Usage: wmclose <window title | 0x window id>   (exit 0 when a window got the message)
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

bool HasTitle(Display* dpy, Window w, const std::string& title) {
    XTextProperty prop{};
    if (!XGetWMName(dpy, w, &prop) || !prop.value) return false;
    const bool same = std::string(reinterpret_cast<const char*>(prop.value), prop.nitems) == title;
    XFree(prop.value);
    return same;
}

// Depth-first over the window tree; the first window with that title.
Window Find(Display* dpy, Window w, const std::string& title) {
    if (HasTitle(dpy, w, title)) return w;
    Window root = 0, parent = 0, *children = nullptr;
    unsigned int n = 0;
    if (!XQueryTree(dpy, w, &root, &parent, &children, &n)) return 0;
    Window found = 0;
    for (unsigned int i = 0; i < n && !found; ++i) found = Find(dpy, children[i], title);
    if (children) XFree(children);
    return found;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: wmclose <window title | 0x window id>\n");
        return 2;
    }
    Display* dpy = XOpenDisplay(nullptr);
    if (!dpy) {
        std::fprintf(stderr, "wmclose: cannot open the display\n");
        return 1;
    }
    // A window id names one window where titles repeat (a box's is the game's name).
    const bool byId = std::strncmp(argv[1], "0x", 2) == 0;
    const Window w = byId ? std::strtoul(argv[1], nullptr, 16) : Find(dpy, DefaultRootWindow(dpy), argv[1]);
    if (!w) {
        std::fprintf(stderr, "wmclose: no window titled \"%s\"\n", argv[1]);
        XCloseDisplay(dpy);
        return 1;
    }
    XEvent ev;
    std::memset(&ev, 0, sizeof ev);
    ev.xclient.type = ClientMessage;
    ev.xclient.window = w;
    ev.xclient.message_type = XInternAtom(dpy, "WM_PROTOCOLS", False);
    ev.xclient.format = 32;
    ev.xclient.data.l[0] = static_cast<long>(XInternAtom(dpy, "WM_DELETE_WINDOW", False));
    ev.xclient.data.l[1] = CurrentTime;
    XSendEvent(dpy, w, False, NoEventMask, &ev);
    XCloseDisplay(dpy);  // flushes the message
    return 0;
}
