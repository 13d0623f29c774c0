#include "PaintLog.h"

#include <QCoreApplication>
#include <QPaintEvent>
#include <QWidget>

namespace bench {

PaintLog::PaintLog() {
    paints_.reserve(32);
    QCoreApplication::instance()->installEventFilter(this);
}

PaintLog::~PaintLog() {
    QCoreApplication::instance()->removeEventFilter(this);
}

void PaintLog::arm() {
    paints_.clear();
    armed_ = true;
}

const std::vector<PaintLog::Paint>& PaintLog::disarm() {
    armed_ = false;
    return paints_;
}

bool PaintLog::eventFilter(QObject* watched, QEvent* event) {
    if (armed_ && event->type() == QEvent::Paint && watched->isWidgetType())
        paints_.push_back(
            {static_cast<QWidget*>(watched), static_cast<QPaintEvent*>(event)->region()});
    return false;
}

} // namespace bench
