#pragma once

#include <QLabel>

namespace xiangqi {

// The status label: its text wraps after every character, so "黑 行" stands as a column, one
// character above the other. Lines are one em apart, as in the square Chinese system fonts,
// so two lines of the 42 point font fit the label's height whatever the font's own spacing.
class StatusLabel : public QLabel {
    Q_OBJECT

public:
    StatusLabel(const QString& text, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace xiangqi
