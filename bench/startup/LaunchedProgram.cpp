#include "LaunchedProgram.h"

#include "SilentOutput.h"

#include <csignal>
#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace bench {

LaunchedProgram::LaunchedProgram(const std::string& path, const std::string& scaleFactor) {
    pid_ = fork();
    if (pid_ < 0)
        throw std::runtime_error("fork failed");
    if (pid_ == 0) {
        silenceOutput();
        if (scaleFactor != "1")
            setenv("QT_SCALE_FACTOR", scaleFactor.c_str(), 1);
        execl(path.c_str(), path.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
}

LaunchedProgram::~LaunchedProgram() {
    if (exited_)
        return;
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
}

long LaunchedProgram::peakResidentKiB() const {
    std::ifstream status("/proc/" + std::to_string(pid_) + "/status");
    std::string key;
    while (status >> key) {
        long kib = 0;
        if (key == "VmHWM:" && status >> kib)
            return kib;
    }
    throw std::runtime_error("no VmHWM for the launched program");
}

bool LaunchedProgram::running() {
    exited_ = exited_ || waitpid(pid_, nullptr, WNOHANG) == pid_;
    return !exited_;
}

} // namespace bench
