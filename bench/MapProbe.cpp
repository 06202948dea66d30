// map-probe: starts a program on the X display of $DISPLAY and prints, on one line, the
// milliseconds from the start to the first map of a top-level window and the program's
// peak resident memory in kilobytes. Run it on a display without a window manager, so
// that the program's top-level windows are children of the root.
//
// Usage: map-probe PROGRAM [ARGUMENT...]
#include <X11/Xlib.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <thread>

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: map-probe PROGRAM [ARGUMENT...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "map-probe: cannot open the display\n");
        return 2;
    }
    // Subscribe before the program exists, so that no map can be missed.
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        std::perror("map-probe: exec");
        _exit(127);
    }

    double milliseconds = -1;
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && !event.xmap.override_redirect) {
            milliseconds =
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
            break;
        }
    }
    // Let the program paint and settle, then take its peak memory as it ends.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    kill(child, SIGTERM);
    int status = 0;
    rusage usage{};
    while (wait4(child, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    std::printf("%.1f %ld\n", milliseconds, usage.ru_maxrss);
    XCloseDisplay(display);
    return 0;
}
