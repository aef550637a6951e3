#include "app/tform3.h"
#include "tools/tour/tour.h"

#include <QMenu>
#include <QMenuBar>
#include <QTimer>

// The main menu open on its "УМКД" submenu: the window with the submenu over it, and the submenu
// on its own (an offscreen run sees no screen, so the window's picture cannot show the submenu).
// Taking a picture brings the window to the front, which closes an open menu, so the menu opens
// once the window is in front, while the picture waits for the window to settle.
void tourlegs::mainMenuOpen()
{
    QTimer::singleShot(300, Form3, [] { Form3->MainMenu1->setActiveAction(Form3->N6->menuAction()); });
    Tour::shoot(Form3, QStringLiteral("main-window-menu-open"));
    Tour::shoot(Form3->N6, QStringLiteral("main-menu-submenu"));
    Form3->N6->hide();
    Form3->MainMenu1->setActiveAction(nullptr);
    Tour::settle();
}
