#include "StatusLabel.h"

#include <QPainter>

namespace xiangqi {

StatusLabel::StatusLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void StatusLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics metrics(font());
    const int lineHeight = QFontInfo(font()).pixelSize();
    int top = 0;
    for (const QChar ch : text()) {
        if (ch.isSpace())
            continue;
        const QRect line(0, top, metrics.horizontalAdvance(ch), lineHeight);
        painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, QString(ch));
        top += lineHeight;
    }
}

} // namespace xiangqi
