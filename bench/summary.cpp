#include "summary.h"

#include <algorithm>
#include <cstdio>

Spread spreadOf(std::vector<double> values)
{
    if (values.empty())
        return {};
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    const double median = values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
    return {median, values.front(), values.back()};
}

std::string describe(const Spread& spread, int decimals)
{
    char text[96];
    std::snprintf(text, sizeof text, "%.*f (%.*f–%.*f)", decimals, spread.median, decimals, spread.min,
                  decimals, spread.max);
    return text;
}
