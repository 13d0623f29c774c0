#pragma once

#include <QAccessibleWidget>
#include <QString>
#include <vector>

namespace xiangqi {

class WidgetPartAccessible;

// A widget as assistive technology sees it when its children are parts of it
// (WidgetPartAccessible) rather than widgets: the board's points, the status bar's notification.
// A part's interface is made when it is first asked for and registered with Qt, which finds it
// by id; it belongs to no object of its own, so Qt would not delete it: it goes with this one.
class WidgetWithPartsAccessible : public QAccessibleWidget {
public:
    WidgetWithPartsAccessible(QWidget* widget, QAccessible::Role role, int partCount);

    // The factory, for QAccessible::installFactory, that gives each widget of class `Widget`
    // the interface `Interface`.
    template <typename Widget, typename Interface>
    static QAccessibleInterface* create(const QString& className, QObject* object) {
        if (className != QLatin1String(Widget::staticMetaObject.className()))
            return nullptr;
        auto* widget = qobject_cast<Widget*>(object);
        return widget ? new Interface(widget) : nullptr;
    }

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

protected:
    ~WidgetWithPartsAccessible() override;

    // The interface of part `index`, from 0 to the part count less one.
    virtual WidgetPartAccessible* createPart(int index) const = 0;

private:
    mutable std::vector<QAccessible::Id> partIds_;
};

} // namespace xiangqi
