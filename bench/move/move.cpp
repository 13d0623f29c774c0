// The CPU cost of a move and of a take-back in the game's real window, against the same clicks
// on the bare window, with what each move repaints. Without arguments it launches itself in
// turn for the game and the bare window (offscreen) and prints the results; it fails when a
// move repaints the whole board.
//
// Usage: bench-move [game|bare [report]]
#include "BareTarget.h"
#include "ChineseUi.h"
#include "GameTarget.h"
#include "InterleavedRuns.h"
#include "MoveBench.h"
#include "ResultRow.h"
#include "StartupStyle.h"

#include <QApplication>
#include <QTest>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

constexpr int kLaunches = 15;

int compare() {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    bench::InterleavedRuns runs("game", "bare");
    if (!runs.run(kLaunches)) {
        std::fprintf(stderr, "bench-move: a launch failed\n");
        return 1;
    }
    // The goal is for a move; a take-back is mostly Qt drawing the pressed button twice.
    bench::ResultRow("CPU per move (median)", "µs", {bench::Goal::Kind::MaxValue, 60})
        .print(runs.samples("game", "move"), runs.samples("bare", "move"));
    bench::ResultRow("CPU per take-back (median)", "µs", {})
        .print(runs.samples("game", "take-back"), runs.samples("bare", "take-back"));
    return 0;
}

std::unique_ptr<bench::ClickTarget> makeTarget(const std::string& variant) {
    if (variant == "bare")
        return std::make_unique<bench::BareTarget>();
    QApplication::setStyle(new xiangqi::StartupStyle);
    xiangqi::installChineseUi(*qApp);
    return std::make_unique<bench::GameTarget>();
}

// The offscreen platform cannot pass a fixed-size window's size hints on, and says so; that is
// of no concern here.
QtMessageHandler standardHandler = nullptr;

void quietSizeHints(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (!message.contains(QStringLiteral("propagateSizeHints")))
        standardHandler(type, context, message);
}

int launch(int argc, char* argv[]) {
    standardHandler = qInstallMessageHandler(quietSizeHints);
    QApplication app(argc, argv);
    const auto target = makeTarget(argv[1]);
    target->window()->show();
    if (!QTest::qWaitForWindowExposed(target->window()))
        return 1;
    QCoreApplication::processEvents();
    bench::MoveBench bench(*target);
    const bool passed = bench.run();
    if (argc > 2)
        bench.printPaints(QString::fromLatin1(argv[1]) == QStringLiteral("bare")
                              ? QStringLiteral("Bare window")
                              : QStringLiteral("Game"));
    if (!passed)
        return 1;
    bench.printFigures();
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    return argc > 1 ? launch(argc, argv) : compare();
}
