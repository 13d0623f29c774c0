#pragma once

#include <QMainWindow>

namespace bench {

// The baseline every figure is compared with: a plain main window whose central widget has the
// game's client size, 686 × 581, and nothing else: no menu bar, no controls, no title, no icon.
// It is built here with the same compiler flags as the game.
class BareWindow : public QMainWindow {
    Q_OBJECT

public:
    static constexpr int kClientWidth = 686;
    static constexpr int kClientHeight = 581;

    BareWindow();
};

} // namespace bench
