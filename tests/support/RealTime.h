#pragma once

#include <ctime>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

// For tests under libfaketime: the real time, and how often the test's thread has slept.
namespace RealTime {

// A direct system call gets past libfaketime.
inline double secs(clockid_t id = CLOCK_MONOTONIC)
{
    timespec ts{};
    syscall(SYS_clock_gettime, id, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

// Every wake-up of an event loop follows a voluntary switch away from the thread.
inline long wakeUps()
{
    rusage usage{};
    getrusage(RUSAGE_THREAD, &usage);
    return usage.ru_nvcsw;
}

} // namespace RealTime
