#include "ResultRow.h"

#include <cstdio>
#include <utility>

namespace bench {

ResultRow::ResultRow(std::string figure, std::string unit, Goal goal)
    : figure_(std::move(figure)), unit_(std::move(unit)), goal_(goal) {}

bool ResultRow::print(const Samples& game, const Samples& baseline) const {
    const double ratio = game.median() / baseline.median();
    bool met = true;
    if (goal_.kind == Goal::Kind::MaxRatio)
        met = ratio <= goal_.limit;
    else if (goal_.kind == Goal::Kind::MaxValue)
        met = game.median() <= goal_.limit;
    std::printf("| %s | %zu + %zu | %.3g %s | %.3g %s | %.2f × | %s | %s |\n", figure_.c_str(),
                game.size(), baseline.size(), game.median(), unit_.c_str(), baseline.median(),
                unit_.c_str(), ratio, goalText().c_str(),
                goal_.kind == Goal::Kind::None ? "" : (met ? "yes" : "**no**"));
    std::fflush(stdout);
    return met;
}

bool ResultRow::printAlone(const Samples& game) const {
    const bool met = goal_.kind != Goal::Kind::MaxValue || game.median() <= goal_.limit;
    std::printf("| %s | %zu | %.3g %s | | | %s | %s |\n", figure_.c_str(), game.size(),
                game.median(), unit_.c_str(), goalText().c_str(),
                goal_.kind == Goal::Kind::None ? "" : (met ? "yes" : "**no**"));
    std::fflush(stdout);
    return met;
}

std::string ResultRow::goalText() const {
    char text[64] = "";
    if (goal_.kind == Goal::Kind::MaxRatio)
        std::snprintf(text, sizeof text, "≤ %.2f ×", goal_.limit);
    else if (goal_.kind == Goal::Kind::MaxValue)
        std::snprintf(text, sizeof text, "≤ %g %s", goal_.limit, unit_.c_str());
    return text;
}

} // namespace bench
