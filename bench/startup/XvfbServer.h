#pragma once

#include <string>
#include <sys/types.h>

namespace bench {

// A private X server in memory, for as long as this object lives. It takes the first free
// display number and is ready for clients once the constructor returns.
class XvfbServer {
public:
    // Large enough for the window at 200 %.
    static constexpr int kScreenWidth = 2048;
    static constexpr int kScreenHeight = 1536;

    XvfbServer();
    ~XvfbServer();
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    // The DISPLAY value of the server, e.g. ":1".
    const std::string& display() const { return display_; }

private:
    // The DISPLAY value for the display number Xvfb writes to `fd`.
    static std::string readDisplay(int fd);

    pid_t pid_ = -1;
    std::string display_;
};

} // namespace bench
