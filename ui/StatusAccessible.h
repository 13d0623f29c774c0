#pragma once

#include <QAccessibleWidget>

namespace xiangqi {

class StatusLabel;

// The status label as assistive technology sees it: the window's status bar, named by the status
// it shows ("黑 行"), so that a screen reader's command that reads the status bar reads it. Its one
// child is the notification through which the label's announcements are spoken.
class StatusAccessible : public QAccessibleWidget {
public:
    explicit StatusAccessible(StatusLabel* label);

    // The factory that makes this interface for the status label, for QAccessible::installFactory.
    static QAccessibleInterface* create(const QString& className, QObject* object);

    QString text(QAccessible::Text type) const override;
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

protected:
    ~StatusAccessible() override;

private:
    StatusLabel* label() const;

    mutable QAccessible::Id announcementId_ = 0;
};

} // namespace xiangqi
