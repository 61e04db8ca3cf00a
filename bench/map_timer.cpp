// map_timer PREFIX COMMAND [ARG...]: starts COMMAND and prints the milliseconds until the X
// server maps its first top-level window whose name begins with PREFIX (an empty PREFIX takes
// any named top-level), then the processor time its threads had used by then (milliseconds,
// from /proc/PID/task/*/schedstat: what a loaded machine changes least), and ends it. The time is
// the server's own MapNotify, not the program's word that it has shown something, and nothing is
// polled: the root window's substructure events arrive as they happen. Needs DISPLAY; no window
// manager expected (under one, the top-level is a child of its frame and the name is read from the
// client window).
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

std::string WindowName(Display* display, Window window) {
    Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
    Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    std::string name;
    if (XGetWindowProperty(display, window, netName, 0, 1024, False, utf8, &type, &format, &count,
                           &after, &data) == Success &&
        data) {
        name.assign(reinterpret_cast<char*>(data), count);
        XFree(data);
    }
    if (name.empty()) {
        char* plain = nullptr;
        if (XFetchName(display, window, &plain) && plain) {
            name = plain;
            XFree(plain);
        }
    }
    return name;
}

// Milliseconds on the processor of every thread of the process so far.
double ProcessorMs(pid_t pid) {
    double total = 0;
    std::error_code error;
    for (const auto& task :
         std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/task", error)) {
        std::ifstream stat(task.path() / "schedstat");
        double ns = 0;
        if (stat >> ns) {
            total += ns;
        }
    }
    return total / 1e6;
}

// A mapped window gone before its name could be read is no error: that window is passed over.
int IgnoreErrors(Display*, XErrorEvent*) {
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: map_timer PREFIX COMMAND [ARG...]\n");
        return 2;
    }
    std::string prefix = argv[1];
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "map_timer: cannot open the display\n");
        return 1;
    }
    XSetErrorHandler(IgnoreErrors);
    Window root = DefaultRootWindow(display);
    // Selected and confirmed by the server before the command starts: no map can be missed.
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    auto start = std::chrono::steady_clock::now();
    pid_t child = fork();
    if (child < 0) {
        std::perror("map_timer: fork");
        return 1;
    }
    if (child == 0) {
        close(ConnectionNumber(display));
        execvp(argv[2], argv + 2);
        std::perror("map_timer: exec");
        _exit(127);
    }

    int status = 1;
    bool found = false;
    pollfd x{ConnectionNumber(display), POLLIN, 0};
    while (!found) {
        while (!found && XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type != MapNotify || event.xmap.override_redirect) {
                continue;
            }
            auto mapped = std::chrono::steady_clock::now();
            double used = ProcessorMs(child);
            if (WindowName(display, event.xmap.window).starts_with(prefix)) {
                std::printf("%.2f %.2f\n",
                            std::chrono::duration<double, std::milli>(mapped - start).count(),
                            used);
                std::fflush(stdout);
                found = true;
                status = 0;
            }
        }
        if (found) {
            break;
        }
        // Wakes for the next event, or twice a second to see whether the command has ended.
        if (poll(&x, 1, 500) == 0 && waitpid(child, nullptr, WNOHANG) == child) {
            std::fprintf(stderr, "map_timer: %s ended without mapping a window\n", argv[2]);
            XCloseDisplay(display);
            return 1;
        }
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    return status;
}
