#pragma once

#include "ClickTarget.h"
#include "frmMain.h"

namespace bench {

// The game's main window, with its real board points and take-back button.
class GameTarget : public ClickTarget {
public:
    GameTarget();

    QWidget* window() override { return &window_; }
    ClickSpot point(int cell) override;
    ClickSpot takeBack() override;
    QRect boardInWindow() override;
    QString check(int moves) override;

private:
    xiangqi::frmMain window_;
};

} // namespace bench
