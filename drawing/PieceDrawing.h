#pragma once

#include <QFont>
#include <QImage>
#include <QString>

namespace xiangqi::drawing {

// The picture of one piece: a red (codes 50-56) or black (60-66) disc filling the
// square, with the piece's character in white.
class PieceDrawing {
public:
    static constexpr int kSize = 47;

    PieceDrawing(int code, const QFont& font);
    QImage image() const;

    static QString characterOf(int code);

private:
    QRgb discColour() const;
    QImage fullColourImage() const;

    int code_;
    QFont font_;
};

} // namespace xiangqi::drawing
