#pragma once

#include <string>
#include <sys/types.h>

namespace bench {

// A program started by fork and exec, with no arguments and its output discarded; it is
// ended when this object goes. A scale factor other than "1" is given to Qt in
// QT_SCALE_FACTOR.
class LaunchedProgram {
public:
    LaunchedProgram(const std::string& path, const std::string& scaleFactor);
    ~LaunchedProgram();
    LaunchedProgram(const LaunchedProgram&) = delete;
    LaunchedProgram& operator=(const LaunchedProgram&) = delete;

    // The program's peak resident memory so far (VmHWM), in KiB.
    long peakResidentKiB() const;
    // True while the program has not exited.
    bool running();

private:
    pid_t pid_ = -1;
    bool exited_ = false;
};

} // namespace bench
