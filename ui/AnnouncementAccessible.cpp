#include "AnnouncementAccessible.h"

#include "StatusLabel.h"

#include <QWindow>

namespace xiangqi {

AnnouncementAccessible::AnnouncementAccessible(StatusLabel* label) : label_(label) {}

bool AnnouncementAccessible::isValid() const {
    return !label_.isNull();
}

QWindow* AnnouncementAccessible::window() const {
    return label_ ? label_->window()->windowHandle() : nullptr;
}

QAccessibleInterface* AnnouncementAccessible::parent() const {
    return QAccessible::queryAccessibleInterface(label_.data());
}

QString AnnouncementAccessible::text(QAccessible::Text type) const {
    if (type != QAccessible::Name || !label_)
        return {};
    return label_->announcement();
}

QRect AnnouncementAccessible::rect() const {
    if (!label_)
        return {};
    return {label_->mapToGlobal(QPoint(0, 0)), label_->size()};
}

QAccessible::State AnnouncementAccessible::state() const {
    QAccessible::State state;
    state.invalid = label_.isNull();
    state.invisible = !label_ || !label_->isVisible();
    return state;
}

} // namespace xiangqi
