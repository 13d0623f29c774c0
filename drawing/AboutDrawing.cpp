#include "AboutDrawing.h"

#include "Colours.h"
#include "Lettering.h"
#include "Palette.h"

#include <QPainter>

namespace xiangqi::drawing {

namespace {

constexpr QRect kUpperPart(0, 0, 32, 16);
constexpr QRect kLowerPart(0, 16, 32, 16);
constexpr QRect kUpperTextBox(0, 1, 24, 14);
constexpr QRect kLowerTextBox(0, 16, 32, 16);
constexpr QRect kMarkFrame(25, 1, 6, 6);
constexpr int kUpperPixelSize = 12;
constexpr int kLowerPixelSize = 15;

} // namespace

AboutDrawing::AboutDrawing(const QFont& font) : font_(font) {}

QImage AboutDrawing::fullColourImage() const {
    QImage picture(kSize, kSize, QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.fillRect(kUpperPart, QColor(kGreen));
    painter.fillRect(kLowerPart, QColor(kYellow));
    painter.fillRect(kMarkFrame, QColor(kBlue));
    painter.fillRect(kMarkFrame.adjusted(1, 1, -1, -1), QColor(kRed));
    QFont upperFont = font_;
    upperFont.setPixelSize(kUpperPixelSize);
    Lettering(upperFont, QColor(kBlack)).drawPixels(painter, QStringLiteral("中国"), kUpperTextBox);
    QFont lowerFont = font_;
    lowerFont.setPixelSize(kLowerPixelSize);
    Lettering(lowerFont, QColor(kBlack)).drawPixels(painter, QStringLiteral("象棋"), kLowerTextBox);
    return picture;
}

QImage AboutDrawing::image() const {
    // The lettering is drawn without antialiasing, so these five colours are all it uses.
    const Palette palette = Palette().add(kGreen).add(kYellow).add(kBlack).add(kRed).add(kBlue);
    return palette.quantise(fullColourImage(), kPaletteSize);
}

} // namespace xiangqi::drawing
