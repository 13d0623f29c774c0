#pragma once

#include <QPoint>
#include <QRect>
#include <QString>

class QWidget;

namespace bench {

// A place to click: a widget and a point in it.
struct ClickSpot {
    QWidget* widget = nullptr;
    QPoint pos;
};

// The window a move bench clicks on: where its board points and its take-back button are.
class ClickTarget {
public:
    virtual ~ClickTarget() = default;

    virtual QWidget* window() = 0;
    virtual ClickSpot point(int cell) = 0;
    virtual ClickSpot takeBack() = 0;
    // The board's rectangle in window coordinates.
    virtual QRect boardInWindow() = 0;
    // An empty text when the window went through `moves` moves as it should, else what is
    // wrong.
    virtual QString check(int moves) = 0;
};

} // namespace bench
