#pragma once

#include "BareWindow.h"
#include "ClickTarget.h"

namespace bench {

// The bare window, clicked where the game has its board points and take-back button; nothing
// in it answers the clicks.
class BareTarget : public ClickTarget {
public:
    QWidget* window() override { return &window_; }
    ClickSpot point(int cell) override;
    ClickSpot takeBack() override;
    QRect boardInWindow() override;
    QString check(int) override { return {}; }

private:
    BareWindow window_;
};

} // namespace bench
