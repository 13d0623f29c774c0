#include "PieceDrawing.h"

#include "Colours.h"
#include "Lettering.h"
#include "Palette.h"

#include <QPainter>
#include <stdexcept>

namespace xiangqi::drawing {

namespace {

constexpr int kCentre = PieceDrawing::kSize / 2;
// Half a pixel past the centre-to-edge distance, so the disc touches all four edges.
constexpr double kDiscRadius = kCentre + 0.5;
constexpr int kGlyphPixelSize = 32;
constexpr qreal kGlyphThickening = 1.6;
// Shades between disc and glyph kept for the antialiased glyph edges.
constexpr int kGlyphEdgeShades = 30;

bool insideDisc(int x, int y) {
    const int dx = x - kCentre;
    const int dy = y - kCentre;
    return dx * dx + dy * dy <= kDiscRadius * kDiscRadius;
}

} // namespace

PieceDrawing::PieceDrawing(int code, const QFont& font) : code_(code), font_(font) {
    font_.setPixelSize(kGlyphPixelSize);
    if (characterOf(code).isEmpty()) {
        throw std::invalid_argument("no such piece");
    }
}

QString PieceDrawing::characterOf(int code) {
    static const QString kRedCharacters = QStringLiteral("帅士相马车炮兵");
    static const QString kBlackCharacters = QStringLiteral("将士象马车炮卒");
    const int kind = code % 10;
    if (kind >= kRedCharacters.size()) {
        return {};
    }
    switch (code / 10) {
    case 5:
        return kRedCharacters.at(kind);
    case 6:
        return kBlackCharacters.at(kind);
    default:
        return {};
    }
}

QRgb PieceDrawing::discColour() const {
    return code_ / 10 == 5 ? kRed : kBlack;
}

// The disc is set pixel by pixel, without antialiasing, so that its rim uses only the
// disc colour and the board grey; only the character is antialiased.
QImage PieceDrawing::fullColourImage() const {
    QImage picture(kSize, kSize, QImage::Format_RGB32);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            picture.setPixel(x, y, insideDisc(x, y) ? discColour() : kBoardGrey);
        }
    }
    QPainter painter(&picture);
    Lettering(font_, QColor(kWhite))
        .drawOutline(painter, characterOf(code_), QRectF(0, 0, kSize, kSize), kGlyphThickening);
    return picture;
}

QImage PieceDrawing::image() const {
    return Palette()
        .add(kBoardGrey)
        .add(discColour())
        .add(kWhite)
        .addBlends(discColour(), kWhite, kGlyphEdgeShades)
        .quantise(fullColourImage(), 256);
}

} // namespace xiangqi::drawing
