#include "StartupProbe.h"

#include "LaunchedProgram.h"

#include <stdexcept>

namespace bench {

namespace {
using namespace std::chrono_literals;
// Time without any drawing after which a window counts as complete.
constexpr auto kQuiet = 400ms;
constexpr auto kLimit = 20s;
// Time without any drawing after a program has ended, before the next launch.
constexpr auto kCalm = 100ms;
} // namespace

// The program is ended when `launched` goes, on return.
StartupProbe::Measurement StartupProbe::measure(const std::string& program,
                                                const std::string& scaleFactor) {
    watcher_.waitForQuiet(kCalm);
    const auto start = ScreenWatcher::Clock::now();
    LaunchedProgram launched(program, scaleFactor);
    const auto startup = watcher_.timeToFinalFrame(start, kQuiet, kLimit);
    if (!launched.running())
        throw std::runtime_error(program + " exited during start-up");
    return {std::chrono::duration<double, std::milli>(startup).count(),
            static_cast<double>(launched.peakResidentKiB()) / 1024};
}

} // namespace bench
