#pragma once

#include <QAbstractNativeEventFilter>
#include <functional>

class QWidget;

namespace xiangqi {

// Tells when another X client destroys a window's X window (XDestroyWindow): Qt's X platform
// takes no notice, so the widget would live on with nothing on the screen. Only X lets another
// program destroy a window; on other platforms this watches nothing.
class DestroyedWindowWatch : public QAbstractNativeEventFilter {
public:
    // Calls `destroyed` when the X window that `widget` has at that moment is destroyed.
    DestroyedWindowWatch(const QWidget& widget, std::function<void()> destroyed);

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    const QWidget& widget_;
    std::function<void()> destroyed_;
};

} // namespace xiangqi
