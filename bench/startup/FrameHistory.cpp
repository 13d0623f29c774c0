#include "FrameHistory.h"

namespace bench {

void FrameHistory::add(TimePoint stamp, std::string pixels) {
    frames_.push_back({stamp, std::move(pixels)});
}

std::optional<FrameHistory::TimePoint>
FrameHistory::finalSince(const std::string& finalPixels) const {
    std::optional<TimePoint> since;
    for (auto frame = frames_.rbegin(); frame != frames_.rend(); ++frame) {
        if (frame->pixels != finalPixels)
            break;
        since = frame->stamp;
    }
    return since;
}

} // namespace bench
