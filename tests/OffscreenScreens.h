#pragma once

#include <QImage>
#include <QRect>

class QWidget;

// For tests run on the offscreen screens of offscreen-screens.json: the usual screen, and one
// screen for each of the device pixel ratios 1.25, 1.5, 1.75, 2, 2.5 and 3.

// Drags `window` onto the screen whose device pixel ratio is `ratio`; false when there is no such
// screen or the window does not get there.
bool moveToScreenWithRatio(QWidget& window, qreal ratio);

// The pixels of `window` as they go to the screen, after whatever repaints are due: its backing
// store, in device pixels.
QImage shownPixels(QWidget& window);

// The device pixels of shownPixels() that `widget`'s rectangle `rect` covers at `ratio`. Where an
// edge falls between device pixels, the pixel there goes to the widget beyond.
QRect devicePixels(const QWidget& widget, QRect rect, qreal ratio);
