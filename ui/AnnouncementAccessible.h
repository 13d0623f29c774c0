#pragma once

#include <QAccessible>
#include <QPointer>

namespace xiangqi {

class StatusLabel;

// The status label's announcements as assistive technology sees them: a notification, named by
// the last announcement, that reports itself shown for each new one. A screen reader speaks a
// notification as it shows; inside a status bar, without saying that it is one.
class AnnouncementAccessible : public QAccessibleInterface {
public:
    explicit AnnouncementAccessible(StatusLabel* label);

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text type) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override;

private:
    QPointer<StatusLabel> label_;
};

} // namespace xiangqi
