#pragma once

#include "Board.h"

#include <cstdint>

namespace xiangqi {

// The movement rule of each piece kind with its blocking points: palace and river limits, the
// elephant's eye, the horse's leg, the chariot's clear line and the cannon's single screen.
// There is no test of check, of the kings facing each other or of whose turn it is.
//
// Pre: (selRow, selCol) and (clickRow, clickCol) lie on the playing board and differ; the target
// is empty or holds a piece of the other side; screenCount is 0.
// Post: true when selPiece may go from the selected point to the clicked point. Only the cannon
// writes screenCount: the number of pieces strictly between the two points.
bool MoveAllowed(const Board& board, std::uint8_t selPiece, int selRow, int selCol, int clickRow,
                 int clickCol, std::uint8_t& screenCount);

} // namespace xiangqi
