#pragma once

#include "Board.h"

#include <string>

namespace xiangqi {

// A move as xiangqi players write and say it, in UTF-8: "炮二平五", "马2进3", "前车退一".
// Each side numbers the nine files from its own right, red with Chinese numerals (一..九) and
// black with digits (1..9); a move goes forward (进), back (退) or along the rank (平). Two or more
// like pieces on one file are told apart by their place from the front, which both sides write
// alike ("前卒", "一卒平4").
//
// Pre: `board` is the position before the move, a piece stands on point `from`, and `to` is
// another point on the playing board.
std::string MoveNotation(const Board& board, int from, int to);

} // namespace xiangqi
