#include "WidgetWithPartsAccessible.h"

#include "WidgetPartAccessible.h"

namespace xiangqi {

WidgetWithPartsAccessible::WidgetWithPartsAccessible(QWidget* widget, QAccessible::Role role,
                                                     int partCount)
    : QAccessibleWidget(widget, role), partIds_(static_cast<std::size_t>(partCount)) {}

WidgetWithPartsAccessible::~WidgetWithPartsAccessible() {
    for (const QAccessible::Id id : partIds_)
        if (id != 0)
            QAccessible::deleteAccessibleInterface(id);
}

int WidgetWithPartsAccessible::childCount() const {
    return static_cast<int>(partIds_.size());
}

QAccessibleInterface* WidgetWithPartsAccessible::child(int index) const {
    if (index < 0 || index >= childCount())
        return nullptr;
    QAccessible::Id& id = partIds_[static_cast<std::size_t>(index)];
    if (id == 0)
        id = QAccessible::registerAccessibleInterface(createPart(index));
    return QAccessible::accessibleInterface(id);
}

int WidgetWithPartsAccessible::indexOfChild(const QAccessibleInterface* child) const {
    for (std::size_t index = 0; index < partIds_.size(); ++index)
        if (partIds_[index] != 0 && QAccessible::accessibleInterface(partIds_[index]) == child)
            return static_cast<int>(index);
    return -1;
}

} // namespace xiangqi
