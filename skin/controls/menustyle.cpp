#include "skin/controls/menustyle.h"

#include "skin/controls/menuitemdrawhandler.h"
#include "skin/controls/tsskinablemenus.h"

#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QStyleOptionMenuItem>

namespace {
constexpr int arrowWidth = 8;
} // namespace

MenuStyle::MenuStyle(TsSkinableMenus& skinner) : m_skinner(skinner)
{}

void MenuStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                            const QWidget* widget) const
{
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (!item || !m_skinner.paintsMenus()) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    switch (element) {
    case CE_MenuItem:
        if (const auto* menu = qobject_cast<const QMenu*>(widget)) {
            QAction* action = TsSkinableMenus::itemAt(menu, option->rect);
            if (const MenuItemDrawHandler own = action ? menuItemDrawHandler(action) : MenuItemDrawHandler())
                own(action, *painter, option->rect, option->state);
            else
                m_skinner.drawPopupItem(*painter, *item, menu);
            if (item->menuItemType == QStyleOptionMenuItem::SubMenu) {
                // The skin draws no submenu mark, but a person needs to see where one opens.
                QStyleOption arrow = *option;
                arrow.rect = QRect(option->rect.right() - m_skinner.Margin - arrowWidth, option->rect.top(), arrowWidth,
                                   option->rect.height());
                drawPrimitive(PE_IndicatorArrowRight, &arrow, painter, widget);
            }
            return;
        }
        break;
    case CE_MenuBarItem:
        if (const auto* bar = qobject_cast<const QMenuBar*>(widget)) {
            m_skinner.drawBarItem(*painter, *item, bar);
            return;
        }
        break;
    case CE_MenuBarEmptyArea:
        if (const auto* bar = qobject_cast<const QMenuBar*>(widget)) {
            m_skinner.drawBarBackground(*painter, bar);
            return;
        }
        break;
    case CE_MenuEmptyArea:
        // The pop-up's background is already under the whole menu.
        return;
    default: break;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

void MenuStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const
{
    const auto* menu = qobject_cast<const QMenu*>(widget);
    if (element == PE_PanelMenu && menu && m_skinner.paintsMenus()) {
        m_skinner.drawPopupBackground(*painter, menu);
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

QSize MenuStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                  const QWidget* widget) const
{
    const QSize proposed = QProxyStyle::sizeFromContents(type, option, size, widget);
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (!item || !m_skinner.paintsMenus())
        return proposed;
    if (type == CT_MenuItem && qobject_cast<const QMenu*>(widget))
        return m_skinner.popupItemSize(*item);
    if (type == CT_MenuBarItem && qobject_cast<const QMenuBar*>(widget))
        return m_skinner.barItemSize(*item, proposed);
    return proposed;
}

int MenuStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    // A skinned menu's items fill it, so that the skin's background is all there is around them.
    if (m_skinner.paintsMenus()) {
        switch (metric) {
        case PM_MenuPanelWidth:
        case PM_MenuHMargin:
        case PM_MenuVMargin:
        case PM_MenuBarPanelWidth:
        case PM_MenuBarVMargin:
        case PM_MenuBarHMargin:
        case PM_MenuBarItemSpacing: return 0;
        default: break;
        }
    }
    return QProxyStyle::pixelMetric(metric, option, widget);
}

int MenuStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                         QStyleHintReturn* returnData) const
{
    // Alt alone takes the keyboard to the menu bar, as on the desktop the skins come from.
    if (hint == SH_MenuBar_AltKeyNavigation)
        return 1;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}
