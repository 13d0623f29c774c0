#include "BareWindow.h"

namespace bench {

BareWindow::BareWindow() {
    auto* client = new QWidget(this);
    client->setFixedSize(kClientWidth, kClientHeight);
    setCentralWidget(client);
}

} // namespace bench
