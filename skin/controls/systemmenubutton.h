#pragma once

#include "skin/controls/tsskinproviderbutton.h"

class QMenu;
class SystemMenuOnDemand;

// The title icon of a skinned window as screen readers see it: a menu button at the icon's place
// whose one child is the window menu, so that its items are met inside the window as the main
// menu's are. Pressing it through accessibility clicks it.
class SystemMenuButton : public SkinProviderButton {
    Q_OBJECT

public:
    SystemMenuButton(QWidget* form, SystemMenuOnDemand& windowMenu);

    // Made when a screen reader first looks inside the button.
    QMenu* windowMenu() const;

private:
    SystemMenuOnDemand& m_windowMenu;
};
