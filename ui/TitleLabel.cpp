#include "TitleLabel.h"

#include <QPainter>
#include <algorithm>

namespace xiangqi {

TitleLabel::TitleLabel(const QString& text, const QFont& font, const QFont& chineseFont,
                       QWidget* parent)
    : QLabel(text, parent), chineseFont_(chineseFont) {
    setFont(font);
}

QSize TitleLabel::sizeHint() const {
    const QList<Run> all = runs();
    qreal width = 0;
    for (const Run& run : all)
        width += QFontMetricsF(fontOf(run)).horizontalAdvance(run.text);
    const Extent extent = verticalExtent(all);
    return QSize(qCeil(width), qCeil(extent.ascent + extent.descent)).grownBy(contentsMargins());
}

QSize TitleLabel::minimumSizeHint() const {
    return sizeHint();
}

void TitleLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    const QList<Run> all = runs();
    QPointF origin(contentsRect().left(), contentsRect().top() + verticalExtent(all).ascent);
    for (const Run& run : all) {
        painter.setFont(fontOf(run));
        painter.drawText(origin, run.text);
        origin.rx() += QFontMetricsF(fontOf(run)).horizontalAdvance(run.text);
    }
}

// The text cut where it changes between Chinese characters and the rest.
QList<TitleLabel::Run> TitleLabel::runs() const {
    QList<Run> runs;
    const QString label = text();
    qsizetype start = 0;
    for (qsizetype i = 1; i <= label.size(); ++i) {
        const bool chinese = label.at(start).script() == QChar::Script_Han;
        if (i == label.size() || (label.at(i).script() == QChar::Script_Han) != chinese) {
            runs.append({label.mid(start, i - start), chinese});
            start = i;
        }
    }
    return runs;
}

const QFont& TitleLabel::fontOf(const Run& run) const {
    return run.chinese ? chineseFont_ : font();
}

// All runs stand on one baseline. As in a label whose font lists both families, a run of
// Chinese characters is as tall as both fonts, any other run as tall as the label's font.
TitleLabel::Extent TitleLabel::verticalExtent(const QList<Run>& all) const {
    const QFontMetricsF latin(font());
    Extent extent{latin.ascent(), latin.descent()};
    if (std::any_of(all.begin(), all.end(), [](const Run& run) { return run.chinese; })) {
        const QFontMetricsF chinese(chineseFont_);
        extent.ascent = std::max(extent.ascent, chinese.ascent());
        extent.descent = std::max(extent.descent, chinese.descent());
    }
    return extent;
}

} // namespace xiangqi
