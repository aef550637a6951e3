#include "skin/controls/systemmenuondemand.h"

#include "skin/controls/tsskinprovider.h"
#include "skin/controls/tssystemmenu.h"

#include "platform/form.h"

TsSystemMenu* SystemMenuOnDemand::menu()
{
    if (!m_menu) {
        m_menu = new TsSystemMenu(m_provider);
        m_menu->setParent(m_provider->form(), m_menu->windowFlags());
    }
    return m_menu;
}

void SystemMenuOnDemand::refresh()
{
    if (m_menu)
        m_menu->refresh();
}
