#pragma once

#include "ScreenWatcher.h"

#include <string>

namespace bench {

// One launch of a program on the watched screen, at a scale factor (see LaunchedProgram): the
// time from just before fork and exec to the window's final pixels, and the program's peak
// resident memory once those are reached.
class StartupProbe {
public:
    struct Measurement {
        double startupMs = 0;
        double peakResidentMiB = 0;
    };

    explicit StartupProbe(ScreenWatcher& watcher) : watcher_(watcher) {}

    Measurement measure(const std::string& program, const std::string& scaleFactor);

private:
    ScreenWatcher& watcher_;
};

} // namespace bench
