#pragma once

#include "FrameHistory.h"

#include <chrono>
#include <string>
#include <unordered_map>
#include <xcb/xcb.h>

namespace bench {

// Watches the screen of an X server from outside the programs drawing on it. The DAMAGE
// extension reports every drawing on the root window, its children included; after each burst
// of drawing on the watched window, the watcher reads the window's pixels back with GetImage
// (one request in flight at a time, so the server stays free for the program). Once the screen
// has been still for a while, the window's pixels are final, and the first picture of the last
// run of pictures showing them tells when they got there.
class ScreenWatcher {
public:
    using Clock = std::chrono::steady_clock;

    explicit ScreenWatcher(const std::string& display);
    ~ScreenWatcher();
    ScreenWatcher(const ScreenWatcher&) = delete;
    ScreenWatcher& operator=(const ScreenWatcher&) = delete;

    // Returns once nothing has been drawn for `quiet`, ignoring what is drawn meanwhile.
    void waitForQuiet(Clock::duration quiet);
    // Follows the first top-level window mapped after `start` until nothing has been drawn on it
    // for `quiet`; returns the time from `start` to the moment its pixels reached their final
    // state. Throws when that takes longer than `limit`.
    Clock::duration timeToFinalFrame(Clock::time_point start, Clock::duration quiet,
                                     Clock::duration limit);

private:
    void subscribeToDrawing();
    void startFollowing();
    bool settled(Clock::duration quiet) const;
    void waitForInput(Clock::duration timeout);
    void handleEvents();
    void handleEvent(const xcb_generic_event_t& event);
    void noteDrawing(const xcb_rectangle_t& area);
    void requestPicture();
    void collectPicture();
    std::string pictureNow();
    void throwOnConnectionError() const;

    xcb_connection_t* connection_ = nullptr;
    xcb_window_t root_ = 0;
    std::uint8_t damageNotify_ = 0;
    // The outlines of the root's children, from their create and configure notices.
    std::unordered_map<xcb_window_t, xcb_rectangle_t> outlines_;
    xcb_window_t window_ = 0;
    Clock::time_point lastDrawing_;
    bool drawnSincePicture_ = false;
    bool pictureRequested_ = false;
    unsigned int pictureSequence_ = 0;
    FrameHistory history_;
};

} // namespace bench
