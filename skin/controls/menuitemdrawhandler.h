#pragma once

// A menu item's own drawing, as the application gives it. While a menu is skinned, a pop-up item
// with its own drawing is drawn by it instead of by the skin; the items of a skinned menu bar
// always take the skin's drawing and lose their own.

#include <QRect>
#include <QStyle>

#include <functional>

class QAction;
class QPainter;

using MenuItemDrawHandler =
    std::function<void(QAction* item, QPainter& canvas, const QRect& rect, QStyle::State state)>;

// An empty handler removes the item's own drawing.
void setMenuItemDrawHandler(QAction* item, MenuItemDrawHandler handler);
// The item's own drawing; empty when it has none.
MenuItemDrawHandler menuItemDrawHandler(const QAction* item);
