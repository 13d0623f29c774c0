#include "PieceDrawing.h"

#include "Board.h"
#include "Colours.h"
#include "Lettering.h"
#include "Palette.h"
#include "PointGeometry.h"

#include <QPainter>
#include <stdexcept>

namespace xiangqi::drawing {

namespace {

// At 1x; scaled with the device pixel ratio.
constexpr int kGlyphPixelSize = 32;
constexpr qreal kGlyphThickening = 1.6;
// Shades between disc and glyph kept for the antialiased glyph edges.
constexpr int kGlyphEdgeShades = 30;

// The disc fills the square picture: a pixel is on it when its centre is.
bool insideDisc(int x, int y, int side) {
    const double radius = side / 2.0;
    const double dx = x + 0.5 - radius;
    const double dy = y + 0.5 - radius;
    return dx * dx + dy * dy <= radius * radius;
}

} // namespace

PieceDrawing::PieceDrawing(int code, const QFont& font) : code_(code), font_(font) {
    if (characterOf(code).isEmpty()) {
        throw std::invalid_argument("no such piece");
    }
}

QString PieceDrawing::characterOf(int code) {
    if (code < 0 || code > UINT8_MAX)
        return {};
    const std::string_view character = piece::characterOf(static_cast<std::uint8_t>(code));
    return QString::fromUtf8(character.data(), static_cast<qsizetype>(character.size()));
}

QRgb PieceDrawing::discColour() const {
    return code_ / 10 == 5 ? kRed : kBlack;
}

// The disc is set pixel by pixel, without antialiasing, so that its rim uses only the
// disc colour and the board grey; only the character is antialiased.
QImage PieceDrawing::fullColourImage(qreal ratio) const {
    const int side = design::PointGeometry(ratio).pictureSide();
    QImage picture(side, side, QImage::Format_RGB32);
    for (int y = 0; y < side; ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < side; ++x) {
            line[x] = insideDisc(x, y, side) ? discColour() : kBoardGrey;
        }
    }
    QFont font = font_;
    font.setPixelSize(qRound(kGlyphPixelSize * ratio));
    QPainter painter(&picture);
    Lettering(font, QColor(kWhite))
        .drawOutline(painter, characterOf(code_), QRectF(0, 0, side, side),
                     kGlyphThickening * ratio);
    return picture;
}

QImage PieceDrawing::image(qreal ratio) const {
    return Palette()
        .add(kBoardGrey)
        .add(discColour())
        .add(kWhite)
        .addBlends(discColour(), kWhite, kGlyphEdgeShades)
        .quantise(fullColourImage(ratio), 256);
}

} // namespace xiangqi::drawing
