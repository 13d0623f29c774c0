#pragma once

#include <QAccessible>
#include <QPointer>
#include <QWidget>

namespace xiangqi {

// A part of a widget as assistive technology sees it, with no object of its own and no
// children: a board point, the status bar's notification. Its parent is the widget's
// interface, and it is valid as long as the widget lives.
class WidgetPartAccessible : public QAccessibleInterface {
public:
    explicit WidgetPartAccessible(QWidget* widget) : widget_(widget) {}

    bool isValid() const override { return !widget_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}

protected:
    QWidget* widget() const { return widget_.data(); }

private:
    QPointer<QWidget> widget_;
};

} // namespace xiangqi
