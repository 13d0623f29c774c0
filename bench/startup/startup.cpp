// Start-up time and peak memory of the game against the bare window, each launched again and
// again in turn (game, bare window, game, ...) on a private X server, and watched from outside.
// A third program, when given, takes its turn too, and its start-up is shown against the bare
// window's for reference. The game and the bare window take turns at 200 % as well
// (QT_SCALE_FACTOR=2), in the same run.
//
// Usage: bench-startup LAUNCHES GAME BARE_WINDOW [REFERENCE]
#include "ResultRow.h"
#include "Samples.h"
#include "ScreenWatcher.h"
#include "StartupProbe.h"
#include "XvfbServer.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <stdexcept>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// The programs run with Qt's X11 platform on the private server and a runtime folder of their
// own; everything else in the environment stays as it is.
void prepareEnvironment(const std::string& display, std::string& runtimeDir) {
    setenv("DISPLAY", display.c_str(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    runtimeDir = "/tmp/bench-startup-XXXXXX";
    if (!mkdtemp(runtimeDir.data()))
        throw std::runtime_error("cannot make a runtime folder");
    setenv("XDG_RUNTIME_DIR", runtimeDir.c_str(), 1);
}

// A program and the scale factor it is launched at.
struct Launch {
    std::string name;
    std::string program;
    std::string scaleFactor;
};

struct Figures {
    bench::Samples startup;
    bench::Samples memory;
};

void printLaunches(const char* what, const std::vector<Launch>& launches,
                   const std::vector<Figures>& figures, bench::Samples Figures::*figure) {
    std::fprintf(stderr, "%s of each launch:\n", what);
    for (std::size_t i = 0; i < launches.size(); ++i) {
        std::fprintf(stderr, "  %s:", launches[i].name.c_str());
        for (double value : (figures[i].*figure).values())
            std::fprintf(stderr, " %.1f", value);
        std::fprintf(stderr, "\n");
    }
}

// The programs in turn, after one launch of each, so all start with warm caches.
std::vector<Figures> measureInTurn(bench::StartupProbe& probe, int rounds,
                                   const std::vector<Launch>& launches) {
    for (const Launch& launch : launches)
        probe.measure(launch.program, launch.scaleFactor);
    std::vector<Figures> figures(launches.size());
    for (int round = 0; round < rounds; ++round) {
        for (std::size_t i = 0; i < launches.size(); ++i) {
            const auto measured = probe.measure(launches[i].program, launches[i].scaleFactor);
            figures[i].startup.add(measured.startupMs);
            figures[i].memory.add(measured.peakResidentMiB);
        }
    }
    return figures;
}

// The game and the bare window at 100 %, the reference if given, then the game and the bare
// window at 200 %.
std::vector<Launch> launchesOf(const std::vector<std::string>& programs) {
    std::vector<Launch> launches{{"game", programs[0], "1"}, {"bare window", programs[1], "1"}};
    if (programs.size() > 2)
        launches.push_back({"reference", programs[2], "1"});
    launches.push_back({"game at 200 %", programs[0], "2"});
    launches.push_back({"bare window at 200 %", programs[1], "2"});
    return launches;
}

void printResults(const std::vector<Launch>& launches, const std::vector<Figures>& figures) {
    printLaunches("Start-up (ms)", launches, figures, &Figures::startup);
    printLaunches("Peak resident memory (MiB)", launches, figures, &Figures::memory);
    const Figures& game = figures[0];
    const Figures& bare = figures[1];
    const Figures& gameAt200 = figures[launches.size() - 2];
    const Figures& bareAt200 = figures[launches.size() - 1];
    using Kind = bench::Goal::Kind;
    bench::ResultRow("start-up to the final first frame", "ms", {Kind::MaxRatio, 1.4})
        .print(game.startup, bare.startup);
    bench::ResultRow("peak resident memory after start-up", "MiB", {Kind::MaxRatio, 1.25})
        .print(game.memory, bare.memory);
    if (launches.size() > 4)
        bench::ResultRow("start-up of the reference (bare window + the two menu titles)", "ms", {})
            .print(figures[2].startup, bare.startup);
    bench::ResultRow("start-up at 200 % (both at 200 %)", "ms", {Kind::MaxRatio, 1.6})
        .print(gameAt200.startup, bareAt200.startup);
    bench::ResultRow("peak resident memory at 200 % (both at 200 %)", "MiB", {Kind::MaxRatio, 1.3})
        .print(gameAt200.memory, bareAt200.memory);
}

void run(int rounds, const std::vector<std::string>& programs) {
    bench::XvfbServer server;
    std::string runtimeDir;
    prepareEnvironment(server.display(), runtimeDir);
    bench::ScreenWatcher watcher(server.display());
    bench::StartupProbe probe(watcher);
    const std::vector<Launch> launches = launchesOf(programs);
    const std::vector<Figures> figures = measureInTurn(probe, rounds, launches);
    rmdir(runtimeDir.c_str());
    printResults(launches, figures);
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr, "usage: %s LAUNCHES GAME BARE_WINDOW [REFERENCE]\n", argv[0]);
        return 2;
    }
    try {
        run(std::atoi(argv[1]), std::vector<std::string>(argv + 2, argv + argc));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "bench-startup: %s\n", error.what());
        return 1;
    }
    return 0;
}
