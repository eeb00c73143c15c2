// first-paint-probe: starts a GUI program on the X display in $DISPLAY and reports how long it took until its first
// window showed drawn pixels, then how much memory and how many threads the program holds once idle.
//
//   first-paint-probe [--settle-within SECONDS] IDLE_SECONDS PROGRAM [ARGS...]
//
// Prints one line: "first-paint-ms <ms> rss-kb <kb> threads <n> idle-wakeups <n> gl <none|library,...>", where
// idle-wakeups counts how often the program's threads ran during one more second of idleness. With
// --settle-within, seconds are counted one after another until one passes without a wake-up or SECONDS are over,
// and the last one counted is reported: on a loaded machine the program may still be finishing its start when the
// first second begins, while a program that wakes on its own every second never gets a quiet one. The X server reports
// changes to the window's pixels (DAMAGE extension); the first change that leaves the window not all one colour
// counts as the first paint, so a cleared background does not.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
#include <dirent.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <set>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

long WindowPid(Display* display, Window window) {
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", True);
    if (pidAtom == None) return -1;
    Atom type;
    int format;
    unsigned long count;
    unsigned long after;
    unsigned char* data = nullptr;
    long pid = -1;
    if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after, &data) ==
            Success &&
        data && count == 1 && format == 32)
        pid = static_cast<long>(*reinterpret_cast<unsigned long*>(data));
    if (data) XFree(data);
    return pid;
}

// Whether the window shows more than one colour.
bool ShowsDrawing(Display* display, Window window) {
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes) || attributes.map_state != IsViewable) return false;
    XImage* image = XGetImage(display, window, 0, 0, static_cast<unsigned>(attributes.width),
                              static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
    if (!image) return false;
    const unsigned long first = XGetPixel(image, 0, 0);
    bool varied = false;
    for (int y = 0; y < attributes.height && !varied; y += 3)
        for (int x = 0; x < attributes.width && !varied; x += 3) varied = XGetPixel(image, x, y) != first;
    XDestroyImage(image);
    return varied;
}

std::string StatusField(pid_t pid, const std::string& field) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field + ":", 0) == 0) return std::to_string(std::atol(line.c_str() + field.size() + 1));
    return "?";
}

// How often the threads of the process have been switched out: a sleeping thread adds nothing.
long ContextSwitches(pid_t pid) {
    long total = 0;
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    if (DIR* dir = opendir(tasks.c_str())) {
        while (const dirent* entry = readdir(dir)) {
            if (entry->d_name[0] == '.') continue;
            std::ifstream status(tasks + "/" + entry->d_name + "/status");
            std::string line;
            while (std::getline(status, line))
                if (line.rfind("voluntary_ctxt_switches:", 0) == 0 || line.rfind("nonvoluntary_ctxt_switches:", 0) == 0)
                    total += std::atol(line.c_str() + line.find(':') + 1);
        }
        closedir(dir);
    }
    return total;
}

// Graphics libraries of OpenGL and its drivers that the process has mapped.
std::string GlLibraries(pid_t pid) {
    std::ifstream maps("/proc/" + std::to_string(pid) + "/maps");
    std::set<std::string> found;
    std::string line;
    const char* markers[] = {"libGL", "libEGL", "libGLX", "libOpenGL", "_dri.so", "libgallium", "libLLVM", "libglapi"};
    while (std::getline(maps, line)) {
        const auto slash = line.rfind('/');
        if (slash == std::string::npos) continue;
        const std::string name = line.substr(slash + 1);
        for (const char* marker : markers)
            if (name.find(marker) != std::string::npos) found.insert(name);
    }
    std::string list;
    for (const std::string& name : found) list += (list.empty() ? "" : ",") + name;
    return list.empty() ? "none" : list;
}

// The watched window may go away under a request (SDL replaces a window when it changes its visual); such errors
// only mean that the next window is the one to watch.
int IgnoreError(Display*, XErrorEvent*) { return 0; }

}  // namespace

