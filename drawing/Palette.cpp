#include "Palette.h"

#include <stdexcept>

namespace xiangqi::drawing {

namespace {

int mix(int from, int to, int step, int steps) {
    return from + (to - from) * step / (steps + 1);
}

} // namespace

Palette& Palette::add(QRgb colour) {
    colours_.append(colour);
    return *this;
}

Palette& Palette::addBlends(QRgb from, QRgb to, int steps) {
    for (int step = 1; step <= steps; ++step) {
        add(qRgb(mix(qRed(from), qRed(to), step, steps), mix(qGreen(from), qGreen(to), step, steps),
                 mix(qBlue(from), qBlue(to), step, steps)));
    }
    return *this;
}

QList<QRgb> Palette::table(int tableSize) const {
    if (colours_.isEmpty() || colours_.size() > tableSize) {
        throw std::logic_error("palette does not fit its colour table");
    }
    QList<QRgb> padded = colours_;
    padded.resize(tableSize, colours_.first());
    return padded;
}

QImage Palette::quantise(const QImage& image, int tableSize) const {
    return image.convertToFormat(QImage::Format_Indexed8, table(tableSize));
}

} // namespace xiangqi::drawing
