#include "PaintSummary.h"

#include <QWidget>

namespace bench {

PaintSummary::PaintSummary(const std::vector<PaintLog::Paint>& paints, QRect boardInWindow) {
    QStringList parts;
    for (const PaintLog::Paint& paint : paints) {
        parts << describe(paint);
        coversBoard_ = coversBoard_ || covers(paint, boardInWindow);
    }
    text_ = parts.isEmpty() ? QStringLiteral("nothing") : parts.join(QStringLiteral(", "));
}

QString PaintSummary::describe(const PaintLog::Paint& paint) {
    const QString name = paint.widget->objectName().isEmpty()
                             ? QString::fromLatin1(paint.widget->metaObject()->className())
                             : paint.widget->objectName();
    const QSize size = paint.region.boundingRect().size();
    QString text = QStringLiteral("%1 %2×%3").arg(name).arg(size.width()).arg(size.height());
    if (paint.region.rectCount() > 1)
        text += QStringLiteral(" in %1 rects").arg(paint.region.rectCount());
    return text;
}

// The painted region, taken to window coordinates, leaves no part of the board out.
bool PaintSummary::covers(const PaintLog::Paint& paint, QRect boardInWindow) {
    const QPoint offset = paint.widget->mapTo(paint.widget->window(), QPoint(0, 0));
    return QRegion(boardInWindow).subtracted(paint.region.translated(offset)).isEmpty();
}

} // namespace bench
