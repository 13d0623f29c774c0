#include "LongGame.h"

#include <array>

namespace bench {

namespace {
// Board points are numbered row by row from black's corner, 9 to a row.
constexpr std::array<Move, 8> kRound{{
    {82, 65}, // red horse, left
    {1, 20},  // black horse, left
    {65, 82},
    {20, 1},
    {88, 69}, // red horse, right
    {7, 24},  // black horse, right
    {69, 88},
    {24, 7},
}};
} // namespace

std::vector<Move> longGame(int moves) {
    std::vector<Move> game;
    for (int k = 0; k < moves; ++k)
        game.push_back(kRound[static_cast<std::size_t>(k) % kRound.size()]);
    return game;
}

} // namespace bench
