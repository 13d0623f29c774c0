#pragma once

#include <QFont>
#include <QImage>

namespace xiangqi::drawing {

// The 32 px picture of the About box, in at most 16 colours: 中国 in black on green
// with a small red, blue-framed mark at the upper right, above 象棋 in black on yellow.
class AboutDrawing {
public:
    static constexpr int kSize = 32;
    static constexpr int kPaletteSize = 16;

    explicit AboutDrawing(const QFont& font);
    QImage image() const;

private:
    QImage fullColourImage() const;

    QFont font_;
};

} // namespace xiangqi::drawing
