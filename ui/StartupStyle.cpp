#include "StartupStyle.h"

#include "DeferredIconEngine.h"

#include <QGroupBox>
#include <QImageReader>
#include <QPointer>
#include <QStyleOption>
#include <qdrawutil.h>

namespace xiangqi {

namespace {
const QString kFusionGroupBoxFrame =
    QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png");
} // namespace

void StartupStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const {
    if (element == PE_FrameGroupBox &&
        baseStyle()->name().compare(QStringLiteral("fusion"), Qt::CaseInsensitive) == 0 &&
        !fusionGroupBoxFrame().isNull())
        drawFusionGroupBoxFrame(*option, *painter, widget);
    else
        QProxyStyle::drawPrimitive(element, option, painter, widget);
}

// Fusion's own drawing of the frame, from its own picture.
void StartupStyle::drawFusionGroupBoxFrame(const QStyleOption& option, QPainter& painter,
                                           const QWidget* widget) const {
    const int groupBoxTopMargin = 3;
    const auto* box = qobject_cast<const QGroupBox*>(widget);
    int topMargin = groupBoxTopMargin;
    if (!box || box->isCheckable() || !box->title().isEmpty())
        topMargin += std::max(baseStyle()->pixelMetric(PM_ExclusiveIndicatorHeight),
                              option.fontMetrics.height());
    qDrawBorderPixmap(&painter, option.rect.adjusted(0, topMargin, 0, 0), QMargins(6, 6, 6, 6),
                      fusionGroupBoxFrame());
}

const QPixmap& StartupStyle::fusionGroupBoxFrame() const {
    if (fusionGroupBoxFrame_.isNull()) {
        QImageReader reader(kFusionGroupBoxFrame, "png");
        reader.setAutoDetectImageFormat(false);
        fusionGroupBoxFrame_ = QPixmap::fromImage(reader.read());
    }
    return fusionGroupBoxFrame_;
}

QIcon StartupStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                 const QWidget* widget) const {
    if (icon != SP_ToolBarHorizontalExtensionButton || option)
        return QProxyStyle::standardIcon(icon, option, widget);
    // The styles draw this icon alike for every widget.
    QPointer<QStyle> style(baseStyle());
    return QIcon(new DeferredIconEngine(
        [style, icon] { return style ? style->standardIcon(icon) : QIcon(); }));
}

} // namespace xiangqi
