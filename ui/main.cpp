#include "ChineseUi.h"
#include "StartupStyle.h"
#include "frmMain.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(XIANGQI_VERSION));
    QApplication::setStyle(new xiangqi::StartupStyle);
    xiangqi::installChineseUi(app);
    xiangqi::frmMain window;
    window.show();
    return QApplication::exec();
}
