#pragma once

#include <QRgb>

namespace xiangqi::drawing {

// The grey of the board cloth around every point and behind every piece.
inline constexpr QRgb kBoardGrey = qRgb(212, 208, 200);
inline constexpr QRgb kBlack = qRgb(0, 0, 0);
inline constexpr QRgb kWhite = qRgb(255, 255, 255);
inline constexpr QRgb kRed = qRgb(255, 0, 0);
inline constexpr QRgb kYellow = qRgb(255, 255, 0);
inline constexpr QRgb kGreen = qRgb(0, 160, 0);
inline constexpr QRgb kBlue = qRgb(0, 0, 255);

} // namespace xiangqi::drawing
