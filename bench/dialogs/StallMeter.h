#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

namespace bench {

// How long the event loop stops answering: a timer asks to run every millisecond, and the
// longest wait between two of its runs is the longest stall, as a user feels it.
class StallMeter : public QObject {
    Q_OBJECT

public:
    explicit StallMeter(QObject* parent = nullptr);

    // The longest wait since the meter was made or last restarted, in milliseconds.
    qint64 longest() const { return longest_; }
    void restart();

private:
    void tick();

    QTimer timer_;
    QElapsedTimer clock_;
    qint64 last_ = 0;
    qint64 longest_ = 0;
};

} // namespace bench
