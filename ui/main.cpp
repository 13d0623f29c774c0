#include "ChineseUi.h"
#include "StartupStyle.h"
#include "frmMain.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(XIANGQI_VERSION));
    // On Wayland the window names its desktop entry, through which the desktop shows its icon.
    QApplication::setDesktopFileName(QStringLiteral(XIANGQI_APP_ID));
    QApplication::setStyle(new xiangqi::StartupStyle);
    xiangqi::installChineseUi(app);
    xiangqi::frmMain window;
    window.show();
    return QApplication::exec();
}
