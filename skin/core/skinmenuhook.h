#pragma once

// What the skin manager tells the menu skinner, which lives with the skinned controls.
//
// The menu skinner is made by a factory registered with setSkinMenuHookFactory(). The main skin
// manager asks for its skinner once, when it is created, so the factory must be registered before
// the start window (TForm1, which creates the main manager) is made: in createProgram()
// (app/startup.cpp) before `new TForm1`. Without a factory the manager has no menu skinner.

#include <functional>
#include <memory>

class QObject;
class QWidget;
class TsSkinManager;

class SkinMenuHook {
public:
    virtual ~SkinMenuHook() = default;
    // A new skin is in force and every control has taken it. Pop-up backgrounds made for the
    // previous skin are stale: empty them and skin the menus anew.
    virtual void skinApplied() = 0;
    // The skin was removed: empty the pop-up backgrounds and give the menus back their plain look.
    virtual void skinRemoved() = 0;
    // SkinnedPopups changed: re-skin or un-skin the pop-up menus.
    virtual void setPopupsSkinned(bool skinned) = 0;
    // While a skin is in force, a menu or menu bar (a QMenu or QMenuBar) is about to be shown for
    // the first time: skin it before it paints. Menus made before the skin are met by skinApplied().
    virtual void menuAdded(QWidget* menu) = 0;
    // A menu that menuAdded() announced is being destroyed: forget it. Only its address is still
    // good.
    virtual void menuRemoved(QObject* menu) = 0;
};

using SkinMenuHookFactory = std::function<std::unique_ptr<SkinMenuHook>(TsSkinManager*)>;
void setSkinMenuHookFactory(SkinMenuHookFactory factory);
const SkinMenuHookFactory& skinMenuHookFactory();
