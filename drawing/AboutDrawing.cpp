#include "AboutDrawing.h"

#include "Colours.h"
#include "Lettering.h"
#include "Palette.h"

#include <QPainter>
#include <algorithm>

namespace xiangqi::drawing {

namespace {

// At 1x; scaled with the device pixel ratio.
constexpr QRect kUpperPart(0, 0, 32, 16);
constexpr QRect kLowerPart(0, 16, 32, 16);
constexpr QRect kUpperTextBox(0, 1, 24, 14);
constexpr QRect kLowerTextBox(0, 16, 32, 16);
constexpr QRect kMarkFrame(25, 1, 6, 6);
constexpr int kUpperPixelSize = 12;
constexpr int kLowerPixelSize = 15;
// For the outlines drawn at other ratios than 1, so their strokes keep the weight of the 1x
// pixels; scaled with the ratio.
constexpr qreal kOutlineThickening = 0.4;
// Shades between the backgrounds and black kept for the outlines' antialiased edges.
constexpr int kGreenEdgeShades = 4;
constexpr int kYellowEdgeShades = 5;

// The rectangle in device pixels, each edge rounded to the nearest.
QRect scaled(const QRect& rect, qreal ratio) {
    return QRect(
        QPoint(qRound(rect.left() * ratio), qRound(rect.top() * ratio)),
        QPoint(qRound((rect.right() + 1) * ratio) - 1, qRound((rect.bottom() + 1) * ratio) - 1));
}

QFont sized(QFont font, int pixelSize, qreal ratio) {
    font.setPixelSize(qRound(pixelSize * ratio));
    return font;
}

Palette paletteFor(qreal ratio) {
    Palette palette = Palette().add(kGreen).add(kYellow).add(kBlack).add(kRed).add(kBlue);
    if (ratio != 1)
        palette.addBlends(kGreen, kBlack, kGreenEdgeShades)
            .addBlends(kYellow, kBlack, kYellowEdgeShades);
    return palette;
}

} // namespace

AboutDrawing::AboutDrawing(const QFont& font) : font_(font) {}

QImage AboutDrawing::fullColourImage(qreal ratio) const {
    const int side = qRound(kSize * ratio);
    const int line = std::max(1, qRound(ratio));
    QImage picture(side, side, QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.fillRect(scaled(kUpperPart, ratio), QColor(kGreen));
    painter.fillRect(scaled(kLowerPart, ratio), QColor(kYellow));
    const QRect markFrame = scaled(kMarkFrame, ratio);
    painter.fillRect(markFrame, QColor(kBlue));
    painter.fillRect(markFrame.adjusted(line, line, -line, -line), QColor(kRed));
    drawText(painter, QStringLiteral("中国"), kUpperPixelSize, scaled(kUpperTextBox, ratio), ratio);
    drawText(painter, QStringLiteral("象棋"), kLowerPixelSize, scaled(kLowerTextBox, ratio), ratio);
    return picture;
}

// At 1x the lettering is hinted pixels without antialiasing, as crisp as 12 and 15 pixels
// allow; at other ratios it is drawn from the glyph outlines, thickened.
void AboutDrawing::drawText(QPainter& painter, const QString& text, int pixelSize, const QRect& box,
                            qreal ratio) const {
    const Lettering lettering(sized(font_, pixelSize, ratio), QColor(kBlack));
    if (ratio == 1)
        lettering.drawPixels(painter, text, box);
    else
        lettering.drawOutline(painter, text, box, kOutlineThickening * ratio);
}

// The pixel lettering uses the five colours alone, the outlines their blends too.
QImage AboutDrawing::image(qreal ratio) const {
    return paletteFor(ratio).quantise(fullColourImage(ratio), kPaletteSize);
}

} // namespace xiangqi::drawing
