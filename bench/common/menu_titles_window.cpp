// A reference for the start-up figure: the bare window with nothing added but the game's two
// Chinese menu titles, its style and its fonts, set up as the game sets them up. It shows what
// any Chinese text costs a bare window to start, before any of the game's own window.
#include "BareWindow.h"
#include "ChineseUi.h"
#include "StartupStyle.h"

#include <QApplication>
#include <QMenuBar>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle(new xiangqi::StartupStyle);
    xiangqi::installChineseUi(app);
    bench::BareWindow window;
    window.menuBar()->addMenu(QStringLiteral("中国象棋(&C)"));
    window.menuBar()->addMenu(QStringLiteral("帮助(&H)"));
    window.show();
    return QApplication::exec();
}
