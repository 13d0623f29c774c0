#pragma once

#include "ClickTarget.h"
#include "LongGame.h"
#include "PaintLog.h"
#include "PaintTally.h"
#include "Samples.h"

namespace bench {

// Plays a long game on a window by clicks and takes every move back, timing the CPU each move
// and each take-back costs, from the first mouse press to the last repaint it causes, and
// watching what each repaints. A move is two clicks, each followed by the frame it brings;
// a take-back is one click on the take-back button.
class MoveBench {
public:
    static constexpr int kMoves = 992;

    explicit MoveBench(ClickTarget& target) : target_(target) {}

    // False when a move repainted the whole board or the game went wrong; says why on stderr.
    bool run();
    // Prints the figures on stdout ("= NAME VALUE", in microseconds).
    void printFigures() const;
    // Prints on stderr what the moves and take-backs in window `name` repainted.
    void printPaints(const QString& name) const;

private:
    double timedMove(const Move& move);
    double timedTakeBack();
    void click(ClickSpot spot);
    bool checkPaints(const char* what, int number, PaintTally& tally);

    ClickTarget& target_;
    PaintLog log_;
    Samples moves_;
    Samples takeBacks_;
    PaintTally movePaints_;
    PaintTally takeBackPaints_;
};

} // namespace bench
