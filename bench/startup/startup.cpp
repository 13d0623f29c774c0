// Start-up time and peak memory of the game against the bare window, each launched again and
// again in turn (game, bare window, game, ...) on a private X server, and watched from outside.
//
// Usage: bench-startup LAUNCHES GAME BARE_WINDOW
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

void printLaunches(const char* what, const bench::Samples& game, const bench::Samples& bare) {
    std::fprintf(stderr, "%s of each launch, game then bare window:\n ", what);
    for (double value : game.values())
        std::fprintf(stderr, " %.1f", value);
    std::fprintf(stderr, "\n ");
    for (double value : bare.values())
        std::fprintf(stderr, " %.1f", value);
    std::fprintf(stderr, "\n");
}

struct Figures {
    bench::Samples startup;
    bench::Samples memory;
};

// Game and bare window in turn, after one launch of each, so both start with warm caches.
void measureInTurn(bench::StartupProbe& probe, int launches, const std::string& game,
                   const std::string& bare, Figures& gameFigures, Figures& bareFigures) {
    probe.measure(game);
    probe.measure(bare);
    for (int launch = 0; launch < 2 * launches; ++launch) {
        const bool isGame = launch % 2 == 0;
        const auto measured = probe.measure(isGame ? game : bare);
        Figures& figures = isGame ? gameFigures : bareFigures;
        figures.startup.add(measured.startupMs);
        figures.memory.add(measured.peakResidentMiB);
    }
}

void printResults(const Figures& game, const Figures& bare) {
    printLaunches("Start-up (ms)", game.startup, bare.startup);
    printLaunches("Peak resident memory (MiB)", game.memory, bare.memory);
    using Kind = bench::Goal::Kind;
    bench::ResultRow("start-up to the final first frame", "ms", {Kind::MaxRatio, 1.4})
        .print(game.startup, bare.startup);
    bench::ResultRow("peak resident memory after start-up", "MiB", {Kind::MaxRatio, 1.25})
        .print(game.memory, bare.memory);
}

void run(int launches, const std::string& game, const std::string& bare) {
    bench::XvfbServer server;
    std::string runtimeDir;
    prepareEnvironment(server.display(), runtimeDir);
    bench::ScreenWatcher watcher(server.display());
    bench::StartupProbe probe(watcher);
    Figures gameFigures, bareFigures;
    measureInTurn(probe, launches, game, bare, gameFigures, bareFigures);
    rmdir(runtimeDir.c_str());
    printResults(gameFigures, bareFigures);
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s LAUNCHES GAME BARE_WINDOW\n", argv[0]);
        return 2;
    }
    try {
        run(std::atoi(argv[1]), argv[2], argv[3]);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "bench-startup: %s\n", error.what());
        return 1;
    }
    return 0;
}
