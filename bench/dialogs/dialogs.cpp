// The memory a long session leaves behind in dialogs: the game's window opens and closes each of
// its dialogs (the question, the message, the Save-As dialog and the about box) 1,000 times,
// through the same calls the game makes, and the resident memory is read before and after. Run
// it in an X server (bench/run.sh starts one), the platform users have.
//
// Usage: bench-dialogs [OPENINGS]
#include "ChineseUi.h"
#include "DialogCloser.h"
#include "ResultRow.h"
#include "StartupStyle.h"
#include "frmMain.h"

#include <QApplication>
#include <QFile>
#include <QTest>
#include <cstdio>
#include <functional>
#include <string>

namespace {

constexpr int kDefaultOpenings = 1000;
// The first openings build what every later one reuses: fonts, glyphs, style pictures.
constexpr int kWarmUpOpenings = 20;
constexpr double kGoalMiB = 1;

struct Dialog {
    const char* name;
    std::function<void(xiangqi::frmMain&)> open;
};

double residentMiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
    return 0;
}

// Opens the dialog `count` times and returns the growth of resident memory in MiB.
double growthOver(const Dialog& dialog, xiangqi::frmMain& window, int count) {
    for (int i = 0; i < kWarmUpOpenings; ++i)
        dialog.open(window);
    QCoreApplication::processEvents();
    const double before = residentMiB();
    for (int i = 0; i < count; ++i)
        dialog.open(window);
    QCoreApplication::processEvents();
    const double after = residentMiB();
    std::fprintf(stderr, "%s: %.1f MiB before, %.1f MiB after %d openings\n", dialog.name, before,
                 after, count);
    return after - before;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const int openings = argc > 1 ? std::atoi(argv[1]) : kDefaultOpenings;
    QApplication::setStyle(new xiangqi::StartupStyle);
    xiangqi::installChineseUi(app);
    xiangqi::frmMain window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    bench::DialogCloser closer;

    using xiangqi::MessageButtons;
    const Dialog dialogs[] = {
        {"question box", [](auto& w) { w.messageBox("是否放弃本局?", MessageButtons::YesNo); }},
        {"message box", [](auto& w) { w.messageBox("保存完毕。", MessageButtons::Ok); }},
        {"Save-As dialog",
         [](auto& w) { w.showSaveDialog("Tovan 中国象棋存盘文件(*.tvq)|*.tvq"); }},
        {"about box", [](auto& w) { w.showAboutDialog(); }},
    };
    bool met = true;
    for (const Dialog& dialog : dialogs) {
        bench::Samples growth;
        growth.add(growthOver(dialog, window, openings) * kDefaultOpenings / openings);
        const bench::ResultRow row(std::string("memory growth per 1,000 openings: ") + dialog.name,
                                   "MiB", {bench::Goal::Kind::MaxValue, kGoalMiB});
        met = row.printAlone(growth) && met;
    }
    return met ? 0 : 1;
}
