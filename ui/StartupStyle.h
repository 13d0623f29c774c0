#pragma once

#include <QPixmap>
#include <QProxyStyle>

namespace xiangqi {

// The application's style, drawing the same pixels, except that the window's first frame does
// not make Qt load every image-format plugin. Qt's styles read their pictures from image files,
// and to read one without being told its format Qt loads each plugin and asks it; that costs a
// fifth of what a bare window needs to start. Two pictures are asked for while the main window
// is built and first drawn: the frame of a group box under Fusion, which is read here with the
// PNG reader named, and the icon of the menu bar's overflow button, which this window's menus
// never need and which is read when first drawn.
class StartupStyle : public QProxyStyle {
public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;

private:
    void drawFusionGroupBoxFrame(const QStyleOption& option, QPainter& painter,
                                 const QWidget* widget) const;
    const QPixmap& fusionGroupBoxFrame() const;

    mutable QPixmap fusionGroupBoxFrame_;
};

} // namespace xiangqi
