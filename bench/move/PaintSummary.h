#pragma once

#include "PaintLog.h"

#include <QRect>
#include <QString>
#include <vector>

namespace bench {

// What one move repainted, in words: each painted widget by name with the size of the painted
// region's bounding box, and its number of rectangles where there are several
// ("Image1 97×49 in 2 rects, Label2 57×113"); and whether any paint covered the whole board.
class PaintSummary {
public:
    PaintSummary(const std::vector<PaintLog::Paint>& paints, QRect boardInWindow);

    const QString& text() const { return text_; }
    bool coversBoard() const { return coversBoard_; }

private:
    static QString describe(const PaintLog::Paint& paint);
    static bool covers(const PaintLog::Paint& paint, QRect boardInWindow);

    QString text_;
    bool coversBoard_ = false;
};

} // namespace bench
