#pragma once

#include "Board.h"

#include <array>
#include <cstdint>
#include <string>

namespace xiangqi {

// The whole state of one game, under the names the rest of the program uses. While PieceSelected
// is true, point SelCell is framed, SelPiece = Board(SelRow, SelCol) and SelSide = SideToMove.
struct GameState {
    static constexpr int kMaxMoves = 999;
    static constexpr int kHistorySize = 1001; // entries 0..1000; entry 0 is never used

    xiangqi::Board Board;
    bool PieceSelected = false;
    std::uint8_t SelPiece = 0;
    std::uint8_t SelRow = 0;
    std::uint8_t SelCol = 0;
    std::uint8_t SelSide = 0;
    std::uint8_t SideToMove = 0;
    std::uint8_t SelCell = 0;
    std::uint8_t ScreenCount = 0;
    bool GameOver = false;
    // A side's one-character name followed by one space, so status texts read "黑 行".
    std::string SideName;
    std::int16_t MoveCount = 0;
    // Entry k (1 <= k <= MoveCount) is the k-th move: origin cell, target cell, captured code.
    std::array<std::uint8_t, kHistorySize> HistFrom{};
    std::array<std::uint8_t, kHistorySize> HistTo{};
    std::array<std::uint8_t, kHistorySize> HistCaptured{};
};

} // namespace xiangqi
