// The time to save a 999-move game record, against a bare QSaveFile writing the same bytes,
// into a folder in memory (/dev/shm, where flushing to disk costs nothing, so the figure is
// the program's own work) and into a folder on disk (the system's temporary folder, where the
// flush to disk that makes a save safe usually takes most of the time). Without arguments it
// launches itself in turn for the game's way and the bare way and prints the results.
//
// Usage: bench-save [record|bare memory|disk [report]]
#include "InterleavedRuns.h"
#include "ResultRow.h"
#include "SaveBench.h"

#include <QDir>
#include <QTemporaryDir>
#include <cstdio>
#include <cstring>

namespace {

constexpr int kLaunches = 10;

bool compareIn(const char* place, const char* figure, bench::Goal goal) {
    const std::string record = std::string("record-") + place;
    const std::string bare = std::string("bare-") + place;
    bench::InterleavedRuns runs({record, bare});
    if (!runs.run(kLaunches)) {
        std::fprintf(stderr, "bench-save: a launch failed\n");
        return false;
    }
    bench::ResultRow(figure, "ms", goal)
        .print(runs.samples(record, "save"), runs.samples(bare, "save"));
    return true;
}

int compare() {
    using Kind = bench::Goal::Kind;
    const bool saved =
        compareIn("memory", "saving 999 moves, folder in memory (median)", {Kind::MaxValue, 2}) &&
        compareIn("disk", "saving 999 moves, folder on disk (median)", {Kind::MaxValue, 2});
    return saved ? 0 : 1;
}

QString folderFor(const char* variant) {
    return std::strstr(variant, "memory") ? QStringLiteral("/dev/shm") : QDir::tempPath();
}

int launch(const char* variant, bool report) {
    QTemporaryDir folder(folderFor(variant) + QStringLiteral("/bench-save-XXXXXX"));
    if (!folder.isValid())
        return 1;
    if (report)
        std::fprintf(stderr, "%s saves into %s\n", variant, qPrintable(folder.path()));
    bench::SaveBench bench(folder.path());
    const bool saved = std::strncmp(variant, "record", 6) == 0 ? bench.runGame() : bench.runBare();
    if (!saved)
        return 1;
    std::printf("= save %.4f\n", bench.times().median());
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    return argc > 1 ? launch(argv[1], argc > 2) : compare();
}
