#include "StallMeter.h"

#include <algorithm>

namespace bench {

StallMeter::StallMeter(QObject* parent) : QObject(parent) {
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(1);
    connect(&timer_, &QTimer::timeout, this, &StallMeter::tick);
    clock_.start();
    timer_.start();
}

void StallMeter::restart() {
    last_ = clock_.elapsed();
    longest_ = 0;
}

void StallMeter::tick() {
    const qint64 now = clock_.elapsed();
    longest_ = std::max(longest_, now - last_);
    last_ = now;
}

} // namespace bench
