#include "OffscreenScreens.h"

#include <QBackingStore>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <algorithm>

bool moveToScreenWithRatio(QWidget& window, qreal ratio) {
    const QList<QScreen*> screens = QGuiApplication::screens();
    const auto screen = std::find_if(screens.begin(), screens.end(), [ratio](QScreen* candidate) {
        return candidate->devicePixelRatio() == ratio;
    });
    if (screen == screens.end())
        return false;
    window.move((*screen)->geometry().topLeft() + QPoint(20, 20));
    return QTest::qWaitFor([&] { return window.devicePixelRatioF() == ratio; }) &&
           QTest::qWaitForWindowExposed(&window);
}

QImage shownPixels(QWidget& window) {
    QCoreApplication::processEvents();
    QPaintDevice* device = window.backingStore()->paintDevice();
    if (device->devType() != QInternal::Image)
        return {};
    QImage pixels = static_cast<QImage*>(device)->convertToFormat(QImage::Format_RGB32);
    pixels.setDevicePixelRatio(1);
    return pixels;
}

QRect devicePixels(const QWidget& widget, QRect rect, qreal ratio) {
    const QRect inWindow = rect.translated(widget.mapTo(widget.window(), QPoint(0, 0)));
    return QRect(QPoint(qRound(inWindow.left() * ratio), qRound(inWindow.top() * ratio)),
                 QPoint(qRound((inWindow.right() + 1) * ratio) - 1,
                        qRound((inWindow.bottom() + 1) * ratio) - 1));
}
