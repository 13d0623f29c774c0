#include "ScreenWatcher.h"

#include <cstdlib>
#include <memory>
#include <poll.h>
#include <stdexcept>
#include <xcb/damage.h>
#include <xcb/xcbext.h>

namespace bench {

namespace {
struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename T> using Reply = std::unique_ptr<T, FreeReply>;

bool overlap(const xcb_rectangle_t& a, const xcb_rectangle_t& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height &&
           b.y < a.y + a.height;
}

std::string pixelsOf(const xcb_get_image_reply_t& reply) {
    const auto* data = xcb_get_image_data(&reply);
    return {reinterpret_cast<const char*>(data),
            static_cast<std::size_t>(xcb_get_image_data_length(&reply))};
}
} // namespace

ScreenWatcher::ScreenWatcher(const std::string& display) {
    connection_ = xcb_connect(display.c_str(), nullptr);
    throwOnConnectionError();
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data;
    root_ = screen->root;
    subscribeToDrawing();
    // The pointer waits in the far corner, where no window of the programs will be.
    xcb_warp_pointer(connection_, XCB_NONE, root_, 0, 0, 0, 0,
                     static_cast<std::int16_t>(screen->width_in_pixels - 1),
                     static_cast<std::int16_t>(screen->height_in_pixels - 1));
    xcb_flush(connection_);
}

// Every drawing on the screen, as raw rectangles, and the creation, configuration and mapping
// of the root's children. The extension's version must be agreed on before it is used.
void ScreenWatcher::subscribeToDrawing() {
    const auto* damage = xcb_get_extension_data(connection_, &xcb_damage_id);
    if (!damage || !damage->present)
        throw std::runtime_error("the X server has no DAMAGE extension");
    damageNotify_ = damage->first_event + XCB_DAMAGE_NOTIFY;
    Reply<xcb_damage_query_version_reply_t> version(xcb_damage_query_version_reply(
        connection_, xcb_damage_query_version(connection_, 1, 1), nullptr));
    xcb_damage_create(connection_, xcb_generate_id(connection_), root_,
                      XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
    const std::uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &events);
}

ScreenWatcher::~ScreenWatcher() {
    xcb_disconnect(connection_);
}

void ScreenWatcher::waitForQuiet(Clock::duration quiet) {
    window_ = 0;
    lastDrawing_ = Clock::now();
    while (Clock::now() - lastDrawing_ < quiet) {
        waitForInput(quiet);
        while (Reply<xcb_generic_event_t> event{xcb_poll_for_event(connection_)})
            if ((event->response_type & 0x7f) == damageNotify_)
                lastDrawing_ = Clock::now();
        throwOnConnectionError();
    }
}

ScreenWatcher::Clock::duration ScreenWatcher::timeToFinalFrame(Clock::time_point start,
                                                               Clock::duration quiet,
                                                               Clock::duration limit) {
    startFollowing();
    while (!settled(quiet)) {
        if (Clock::now() - start > limit)
            throw std::runtime_error("the window did not settle in time");
        waitForInput(std::chrono::milliseconds(10));
        handleEvents();
        if (drawnSincePicture_ && !pictureRequested_)
            requestPicture();
    }
    const auto since = history_.finalSince(pictureNow());
    if (!since)
        throw std::runtime_error("the window changed without a damage report");
    return *since - start;
}

void ScreenWatcher::startFollowing() {
    window_ = 0;
    outlines_.clear();
    history_.clear();
    drawnSincePicture_ = false;
    pictureRequested_ = false;
    lastDrawing_ = Clock::now();
}

bool ScreenWatcher::settled(Clock::duration quiet) const {
    return window_ != 0 && !history_.empty() && !drawnSincePicture_ && !pictureRequested_ &&
           Clock::now() - lastDrawing_ >= quiet;
}

void ScreenWatcher::waitForInput(Clock::duration timeout) {
    pollfd input{xcb_get_file_descriptor(connection_), POLLIN, 0};
    poll(&input, 1,
         static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(timeout).count()));
}

// Reading a reply may pull further events off the socket; those are taken from the queue at
// once, so each event is stamped when it has just been read.
void ScreenWatcher::handleEvents() {
    while (Reply<xcb_generic_event_t> event{xcb_poll_for_event(connection_)})
        handleEvent(*event);
    collectPicture();
    while (Reply<xcb_generic_event_t> event{xcb_poll_for_queued_event(connection_)})
        handleEvent(*event);
    throwOnConnectionError();
}

void ScreenWatcher::handleEvent(const xcb_generic_event_t& event) {
    const std::uint8_t type = event.response_type & 0x7f;
    if (type == damageNotify_) {
        noteDrawing(reinterpret_cast<const xcb_damage_notify_event_t&>(event).area);
    } else if (type == XCB_CREATE_NOTIFY) {
        const auto& created = reinterpret_cast<const xcb_create_notify_event_t&>(event);
        outlines_[created.window] = {created.x, created.y, created.width, created.height};
    } else if (type == XCB_CONFIGURE_NOTIFY) {
        const auto& configured = reinterpret_cast<const xcb_configure_notify_event_t&>(event);
        outlines_[configured.window] = {configured.x, configured.y, configured.width,
                                        configured.height};
    } else if (type == XCB_MAP_NOTIFY) {
        const auto& mapped = reinterpret_cast<const xcb_map_notify_event_t&>(event);
        if (window_ == 0 && !mapped.override_redirect)
            window_ = mapped.window;
    }
}

void ScreenWatcher::noteDrawing(const xcb_rectangle_t& area) {
    if (window_ == 0 || !overlap(area, outlines_[window_]))
        return;
    lastDrawing_ = Clock::now();
    drawnSincePicture_ = true;
}

void ScreenWatcher::requestPicture() {
    const xcb_rectangle_t& outline = outlines_[window_];
    pictureSequence_ = xcb_get_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, root_, outline.x,
                                     outline.y, outline.width, outline.height, ~0u)
                           .sequence;
    xcb_flush(connection_);
    pictureRequested_ = true;
    drawnSincePicture_ = false;
}

// A picture shows every drawing reported before its reply, so it carries the time of the
// last drawing seen so far.
void ScreenWatcher::collectPicture() {
    if (!pictureRequested_)
        return;
    void* reply = nullptr;
    xcb_generic_error_t* error = nullptr;
    if (!xcb_poll_for_reply(connection_, pictureSequence_, &reply, &error))
        return;
    pictureRequested_ = false;
    Reply<xcb_get_image_reply_t> image(static_cast<xcb_get_image_reply_t*>(reply));
    Reply<xcb_generic_error_t> failure(error);
    if (!image)
        throw std::runtime_error("could not read the window's pixels");
    history_.add(lastDrawing_, pixelsOf(*image));
}

std::string ScreenWatcher::pictureNow() {
    const xcb_rectangle_t& outline = outlines_[window_];
    Reply<xcb_get_image_reply_t> image(
        xcb_get_image_reply(connection_,
                            xcb_get_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, root_, outline.x,
                                          outline.y, outline.width, outline.height, ~0u),
                            nullptr));
    if (!image)
        throw std::runtime_error("could not read the window's pixels");
    return pixelsOf(*image);
}

void ScreenWatcher::throwOnConnectionError() const {
    if (xcb_connection_has_error(connection_))
        throw std::runtime_error("lost the connection to the X server");
}

} // namespace bench
