// A series of timings or sizes summed up as its median with the smallest and largest value, and the
// ways the table prints them.
#pragma once

#include <string>
#include <vector>

struct Spread {
    double median = 0;
    double min = 0;
    double max = 0;
    std::size_t count = 0;
};

// The median of an even count is the mean of the middle two.
Spread SpreadOf(std::vector<double> values);

// "12.3 ms (11.9–13.0)" style, in milliseconds.
std::string FormatMs(const Spread& spread);
// "41.2 MB (41.1–41.3)" style, from kilobytes.
std::string FormatMb(const Spread& spread);
// "1.03x"
std::string FormatRatio(double ratio);
std::string FormatValueMs(double ms);
