#pragma once

#include <QHash>
#include <QLabel>
#include <QPixmap>

namespace xiangqi {

// The status label: its text wraps after every character, so "黑 行" stands as a column, one
// character above the other. Lines are one em apart, as in the square Chinese system fonts,
// so two lines of the 42 point font fit the label's height whatever the font's own spacing.
// The label paints every pixel of its own, the window's background behind the text, and draws
// each text it has shown once only: the big characters cost far more to draw than to copy, and
// the status changes with every move. Assistive technology sees the label as the window's status
// bar (StatusAccessible), through which the game's announcements reach a screen reader.
class StatusLabel : public QLabel {
    Q_OBJECT

public:
    StatusLabel(const QString& text, QWidget* parent);

    // Has a screen reader speak `text` now; nothing is drawn. Pre: QAccessible::isActive().
    void announce(const QString& text);
    QString announcement() const { return announcement_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    const QPixmap& drawing();
    QPixmap draw() const;
    void drawText(QPainter& painter) const;

    // The drawings of the texts shown so far, at the label's present size, font and colours.
    QHash<QString, QPixmap> drawings_;
    QString announcement_;
};

} // namespace xiangqi
