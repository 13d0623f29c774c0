#include "AnnouncementAccessible.h"

#include "StatusLabel.h"

namespace xiangqi {

AnnouncementAccessible::AnnouncementAccessible(StatusLabel* label) : WidgetPartAccessible(label) {}

StatusLabel* AnnouncementAccessible::label() const {
    return static_cast<StatusLabel*>(widget());
}

QString AnnouncementAccessible::text(QAccessible::Text type) const {
    if (type != QAccessible::Name || !label())
        return {};
    return label()->announcement();
}

QRect AnnouncementAccessible::rect() const {
    if (!label())
        return {};
    return {label()->mapToGlobal(QPoint(0, 0)), label()->size()};
}

QAccessible::State AnnouncementAccessible::state() const {
    QAccessible::State state;
    state.invalid = !isValid();
    state.invisible = !label() || !label()->isVisible();
    return state;
}

} // namespace xiangqi
