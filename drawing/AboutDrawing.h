#pragma once

#include <QFont>
#include <QImage>

class QPainter;

namespace xiangqi::drawing {

// The picture of the About box, 32 px at 1x and scaled with the device pixel ratio, in at most
// 16 colours: 中国 in black on green with a small red, blue-framed mark at the upper right,
// above 象棋 in black on yellow.
class AboutDrawing {
public:
    static constexpr int kSize = 32;
    static constexpr int kPaletteSize = 16;

    explicit AboutDrawing(const QFont& font);
    QImage image(qreal ratio = 1) const;

private:
    QImage fullColourImage(qreal ratio) const;
    void drawText(QPainter& painter, const QString& text, int pixelSize, const QRect& box,
                  qreal ratio) const;

    QFont font_;
};

} // namespace xiangqi::drawing
