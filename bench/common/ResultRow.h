#pragma once

#include "Samples.h"

#include <string>

namespace bench {

// What a figure of the game must stay within: a multiple of the baseline's figure, an absolute
// value in the figure's unit, or nothing (a figure shown for information).
struct Goal {
    enum class Kind { None, MaxRatio, MaxValue };
    Kind kind = Kind::None;
    double limit = 0;
};

// One row of the results table, in Markdown:
// | figure | launches | game | baseline | ratio | goal | met |
// The game and baseline columns are medians over the launches.
class ResultRow {
public:
    ResultRow(std::string figure, std::string unit, Goal goal);

    // Prints the row to stdout; false when the goal is missed.
    bool print(const Samples& game, const Samples& baseline) const;
    // The same for a figure of the game alone, with no baseline to compare it with.
    bool printAlone(const Samples& game) const;

private:
    std::string goalText() const;

    std::string figure_;
    std::string unit_;
    Goal goal_;
};

} // namespace bench
