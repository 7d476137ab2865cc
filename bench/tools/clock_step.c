/* Steps the system clock by a number of milliseconds in one atomic kernel call, as an
 * administrator or a time service setting the clock does; a step of 0 checks the right to.
 *   clock_step MS
 * Prints the CLOCK_MONOTONIC time of the step, "<sec.nsec>". Needs CAP_SYS_TIME. */
#define _GNU_SOURCE

#include <errno.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/timex.h>
#include <time.h>

int main(int argc, char** argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: %s MS\n", argv[0]);
        return 2;
    }
    const long long ms = atoll(argv[1]);
    struct timex tx;
    memset(&tx, 0, sizeof tx);
    tx.modes = ADJ_SETOFFSET | ADJ_NANO;
    /* The offset's nanoseconds must not be negative: -1500 ms is -2 s + 500000000 ns. */
    long long sec = ms / 1000, nsec = (ms % 1000) * 1000000;
    if (nsec < 0) {
        sec -= 1;
        nsec += 1000000000;
    }
    tx.time.tv_sec = (time_t)sec;
    tx.time.tv_usec = (suseconds_t)nsec;
    struct timespec at;
    if (clock_adjtime(CLOCK_REALTIME, &tx) < 0) {
        fprintf(stderr, "clock_step: %s\n", strerror(errno));
        return 1;
    }
    clock_gettime(CLOCK_MONOTONIC, &at);
    printf("%ld.%09ld\n", (long)at.tv_sec, at.tv_nsec);
    return 0;
}
