#pragma once

#include <QFont>
#include <QLabel>

namespace xiangqi {

// The title, whose text mixes Latin letters and Chinese characters: the letters are drawn in
// the label's font, the Chinese characters in a font of their own, on one baseline and from the
// label's top-left corner, as a Windows label draws Tahoma text with Chinese in it. Each font
// names a single family: for a font naming several, Qt has fontconfig sort every font of the
// system to complete the list.
class TitleLabel : public QLabel {
    Q_OBJECT

public:
    TitleLabel(const QString& text, const QFont& font, const QFont& chineseFont, QWidget* parent);

    const QFont& chineseFont() const { return chineseFont_; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Run {
        QString text;
        bool chinese;
    };
    struct Extent {
        qreal ascent;
        qreal descent;
    };
    QList<Run> runs() const;
    const QFont& fontOf(const Run& run) const;
    Extent verticalExtent(const QList<Run>& all) const;

    QFont chineseFont_;
};

} // namespace xiangqi
