#pragma once
// One clock for every figure: the monotonic clock in nanoseconds, the same in
// the program that starts another and in the program started.

#include <cstdint>
#include <ctime>

inline std::int64_t RelojNs()
{
    timespec t {};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<std::int64_t>(t.tv_sec) * 1000000000 + t.tv_nsec;
}

inline double Milisegundos(std::int64_t desde, std::int64_t hasta)
{
    return static_cast<double>(hasta - desde) / 1.0e6;
}
