#pragma once

#include "skin/controls/framecodes.h"

#include <QObject>

#include <array>

class FrameInput;
class FrameLayout;
class QWidget;
class SkinProviderButton;
class SystemMenuButton;
class SystemMenuOnDemand;

// The skinned title as screen readers and the keyboard meet it: a push button at each title
// button's place and a menu button at the icon's, which paint nothing and do through the frame's
// input what a click on the painted one does, and the Alt+Space key of the window menu. A window
// has one set however many frame providers it has: the first provider's makes it.
class TitleButtonsAccess : public QObject {
    Q_OBJECT

public:
    TitleButtonsAccess(QWidget* form, SystemMenuOnDemand& systemMenu, const FrameLayout& layout, FrameInput& input);

    // The buttons show, and the window menu's key works, while the window wears the skinned frame.
    void setFramed(bool framed) { m_framed = framed; }
    // Places, enables, names and shows the buttons for the window as it is now.
    void update();

private:
    QWidget* m_form;
    const FrameLayout& m_layout;
    std::array<SkinProviderButton*, titleButtonCount> m_buttons{};
    SystemMenuButton* m_menuButton;
    bool m_framed = false;
};
