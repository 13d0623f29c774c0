#pragma once

#include <QImage>
#include <QList>
#include <QRgb>

namespace xiangqi::drawing {

// A colour table for indexed pictures: the colours a drawing uses plus even blends
// between pairs of them, so that antialiased edges keep their shading once quantised.
class Palette {
public:
    Palette& add(QRgb colour);
    Palette& addBlends(QRgb from, QRgb to, int steps);

    // The colours, padded with the first one up to tableSize entries.
    QList<QRgb> table(int tableSize) const;
    // An 8-bit indexed copy of a full-colour image, each pixel the nearest colour.
    QImage quantise(const QImage& image, int tableSize) const;

private:
    QList<QRgb> colours_;
};

} // namespace xiangqi::drawing
