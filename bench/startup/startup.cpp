// Start-up time and peak memory of the game against the bare window, each launched again and
// again in turn (game, bare window, game, ...) on a private X server, and watched from outside.
// A third program, when given, takes its turn too, and its start-up is shown against the bare
// window's for reference.
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

struct Figures {
    bench::Samples startup;
    bench::Samples memory;
};

void printLaunches(const char* what, const std::vector<Figures>& figures,
                   bench::Samples Figures::*figure) {
    std::fprintf(stderr, "%s of each launch, game, bare window%s:\n", what,
                 figures.size() > 2 ? ", reference" : "");
    for (const Figures& program : figures) {
        std::fprintf(stderr, " ");
        for (double value : (program.*figure).values())
            std::fprintf(stderr, " %.1f", value);
        std::fprintf(stderr, "\n");
    }
}

// The programs in turn, after one launch of each, so all start with warm caches.
std::vector<Figures> measureInTurn(bench::StartupProbe& probe, int launches,
                                   const std::vector<std::string>& programs) {
    for (const std::string& program : programs)
        probe.measure(program);
    std::vector<Figures> figures(programs.size());
    for (int launch = 0; launch < launches; ++launch) {
        for (std::size_t i = 0; i < programs.size(); ++i) {
            const auto measured = probe.measure(programs[i]);
            figures[i].startup.add(measured.startupMs);
            figures[i].memory.add(measured.peakResidentMiB);
        }
    }
    return figures;
}

void printResults(const std::vector<Figures>& figures) {
    printLaunches("Start-up (ms)", figures, &Figures::startup);
    printLaunches("Peak resident memory (MiB)", figures, &Figures::memory);
    const Figures& game = figures[0];
    const Figures& bare = figures[1];
    using Kind = bench::Goal::Kind;
    bench::ResultRow("start-up to the final first frame", "ms", {Kind::MaxRatio, 1.4})
        .print(game.startup, bare.startup);
    bench::ResultRow("peak resident memory after start-up", "MiB", {Kind::MaxRatio, 1.25})
        .print(game.memory, bare.memory);
    if (figures.size() > 2)
        bench::ResultRow("start-up of the reference (bare window + the two menu titles)", "ms", {})
            .print(figures[2].startup, bare.startup);
}

void run(int launches, const std::vector<std::string>& programs) {
    bench::XvfbServer server;
    std::string runtimeDir;
    prepareEnvironment(server.display(), runtimeDir);
    bench::ScreenWatcher watcher(server.display());
    bench::StartupProbe probe(watcher);
    const std::vector<Figures> figures = measureInTurn(probe, launches, programs);
    rmdir(runtimeDir.c_str());
    printResults(figures);
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
