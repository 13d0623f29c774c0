#include "WidgetPartAccessible.h"

#include <QWindow>

namespace xiangqi {

QWindow* WidgetPartAccessible::window() const {
    return widget_ ? widget_->window()->windowHandle() : nullptr;
}

QAccessibleInterface* WidgetPartAccessible::parent() const {
    return QAccessible::queryAccessibleInterface(widget_.data());
}

} // namespace xiangqi
