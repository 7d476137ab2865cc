/* Logs, from outside, every moment a window's pixels change: one line per DAMAGE rectangle,
 * stamped with CLOCK_REALTIME when the event reaches us, plus the window's map and unmap.
 *   damage_observer WINDOW SECONDS OUTFILE
 * Lines: "D <sec.nsec> <x> <y> <w> <h> <server-ms> <monotonic sec.nsec>" (the second stamp holds
 * across a step of the wall clock), "M <sec.nsec>", "U <sec.nsec>", and
 * "X <sec.nsec>" when the window goes away. Ends after SECONDS, on SIGTERM/SIGINT, or when the
 * window is destroyed. */
#define _POSIX_C_SOURCE 200809L

#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <errno.h>
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>

static volatile sig_atomic_t stopping;

static void on_signal(int sig)
{
    (void)sig;
    stopping = 1;
}

static int window_gone;

static int on_x_error(Display* dpy, XErrorEvent* e)
{
    (void)dpy;
    if (e->error_code == BadWindow || e->error_code == BadDrawable)
        window_gone = 1;
    return 0;
}

static double seconds(const struct timespec* t)
{
    return (double)t->tv_sec + (double)t->tv_nsec / 1e9;
}

int main(int argc, char** argv)
{
    if (argc != 4) {
        fprintf(stderr, "usage: %s WINDOW SECONDS OUTFILE\n", argv[0]);
        return 2;
    }
    const Window win = (Window)strtoul(argv[1], NULL, 0);
    const double duration = atof(argv[2]);
    FILE* out = fopen(argv[3], "w");
    if (!out) {
        perror(argv[3]);
        return 2;
    }

    Display* dpy = XOpenDisplay(NULL);
    if (!dpy) {
        fprintf(stderr, "damage_observer: cannot open display\n");
        return 3;
    }
    int damage_event, damage_error;
    if (!XDamageQueryExtension(dpy, &damage_event, &damage_error)) {
        fprintf(stderr, "damage_observer: the X server has no DAMAGE extension\n");
        return 3;
    }
    XSetErrorHandler(on_x_error);
    XSelectInput(dpy, win, StructureNotifyMask);
    /* Raw rectangles need no XDamageSubtract round trip per event, so nothing of ours sits
     * between the drawing and its report. */
    XDamageCreate(dpy, win, XDamageReportRawRectangles);
    XSync(dpy, False);
    if (window_gone) {
        fprintf(stderr, "damage_observer: no window 0x%lx\n", (unsigned long)win);
        return 4;
    }

    struct sigaction sa = {0};
    sa.sa_handler = on_signal;
    sigaction(SIGTERM, &sa, NULL);
    sigaction(SIGINT, &sa, NULL);

    struct timespec start, now;
    clock_gettime(CLOCK_MONOTONIC, &start);
    const int fd = ConnectionNumber(dpy);
    while (!stopping && !window_gone) {
        clock_gettime(CLOCK_MONOTONIC, &now);
        const double left = duration - (seconds(&now) - seconds(&start));
        if (left <= 0)
            break;
        if (!XPending(dpy)) {
            struct pollfd p = {fd, POLLIN, 0};
            const int timeout = left > 0.5 ? 500 : (int)(left * 1000) + 1;
            if (poll(&p, 1, timeout) < 0 && errno != EINTR)
                break;
        }
        /* One arrival stamp for everything read in this batch: it all reached us together. */
        struct timespec arrived, steady;
        clock_gettime(CLOCK_REALTIME, &arrived);
        clock_gettime(CLOCK_MONOTONIC, &steady);
        while (XPending(dpy)) {
            XEvent ev;
            XNextEvent(dpy, &ev);
            if (ev.type == damage_event + XDamageNotify) {
                const XDamageNotifyEvent* d = (const XDamageNotifyEvent*)&ev;
                fprintf(out, "D %ld.%09ld %d %d %d %d %lu %ld.%09ld\n", (long)arrived.tv_sec,
                        arrived.tv_nsec, d->area.x, d->area.y, d->area.width, d->area.height,
                        (unsigned long)d->timestamp, (long)steady.tv_sec, steady.tv_nsec);
            } else if (ev.type == MapNotify) {
                fprintf(out, "M %ld.%09ld\n", (long)arrived.tv_sec, arrived.tv_nsec);
            } else if (ev.type == UnmapNotify) {
                fprintf(out, "U %ld.%09ld\n", (long)arrived.tv_sec, arrived.tv_nsec);
            } else if (ev.type == DestroyNotify) {
                fprintf(out, "X %ld.%09ld\n", (long)arrived.tv_sec, arrived.tv_nsec);
                window_gone = 1;
            }
        }
        fflush(out);
    }
    fclose(out);
    XCloseDisplay(dpy);
    return 0;
}
