#include "DestroyedWindowWatch.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QWidget>
#include <utility>
#include <xcb/xproto.h>

namespace xiangqi {

DestroyedWindowWatch::DestroyedWindowWatch(const QWidget& widget, std::function<void()> destroyed)
    : widget_(widget), destroyed_(std::move(destroyed)) {
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        QCoreApplication::instance()->installNativeEventFilter(this);
}

// Qt asks the X server for the structure events of its windows, the destruction among them.
// When Qt itself destroys a window, to make it anew, the widget has left that window before the
// event comes. A DestroyNotify that a client sent (the high bit of its type set) is no proof.
bool DestroyedWindowWatch::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if (event->response_type != XCB_DESTROY_NOTIFY)
        return false;
    const auto* destroy = static_cast<const xcb_destroy_notify_event_t*>(message);
    if (widget_.internalWinId() != 0 && destroy->window == widget_.internalWinId())
        destroyed_();
    return false;
}

} // namespace xiangqi
