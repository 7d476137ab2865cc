/* Start-up time as a person sees it: launches a program and reports, in ms from the fork, when
 * its top-level window is mapped and when its first pixels are drawn.
 *   launch_map [-t SECONDS] [-k] [-s WIDTHxHEIGHT] NAME-PREFIX -- PROGRAM [ARGS...]
 * The window is the first one mapped with _NET_WM_PID of the child, a title starting with
 * NAME-PREFIX and, with -s, that size: a tray icon of the same process may share the title.
 * Prints "<pid> <map-ms> <paint-ms> <window>"; paint-ms is -1 when nothing was drawn before the
 * time-out. The program is ended afterwards unless -k is given. */
#define _POSIX_C_SOURCE 200809L

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <errno.h>
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static int ignore_x_error(Display* dpy, XErrorEvent* e)
{
    (void)dpy;
    (void)e;
    return 0;
}

static double ms_since(const struct timespec* t0)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (double)(t.tv_sec - t0->tv_sec) * 1e3 + (double)(t.tv_nsec - t0->tv_nsec) / 1e6;
}

static long window_pid(Display* dpy, Window w)
{
    static Atom net_wm_pid;
    if (!net_wm_pid)
        net_wm_pid = XInternAtom(dpy, "_NET_WM_PID", False);
    Atom type;
    int format;
    unsigned long n, after;
    unsigned char* data = NULL;
    long pid = -1;
    if (XGetWindowProperty(dpy, w, net_wm_pid, 0, 1, False, XA_CARDINAL, &type, &format, &n, &after,
                           &data) == Success &&
        data && n == 1 && format == 32)
        pid = (long)*(unsigned long*)data;
    if (data)
        XFree(data);
    return pid;
}

static int title_starts_with(Display* dpy, Window w, const char* prefix)
{
    static Atom net_wm_name, utf8;
    if (!net_wm_name) {
        net_wm_name = XInternAtom(dpy, "_NET_WM_NAME", False);
        utf8 = XInternAtom(dpy, "UTF8_STRING", False);
    }
    Atom type;
    int format;
    unsigned long n, after;
    unsigned char* data = NULL;
    int match = 0;
    if (XGetWindowProperty(dpy, w, net_wm_name, 0, 256, False, utf8, &type, &format, &n, &after,
                           &data) == Success &&
        data && format == 8)
        match = strncmp((const char*)data, prefix, strlen(prefix)) == 0;
    if (data)
        XFree(data);
    if (!match) {
        char* name = NULL;
        if (XFetchName(dpy, w, &name) && name) {
            match = strncmp(name, prefix, strlen(prefix)) == 0;
            XFree(name);
        }
    }
    return match;
}

static int has_size(Display* dpy, Window w, int width, int height)
{
    XWindowAttributes a;
    if (!width)
        return 1;
    return XGetWindowAttributes(dpy, w, &a) && a.width == width && a.height == height;
}

int main(int argc, char** argv)
{
    double timeout = 20;
    int keep = 0, want_w = 0, want_h = 0, opt;
    while ((opt = getopt(argc, argv, "+t:ks:")) != -1) {
        if (opt == 't')
            timeout = atof(optarg);
        else if (opt == 'k')
            keep = 1;
        else if (opt == 's' && sscanf(optarg, "%dx%d", &want_w, &want_h) == 2)
            continue;
        else
            return 2;
    }
    const char* prefix = optind < argc ? argv[optind] : NULL;
    char** command = argv + optind + 1;
    if (optind + 1 < argc && strcmp(*command, "--") == 0)
        ++command;
    if (!prefix || !*command) {
        fprintf(stderr, "usage: %s [-t SECONDS] [-k] [-s WxH] NAME-PREFIX -- PROGRAM [ARGS...]\n",
                argv[0]);
        return 2;
    }

    Display* dpy = XOpenDisplay(NULL);
    if (!dpy) {
        fprintf(stderr, "launch_map: cannot open display\n");
        return 3;
    }
    int damage_event, damage_error;
    const int have_damage = XDamageQueryExtension(dpy, &damage_event, &damage_error);
    XSetErrorHandler(ignore_x_error);
    const Window root = DefaultRootWindow(dpy);
    XSelectInput(dpy, root, SubstructureNotifyMask);
    XSync(dpy, False);

    struct timespec t0;
    clock_gettime(CLOCK_MONOTONIC, &t0);
    const pid_t child = fork();
    if (child < 0) {
        perror("fork");
        return 3;
    }
    if (child == 0) {
        close(ConnectionNumber(dpy));
        execvp(command[0], command);
        perror(command[0]);
        _exit(127);
    }

    Window found = 0;
    double map_ms = -1, paint_ms = -1;
    const int fd = ConnectionNumber(dpy);
    while (paint_ms < 0 && ms_since(&t0) < timeout * 1e3) {
        if (!XPending(dpy)) {
            struct pollfd p = {fd, POLLIN, 0};
            if (poll(&p, 1, 100) < 0 && errno != EINTR)
                break;
            if (waitpid(child, NULL, WNOHANG) == child) {
                fprintf(stderr, "launch_map: %s ended before its window showed\n", command[0]);
                return 4;
            }
            continue;
        }
        XEvent ev;
        XNextEvent(dpy, &ev);
        const double t = ms_since(&t0);
        if (ev.type == CreateNotify && ev.xcreatewindow.parent == root &&
            !ev.xcreatewindow.override_redirect) {
            /* The window manager holds the map back until it has framed the window, so there is
             * time to watch the new window itself. */
            XSelectInput(dpy, ev.xcreatewindow.window, StructureNotifyMask);
            if (have_damage)
                XDamageCreate(dpy, ev.xcreatewindow.window, XDamageReportRawRectangles);
        } else if (ev.type == MapNotify && !found && ev.xmap.window == ev.xmap.event &&
                   window_pid(dpy, ev.xmap.window) == (long)child &&
                   title_starts_with(dpy, ev.xmap.window, prefix) &&
                   has_size(dpy, ev.xmap.window, want_w, want_h)) {
            found = ev.xmap.window;
            map_ms = t;
            if (!have_damage)
                break;
        } else if (have_damage && ev.type == damage_event + XDamageNotify && found &&
                   ((XDamageNotifyEvent*)&ev)->drawable == found) {
            paint_ms = t;
        }
    }
    printf("%ld %.3f %.3f 0x%lx\n", (long)child, map_ms, paint_ms, (unsigned long)found);
    fflush(stdout);
    XCloseDisplay(dpy);
    if (!keep) {
        kill(child, SIGTERM);
        const struct timespec tenth = {0, 100000000};
        for (int i = 0; i < 50 && waitpid(child, NULL, WNOHANG) != child; ++i)
            nanosleep(&tenth, NULL);
        if (waitpid(child, NULL, WNOHANG) == 0) {
            kill(child, SIGKILL);
            waitpid(child, NULL, 0);
        }
    }
    return found ? 0 : 5;
}
