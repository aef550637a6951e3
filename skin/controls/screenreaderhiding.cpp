#include "skin/controls/screenreaderhiding.h"

#include <QAccessibleWidget>
#include <QVariant>
#include <QWidget>

namespace {

const char* const hiddenProperty = "hiddenFromScreenReaders";

// Reported, but as neither visible nor on the screen, which every platform's screen-reader bridge
// takes as "skip it"; it offers no children, actions or value to be reached through it.
class HiddenAccessible : public QAccessibleWidget {
public:
    explicit HiddenAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::NoRole) {}

    QAccessible::State state() const override
    {
        QAccessible::State hidden = QAccessibleWidget::state();
        hidden.invisible = true;
        hidden.offscreen = true;
        hidden.focusable = false;
        return hidden;
    }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QStringList actionNames() const override { return {}; }
};

QAccessibleInterface* hiddenInterface(const QString&, QObject* object)
{
    if (!object || !object->isWidgetType() || !object->property(hiddenProperty).toBool())
        return nullptr;
    return new HiddenAccessible(static_cast<QWidget*>(object));
}

} // namespace

void hideFromScreenReaders(QWidget* widget)
{
    static const bool installed = [] {
        QAccessible::installFactory(hiddenInterface);
        return true;
    }();
    Q_UNUSED(installed);
    widget->setProperty(hiddenProperty, true);
}
