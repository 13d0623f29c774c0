#pragma once

#include <QFont>
#include <QImage>

namespace xiangqi::drawing {

// The program icon: two blocks on white, a red one holding 象 in yellow at the upper
// left and a yellow one holding 棋 in black at the lower right. The 32 px icon uses
// pixel lettering; the larger ones are drawn afresh with outlines rather than scaled.
class IconDrawing {
public:
    static constexpr int kSmallSize = 32;

    explicit IconDrawing(const QFont& font);

    QImage image(int size) const;
    // The 32 px icon with a 256-colour palette, for the window and the desktop file.
    QImage paletteImage() const;

private:
    void drawBlocks(QPainter& painter) const;

    QFont font_;
};

} // namespace xiangqi::drawing
