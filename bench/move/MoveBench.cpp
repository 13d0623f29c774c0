#include "MoveBench.h"

#include "CpuClock.h"
#include "PaintSummary.h"

#include <QCoreApplication>
#include <QTest>
#include <cstdio>

namespace bench {

bool MoveBench::run() {
    const std::vector<Move> game = longGame(kMoves);
    for (int k = 0; k < kMoves; ++k) {
        moves_.add(timedMove(game[static_cast<std::size_t>(k)]));
        if (!checkPaints("move", k + 1, movePaints_))
            return false;
    }
    for (int k = kMoves; k > 0; --k) {
        takeBacks_.add(timedTakeBack());
        if (!checkPaints("take-back of move", k, takeBackPaints_))
            return false;
    }
    const QString wrong = target_.check(0);
    if (!wrong.isEmpty())
        std::fprintf(stderr, "the long game went wrong: %s\n", qPrintable(wrong));
    return wrong.isEmpty();
}

void MoveBench::printFigures() const {
    std::printf("= move %.3f\n= move-mean %.3f\n", moves_.median(), moves_.mean());
    std::printf("= take-back %.3f\n= take-back-mean %.3f\n", takeBacks_.median(),
                takeBacks_.mean());
}

void MoveBench::printPaints(const QString& name) const {
    movePaints_.print(QStringLiteral("%1: paint events of a move (widget, bounding size of the "
                                     "painted region), over %2 moves:")
                          .arg(name)
                          .arg(kMoves));
    takeBackPaints_.print(QStringLiteral("%1: paint events of a take-back:").arg(name));
}

// Where to click is looked up before the clock starts.
double MoveBench::timedMove(const Move& move) {
    const ClickSpot from = target_.point(move.from);
    const ClickSpot to = target_.point(move.to);
    log_.arm();
    const double start = processCpuMicroseconds();
    click(from);
    click(to);
    return processCpuMicroseconds() - start;
}

double MoveBench::timedTakeBack() {
    const ClickSpot button = target_.takeBack();
    log_.arm();
    const double start = processCpuMicroseconds();
    click(button);
    return processCpuMicroseconds() - start;
}

// Press and release, each followed by the frame it brings, as the event loop would.
void MoveBench::click(ClickSpot spot) {
    QTest::mousePress(spot.widget, Qt::LeftButton, {}, spot.pos);
    QCoreApplication::processEvents();
    QTest::mouseRelease(spot.widget, Qt::LeftButton, {}, spot.pos);
    QCoreApplication::processEvents();
}

bool MoveBench::checkPaints(const char* what, int number, PaintTally& tally) {
    const PaintSummary summary(log_.disarm(), target_.boardInWindow());
    tally.add(summary.text());
    if (!summary.coversBoard())
        return true;
    std::fprintf(stderr, "FULL-BOARD REPAINT at %s %d: %s\n", what, number,
                 qPrintable(summary.text()));
    return false;
}

} // namespace bench
