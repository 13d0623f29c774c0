#pragma once

#include <QObject>
#include <QRegion>
#include <vector>

class QWidget;

namespace bench {

// Records, while armed, every paint event of every widget: which widget, and the region it was
// asked to paint. It filters the events of the whole application, so none escapes it; it keeps
// the raw events only, so it adds next to nothing to the work it watches.
class PaintLog : public QObject {
    Q_OBJECT

public:
    struct Paint {
        QWidget* widget = nullptr;
        QRegion region;
    };

    PaintLog();
    ~PaintLog() override;

    void arm();
    // Stops recording; returns the paints since arm().
    const std::vector<Paint>& disarm();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool armed_ = false;
    std::vector<Paint> paints_;
};

} // namespace bench
