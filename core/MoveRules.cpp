#include "MoveRules.h"

#include <cstdlib>

namespace xiangqi {

namespace {
using namespace piece;

struct Step {
    int selRow, selCol, clickRow, clickCol;
    int dR() const { return clickRow - selRow; }
    int dC() const { return clickCol - selCol; }
    bool straightOne() const {
        return (std::abs(dR()) == 1 && dC() == 0) || (dR() == 0 && std::abs(dC()) == 1);
    }
    bool diagonalOne() const { return std::abs(dR()) == 1 && std::abs(dC()) == 1; }
    bool diagonalTwo() const { return std::abs(dR()) == 2 && std::abs(dC()) == 2; }
};

bool inRedPalace(const Step& s) {
    return s.clickRow > 6 && s.clickCol > 2 && s.clickCol < 6;
}
bool inBlackPalace(const Step& s) {
    return s.clickRow < 3 && s.clickCol > 2 && s.clickCol < 6;
}

bool eyeIsFree(const Board& board, const Step& s) {
    return board((s.selRow + s.clickRow) / 2, (s.selCol + s.clickCol) / 2) == kEmpty;
}

// The four horse shapes in their fixed order; the first that matches with a free leg wins.
bool horseAllowed(const Board& board, const Step& s) {
    const int dR = s.dR();
    const int dC = s.dC();
    if (dR == 2 && std::abs(dC) == 1 && board(s.selRow + 1, s.selCol) == kEmpty)
        return true;
    if (dR == -2 && std::abs(dC) == 1 && board(s.selRow - 1, s.selCol) == kEmpty)
        return true;
    if (std::abs(dR) == 1 && dC == 2 && board(s.selRow, s.selCol + 1) == kEmpty)
        return true;
    if (std::abs(dR) == 1 && dC == -2 && board(s.selRow, s.selCol - 1) == kEmpty)
        return true;
    return false;
}

// Counts the pieces strictly between the two points of a row or column, stopping at the first
// one when stopAtFirst is set. Returns false when the points share neither row nor column.
bool countBetween(const Board& board, const Step& s, bool stopAtFirst, std::uint8_t& count) {
    auto visit = [&](int row, int col) {
        if (board(row, col) == kEmpty)
            return true;
        ++count;
        return !stopAtFirst;
    };
    if (s.clickRow == s.selRow) {
        const int from = s.clickCol > s.selCol ? s.selCol + 1 : s.clickCol + 1;
        const int to = s.clickCol > s.selCol ? s.clickCol - 1 : s.selCol - 1;
        for (int k = from; k <= to; ++k)
            if (!visit(s.clickRow, k))
                break;
        return true;
    }
    if (s.clickCol == s.selCol) {
        const int from = s.clickRow > s.selRow ? s.selRow + 1 : s.clickRow + 1;
        const int to = s.clickRow > s.selRow ? s.clickRow - 1 : s.selRow - 1;
        for (int k = from; k <= to; ++k)
            if (!visit(k, s.clickCol))
                break;
        return true;
    }
    return false;
}

bool chariotAllowed(const Board& board, const Step& s) {
    std::uint8_t blockers = 0;
    return countBetween(board, s, true, blockers) && blockers == 0;
}

bool cannonAllowed(const Board& board, const Step& s, std::uint8_t& screenCount) {
    if (!countBetween(board, s, false, screenCount))
        return false;
    const bool targetEmpty = board(s.clickRow, s.clickCol) == kEmpty;
    return (targetEmpty && screenCount == 0) || (!targetEmpty && screenCount == 1);
}

bool redSoldierAllowed(const Step& s) {
    return (s.dR() == -1 && s.dC() == 0) || (s.selRow < 5 && s.dR() == 0 && std::abs(s.dC()) == 1);
}

bool blackSoldierAllowed(const Step& s) {
    return (s.dR() == 1 && s.dC() == 0) || (s.selRow > 4 && s.dR() == 0 && std::abs(s.dC()) == 1);
}
} // namespace

bool MoveAllowed(const Board& board, std::uint8_t selPiece, int selRow, int selCol, int clickRow,
                 int clickCol, std::uint8_t& screenCount) {
    const Step s{selRow, selCol, clickRow, clickCol};
    switch (selPiece) {
    case kRedKing:
        return s.straightOne() && inRedPalace(s);
    case kBlackKing:
        return s.straightOne() && inBlackPalace(s);
    case kRedAdvisor:
        return s.diagonalOne() && inRedPalace(s);
    case kBlackAdvisor:
        return s.diagonalOne() && inBlackPalace(s);
    case kRedElephant:
        return s.diagonalTwo() && clickRow > 4 && eyeIsFree(board, s);
    case kBlackElephant:
        return s.diagonalTwo() && clickRow < 5 && eyeIsFree(board, s);
    case kRedHorse:
    case kBlackHorse:
        return horseAllowed(board, s);
    case kRedChariot:
    case kBlackChariot:
        return chariotAllowed(board, s);
    case kRedCannon:
    case kBlackCannon:
        return cannonAllowed(board, s, screenCount);
    case kRedSoldier:
        return redSoldierAllowed(s);
    case kBlackSoldier:
        return blackSoldierAllowed(s);
    default:
        return false;
    }
}

} // namespace xiangqi
