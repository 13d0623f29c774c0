#pragma once

#include <vector>

namespace bench {

struct Move {
    int from = 0;
    int to = 0;
};

// A long lawful game from the initial position: all four horses jump out and back in turn,
// red first, for `moves` moves; Pre: `moves` is a multiple of 8, at most 992 (the game stops
// at 999 moves). Ends in the initial position.
std::vector<Move> longGame(int moves);

} // namespace bench
