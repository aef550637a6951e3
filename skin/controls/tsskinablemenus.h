#pragma once

// The menu skinner: while a skin is in force, menu bars and pop-up menus are drawn from the skin.
// Qt keeps every bit of menu behaviour (tracking, keyboard, commands, accessibility); the skinner
// only gives each skinned menu a style of its own (MenuStyle) that sizes and draws the items
// through the skinner.
//
// Menu bars are skinned whenever a skin is in force, pop-up menus (submenus of a bar included)
// only while the manager's SkinnedPopups is on.

#include "skin/core/skinmenuhook.h"
#include "skin/core/skintables.h"

#include <QFont>
#include <QHash>
#include <QImage>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QStyle>

#include <functional>
#include <memory>

class MenuStyle;
class QAction;
class QMenu;
class QMenuBar;
class QPainter;
class QStyleOptionMenuItem;

enum TsMenuItemType { smCaption, smDivider, smNormal, smTopLine };

class TsSkinableMenus : public QObject, public SkinMenuHook {
    Q_OBJECT

public:
    enum class CaptionAlignment { Left, Right, Center };

    explicit TsSkinableMenus(TsSkinManager* manager);
    ~TsSkinableMenus() override;

    CaptionAlignment Alignment = CaptionAlignment::Left;
    // Kept for skins that set them; the drawing does not use them.
    int BevelWidth = 0;
    QFont CaptionFont;
    // The divider line is inset by this much on both sides, as is the pop-up's frame.
    int BorderWidth = 0;
    int Margin = 4;
    // Where a form's menu bar finds the band it is drawn over: an image whose top-left pixel lies
    // under the bar's top-left corner. Without a source, or when it gives an image smaller than
    // the bar, the band is painted from the skin's "MENULINE" section.
    using MenuBarBackground = std::function<QImage(const QWidget* form)>;
    static void setMenuBarBackground(MenuBarBackground source);

    void skinApplied() override;
    void skinRemoved() override;
    void setPopupsSkinned(bool skinned) override;
    void menuAdded(QWidget* menu) override;
    void menuRemoved(QObject* menu) override;

    // Whether menus given the skinner's style are drawn from the skin now.
    bool paintsMenus() const;

    // The kind of an item: a bar's items are top-line items; in a pop-up, "-" and separators are
    // dividers and a caption framed by "-" is a caption item.
    static TsMenuItemType itemKind(const QStyleOptionMenuItem& item, bool inBar);
    // The item a menu draws in `rect`: the drawing options do not name it, but it lies there.
    static QAction* itemAt(const QWidget* menu, const QRect& rect);

    // The item sizes; `proposed` is what the platform's style would give a bar item.
    QSize popupItemSize(const QStyleOptionMenuItem& item) const;
    QSize barItemSize(const QStyleOptionMenuItem& item, const QSize& proposed) const;

    // The item drawing; `menu` is the QMenu or QMenuBar the item belongs to.
    void drawPopupItem(QPainter& canvas, const QStyleOptionMenuItem& item, const QMenu* menu);
    void drawDivider(QPainter& canvas, const QRect& rect) const;
    void drawBarItem(QPainter& canvas, const QStyleOptionMenuItem& item, const QMenuBar* bar);
    // The backgrounds under a pop-up's and a bar's items.
    void drawPopupBackground(QPainter& canvas, const QMenu* menu);
    void drawBarBackground(QPainter& canvas, const QMenuBar* bar);

signals:
    // Sent after the skin has drawn an item, with the item's bitmap as canvas and the item's
    // rectangle in it.
    void itemDrawn(QAction* item, QPainter& canvas, TsMenuItemType kind, QStyle::State state, const QRect& rect);

protected:
    // F10 on a window with a skinned menu bar puts the bar in keyboard mode, as Alt does.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct PopupBackground {
        QPointer<QAction> firstItem;
        QImage bitmap;
    };

    // Records the switch and walks every menu of the application when it changes.
    void setSkinned(bool skinned);
    void applyTo(QWidget* menu);
    void skinBar(QMenuBar* bar);
    void skinPopup(QMenu* menu);
    void unskin(QWidget* menu);
    void forgetBackgrounds();
    void repaintSkinnedMenus();
    // The "MAINMENU" section as wide as the pop-up's items and as high as all of them together.
    QImage popupBackground(const QMenu* menu);
    QImage barBackground(const QMenuBar* bar);
    static QSize glyphSize(const QStyleOptionMenuItem& item);

    TsSkinManager* m_manager;
    std::unique_ptr<MenuStyle> m_style;
    bool m_skinned = false;
    // The skin menus are painted with: the one in force when it was last applied.
    SharedSkin m_skin;
    // One per pop-up, found by the pop-up's first item; painted once per skin.
    QList<PopupBackground> m_popupBackgrounds;
    // Bars drawn over their own "MENULINE" band, for want of the form's.
    QHash<const QObject*, QImage> m_barBackgrounds;
};
