#pragma once

#include <string>
#include <vector>

// Median, least and greatest of a set of measurements.
struct Spread {
    double median = 0;
    double min = 0;
    double max = 0;
};

Spread spreadOf(std::vector<double> values);

// "123.4 (110.2–140.9)" with the given decimals.
std::string describe(const Spread& spread, int decimals);
