#include "StatusLabel.h"

#include "StatusAccessible.h"

#include <QAccessible>
#include <QEvent>
#include <QPainter>

namespace xiangqi {

StatusLabel::StatusLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setAttribute(Qt::WA_OpaquePaintEvent);
    QAccessible::installFactory(&WidgetWithPartsAccessible::create<StatusLabel, StatusAccessible>);
}

// Each announcement shows the notification anew, which is what a screen reader speaks.
void StatusLabel::announce(const QString& text) {
    announcement_ = text;
    QAccessibleInterface* status = QAccessible::queryAccessibleInterface(this);
    QAccessibleEvent shown(status->child(0), QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

void StatusLabel::paintEvent(QPaintEvent*) {
    QPainter(this).drawPixmap(0, 0, drawing());
}

void StatusLabel::changeEvent(QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::FontChange || type == QEvent::PaletteChange || type == QEvent::StyleChange)
        drawings_.clear();
    QLabel::changeEvent(event);
}

void StatusLabel::resizeEvent(QResizeEvent* event) {
    drawings_.clear();
    QLabel::resizeEvent(event);
}

const QPixmap& StatusLabel::drawing() {
    QPixmap& drawing = drawings_[text()];
    if (drawing.isNull() || drawing.devicePixelRatio() != devicePixelRatioF())
        drawing = draw();
    return drawing;
}

// The drawing covers every device pixel the label touches: at a ratio such as 1.25 the label's
// last row can fall partly on a device pixel, which the label, painting all its pixels itself,
// would otherwise leave unpainted.
QPixmap StatusLabel::draw() const {
    QPixmap pixmap(qCeil(width() * devicePixelRatioF()), qCeil(height() * devicePixelRatioF()));
    pixmap.setDevicePixelRatio(devicePixelRatioF());
    pixmap.fill(palette().color(QPalette::Window));
    QPainter painter(&pixmap);
    drawText(painter);
    return pixmap;
}

void StatusLabel::drawText(QPainter& painter) const {
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setFont(font());
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
