#pragma once

#include "GameState.h"

#include <string>

namespace xiangqi {

// The game record: one line "origin,target,captured" per history entry 1..MoveCount, in plain
// decimal, each ended by CR LF; empty for a game without moves.
std::string RecordText(const GameState& state);

} // namespace xiangqi