int main(int argc, char** argv) {
    double settleSeconds = 0;
    if (argc > 2 && std::strcmp(argv[1], "--settle-within") == 0) {
        settleSeconds = std::atof(argv[2]);
        argv += 2;
        argc -= 2;
    }
    if (argc < 3) {
        std::fprintf(stderr, "usage: first-paint-probe [--settle-within SECONDS] IDLE_SECONDS PROGRAM [ARGS...]\n");
        return 2;
    }
    const double idleSeconds = std::atof(argv[1]);
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "first-paint-probe: cannot open display %s\n", std::getenv("DISPLAY"));
        return 1;
    }
    int damageEvent = 0;
    int damageError = 0;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "first-paint-probe: the X server has no DAMAGE extension\n");
        return 1;
    }
    XSetErrorHandler(IgnoreError);
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const auto start = Clock::now();
    const pid_t child = fork();
    if (child < 0) {
        std::perror("first-paint-probe: fork");
        return 1;
    }
    if (child == 0) {
        execvp(argv[2], argv + 2);
        std::fprintf(stderr, "first-paint-probe: cannot run %s: %s\n", argv[2], std::strerror(errno));
        _exit(127);
    }

    Window watched = None;
    Damage damage = None;
    long firstPaintMs = -1;
    // Far beyond any launch on an idle machine; only a program that never paints should reach it.
    constexpr int paintDeadlineSeconds = 120;
    const auto deadline = start + std::chrono::seconds(paintDeadlineSeconds);
    while (firstPaintMs < 0 && Clock::now() < deadline) {
        if (!XPending(display)) {
            pollfd fd{ConnectionNumber(display), POLLIN, 0};
            poll(&fd, 1, 50);
            if (waitpid(child, nullptr, WNOHANG) == child) {
                std::fprintf(stderr, "first-paint-probe: %s ended before it painted\n", argv[2]);
                return 1;
            }
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && watched == None && WindowPid(display, event.xmap.window) == child) {
            watched = event.xmap.window;
            damage = XDamageCreate(display, watched, XDamageReportNonEmpty);
            XSync(display, False);
            // It may have painted before the damage object existed.
            if (ShowsDrawing(display, watched))
                firstPaintMs = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
        } else if ((event.type == DestroyNotify && event.xdestroywindow.window == watched) ||
                   (event.type == UnmapNotify && event.xunmap.window == watched)) {
            if (damage != None) XDamageDestroy(display, damage);
            damage = None;
            watched = None;
        } else if (event.type == damageEvent + XDamageNotify && damage != None &&
                   reinterpret_cast<XDamageNotifyEvent*>(&event)->damage == damage) {
            const auto now = Clock::now();
            XDamageSubtract(display, damage, None, None);
            if (ShowsDrawing(display, watched))
                firstPaintMs = std::chrono::duration_cast<std::chrono::milliseconds>(now - start).count();
        }
    }
    if (firstPaintMs < 0) {
        std::fprintf(stderr, "first-paint-probe: no painted window within %d s\n", paintDeadlineSeconds);
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        return 1;
    }
    std::this_thread::sleep_for(std::chrono::duration<double>(idleSeconds));
    const std::string rss = StatusField(child, "VmRSS");
    const std::string threads = StatusField(child, "Threads");
    const std::string gl = GlLibraries(child);
    const auto settleDeadline = Clock::now() + std::chrono::duration<double>(settleSeconds);
    long idleWakeups = 0;
    do {
        const long switchesBefore = ContextSwitches(child);
        std::this_thread::sleep_for(std::chrono::seconds(1));
        idleWakeups = ContextSwitches(child) - switchesBefore;
    } while (idleWakeups != 0 && Clock::now() < settleDeadline);
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    std::printf("first-paint-ms %ld rss-kb %s threads %s idle-wakeups %ld gl %s\n", firstPaintMs, rss.c_str(),
                threads.c_str(), idleWakeups, gl.c_str());
    XCloseDisplay(display);
    return 0;
}
