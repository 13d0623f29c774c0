#include "StatusAccessible.h"

#include "AnnouncementAccessible.h"
#include "StatusLabel.h"

namespace xiangqi {

StatusAccessible::StatusAccessible(StatusLabel* label)
    : QAccessibleWidget(label, QAccessible::StatusBar) {}

// The notification belongs to no object of its own, so Qt would not delete it.
StatusAccessible::~StatusAccessible() {
    if (announcementId_ != 0)
        QAccessible::deleteAccessibleInterface(announcementId_);
}

QAccessibleInterface* StatusAccessible::create(const QString& className, QObject* object) {
    if (className != QLatin1String(StatusLabel::staticMetaObject.className()))
        return nullptr;
    auto* label = qobject_cast<StatusLabel*>(object);
    return label ? new StatusAccessible(label) : nullptr;
}

StatusLabel* StatusAccessible::label() const {
    return static_cast<StatusLabel*>(widget());
}

QString StatusAccessible::text(QAccessible::Text type) const {
    if (type == QAccessible::Name)
        return label()->text();
    return QAccessibleWidget::text(type);
}

QAccessibleInterface* StatusAccessible::child(int index) const {
    if (index != 0)
        return nullptr;
    if (announcementId_ == 0)
        announcementId_ =
            QAccessible::registerAccessibleInterface(new AnnouncementAccessible(label()));
    return QAccessible::accessibleInterface(announcementId_);
}

int StatusAccessible::indexOfChild(const QAccessibleInterface* child) const {
    return child && announcementId_ != 0 &&
                   child == QAccessible::accessibleInterface(announcementId_)
               ? 0
               : -1;
}

} // namespace xiangqi
