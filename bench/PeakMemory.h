#pragma once

#include <cstdio>

#include <sys/resource.h>

// Prints the process's peak resident memory in KiB for the benchmark driver.
inline void print_peakMemory()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak_kib %ld\n", usage.ru_maxrss);
}
