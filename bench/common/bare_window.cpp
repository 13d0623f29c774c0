// The baseline program of the start-up and memory figures: the bare window, shown.
#include "BareWindow.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    bench::BareWindow window;
    window.show();
    return QApplication::exec();
}
