#pragma once

// What the skin manager needs of the menu skinner, which lives with the skinned controls. The
// skinned controls register a factory; without one the manager simply has no menu skinner.

#include <functional>
#include <memory>

class TsSkinManager;

class SkinMenuHook {
public:
    virtual ~SkinMenuHook() = default;
    // SkinnedPopups changed: re-skin or un-skin the pop-up menus.
    virtual void setPopupsSkinned(bool skinned) = 0;
};

using SkinMenuHookFactory = std::function<std::unique_ptr<SkinMenuHook>(TsSkinManager*)>;
void setSkinMenuHookFactory(SkinMenuHookFactory factory);
const SkinMenuHookFactory& skinMenuHookFactory();
