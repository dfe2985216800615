#pragma once
// The CPU a benchmark's own process uses while its event loop waits.
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <sys/resource.h>

inline double processCpuSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Percent of one core the process uses while the event loop runs for
// `milliseconds` with nothing to do but what is already set up.
inline double idleCpuPercent(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    QElapsedTimer wall;
    wall.start();
    const double before = processCpuSeconds();
    loop.exec();
    return 100.0 * (processCpuSeconds() - before) / (double(wall.nsecsElapsed()) / 1e9);
}
