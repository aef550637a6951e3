#include "skin/controls/systemmenubutton.h"

#include "skin/controls/systemmenuondemand.h"
#include "skin/controls/tssystemmenu.h"

#include <QAccessibleWidget>
#include <QMenu>

namespace {

class SystemMenuButtonAccessible : public QAccessibleWidget {
public:
    explicit SystemMenuButtonAccessible(SystemMenuButton* button) : QAccessibleWidget(button, QAccessible::ButtonMenu)
    {}

    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(menu()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child && child->object() == menu() ? 0 : -1;
    }
    QStringList actionNames() const override { return {pressAction(), showMenuAction()}; }
    void doAction(const QString& name) override
    {
        if (name == pressAction() || name == showMenuAction())
            button()->click();
    }

private:
    SystemMenuButton* button() const { return static_cast<SystemMenuButton*>(widget()); }
    QMenu* menu() const { return button()->windowMenu(); }
};

QAccessibleInterface* systemMenuButtonInterface(const QString&, QObject* object)
{
    auto* button = qobject_cast<SystemMenuButton*>(object);
    return button ? new SystemMenuButtonAccessible(button) : nullptr;
}

} // namespace

SystemMenuButton::SystemMenuButton(QWidget* form, SystemMenuOnDemand& windowMenu)
    : SkinProviderButton(form),
      m_windowMenu(windowMenu)
{
    static const bool installed = [] {
        QAccessible::installFactory(systemMenuButtonInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

QMenu* SystemMenuButton::windowMenu() const
{
    return m_windowMenu.menu();
}
