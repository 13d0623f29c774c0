#include "IconDrawing.h"

#include "Colours.h"
#include "Lettering.h"
#include "Palette.h"

#include <QPainter>

namespace xiangqi::drawing {

namespace {

// The design is laid out on the grid of the 32 px icon and scaled to other sizes.
constexpr int kGrid = IconDrawing::kSmallSize;
constexpr QRect kUpperBlock(0, 0, 16, 16);
constexpr QRect kLowerBlock(16, 16, 16, 16);
constexpr int kGlyphPixelSize = 16;
constexpr int kOutlineGlyphPixelSize = 15;
constexpr qreal kOutlineThickening = 0.5;
const QString kUpperCharacter = QStringLiteral("象");
const QString kLowerCharacter = QStringLiteral("棋");

QImage whiteSquare(int size) {
    QImage picture(size, size, QImage::Format_ARGB32);
    picture.fill(kWhite);
    return picture;
}

} // namespace

IconDrawing::IconDrawing(const QFont& font) : font_(font) {}

void IconDrawing::drawBlocks(QPainter& painter) const {
    painter.fillRect(kUpperBlock, QColor(kRed));
    painter.fillRect(kLowerBlock, QColor(kYellow));
}

QImage IconDrawing::image(int size) const {
    QImage picture = whiteSquare(size);
    QPainter painter(&picture);
    painter.scale(qreal(size) / kGrid, qreal(size) / kGrid);
    drawBlocks(painter);
    QFont font = font_;
    font.setPixelSize(kOutlineGlyphPixelSize);
    Lettering(font, QColor(kYellow))
        .drawOutline(painter, kUpperCharacter, kUpperBlock, kOutlineThickening);
    Lettering(font, QColor(kBlack))
        .drawOutline(painter, kLowerCharacter, kLowerBlock, kOutlineThickening);
    return picture;
}

QImage IconDrawing::paletteImage() const {
    QImage picture = whiteSquare(kSmallSize);
    QPainter painter(&picture);
    drawBlocks(painter);
    QFont font = font_;
    font.setPixelSize(kGlyphPixelSize);
    Lettering(font, QColor(kYellow)).drawPixels(painter, kUpperCharacter, kUpperBlock);
    Lettering(font, QColor(kBlack)).drawPixels(painter, kLowerCharacter, kLowerBlock);
    painter.end();
    return Palette().add(kWhite).add(kRed).add(kYellow).add(kBlack).quantise(picture, 256);
}

} // namespace xiangqi::drawing
