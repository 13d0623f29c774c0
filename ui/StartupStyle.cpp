#include "StartupStyle.h"

#include <QGroupBox>
#include <QIconEngine>
#include <QImageReader>
#include <QPointer>
#include <QStyleOption>
#include <functional>
#include <qdrawutil.h>

namespace xiangqi {

namespace {
const QString kFusionGroupBoxFrame =
    QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png");

// An icon that is read the first time anything about it is asked.
class DeferredIconEngine : public QIconEngine {
public:
    explicit DeferredIconEngine(std::function<QIcon()> read) : read_(std::move(read)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    bool isNull() override { return icon().isNull(); }
    QString key() const override { return QStringLiteral("DeferredIconEngine"); }
    QIconEngine* clone() const override { return new DeferredIconEngine(*this); }

private:
    QIcon& icon() {
        if (read_) {
            icon_ = read_();
            read_ = nullptr;
        }
        return icon_;
    }

    std::function<QIcon()> read_;
    QIcon icon_;
};
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
