// The CPU cost of a move and of a take-back in the game's real window, against the same clicks
// on the bare window, with what each move repaints. Without arguments it launches itself in
// turn for the game and the bare window (offscreen), each at 100 % and at 200 %
// (QT_SCALE_FACTOR=2), and prints the results; it fails when a move repaints the whole board.
//
// Usage: bench-move [game|bare|game-200|bare-200 [report]]
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
// The variants' suffix for 200 %.
const std::string kAt200 = "-200";

int compare() {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    bench::InterleavedRuns runs({"game", "bare", "game" + kAt200, "bare" + kAt200});
    if (!runs.run(kLaunches)) {
        std::fprintf(stderr, "bench-move: a launch failed\n");
        return 1;
    }
    // The goals are for a move; a take-back is mostly Qt drawing the pressed button twice.
    using Kind = bench::Goal::Kind;
    bench::ResultRow("CPU per move (median)", "µs", {Kind::MaxValue, 60})
        .print(runs.samples("game", "move"), runs.samples("bare", "move"));
    bench::ResultRow("CPU per take-back (median)", "µs", {})
        .print(runs.samples("game", "take-back"), runs.samples("bare", "take-back"));
    bench::ResultRow("CPU per move at 200 % (median, both at 200 %)", "µs", {Kind::MaxValue, 100})
        .print(runs.samples("game" + kAt200, "move"), runs.samples("bare" + kAt200, "move"));
    bench::ResultRow("CPU per take-back at 200 % (median, both at 200 %)", "µs", {})
        .print(runs.samples("game" + kAt200, "take-back"),
               runs.samples("bare" + kAt200, "take-back"));
    return 0;
}

bool at200(const std::string& variant) {
    return variant.ends_with(kAt200);
}

std::unique_ptr<bench::ClickTarget> makeTarget(const std::string& variant) {
    if (variant.starts_with("bare"))
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
    const std::string variant = argv[1];
    if (at200(variant))
        qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    const auto target = makeTarget(variant);
    target->window()->show();
    if (!QTest::qWaitForWindowExposed(target->window()))
        return 1;
    QCoreApplication::processEvents();
    bench::MoveBench bench(*target);
    const bool passed = bench.run();
    if (argc > 2)
        bench.printPaints(
            QString::fromLatin1(variant.starts_with("bare") ? "Bare window" : "Game") +
            QString::fromLatin1(at200(variant) ? " at 200 %" : ""));
    if (!passed)
        return 1;
    bench.printFigures();
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    return argc > 1 ? launch(argc, argv) : compare();
}
