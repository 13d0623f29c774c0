#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRectF>
#include <QString>

namespace xiangqi::drawing {

// Draws text centred on its ink rather than on the font's line box.
class Lettering {
public:
    Lettering(const QFont& font, const QColor& colour);

    // Antialiased glyph outlines, optionally thickened so that thin Song strokes stay
    // bold enough on a piece; for pictures of 40 pixels and more.
    void drawOutline(QPainter& painter, const QString& text, const QRectF& box,
                     qreal thickening = 0) const;
    // Hinted glyphs without antialiasing: crisper than outlines at 11-16 pixels and
    // cheap in a small palette.
    void drawPixels(QPainter& painter, const QString& text, const QRect& box) const;

private:
    QFont font_;
    QColor colour_;
};

} // namespace xiangqi::drawing
