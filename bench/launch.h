#pragma once

#include <chrono>
#include <optional>
#include <string>

class ScreenWatch;

// One start of a program, measured from outside it.
struct StartSample {
    double milliseconds = 0;  // from starting the process to its first painted window
    double cpuMilliseconds = 0;  // CPU time of all its threads until then
    double peakMiB = 0;       // the process's peak resident memory at that moment
};

// Starts the program with no arguments, waits for its first window to be
// painted, freezes it, reads its peak memory and kills it. Nothing when it
// fails to paint a window in time.
std::optional<StartSample> measureStart(ScreenWatch& screen, const std::string& program,
                                        std::chrono::milliseconds timeout);
