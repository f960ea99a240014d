/* mapwatch TITLE PROGRAM [ARGS...]: starts PROGRAM and waits until it maps a top-level
 * window named TITLE on the X display; prints the milliseconds from exec to that map and
 * the program's peak resident memory (VmHWM, kB) at that moment, then ends the program.
 * Top-level windows are children of the root window when no window manager runs. */
#define _POSIX_C_SOURCE 200809L
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double now_ms(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

static long peak_kb(pid_t pid) {
    char path[64], line[256];
    long kb = -1;
    snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
    FILE* f = fopen(path, "r");
    if (!f) return -1;
    while (fgets(line, sizeof line, f))
        if (sscanf(line, "VmHWM: %ld kB", &kb) == 1) break;
    fclose(f);
    return kb;
}

static int named(Display* d, Window w, const char* title) {
    char* name = NULL;
    int match = XFetchName(d, w, &name) && name && strcmp(name, title) == 0;
    if (name) XFree(name);
    return match;
}

int main(int argc, char** argv) {
    if (argc < 3) {
        fprintf(stderr, "usage: mapwatch TITLE PROGRAM [ARGS...]\n");
        return 2;
    }
    Display* d = XOpenDisplay(NULL);
    if (!d) {
        fprintf(stderr, "mapwatch: no display\n");
        return 2;
    }
    XSelectInput(d, DefaultRootWindow(d), SubstructureNotifyMask);
    XSync(d, False);
    const double start = now_ms();
    pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    const double timeout = start + 20000;
    while (now_ms() < timeout) {
        while (XPending(d)) {
            XEvent e;
            XNextEvent(d, &e);
            if (e.type == MapNotify && named(d, e.xmap.window, argv[1])) {
                const double elapsed = now_ms() - start;
                const long kb = peak_kb(pid);
                kill(pid, SIGKILL);
                waitpid(pid, NULL, 0);
                printf("%.1f %ld\n", elapsed, kb);
                return 0;
            }
        }
        if (waitpid(pid, NULL, WNOHANG) == pid) {
            fprintf(stderr, "mapwatch: %s ended before mapping %s\n", argv[2], argv[1]);
            return 1;
        }
        const struct timespec pause = {0, 200000};
        nanosleep(&pause, NULL);
    }
    kill(pid, SIGKILL);
    waitpid(pid, NULL, 0);
    fprintf(stderr, "mapwatch: no window %s within 20 s\n", argv[1]);
    return 1;
}
