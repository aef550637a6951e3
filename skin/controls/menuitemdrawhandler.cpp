#include "skin/controls/menuitemdrawhandler.h"

#include <QAction>
#include <QVariant>

Q_DECLARE_METATYPE(MenuItemDrawHandler)

namespace {
// Kept on the item itself, so that it goes when the item goes.
constexpr char handlerProperty[] = "vestoriaOwnDraw";
} // namespace

void setMenuItemDrawHandler(QAction* item, MenuItemDrawHandler handler)
{
    item->setProperty(handlerProperty, handler ? QVariant::fromValue(std::move(handler)) : QVariant());
}

MenuItemDrawHandler menuItemDrawHandler(const QAction* item)
{
    return item->property(handlerProperty).value<MenuItemDrawHandler>();
}
