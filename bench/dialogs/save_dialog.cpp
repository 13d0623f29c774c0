// How long the window stops answering while the Save-As dialog shows a folder of 100,000 records,
// and a folder of 1,000 links to a record beside one of 1,000 records.
// The game's window opens its dialog through the call the game makes. In a "typed" launch the
// folder's path is typed into the name field (the dialog completes it, reading the folder) and
// Return browses into it, as tests/xvfb/save_dialog_special_files.sh does. In a "chosen" launch
// the dialog goes to the folder before it has read it, as when the folder is double-clicked in
// its list or picked from its history: then Qt's file model sorts it as it reads it. The "links"
// and "files" launches choose the folder of links and the one of as many records. Each launch
// is a new program. Run it in an X server (bench/run.sh starts one), the platform users have.
//
// Usage: bench-save-dialog [LAUNCHES]
#include "ChineseUi.h"
#include "InterleavedRuns.h"
#include "ResultRow.h"
#include "StallMeter.h"
#include "StartupStyle.h"
#include "frmMain.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr int kDefaultLaunches = 8;
constexpr int kRecords = 100000;
constexpr int kLinks = 1000;
// The dialog lists and sorts a folder within moments of having read it; after that the window
// is idle.
constexpr int kSettleMs = 2000;
constexpr int kReadMs = 60000;
// Where the launches find the folders that the first program makes: "records" for the typed and
// chosen launches, the others named after the variant that shows them.
constexpr char kFolderVariable[] = "BENCH_SAVE_DIALOG_FOLDER";

QString recordName(const QString& folder, int record) {
    return folder + QStringLiteral("/%1.tvq").arg(record, 6, 10, QLatin1Char('0'));
}

bool makeRecords(const QString& folder, int count) {
    if (!QDir().mkpath(folder))
        return false;
    for (int record = 1; record <= count; ++record) {
        QFile file(recordName(folder, record));
        if (!file.open(QIODevice::WriteOnly))
            return false;
    }
    return true;
}

// Links named as records, each to the one record beside their folder.
bool makeLinks(const QString& folder, const QString& target, int count) {
    if (!QDir().mkpath(folder) || !QFile(target).open(QIODevice::WriteOnly))
        return false;
    for (int link = 1; link <= count; ++link)
        if (!QFile::link(target, recordName(folder, link)))
            return false;
    return true;
}

bool makeFolders(const QString& parent) {
    return makeRecords(parent + QStringLiteral("/records"), kRecords) &&
           makeLinks(parent + QStringLiteral("/links"), parent + QStringLiteral("/target.tvq"),
                     kLinks) &&
           makeRecords(parent + QStringLiteral("/files"), kLinks);
}

double seconds(qint64 milliseconds) {
    return double(milliseconds) / 1000;
}

// Waits until the dialog has read the folder and the window has settled; false if it never did.
bool settleAfterReading(const bool& read) {
    const bool done = QTest::qWaitFor([&] { return read; }, kReadMs);
    QTest::qWait(kSettleMs);
    return done;
}

// Prints the longest stall of each step of the launch; false when the folder was never read.
bool measure(QFileDialog& dialog, const QString& folder, bool typed, bench::StallMeter& meter) {
    bool read = false;
    const QObject whileMeasuring;
    QObject::connect(dialog.findChild<QFileSystemModel*>(), &QFileSystemModel::directoryLoaded,
                     &whileMeasuring, [&](const QString& path) { read = read || path == folder; });
    if (!typed) {
        meter.restart();
        dialog.setDirectory(folder);
        const bool done = settleAfterReading(read);
        std::printf("= chosen %.3f\n", seconds(meter.longest()));
        return done;
    }
    auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    meter.restart();
    QTest::keyClicks(name, folder + QLatin1Char('/'));
    const bool done = settleAfterReading(read);
    std::printf("= typed %.3f\n", seconds(meter.longest()));
    meter.restart();
    QTest::keyClick(name, Qt::Key_Return);
    QTest::qWait(kSettleMs);
    std::printf("= browsed %.3f\n", seconds(meter.longest()));
    return done;
}

// Qt keeps what its file dialogs last showed in a configuration file; each launch has one of its
// own, so every dialog starts alike.
int launch(int argc, char* argv[], const QString& variant) {
    QTemporaryDir configuration;
    qputenv("XDG_CONFIG_HOME", configuration.path().toLocal8Bit());
    QApplication app(argc, argv);
    QApplication::setStyle(new xiangqi::StartupStyle);
    xiangqi::installChineseUi(app);
    const bool typed = variant == QStringLiteral("typed");
    const bool ofRecords = typed || variant == QStringLiteral("chosen");
    const QString folder = qEnvironmentVariable(kFolderVariable) + QLatin1Char('/') +
                           (ofRecords ? QStringLiteral("records") : variant);
    xiangqi::frmMain window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    bool measured = false;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            poll.stop();
            bench::StallMeter meter;
            measured = measure(*dialog, folder, typed, meter);
            dialog->reject();
        }
    });
    poll.start();
    window.showSaveDialog("Tovan 中国象棋存盘文件(*.tvq)|*.tvq");
    return measured ? 0 : 1;
}

void printRow(const char* figure, const bench::Samples& samples) {
    bench::ResultRow(figure, "s", {bench::Goal::Kind::None, 0}).printAlone(samples);
    std::fprintf(stderr, "  %s:", figure);
    for (const double value : samples.values())
        std::fprintf(stderr, " %.3f", value);
    std::fprintf(stderr, " s\n");
}

int compare(int launches) {
    QTemporaryDir folder;
    if (!folder.isValid() || !makeFolders(folder.path()))
        return 1;
    qputenv(kFolderVariable, folder.path().toLocal8Bit());
    bench::InterleavedRuns runs({"typed", "chosen", "links", "files"});
    if (!runs.run(launches)) {
        std::fprintf(stderr, "bench-save-dialog: a launch failed\n");
        return 1;
    }
    std::fprintf(stderr, "Save-As dialog, the longest stall of each launch:\n");
    printRow("longest stall, a folder of 100,000 records typed into the Save-As dialog",
             runs.samples("typed", "typed"));
    printRow("longest stall, browsing into it", runs.samples("typed", "browsed"));
    printRow("longest stall, the folder chosen in the dialog before it has read it",
             runs.samples("chosen", "chosen"));
    printRow("longest stall, a folder of 1,000 links to a record chosen in the dialog",
             runs.samples("links", "chosen"));
    printRow("longest stall, a folder of 1,000 records chosen in the dialog",
             runs.samples("files", "chosen"));
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    const std::string variant = argc > 1 ? argv[1] : "";
    if (variant == "typed" || variant == "chosen" || variant == "links" || variant == "files")
        return launch(argc, argv, QString::fromStdString(variant));
    return compare(argc > 1 ? std::atoi(argv[1]) : kDefaultLaunches);
}
