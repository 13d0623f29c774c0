#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace bench {

// The pictures of one window taken during one launch, in order, each stamped with the time of
// the last drawing it shows.
class FrameHistory {
public:
    using TimePoint = std::chrono::steady_clock::time_point;

    void clear() { frames_.clear(); }
    bool empty() const { return frames_.empty(); }
    void add(TimePoint stamp, std::string pixels);
    // The stamp of the first picture of the last unbroken run of pictures equal to
    // `finalPixels`: when the window last reached those pixels. None when the last picture
    // differs from them.
    std::optional<TimePoint> finalSince(const std::string& finalPixels) const;

private:
    struct Frame {
        TimePoint stamp;
        std::string pixels;
    };
    std::vector<Frame> frames_;
};

} // namespace bench
