#pragma once

#include "Board.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace xiangqi::announcement {

// What a screen reader says of the game, in UTF-8 Simplified Chinese. Pieces are named as the
// board's points name them ("红 炮") and places as the rows and columns seen on the screen,
// counted from the top left ("第8行第2列"); moves are also given as players write them.

// "红 炮"; empty for an empty point.
std::string pieceName(std::uint8_t code);
// "第8行第2列"; with `between` "，", "第8行，第2列".
std::string placeName(int cell, std::string_view between = {});
// A board point as a screen reader names it, what stands on it and where:
// "红 炮，第8行，第2列", or "空位，第5行，第5列" where `code` is no piece.
std::string pointName(std::uint8_t code, int cell);

// "红 炮八平五，从第8行第2列到第8行第5列", with "，吃黑 卒" for a capture.
// Pre: `board` is the position before the move; a piece stands on `from`.
std::string move(const Board& board, int from, int to);

std::string pickedUp(std::uint8_t code);                           // "拿起红 炮"
std::string putBack(std::uint8_t code);                            // "放下红 炮"
std::string refused(std::uint8_t code);                            // "红 炮不能这样走"
std::string toMove(std::uint8_t side);                             // "轮到黑方"
std::string lost(std::uint8_t side);                               // "黑方输了"
std::string resigned(std::uint8_t side);                           // "红方认输。红方输了"
std::string takenBack(const std::string& move, std::uint8_t side); // "悔棋，收回…。轮到红方"
std::string gameEnded(std::uint8_t loser); // "对局已经结束。黑方输了"
std::string newGame();                     // "新的一局开始。轮到红方"

// Two announcements said one after the other.
std::string then(const std::string& first, const std::string& second);

} // namespace xiangqi::announcement
