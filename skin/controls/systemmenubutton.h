#pragma once

#include "skin/controls/tsskinproviderbutton.h"

#include <QPointer>

class QMenu;

// The title icon of a skinned window as screen readers see it: a menu button at the icon's place
// whose one child is the window menu, so that its items are met inside the window as the main
// menu's are. Pressing it through accessibility clicks it.
class SystemMenuButton : public SkinProviderButton {
    Q_OBJECT

public:
    SystemMenuButton(QWidget* form, QMenu* windowMenu);

    QMenu* windowMenu() const { return m_windowMenu; }

private:
    QPointer<QMenu> m_windowMenu;
};
