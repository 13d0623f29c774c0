#pragma once

#include "WidgetWithPartsAccessible.h"

namespace xiangqi {

class StatusLabel;

// The status label as assistive technology sees it: the window's status bar, named by the status
// it shows ("黑 行"), so that a screen reader's command that reads the status bar reads it. Its one
// child is the notification through which the label's announcements are spoken.
class StatusAccessible : public WidgetWithPartsAccessible {
public:
    explicit StatusAccessible(StatusLabel* label);

    QString text(QAccessible::Text type) const override;

protected:
    WidgetPartAccessible* createPart(int index) const override;

private:
    StatusLabel* label() const;
};

} // namespace xiangqi
