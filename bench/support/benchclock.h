#pragma once
// Timing for the benchmarks: the CPU time of the calling thread, so that other work on
// the machine does not blur a ratio, and the median of repeated runs.
#include <QtGlobal>

#include <algorithm>
#include <ctime>
#include <functional>
#include <vector>

namespace lumora::bench {

inline qint64 threadCpuNs()
{
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

// The CPU time one run of work takes, in nanoseconds.
inline qint64 cpuNs(const std::function<void()> &work)
{
    const qint64 start = threadCpuNs();
    work();
    return threadCpuNs() - start;
}

inline double median(std::vector<qint64> times)
{
    std::sort(times.begin(), times.end());
    return times.empty() ? 0.0 : double(times[times.size() / 2]);
}

// The median CPU time of rounds runs of work, in nanoseconds.
inline double medianNs(int rounds, const std::function<void()> &work)
{
    std::vector<qint64> times;
    for (int i = 0; i < rounds; ++i)
        times.push_back(cpuNs(work));
    return median(times);
}

} // namespace lumora::bench
