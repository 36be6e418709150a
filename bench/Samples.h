// Measured durations and the figures the benchmark prints from them.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

// Milliseconds on the performance counter.
class Stopwatch {
public:
    Stopwatch() { ::QueryPerformanceFrequency(&frequency_); }
    double NowMs() const
    {
        LARGE_INTEGER now;
        ::QueryPerformanceCounter(&now);
        return 1000.0 * double(now.QuadPart) / double(frequency_.QuadPart);
    }

private:
    LARGE_INTEGER frequency_{};
};

struct Samples {
    std::vector<double> values;

    double Median() const
    {
        std::vector<double> sorted = values;
        std::sort(sorted.begin(), sorted.end());
        const std::size_t n = sorted.size();
        return n == 0 ? 0 : n % 2 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2;
    }
    double Max() const { return values.empty() ? 0 : *std::max_element(values.begin(), values.end()); }
};

// One line a script can read: "row NAME MEDIAN MAX COUNT".
inline void PrintRow(const char* name, const Samples& samples)
{
    std::printf("row %s %.1f %.1f %zu\n", name, samples.Median(), samples.Max(), samples.values.size());
    std::fflush(stdout);
}
