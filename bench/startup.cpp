// Starts each game and the floor program in turn under the X server in
// $DISPLAY and prints how long each takes to paint its first window and how
// much memory it holds then, beside the floor run next to it.
#include "launch.h"
#include "screenwatch.h"
#include "summary.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {

struct Options {
    int runs = 10;
    std::chrono::milliseconds timeout{20000};
    std::string floor;
    std::vector<std::string> games;
};

struct Pair {
    StartSample game;
    StartSample floor;
};

Options parse(int argc, char** argv)
{
    Options options;
    std::vector<std::string> programs;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc)
            options.runs = std::max(1, std::atoi(argv[++i]));
        else
            programs.push_back(argv[i]);
    }
    if (programs.size() < 2) {
        std::fprintf(stderr, "usage: %s [--runs N] FLOOR_PROGRAM GAME_PROGRAM...\n", argv[0]);
        std::exit(2);
    }
    options.floor = programs.front();
    options.games.assign(programs.begin() + 1, programs.end());
    return options;
}

std::string nameOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::optional<StartSample> measure(ScreenWatch& screen, const std::string& program, const Options& options)
{
    auto sample = measureStart(screen, program, options.timeout);
    if (!sample)
        std::fprintf(stderr, "%s painted no window within %lld ms\n", nameOf(program).c_str(),
                     static_cast<long long>(options.timeout.count()));
    return sample;
}

constexpr double StartSample::*figures[] = {&StartSample::milliseconds, &StartSample::cpuMilliseconds,
                                            &StartSample::peakMiB};

void printHeader()
{
    std::printf("| program | runs | start-up ms | CPU ms | peak MiB | start-up ÷ floor | CPU ÷ floor "
                "| peak memory ÷ floor |\n|---|---:|---|---|---|---|---|---|\n");
}

// Each figure as median (min–max); each ratio taken pair by pair.
void printRow(const std::string& name, const std::vector<StartSample>& samples, const std::vector<Pair>& pairs)
{
    std::printf("| %s | %zu |", name.c_str(), samples.size());
    for (auto figure : figures) {
        std::vector<double> values;
        for (const StartSample& s : samples)
            values.push_back(s.*figure);
        std::printf(" %s |", describe(spreadOf(values), 1).c_str());
    }
    for (auto figure : figures) {
        std::vector<double> ratios;
        for (const Pair& p : pairs)
            ratios.push_back(p.game.*figure / p.floor.*figure);
        std::printf(" %s |", pairs.empty() ? "1" : describe(spreadOf(ratios), 3).c_str());
    }
    std::printf("\n");
}

} // namespace

int main(int argc, char** argv)
{
    const Options options = parse(argc, argv);
    try {
        ScreenWatch screen;
        // One unmeasured start of each fills the page cache and the font caches.
        measure(screen, options.floor, options);
        for (const std::string& game : options.games)
            measure(screen, game, options);

        std::vector<StartSample> floorSamples;
        std::map<std::string, std::vector<Pair>> pairs;
        for (int run = 0; run < options.runs; ++run) {
            for (std::size_t g = 0; g < options.games.size(); ++g) {
                // The order within a pair alternates, so a drift in the
                // machine's speed favours neither side.
                const bool floorFirst = (run + g) % 2 == 0;
                std::optional<StartSample> floor, game;
                if (floorFirst)
                    floor = measure(screen, options.floor, options);
                game = measure(screen, options.games[g], options);
                if (!floorFirst)
                    floor = measure(screen, options.floor, options);
                if (floor)
                    floorSamples.push_back(*floor);
                if (floor && game)
                    pairs[options.games[g]].push_back({*game, *floor});
            }
            std::fprintf(stderr, "run %d of %d done\n", run + 1, options.runs);
        }

        printHeader();
        printRow(nameOf(options.floor), floorSamples, {});
        for (const std::string& game : options.games) {
            std::vector<StartSample> samples;
            for (const Pair& p : pairs[game])
                samples.push_back(p.game);
            printRow(nameOf(game), samples, pairs[game]);
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
