// Whether a screenshot shows the board of a new game pixel for pixel as the program draws it on a
// screen of this platform's device pixel ratio (on the offscreen platform, QT_SCALE_FACTOR's).
// Usage: find_board <screenshot.png> [<background RRGGBB> [<framed point>]]; exits with 0 when it
// does. The background shows between the pictures (the window's own colour unless given); the
// framed point (0 to 89) shows the frame of a selected point. The Windows program's board is
// looked for so, in its system's face colour.
#include "BoardPoints.h"
#include "ChineseUi.h"
#include "StartupStyle.h"
#include "frmMain.h"

#include <QApplication>
#include <QImage>
#include <cstdio>
#include <cstring>

namespace {
// The window is set up as the program sets it up.
QImage startingBoard(QApplication& app, const QStringList& arguments) {
    QApplication::setStyle(new xiangqi::StartupStyle);
    xiangqi::installChineseUi(app);
    if (arguments.size() > 2) {
        QPalette palette = QApplication::palette();
        palette.setColor(QPalette::Window, QColor(QLatin1Char('#') + arguments.at(2)));
        QApplication::setPalette(palette);
    }
    xiangqi::frmMain window;
    window.show();
    auto* board = window.findChild<xiangqi::BoardPoints*>(QStringLiteral("Image1"));
    if (arguments.size() > 3)
        board->setFramed(arguments.at(3).toInt(), true);
    return board->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

bool showsAt(const QImage& shot, const QImage& board, int x, int y) {
    for (int row = 0; row < board.height(); ++row)
        if (std::memcmp(shot.constScanLine(y + row) + x * 4, board.constScanLine(row),
                        static_cast<size_t>(board.bytesPerLine())) != 0)
            return false;
    return true;
}

bool shows(const QImage& shot, const QImage& board) {
    for (int y = 0; y + board.height() <= shot.height(); ++y)
        for (int x = 0; x + board.width() <= shot.width(); ++x)
            if (showsAt(shot, board, x, y))
                return true;
    return false;
}
} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 2 || argc > 4)
        return 2;
    const QImage board = startingBoard(app, QApplication::arguments());
    if (shows(QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_RGB32), board))
        return 0;
    std::fprintf(stderr, "the board of %d x %d pixels is nowhere on the screen\n", board.width(),
                 board.height());
    return 1;
}
