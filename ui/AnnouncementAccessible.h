#pragma once

#include "WidgetPartAccessible.h"

namespace xiangqi {

class StatusLabel;

// The status label's announcements as assistive technology sees them: a notification, named by
// the last announcement, that reports itself shown for each new one. A screen reader speaks a
// notification as it shows; inside a status bar, without saying that it is one.
class AnnouncementAccessible : public WidgetPartAccessible {
public:
    explicit AnnouncementAccessible(StatusLabel* label);

    QString text(QAccessible::Text type) const override;
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override;

private:
    StatusLabel* label() const;
};

} // namespace xiangqi
