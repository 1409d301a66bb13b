#pragma once
// The benchmarks' clock and their one way of waiting for a condition: polling each millisecond, which only a
// benchmark may do, up to a bound.
#include <windows.h>

namespace bench {

// Milliseconds from the performance counter.
inline double Now() {
    LARGE_INTEGER frequency;
    LARGE_INTEGER counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

// True once the condition holds; false when timeoutMs passed first.
template <typename Condition>
bool Poll(Condition condition, int timeoutMs) {
    const double end = Now() + timeoutMs;
    while (!condition()) {
        if (Now() > end) return false;
        Sleep(1);
    }
    return true;
}

}  // namespace bench
