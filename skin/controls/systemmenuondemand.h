#pragma once

#include <QPointer>

class TsSkinProvider;
class TsSystemMenu;

// The window menu of a skinned window, made the first time it is needed. Every window of the
// program has one and few are ever opened; making them all with their windows cost start-up time
// and memory before the start window was on the screen.
class SystemMenuOnDemand {
public:
    explicit SystemMenuOnDemand(TsSkinProvider* provider) : m_provider(provider) {}

    // Made now if it has not been; it reads the provider's settings as they are then.
    TsSystemMenu* menu();
    // Shows and enables the items for the window as it is now; a menu not yet made has nothing to
    // bring up to date.
    void refresh();

private:
    TsSkinProvider* m_provider;
    QPointer<TsSystemMenu> m_menu;
};
