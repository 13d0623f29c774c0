#include "PartAccessible.h"

#include <QWindow>

namespace xiangqi {

QWindow* PartAccessible::window() const {
    return widget_ ? widget_->window()->windowHandle() : nullptr;
}

QAccessibleInterface* PartAccessible::parent() const {
    return QAccessible::queryAccessibleInterface(widget_.data());
}

} // namespace xiangqi
