#include "bench/Spread.h"

#include <algorithm>
#include <cstdio>

Spread SpreadOf(std::vector<double> values)
{
    Spread spread;
    spread.count = values.size();
    if (values.empty())
        return spread;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    spread.median = values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
    spread.min = values.front();
    spread.max = values.back();
    return spread;
}

std::string FormatValueMs(double ms)
{
    char text[32];
    // Sub-millisecond figures keep their microseconds; long ones need no more than a tenth.
    std::snprintf(text, sizeof text, ms < 10 ? "%.3f" : ms < 1000 ? "%.1f" : "%.0f", ms);
    return text;
}

std::string FormatMs(const Spread& spread)
{
    return FormatValueMs(spread.median) + " ms (" + FormatValueMs(spread.min) + "–" + FormatValueMs(spread.max) +
           ")";
}

std::string FormatMb(const Spread& spread)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.1f MB (%.1f–%.1f)", spread.median / 1024, spread.min / 1024,
                  spread.max / 1024);
    return text;
}

std::string FormatRatio(double ratio)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2fx", ratio);
    return text;
}
