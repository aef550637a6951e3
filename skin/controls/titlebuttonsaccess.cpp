#include "skin/controls/titlebuttonsaccess.h"

#include "skin/controls/frameinput.h"
#include "skin/controls/framelayout.h"
#include "skin/controls/systemmenubutton.h"
#include "skin/controls/tsskinproviderbutton.h"

#include "platform/guarded.h"

#include <QShortcut>
#include <QWidget>

TitleButtonsAccess::TitleButtonsAccess(QWidget* form, SystemMenuOnDemand& systemMenu, const FrameLayout& layout,
                                       FrameInput& input)
    : m_form(form),
      m_layout(layout)
{
    const char* names[titleButtonCount] = {"Закрыть", "Развернуть", "Свернуть", "Справка"};
    for (int index = 0; index < titleButtonCount; ++index) {
        auto* button = new SkinProviderButton(form);
        button->setAccessibleName(QString::fromUtf8(names[index]));
        connectGuarded(button, &QPushButton::clicked, this,
                       [&input, index] { input.clickTitleButton(TitleButton(index)); });
        m_buttons[index] = button;
    }
    m_menuButton = new SystemMenuButton(form, systemMenu);
    m_menuButton->setAccessibleName(QStringLiteral("Меню окна"));
    connectGuarded(m_menuButton, &QPushButton::clicked, this, [&input] { input.openSystemMenu(); });
    auto* menuKey = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), form);
    connectGuarded(menuKey, &QShortcut::activated, this, [this, &input] {
        if (m_framed)
            input.openSystemMenu();
    });
}

void TitleButtonsAccess::update()
{
    for (int index = 0; index < titleButtonCount; ++index) {
        SkinProviderButton* access = m_buttons[index];
        const auto button = TitleButton(index);
        const bool shown = m_framed && m_layout.titleButtonShown(button);
        if (shown)
            access->setGeometry(m_layout.titleButtonRect(button));
        access->setEnabled(m_layout.buttonEnabled(button));
        access->setVisible(shown);
    }
    m_buttons[int(TitleButton::Maximize)]->setAccessibleName(
        QString::fromUtf8(m_form->isMaximized() ? "Восстановить" : "Развернуть"));
    const bool iconThere = m_framed && m_layout.iconShown() && !m_form->isMinimized();
    if (iconThere) {
        const QRect band = m_layout.slotRect(0);
        m_menuButton->setGeometry(m_layout.frameWidth(), band.top(), m_layout.iconSize(), band.height());
    }
    m_menuButton->setVisible(iconThere);
}
