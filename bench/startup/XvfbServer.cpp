#include "XvfbServer.h"

#include "SilentOutput.h"

#include <csignal>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace bench {

// Xvfb writes its display number to the -displayfd pipe once it accepts clients.
XvfbServer::XvfbServer() {
    int ready[2];
    if (pipe(ready) != 0)
        throw std::runtime_error("pipe failed");
    pid_ = fork();
    if (pid_ == 0) {
        close(ready[0]);
        silenceOutput();
        const std::string fd = std::to_string(ready[1]);
        const std::string screen =
            std::to_string(kScreenWidth) + "x" + std::to_string(kScreenHeight) + "x24";
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen.c_str(),
               "-nolisten", "tcp", "-noreset", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(ready[1]);
    display_ = readDisplay(ready[0]);
    close(ready[0]);
}

XvfbServer::~XvfbServer() {
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
}

// The display's value is built by appending to ":", not by putting ":" before the number read:
// that insertion makes GCC 12 at -O3 warn falsely of overlapping copies (-Wrestrict).
std::string XvfbServer::readDisplay(int fd) {
    std::string display = ":";
    char c = 0;
    while (read(fd, &c, 1) == 1 && c != '\n')
        display += c;
    if (display.size() == 1)
        throw std::runtime_error("Xvfb did not start (is the xvfb package installed?)");
    return display;
}

} // namespace bench
