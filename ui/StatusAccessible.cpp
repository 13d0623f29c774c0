#include "StatusAccessible.h"

#include "AnnouncementAccessible.h"
#include "StatusLabel.h"

namespace xiangqi {

StatusAccessible::StatusAccessible(StatusLabel* label)
    : WidgetWithPartsAccessible(label, QAccessible::StatusBar, 1) {}

StatusLabel* StatusAccessible::label() const {
    return static_cast<StatusLabel*>(widget());
}

QString StatusAccessible::text(QAccessible::Text type) const {
    if (type == QAccessible::Name)
        return label()->text();
    return QAccessibleWidget::text(type);
}

WidgetPartAccessible* StatusAccessible::createPart(int) const {
    return new AnnouncementAccessible(label());
}

} // namespace xiangqi
