#pragma once

#include <array>
#include <cassert>
#include <cstdint>
#include <string_view>

namespace xiangqi {

// Piece codes are side digit * 10 + kind; 0 is an empty point.
namespace piece {
inline constexpr std::uint8_t kEmpty = 0;
inline constexpr std::uint8_t kRedSide = 5;
inline constexpr std::uint8_t kBlackSide = 6;

inline constexpr std::uint8_t kRedKing = 50;
inline constexpr std::uint8_t kRedAdvisor = 51;
inline constexpr std::uint8_t kRedElephant = 52;
inline constexpr std::uint8_t kRedHorse = 53;
inline constexpr std::uint8_t kRedChariot = 54;
inline constexpr std::uint8_t kRedCannon = 55;
inline constexpr std::uint8_t kRedSoldier = 56;
inline constexpr std::uint8_t kBlackKing = 60;
inline constexpr std::uint8_t kBlackAdvisor = 61;
inline constexpr std::uint8_t kBlackElephant = 62;
inline constexpr std::uint8_t kBlackHorse = 63;
inline constexpr std::uint8_t kBlackChariot = 64;
inline constexpr std::uint8_t kBlackCannon = 65;
inline constexpr std::uint8_t kBlackSoldier = 66;

// The side digit of any board value: 5 red, 6 black, 0 empty.
constexpr std::uint8_t sideOf(std::uint8_t code) {
    return code / 10;
}
constexpr std::uint8_t otherSide(std::uint8_t side) {
    return 11 - side;
}
constexpr bool isPiece(std::uint8_t code) {
    return (code >= kRedKing && code <= kRedSoldier) ||
           (code >= kBlackKing && code <= kBlackSoldier);
}
constexpr int kindOf(std::uint8_t code) {
    return code % 10;
}
// A side as the status and the names of the pieces write it, in UTF-8: "红 " or "黑 ".
constexpr std::string_view sideNameOf(std::uint8_t side) {
    return side == kBlackSide ? "黑 " : "红 ";
}
// The character a piece is known by and drawn with, in UTF-8; empty for any other value.
constexpr std::string_view characterOf(std::uint8_t code) {
    constexpr std::array<std::string_view, 7> kRed{"帅", "士", "相", "马", "车", "炮", "兵"};
    constexpr std::array<std::string_view, 7> kBlack{"将", "士", "象", "马", "车", "炮", "卒"};
    if (!isPiece(code))
        return {};
    return (sideOf(code) == kRedSide ? kRed : kBlack)[kindOf(code)];
}
} // namespace piece

// A board point is also known by its cell index, row * 9 + column, 0..89.
namespace cell {
inline constexpr int kRows = 10;
inline constexpr int kCols = 9;
inline constexpr int kCount = kRows * kCols;

constexpr int rowOf(int index) {
    return index / kCols;
}
constexpr int colOf(int index) {
    return index - kCols * rowOf(index);
}
constexpr int indexOf(int row, int col) {
    return row * kCols + col;
}
constexpr bool isValid(int index) {
    return index >= 0 && index < kCount;
}
} // namespace cell

// The playing board, rows 0..9 (row 0 is black's home edge) by columns 0..8, surrounded by a
// margin one point wide (rows -1 and 10, columns -1 and 9) that always reads as empty, so the
// horse's leg can be looked up at the board's edge without a bounds test.
class Board {
public:
    static constexpr int kFirstRow = -1;
    static constexpr int kLastRow = 10;
    static constexpr int kFirstCol = -1;
    static constexpr int kLastCol = 9;

    // Pre: kFirstRow <= row <= kLastRow and kFirstCol <= col <= kLastCol.
    std::uint8_t operator()(int row, int col) const { return points_[slot(row, col)]; }
    // Pre: the point lies on the playing board (0..9, 0..8); the margin is never written.
    void set(int row, int col, std::uint8_t code);

    std::uint8_t at(int index) const { return (*this)(cell::rowOf(index), cell::colOf(index)); }

    // Post: the 32 pieces stand on their starting points, every other point is empty.
    void setInitialPosition();

    bool operator==(const Board&) const = default;

private:
    static constexpr int kWidth = kLastCol - kFirstCol + 1;
    static constexpr int kHeight = kLastRow - kFirstRow + 1;

    static int slot(int row, int col) {
        assert(row >= kFirstRow && row <= kLastRow && col >= kFirstCol && col <= kLastCol);
        return (row - kFirstRow) * kWidth + (col - kFirstCol);
    }

    std::array<std::uint8_t, kWidth * kHeight> points_{};
};

} // namespace xiangqi
