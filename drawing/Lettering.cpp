#include "Lettering.h"

#include <QFontMetrics>
#include <QPainterPath>
#include <QPen>
#include <cmath>

namespace xiangqi::drawing {

namespace {

// Whole-pixel offsets keep the horizontal strokes as sharp as the font allows.
QPointF roundedOffset(const QPointF& boxCentre, const QPointF& inkCentre) {
    const QPointF offset = boxCentre - inkCentre;
    return {std::round(offset.x()), std::round(offset.y())};
}

} // namespace

Lettering::Lettering(const QFont& font, const QColor& colour) : font_(font), colour_(colour) {}

void Lettering::drawOutline(QPainter& painter, const QString& text, const QRectF& box,
                            qreal thickening) const {
    QPainterPath outline;
    outline.addText(QPointF(0, 0), font_, text);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(roundedOffset(box.center(), outline.boundingRect().center()));
    painter.fillPath(outline, colour_);
    if (thickening > 0) {
        painter.strokePath(outline,
                           QPen(colour_, thickening, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    }
    painter.restore();
}

void Lettering::drawPixels(QPainter& painter, const QString& text, const QRect& box) const {
    QFont font = font_;
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    const QRectF ink = QFontMetrics(font).tightBoundingRect(text);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setFont(font);
    painter.setPen(colour_);
    painter.drawText(roundedOffset(QRectF(box).center(), ink.center()), text);
    painter.restore();
}

} // namespace xiangqi::drawing
