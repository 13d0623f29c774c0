#pragma once

#include <QFont>
#include <QImage>
#include <QString>

namespace xiangqi::drawing {

// The picture of one piece: a red (codes 50-56) or black (60-66) disc filling the
// square, with the piece's character in white, as large as a board point's picture at the
// device pixel ratio (see PointGeometry), in 256 colours.
class PieceDrawing {
public:
    PieceDrawing(int code, const QFont& font);
    QImage image(qreal ratio = 1) const;

    static QString characterOf(int code);

private:
    QRgb discColour() const;
    QImage fullColourImage(qreal ratio) const;

    int code_;
    QFont font_;
};

} // namespace xiangqi::drawing
